// The case's dictionaries. Settings follow OpenFOAM's own rhoCentralFoam
// tutorials (Kurganov fluxes, van Leer reconstruction); the start-up and the
// boundary conditions are the ones that start every design of the chart.
#include "foam_case/case_files.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

#include "core/text_format.h"
#include "export/blockmesh_writer.h"
#include "export/number_text.h"
#include "foam_case/initial_flow.h"
#include "foam_case/mesh_grading.h"
#include "foam_case/throat_points.h"

namespace bellnozzle {
namespace {

// Enough digits that a value read back is the value meant.
std::string Num(double value) { return std::string(GText(value, 10).View()); }

std::string Int(long long value) {
    std::string text;
    AppendInt(text, value);
    return text;
}

// Coordinates need 12 digits for wedge sides that blockMesh and checkMesh
// find planar; six leave large nozzles' sides off by more than their 3e-8 m.
constexpr int kCoordinateDigits = 12;

// A 1 bar fill keeps a normal shock inside a large-epsilon nozzle; a fill of
// a two-hundredth of the chamber pressure at room temperature is swept out
// by every design of the chart.
constexpr double kFillPressureRatio = 0.005;
constexpr double kFillTemperature = 300;

// Times the run writes its fields (the last one is the result) and samples
// its function objects.
constexpr int kFieldWrites = 4;
constexpr int kSamples = 400;

// The run ends early once the outlet's mass flow and area-averaged Mach
// number each lie within this (relative) of their running mean over the
// window (flow-through times), and not before the minimum; the end time
// stays the upper bound. runTimeControl's tolerance is absolute, so it is
// scaled by the 1-D value. Its mean starts as the average since the start
// and only then follows the window, so a short window forgets the start
// sooner; the minimum keeps a quiet moment of the start-up from ending it
// (the 1-D runs of the chart's designs ended after 1.8 to 1.9).
// A fill start runs to its end time: the start-up vortex it can leave in a
// long bell makes the flow swing slowly, and a swing's turning point met the
// condition in a 2.5 cm, epsilon-25 bell with the mass flow still 5 % off.
constexpr double kSettleTolerance = 1e-3;
constexpr double kSettleWindowFlowThroughs = 0.25;
constexpr double kSettleMinimumFlowThroughs = 1.5;

// The exported dictionary's single grading line, which the case replaces by
// its own clustering at the throat.
constexpr char kExportedGrading[] = "simpleGrading (3 1 0.3)\t// taxa de expansao das c\xE9" "lulas";

// The start's fields, one value a cell; empty for the fill start.
struct StartFields {
    std::vector<double> p, T;
    std::vector<CellState> U;
};

std::string Header(std::string_view className, std::string_view location, std::string_view object) {
    std::string text =
        "/*--------------------------------*- C++ -*----------------------------------*\\\n"
        "  Written by bellnozzle: an inviscid compressible run of the nozzle wedge.\n"
        "\\*---------------------------------------------------------------------------*/\n"
        "FoamFile\n{\n    version     2.0;\n    format      ascii;\n    class       ";
    text += className;
    text += ";\n    location    \"";
    text += location;
    text += "\";\n    object      ";
    text += object;
    text += ";\n}\n// * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * * //\n\n";
    return text;
}

constexpr char kFooter[] = "\n// ************************************************************************* //\n";

std::string ControlDict(const CaseOutline& o) {
    const double meanCell = o.nozzle.Length() / o.settings.axialCells;
    // A first step far below the Courant limit; the solver raises it by at
    // most a fifth a step.
    const double firstStep = 1e-3 * meanCell / o.theory.chamberSoundSpeed;
    const std::string sampling = Num(o.endTime / kSamples);
    std::string t = Header("dictionary", "system", "controlDict");
    t += "application     rhoCentralFoam;\n\n"
         "startFrom       startTime;\nstartTime       0;\nstopAt          endTime;\n";
    t += "// " + Num(o.flowThroughTimes) + " flow-through times: nozzle length " + Num(o.nozzle.Length()) +
         " m at the chamber's speed of sound " + Num(o.theory.chamberSoundSpeed) + " m/s\n";
    t += "endTime         " + Num(o.endTime) + ";\n\n";
    t += "deltaT          " + Num(firstStep) + ";\n"
         "adjustTimeStep  yes;\nmaxCo           0.4;\nmaxDeltaT       1;\n\n"
         "writeControl    adjustableRunTime;\n";
    t += "writeInterval   " + Num(o.endTime / kFieldWrites) + ";\n";
    t += "purgeWrite      0;\nwriteFormat     ascii;\nwritePrecision  10;\nwriteCompression off;\n"
         "timeFormat      general;\ntimePrecision   10;\nrunTimeModifiable false;\n\n";
    t += "functions\n{\n"
         "    // The Mach number field, for the averages below and the picture.\n"
         "    Ma\n    {\n        type            MachNo;\n        libs            (\"libfieldFunctionObjects.so\");\n"
         "        executeControl  timeStep;\n        writeControl    writeTime;\n    }\n";
    auto patchValue = [&](const char* name, const char* patch, const char* operation, const char* fields,
                          const char* extra) {
        t += "    ";
        t += name;
        t += "\n    {\n        type            surfaceFieldValue;\n"
             "        libs            (\"libfieldFunctionObjects.so\");\n"
             "        regionType      patch;\n        name            ";
        t += patch;
        t += ";\n        operation       ";
        t += operation;
        t += ";\n";
        t += extra;
        t += "        fields          (";
        t += fields;
        t += ");\n        writeFields     false;\n        log             false;\n"
             "        writeControl    runTime;\n        writeInterval   " + sampling + ";\n    }\n";
    };
    t += "    // Over the wedge's patches: mass flows (kg/s, of the 5-degree wedge),\n"
         "    // area averages, and the outlet's momentum flux and pressure force.\n";
    patchValue(kInletFlowName, "inlet", "sum", "phi", "");
    patchValue(kOutletFlowName, "outlet", "sum", "phi", "");
    patchValue(kInletAverageName, "inlet", "areaAverage", "Ma p T", "");
    patchValue(kOutletAverageName, "outlet", "areaAverage", "Ma p T", "");
    patchValue(kOutletMomentumName, "outlet", "weightedSum", "U", "        weightField     phi;\n");
    patchValue(kOutletPressureName, "outlet", "areaIntegrate", "p", "");
    t += "    // The pressure on every wall face at each field write (and at the end).\n";
    t += "    ";
    t += kWallPressureName;
    t += "\n    {\n        type            surfaces;\n        libs            (\"libsampling.so\");\n"
         "        writeControl    writeTime;\n        surfaceFormat   raw;\n"
         "        interpolationScheme cell;\n        fields          (p);\n"
         "        surfaces\n        (\n            wall\n            {\n                type        patch;\n"
         "                patches     (wall);\n                interpolate false;\n            }\n        );\n"
         "    }\n";
    if (o.settings.start == CaseStart::Fill) {
        t += "}\n";
        t += kFooter;
        return t;
    }
    const double flowThrough = o.nozzle.Length() / o.theory.chamberSoundSpeed;
    const std::string window = Num(kSettleWindowFlowThroughs * flowThrough);
    auto settle = [&](const char* name, const char* object, const char* result, double scale) {
        t += "            ";
        t += name;
        t += "\n            {\n                type            average;\n                groupID         1;\n"
             "                functionObject  ";
        t += object;
        t += ";\n                fields          (";
        t += result;
        t += ");\n                tolerance       " + Num(kSettleTolerance * scale) +
             ";\n                window          " + window +
             ";\n                windowType      approximate;\n            }\n";
    };
    const double minimum = kSettleMinimumFlowThroughs * flowThrough;
    t += "    // Ends the run once the outlet's mass flow and exit Mach have settled: all\n"
         "    // three conditions of the group at once (tolerances are absolute: a\n"
         "    // thousandth of the 1-D value).\n"
         "    settled\n    {\n        type            runTimeControl;\n"
         "        libs            (\"libutilityFunctionObjects.so\");\n        conditions\n        {\n"
         "            minimumTime\n            {\n                type            maxDuration;\n"
         "                groupID         1;\n                duration        " + Num(minimum) +
         ";\n            }\n";
    settle("massFlow", kOutletFlowName, "sum(outlet,phi)", o.theory.massFlow / o.nozzle.WedgeToWhole());
    settle("exitMach", kOutletAverageName, "areaAverage(outlet,Ma)", o.theory.exitMach);
    t += "        }\n        satisfiedAction end;\n    }\n";
    t += "}\n";
    t += kFooter;
    return t;
}

std::string FvSchemes() {
    std::string t = Header("dictionary", "system", "fvSchemes");
    t += "fluxScheme      Kurganov;\n\n"
         "ddtSchemes\n{\n    default         Euler;\n}\n\n"
         "gradSchemes\n{\n    default         Gauss linear;\n}\n\n"
         "divSchemes\n{\n    default         none;\n    div(tauMC)      Gauss linear;\n}\n\n"
         "laplacianSchemes\n{\n    default         Gauss linear corrected;\n}\n\n"
         "interpolationSchemes\n{\n    default         linear;\n    reconstruct(rho) vanLeer;\n"
         "    reconstruct(U)  vanLeerV;\n    reconstruct(T)  vanLeer;\n}\n\n"
         "snGradSchemes\n{\n    default         corrected;\n}\n";
    t += kFooter;
    return t;
}

std::string FvSolution() {
    std::string t = Header("dictionary", "system", "fvSolution");
    t += "solvers\n{\n"
         "    \"(rho|rhoU|rhoE)\"\n    {\n        solver          diagonal;\n    }\n\n"
         "    U\n    {\n        solver          smoothSolver;\n        smoother        GaussSeidel;\n"
         "        nSweeps         2;\n        tolerance       1e-09;\n        relTol          0.01;\n    }\n\n"
         "    e\n    {\n        $U;\n        tolerance       1e-10;\n        relTol          0;\n    }\n"
         "}\n";
    t += kFooter;
    return t;
}

std::string ThermophysicalProperties(const GasConditions& gas) {
    const double cp = gas.gamma * gas.GasConstant() / (gas.gamma - 1);
    std::string t = Header("dictionary", "constant", "thermophysicalProperties");
    t += "thermoType\n{\n    type            hePsiThermo;\n    mixture         pureMixture;\n"
         "    transport       const;\n    thermo          hConst;\n    equationOfState perfectGas;\n"
         "    specie          specie;\n    energy          sensibleInternalEnergy;\n}\n\n";
    t += "// A perfect gas of gamma " + Num(gas.gamma) + " and R " + Num(gas.GasConstant()) +
         " J/(kg K); no viscosity: an inviscid run.\n";
    t += "mixture\n{\n    specie\n    {\n        molWeight       " + Num(gas.molarMass) +
         ";\n    }\n    thermodynamics\n    {\n        Cp              " + Num(cp) +
         ";\n        Hf              0;\n    }\n    transport\n    {\n        mu              0;\n"
         "        Pr              1;\n    }\n}\n";
    t += kFooter;
    return t;
}

std::string TurbulenceProperties() {
    std::string t = Header("dictionary", "constant", "turbulenceProperties");
    t += "simulationType  laminar;\n";
    t += kFooter;
    return t;
}

// The wedge sides and the wall are the same for every field.
std::string SidesAndWall(const char* wall) {
    std::string t = "    wall\n    {\n        type            ";
    t += wall;
    t += ";\n    }\n"
         "    axi_symm-f\n    {\n        type            wedge;\n    }\n"
         "    axi_symm-r\n    {\n        type            wedge;\n    }\n";
    return t;
}

// "internalField ...;" of the fill's uniform value or the start's list.
std::string InternalField(double fill, const std::vector<double>& start) {
    if (start.empty()) return "internalField   uniform " + Num(fill) + ";\n\n";
    return "internalField   " + ScalarListText(start) + ";\n\n";
}

std::string StartComment(const CaseOutline& o) {
    return o.settings.start == CaseStart::Fill
               ? "// The nozzle starts from a thin, cool fill that the flow sweeps out.\n"
               : "// Each cell starts at the quasi-1-D isentropic flow of its axial position.\n";
}

std::string PressureField(const CaseOutline& o, const StartFields& start) {
    const GasConditions& gas = o.settings.gas;
    // Where the waves of the start leave to: the fill, or the 1-D exit pressure.
    const double outside =
        start.p.empty() ? o.fillPressure : gas.chamberPressure * o.theory.exitPressureRatio;
    std::string t = Header("volScalarField", "0", "p");
    t += "dimensions      [1 -1 -2 0 0 0 0];\n\n";
    t += StartComment(o);
    t += InternalField(o.fillPressure, start.p);
    t += "boundaryField\n{\n"
         "    // The chamber's total pressure.\n"
         "    inlet\n    {\n        type            totalPressure;\n        rho             none;\n"
         "        psi             thermo:psi;\n";
    t += "        gamma           " + Num(gas.gamma) + ";\n";
    t += "        p0              uniform " + Num(gas.chamberPressure) + ";\n";
    t += "        value           uniform " + Num(gas.chamberPressure) + ";\n    }\n";
    // A zero-gradient outlet reflects the start-up's waves, which then hold
    // the starting shock of a long, high-epsilon bell inside the nozzle; this
    // one lets them leave, towards the fill pressure.
    t += "    // Supersonic outflow once started; waves leave towards the outside pressure.\n"
         "    outlet\n    {\n        type            waveTransmissive;\n        field           p;\n"
         "        phi             phi;\n        rho             rho;\n        psi             thermo:psi;\n";
    t += "        gamma           " + Num(gas.gamma) + ";\n";
    t += "        fieldInf        " + Num(outside) + ";\n";
    t += "        lInf            " + Num(o.nozzle.Length()) + ";\n";
    t += "        value           uniform " + Num(outside) + ";\n    }\n";
    t += SidesAndWall("zeroGradient");
    t += "}\n";
    t += kFooter;
    return t;
}

std::string TemperatureField(const CaseOutline& o, const StartFields& start) {
    const GasConditions& gas = o.settings.gas;
    std::string t = Header("volScalarField", "0", "T");
    t += "dimensions      [0 0 0 1 0 0 0];\n\n";
    t += InternalField(o.fillTemperature, start.T);
    t += "boundaryField\n{\n"
         "    // The chamber's total temperature.\n"
         "    inlet\n    {\n        type            totalTemperature;\n        psi             thermo:psi;\n";
    t += "        gamma           " + Num(gas.gamma) + ";\n";
    t += "        T0              uniform " + Num(gas.chamberTemperature) + ";\n";
    t += "        value           uniform " + Num(gas.chamberTemperature) + ";\n    }\n";
    t += "    outlet\n    {\n        type            zeroGradient;\n    }\n";
    t += SidesAndWall("zeroGradient");
    t += "}\n";
    t += kFooter;
    return t;
}

std::string VelocityField(const StartFields& start) {
    std::string t = Header("volVectorField", "0", "U");
    t += "dimensions      [0 1 -1 0 0 0 0];\n\n";
    t += start.U.empty() ? std::string("internalField   uniform (0 0 0);\n\n")
                         : "internalField   " + VectorListText(start.U) + ";\n\n";
    t += "boundaryField\n{\n"
         "    // The inflow speed follows from the total pressure and temperature.\n"
         "    inlet\n    {\n        type            zeroGradient;\n    }\n"
         "    outlet\n    {\n        type            zeroGradient;\n    }\n";
    t += "    // Inviscid: the gas slips along the wall.\n";
    t += SidesAndWall("slip");
    t += "}\n";
    t += kFooter;
    return t;
}

constexpr char kAllrun[] = R"SH(#!/bin/sh
# Runs this case: blockMesh, checkMesh, then rhoCentralFoam, serially or split
# along the axis over NP processes (decomposePar, mpirun, reconstructPar).
# Each tool writes log.TOOL. A new run first removes the results of the last.
#   usage: ./Allrun [NP]   (NP: numberOfSubdomains of system/decomposeParDict)
cd "$(dirname "$0")" || exit 1

# Debian's OpenFOAM programs stop at once unless WM_PROJECT_DIR names their
# tree; a shell that sourced an OpenFOAM bashrc has it already.
if [ -z "${WM_PROJECT_DIR:-}" ]; then
    for dir in /usr/share/openfoam /usr/lib/openfoam/openfoam* /opt/openfoam*; do
        if [ -f "$dir/etc/bashrc" ]; then
            WM_PROJECT_DIR=$dir
            export WM_PROJECT_DIR
            break
        fi
    done
fi
# Open MPI refuses to run as root unless told twice.
if [ "$(id -u)" = 0 ]; then
    OMPI_ALLOW_RUN_AS_ROOT=1
    OMPI_ALLOW_RUN_AS_ROOT_CONFIRM=1
    export OMPI_ALLOW_RUN_AS_ROOT OMPI_ALLOW_RUN_AS_ROOT_CONFIRM
fi

np=${1:-$(sed -n 's/^numberOfSubdomains[[:space:]]*\([0-9]*\);.*/\1/p' system/decomposeParDict)}
case "$np" in
    '' | *[!0-9]* | 0) echo "Allrun: NP must be a whole number from 1 on, not '$np'" >&2; exit 2 ;;
esac

fail() {
    echo "Allrun: $1; see $2" >&2
    exit 1
}
run() {
    log=log.$1
    shift
    echo "Allrun: $*"
    "$@" > "$log" 2>&1 || fail "$1 failed (exit status $?)" "$log"
}

./Allclean
run blockMesh blockMesh
run checkMesh checkMesh
# checkMesh exits 0 even when a check fails.
grep -q '^Mesh OK\.$' log.checkMesh || fail "checkMesh found a fault in the mesh" log.checkMesh
if [ "$np" -gt 1 ]; then
    sed -i "s/^numberOfSubdomains.*/numberOfSubdomains $np;/; s/^    n  *(.*/    n               ($np 1 1);/" \
        system/decomposeParDict
    run decomposePar decomposePar -force
    extra=
    if [ "$np" -gt "$(nproc 2>/dev/null || echo 1)" ]; then extra=--oversubscribe; fi
    run rhoCentralFoam mpirun $extra -np "$np" rhoCentralFoam -parallel
    run reconstructPar reconstructPar
else
    run rhoCentralFoam rhoCentralFoam
fi
echo "Allrun: done"
)SH";

constexpr char kAllclean[] = R"SH(#!/bin/sh
# Removes what a run made (mesh, time folders, processor folders,
# postProcessing, logs) and keeps the case as it was written.
cd "$(dirname "$0")" || exit 1
for entry in *; do
    case "$entry" in
        0 | constant | system | log.Allrun) ;;
        [0-9]* | processor* | postProcessing | log.* | VTK) rm -rf -- "$entry" ;;
    esac
done
rm -rf constant/polyMesh
)SH";

std::string Readme(const ProfileTable& profile, const CaseOutline& o) {
    const GasConditions& gas = o.settings.gas;
    const NozzleMeasures& n = o.nozzle;
    const IsentropicPrediction& th = o.theory;
    std::string t =
        "OpenFOAM case of the nozzle (written by bellnozzle)\n"
        "\n"
        "An inviscid, compressible run (rhoCentralFoam, OpenFOAM v1912 or later) of the 5-degree\n"
        "axisymmetric wedge of the nozzle, from the chamber conditions at the inlet to a supersonic\n"
        "outflow. Run it with ./Allrun [NP] or 'bellnozzle cfd " "CASE [--np N]'; read the result with\n"
        "'bellnozzle report CASE'. ./Allclean removes a run's results.\n"
        "\n"
        "Design (from the profile file):\n";
    for (const std::string& line : profile.Header) {
        t += "  ";
        t += line;
        if (t.back() != '\n') t += '\n';
    }
    t += "\nGeometry (from the contour points):\n";
    t += "  throat radius " + Num(n.throatRadius) + " m, exit radius " + Num(n.exitRadius) +
         " m, area ratio " + Num(n.AreaRatio()) + "\n";
    t += "  length " + Num(n.Length()) + " m from the inlet (x = " + Num(n.inletX) + " m) to the exit (x = " +
         Num(n.exitX) + " m)\n";
    t += "  mesh " + Int(o.settings.axialCells) + " x " + Int(o.settings.radialCells) +
         " cells (along the axis x from the axis to the wall), " + Int(o.settings.processes) +
         " process(es)\n";
    t += "\nConditions:\n";
    t += "  chamber pressure p0 " + Num(gas.chamberPressure) + " Pa, temperature T0 " +
         Num(gas.chamberTemperature) + " K\n";
    t += "  gamma " + Num(gas.gamma) + ", molar mass " + Num(gas.molarMass) + " g/mol (R " +
         Num(gas.GasConstant()) + " J/(kg K))\n";
    if (o.settings.start == CaseStart::Fill) {
        t += "  start: the nozzle filled at " + Num(o.fillPressure) + " Pa and " + Num(o.fillTemperature) +
             " K\n";
    } else {
        t += "  start: every cell at the quasi-1-D isentropic flow of its axial position (subsonic\n"
             "  upstream of the throat, supersonic downstream), along a source flow's direction\n";
    }
    if (o.settings.start == CaseStart::Fill) {
        t += "  end time " + Num(o.endTime) + " s (" + Num(o.flowThroughTimes) + " flow-through times)\n";
    } else {
        t += "  end time " + Num(o.endTime) + " s (" + Num(o.flowThroughTimes) +
             " flow-through times) at most: the run ends once the outlet's mass flow and exit Mach\n"
             "  have settled (runTimeControl)\n";
    }
    t += "\n1-D isentropic predictions (whole nozzle):\n";
    t += "  exit Mach " + Num(th.exitMach) + ", pe/p0 " + Num(th.exitPressureRatio) + ", Te/T0 " +
         Num(th.exitTemperatureRatio) + "\n";
    t += "  choked mass flow " + Num(th.massFlow) + " kg/s, exit velocity " + Num(th.exitVelocity) + " m/s\n";
    t += "  vacuum thrust " + Num(th.thrust) + " N, thrust coefficient " + Num(th.thrustCoefficient) + "\n";
    t += "\nThe run's function objects write under postProcessing/: mass flows (sum(phi), of the wedge,\n"
         "which is " + Num(1 / n.WedgeToWhole()) + " of the whole nozzle) and area averages of Ma, p and T\n"
         "at the inlet and the outlet; the outlet's momentum flux and pressure force; and the wall\n"
         "pressure face by face (postProcessing/" + std::string(kWallPressureName) + "/TIME/p_wall.raw).\n"
         "ParaView opens the case through its empty CASE.foam file: paraview CASE/CASE.foam\n";
    return t;
}

}  // namespace

double FlowThroughTimes(double areaRatio) { return std::max(8.0, 4 + 0.32 * areaRatio); }

CaseOutline OutlineCase(const ProfileTable& profile, const CaseSettings& settings) {
    CheckCaseSettings(settings);
    CaseOutline o;
    o.settings = settings;
    o.nozzle = MeasureNozzle(profile);
    o.theory = PredictIsentropicFlow(o.nozzle, settings.gas);
    o.flowThroughTimes = FlowThroughTimes(o.nozzle.AreaRatio());
    o.endTime = o.flowThroughTimes * o.nozzle.Length() / o.theory.chamberSoundSpeed;
    o.fillPressure = kFillPressureRatio * settings.gas.chamberPressure;
    // A chamber colder than the room fills the nozzle at its own temperature.
    o.fillTemperature = std::min(kFillTemperature, settings.gas.chamberTemperature);
    return o;
}

std::string DecomposeParDictText(int processes) {
    std::string t = Header("dictionary", "system", "decomposeParDict");
    t += "numberOfSubdomains " + Int(processes) + ";\n\n";
    t += "// Slices along the axis: the wedge is one cell thick around it.\n"
         "method          simple;\n\n"
         "simpleCoeffs\n{\n";
    t += "    n               (" + Int(processes) + " 1 1);\n";
    t += "}\n";
    t += kFooter;
    return t;
}

std::string CaseBlockMeshDict(const ProfileTable& profile, const CaseSettings& s, const AxialGrading& grading) {
    std::string dict = FormatBlockMeshDict(profile, s.axialCells, s.radialCells, kCoordinateDigits);
    const std::size_t at = dict.find(kExportedGrading);
    if (at == std::string::npos) throw std::logic_error("the exported blockMeshDict has no grading line");
    const char* comment = grading.axis.size() > 1          ? "\t// finest and uniform over the throat"
                          : s.start == CaseStart::Fill ? "\t// the exported grading, for the fill start"
                                                       : "\t// the profile's points do not resolve its throat arc";
    return dict.replace(at, sizeof kExportedGrading - 1, EdgeGradingText(grading) + comment);
}

std::vector<CaseFile> ComposeCaseFiles(const ProfileTable& profile, const CaseOutline& outline) {
    const CaseSettings& s = outline.settings;
    // The mesh's wall runs through extra points on the contour around the
    // throat; the cell centres of the 1-D start follow that same wall.
    const ProfileTable meshed = WithThroatArcPoints(profile);
    const WallLine wall(meshed);
    // The fill start keeps the mesh it was tuned on: on the throat-clustered
    // one, whose exit cells are larger, a 10 cm, epsilon-50 bell on 50 x 10
    // cells stopped with a negative temperature at the outlet. Whether the
    // throat is resolved is judged on the profile's own points: the extra
    // ones cover only the arcs the header describes, not a sharp convergent.
    const AxialGrading grading = s.start == CaseStart::Fill || !ResolvesThroat(WallLine(profile))
                                     ? ExportedGrading(s.axialCells)
                                     : ClusterAtThroat(wall, s.axialCells);
    StartFields start;
    if (s.start == CaseStart::OneDimensional) {
        for (const CellCentre& centre : EstimateCellCentres(wall, grading, s.radialCells)) {
            const CellState state = OneDimensionalState(wall, s.gas, centre);
            start.p.push_back(state.p);
            start.T.push_back(state.T);
            start.U.push_back(state);
        }
    }
    return {
        {"README", Readme(profile, outline)},
        {"Allrun", kAllrun, true},
        {"Allclean", kAllclean, true},
        {"system/blockMeshDict", CaseBlockMeshDict(meshed, s, grading)},
        {"system/controlDict", ControlDict(outline)},
        {"system/fvSchemes", FvSchemes()},
        {"system/fvSolution", FvSolution()},
        {"system/decomposeParDict", DecomposeParDictText(s.processes)},
        {"constant/thermophysicalProperties", ThermophysicalProperties(s.gas)},
        {"constant/turbulenceProperties", TurbulenceProperties()},
        {"0/p", PressureField(outline, start)},
        {"0/T", TemperatureField(outline, start)},
        {"0/U", VelocityField(start)},
    };
}

}  // namespace bellnozzle
