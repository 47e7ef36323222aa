// STEP out and back in. OCCT writes to a file name only, so the file goes to
// a temporary name in the target folder first and is renamed over the target
// once it is complete, as every other export is written.
#include <BRepBndLib.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepGProp.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <Interface_Static.hxx>
#include <STEPControl_Controller.hxx>
#include <STEPControl_Reader.hxx>
#include <STEPControl_Writer.hxx>
#include <StepBasic_Product.hxx>
#include <StepData_StepModel.hxx>
#include <Standard_Failure.hxx>
#include <TCollection_HAsciiString.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/error.h"
#include "solids/nozzle_shape.h"
#include "solids/nozzle_solid.h"

namespace bellnozzle {
namespace {

// Adaptive integration to this relative error: the default precision is
// several per cent off on a thin wall.
constexpr double kVolumeEpsilon = 1e-9;

[[noreturn]] void ThrowWriteError(const std::string& path, const std::string& reason) {
    throw Error("cannot write \"" + path + "\": " + reason,
                "não foi possível gravar \"" + path + "\": " + reason);
}

const char* StepUnit(LengthUnit unit) {
    switch (unit) {
        case LengthUnit::Centimetre: return "CM";
        case LengthUnit::Inch: return "INCH";
        case LengthUnit::Millimetre: break;
    }
    return "MM";
}

// A free name beside path, created empty with the permissions an ordinary
// new file gets.
std::string ReserveTemporary(const std::string& path) {
    std::string name = path + ".tmpXXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0) ThrowWriteError(path, std::strerror(errno));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    ::close(fd);
    return name;
}

// Solids, validity and box; the volume by OCCT's integration when asked.
SolidFacts Facts(const TopoDS_Shape& shape, bool integrateVolume) {
    SolidFacts facts;
    for (TopExp_Explorer solid(shape, TopAbs_SOLID); solid.More(); solid.Next()) ++facts.solids;
    facts.valid = BRepCheck_Analyzer(shape).IsValid();
    if (integrateVolume) {
        GProp_GProps props;
        BRepGProp::VolumeProperties(shape, props, kVolumeEpsilon);
        facts.volumeMm3 = props.Mass();
    }
    Bnd_Box box;
    BRepBndLib::AddOptimal(shape, box, Standard_False, Standard_False);
    if (!box.IsVoid()) {
        box.Get(facts.min[0], facts.min[1], facts.min[2], facts.max[0], facts.max[1], facts.max[2]);
    }
    return facts;
}

void InitStep() {
    QuietOcct();
    static const bool ready = [] { return STEPControl_Controller::Init(); }();
    (void)ready;
}

// OCCT numbers the product name of every later transfer in a process
// ("nozzle 2", "nozzle 3"); a CAD tool lists the part by it, so each file
// names its part alike.
void NameProducts(STEPControl_Writer& writer, const char* name) {
    const Handle(StepData_StepModel) model = writer.Model();
    for (Standard_Integer i = 1; i <= model->NbEntities(); ++i) {
        const Handle(StepBasic_Product) product = Handle(StepBasic_Product)::DownCast(model->Value(i));
        if (product.IsNull()) continue;
        product->SetId(new TCollection_HAsciiString(name));
        product->SetName(new TCollection_HAsciiString(name));
    }
}

}  // namespace

SolidFacts WriteStepFile(const CadProfile& profile, LengthUnit unit, const std::string& path) {
    InitStep();
    const TopoDS_Solid solid = BuildNozzleSolid(profile);
    SolidFacts facts = Facts(solid, false);
    facts.volumeMm3 = CurveVolume(profile);
    if (facts.solids != 1 || !facts.valid || !(facts.volumeMm3 > 0.0)) {
        throw Error("OpenCASCADE built no valid closed solid from the profile",
                    "o OpenCASCADE não construiu um sólido fechado válido com o perfil");
    }
    Interface_Static::SetCVal("write.step.schema", "AP214IS");
    Interface_Static::SetCVal("write.step.unit", StepUnit(unit));
    Interface_Static::SetCVal("write.step.product.name", "nozzle");
    STEPControl_Writer writer;
    if (writer.Transfer(solid, STEPControl_ManifoldSolidBrep) != IFSelect_RetDone) {
        throw Error("OpenCASCADE could not translate the solid to STEP",
                    "o OpenCASCADE não conseguiu traduzir o sólido para STEP");
    }
    NameProducts(writer, "nozzle");
    const std::string temporary = ReserveTemporary(path);
    bool written = false;
    try {
        written = writer.Write(temporary.c_str()) == IFSelect_RetDone;
    } catch (const Standard_Failure&) {
        written = false;
    }
    if (!written) {
        std::remove(temporary.c_str());
        ThrowWriteError(path, "the STEP writer failed (check that the folder is writable and has free space)");
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        std::remove(temporary.c_str());
        ThrowWriteError(path, reason);
    }
    return facts;
}

SolidFacts InspectStepFile(const std::string& path) {
    InitStep();
    STEPControl_Reader reader;
    if (reader.ReadFile(path.c_str()) != IFSelect_RetDone) {
        throw Error("cannot read STEP file \"" + path + "\"",
                    "não foi possível ler o arquivo STEP \"" + path + "\"");
    }
    reader.TransferRoots();
    return Facts(reader.OneShape(), true);
}

}  // namespace bellnozzle
