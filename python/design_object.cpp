#include "python/design_object.h"

#include <iterator>

#include "characteristics/nozzle_analysis.h"
#include "core/error.h"
#include "core/file_names.h"
#include "core/text_file.h"
#include "core/text_format.h"
#include "export/cad_profile.h"

namespace bellnozzle::python {
namespace {

moc::ContourMethod RequireMethod(const std::string& name) {
    moc::ContourMethod method = moc::ContourMethod::Chart;
    if (moc::ParseContourMethod(name, method)) return method;
    std::string names;
    for (std::size_t i = 0; i < std::size(kContourMethods); ++i) {
        names += i == 0 ? "" : i + 1 == std::size(kContourMethods) ? " or " : ", ";
        names += moc::ContourMethodName(kContourMethods[i]);
    }
    // The command's words, so that a script's message reads as the command's.
    throw Error("unknown --method '" + name + "'; choose " + names,
                "--method desconhecido '" + name + "'; escolha " + names);
}

}  // namespace

DesignObject MakeDesign(double diameter, double lengthPercent, double epsilon, const std::string& method,
                        double gamma) {
    // Stored in single precision as the entries and the command's options
    // convert their text, so 3.7 here designs what "--diameter 3.7" designs.
    moc::DesignRequest request;
    request.diameter = static_cast<float>(diameter);
    request.lengthPercent = static_cast<float>(lengthPercent);
    request.epsilon = static_cast<float>(epsilon);
    request.method = RequireMethod(method);
    request.gamma = gamma;
    const moc::DesignedProfile designed = moc::DesignProfile(request);

    DesignObject design;
    design.method = designed.method;
    design.diameter = request.diameter;
    design.lengthPercent = request.lengthPercent;
    design.epsilon = request.epsilon;
    design.gamma = gamma;
    design.thetaN = designed.thetaN;
    design.thetaS = designed.thetaS;
    design.notes = designed.notes;
    design.profileText = designed.profileText;
    design.name = kProfileFileName;
    design.table = ParseProfileText(design.profileText, design.name);
    return design;
}

DesignObject LoadProfile(const std::string& path) {
    DesignObject design;
    design.name = path;
    ReadProfileTable(path);  // the exports' messages for a missing or unusable file
    design.profileText = ReadWholeFile(path);
    design.table = ParseProfileText(design.profileText, path);
    return design;
}

void RequireCharacteristics(int count) {
    if (count == 0 || (count >= moc::kMinCharacteristics && count <= moc::kMaxCharacteristics)) return;
    throw Error(Format("--characteristics needs a whole number of characteristics from %d to %d, not '%d'",
                       moc::kMinCharacteristics, moc::kMaxCharacteristics, count),
                Format("--characteristics precisa de um número inteiro de características de %d a %d, não '%d'",
                       moc::kMinCharacteristics, moc::kMaxCharacteristics, count));
}

std::vector<double> PointCoordinates(const DesignObject& design) {
    std::vector<double> xy;
    xy.reserve(2 * static_cast<std::size_t>(design.table.Count));
    for (int i = 1; i <= design.table.Count; ++i) {
        xy.push_back(FileValue(design.table.X[i]));
        xy.push_back(FileValue(design.table.Y[i]));
    }
    return xy;
}

}  // namespace bellnozzle::python
