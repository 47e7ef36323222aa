// cad and render: the window's CAD exports and rendered picture without the
// window, through the same actions.
#include <cstdio>
#include <string>

#include "cad/cad_export.h"
#include "cad/render.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "core/entry_conversion.h"
#include "core/error.h"
#include "core/text_format.h"

namespace bellnozzle::cli {
namespace {

const char kCadUsage[] =
    "usage: bellnozzle cad [--dir DIR] --format step|stl|dxf|svg|csv [--out FILE]\n"
    "                      [--units mm|cm|in] [--thickness LENGTH] [--body flow|shell]\n"
    "\n"
    "Writes the nozzle from DIR/zelto_perfil.txt for CAD and CAM programs:\n"
    "  step  one closed solid (AP214), the wall a B-spline revolved about x\n"
    "  stl   the same solid as a closed binary triangle mesh\n"
    "  dxf   the half-section as a 2-D R12 drawing (polylines and lines)\n"
    "  svg   the section at 1:1 with the throat and exit diameters, for a template\n"
    "  csv   the points: x, wall radius and, for the shell, the outer radius\n"
    "Options:\n"
    "  --body flow|shell   the gas volume inside the wall, or the wall itself\n"
    "                      (default shell: the contour offset outward, flat ends)\n"
    "  --thickness LENGTH  wall thickness of the shell, above 0 (default 2 mm);\n"
    "                      a bare number is in --units, or give 2mm, 0.2cm, 0.08in\n"
    "  --units mm|cm|in    unit of the file (default mm)\n"
    "  --out FILE          file to write (default DIR/nozzle.EXT)\n"
    "  --dir DIR           folder of zelto_perfil.txt (default: the current folder)\n"
    "Prints the file, its size, the volume and the bounding box.\n";

const char kRenderUsage[] =
    "usage: bellnozzle render [--dir DIR] [--out FILE.png] [--width W] [--height H]\n"
    "                         [--thickness LENGTH]\n"
    "\n"
    "Writes a POV-Ray scene of the nozzle wall (FILE with .pov) from\n"
    "DIR/zelto_perfil.txt and renders it with povray into a PNG picture.\n"
    "  --out FILE.png      picture to write (default DIR/nozzle.png)\n"
    "  --width W           picture width in pixels (default 800)\n"
    "  --height H          picture height in pixels (default 600)\n"
    "  --thickness LENGTH  wall thickness (default 2 mm; 2mm, 0.2cm, 0.08in)\n"
    "  --dir DIR           folder of zelto_perfil.txt (default: the current folder)\n";

int PictureSide(const ParsedOptions& options, const char* name, int fallback) {
    const std::string text = OptionOr(options, name, std::to_string(fallback));
    double value = 0.0;
    if (!ParseNumber(text, value) || value != static_cast<double>(static_cast<long long>(value)) ||
        value < kMinPictureSide || value > kMaxPictureSide) {
        throw Error(Format("--%s \"%s\" is not a whole number of pixels from %d to %d", name, text.c_str(),
                           kMinPictureSide, kMaxPictureSide),
                    Format("--%s \"%s\" não é um número inteiro de pixels de %d a %d", name, text.c_str(),
                           kMinPictureSide, kMaxPictureSide));
    }
    return static_cast<int>(value);
}

bool StartCommand(const Args& args, const std::vector<std::string>& allowed, const char* usage,
                  ParsedOptions& options, int& status) {
    if (!ParseOptions(args, allowed, usage, options)) {
        status = kExitUsage;
        return false;
    }
    if (options.help) {
        std::fputs(usage, stdout);
        status = kExitOk;
        return false;
    }
    return true;
}

}  // namespace

int RunCadCommand(const Args& args) {
    ParsedOptions options;
    int status = kExitOk;
    if (!StartCommand(args, {"dir", "format", "out", "units", "thickness", "body"}, kCadUsage, options, status)) {
        return status;
    }
    if (options.values.count("format") == 0) {
        std::fprintf(stderr, "bellnozzle: cad needs --format step|stl|dxf|svg|csv\n%s", kCadUsage);
        return kExitUsage;
    }
    try {
        CadRequest request;
        request.format = ParseCadFormat(options.values["format"]);
        request.unit = ParseLengthUnit(OptionOr(options, "units", "mm"));
        request.body = ParseCadBody(OptionOr(options, "body", "shell"));
        if (options.values.count("thickness") != 0) {
            request.thicknessMm = ParseThickness(options.values["thickness"], request.unit);
        }
        request.out = OptionOr(options, "out", "");
        const CadSummary summary = ExportCad(OptionOr(options, "dir", ""), request);
        std::fputs(SummaryLines(summary).c_str(), stdout);
    } catch (const Error& error) {
        return ReportRefusal(error.what());
    }
    return kExitOk;
}

int RunRenderCommand(const Args& args) {
    ParsedOptions options;
    int status = kExitOk;
    if (!StartCommand(args, {"dir", "out", "width", "height", "thickness"}, kRenderUsage, options, status)) {
        return status;
    }
    try {
        RenderRequest request;
        request.out = OptionOr(options, "out", "");
        request.width = PictureSide(options, "width", request.width);
        request.height = PictureSide(options, "height", request.height);
        if (options.values.count("thickness") != 0) {
            request.thicknessMm = ParseThickness(options.values["thickness"], LengthUnit::Millimetre);
        }
        const RenderResult result = RenderNozzle(OptionOr(options, "dir", ""), request);
        std::printf("file=%s\nscene=%s\n", result.picture.c_str(), result.scene.c_str());
    } catch (const Error& error) {
        return ReportRefusal(error.what());
    }
    return kExitOk;
}

}  // namespace bellnozzle::cli
