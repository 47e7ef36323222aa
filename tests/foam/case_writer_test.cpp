// The case as written: every file in place, a wedge whose sides are planar
// to far better than six digits allow, conditions and 1-D values that match
// an independent computation, and a folder that is written whole or not at
// all and never replaces what is not an unchanged earlier case.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <regex>

#include "core/error.h"
#include "core/profile_reader.h"
#include "core/text_file.h"
#include "core/wedge.h"
#include "export/blockmesh_writer.h"
#include "foam_case/case_folder.h"
#include "foam_case/case_writer.h"
#include "foam_case/throat_points.h"
#include "foam_test_support.h"

namespace bellnozzle {
namespace {

using namespace foamtest;

class CaseWriter : public ::testing::Test {
protected:
    void SetUp() override {
        dir = FreshFolder();
        Design(dir, 5.0f, 80, 10);
        profilePath = (dir / "zelto_perfil.txt").string();
        caseDir = dir / "nozzle_case";
    }
    CaseOutline Write(bool force = false, const CaseSettings& settings = {}) {
        return WriteCase(profilePath, caseDir.string(), settings, force);
    }
    // Names of the folder's entries, the hidden ones too.
    std::vector<std::string> Entries(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path dir, caseDir;
    std::string profilePath;
};

double Number(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

TEST_F(CaseWriter, WritesEveryFileTheRunNeedsWithRunnableScripts) {
    Write();
    for (const char* file : {"system/blockMeshDict", "system/controlDict", "system/fvSchemes", "system/fvSolution",
                             "system/decomposeParDict", "constant/thermophysicalProperties",
                             "constant/turbulenceProperties", "0/p", "0/T", "0/U", "Allrun", "Allclean", "README",
                             kCaseMarkerName}) {
        EXPECT_TRUE(fs::is_regular_file(caseDir / file)) << file;
    }
    for (const char* script : {"Allrun", "Allclean"}) {
        EXPECT_NE(fs::status(caseDir / script).permissions() & fs::perms::owner_exec, fs::perms::none);
        EXPECT_EQ(ReadBytes(caseDir / script).rfind("#!/bin/sh\n", 0), 0u);
    }
    // Nothing of the temporary folder is left beside the case.
    EXPECT_EQ(Entries(dir), (std::vector<std::string>{"nozzle_case", "zelto_perfil.txt"}));
    const std::string allrun = ReadBytes(caseDir / "Allrun");
    for (const char* needed : {"WM_PROJECT_DIR", "OMPI_ALLOW_RUN_AS_ROOT=1", "OMPI_ALLOW_RUN_AS_ROOT_CONFIRM=1",
                               "decomposePar", "-parallel", "reconstructPar", "Mesh OK"}) {
        EXPECT_NE(allrun.find(needed), std::string::npos) << needed;
    }
}

// The dictionary is the exported one with twelve digits: the same text once
// the numbers are taken out, and every side point on its wedge plane.
TEST_F(CaseWriter, DictionaryIsTheExportedWedgeWithPlanarSides) {
    Write();
    const std::string dict = ReadBytes(caseDir / "system/blockMeshDict");
    // The exported dictionary of the profile with the extra wall points the
    // case adds on the contour around the throat.
    const ProfileTable profile = WithThroatArcPoints(ReadProfileTable(profilePath));
    const std::regex number(R"(-?[0-9]+(\.[0-9]+)?(e[-+][0-9]+)?)");
    // Longer numbers break the point lists at other places.
    auto shape = [&](const std::string& text) {
        return std::regex_replace(std::regex_replace(text, number, "N"), std::regex("\\s+"), " ");
    };
    // Only the grading line differs: the case clusters its cells at the throat.
    auto withCaseGrading = [&](std::string exported) {
        const std::size_t at = exported.find("\tsimpleGrading");
        const std::size_t own = dict.find("\tedgeGrading");
        EXPECT_NE(own, std::string::npos);
        return exported.replace(at, exported.find('\n', at) - at, dict.substr(own, dict.find('\n', own) - own));
    };
    EXPECT_EQ(shape(dict), shape(withCaseGrading(FormatBlockMeshDict(profile, 100, 20))));
    EXPECT_EQ(dict, withCaseGrading(FormatBlockMeshDict(profile, 100, 20, 12)));

    const WedgeSinCos w = ComputeWedgeSinCos();
    const double tangent = double(w.s) / double(w.c);
    const std::regex point(R"(\((-?[0-9.e+-]+) (-?[0-9.e+-]+) (-?[0-9.e+-]+)\))");
    int sidePoints = 0;
    double worst = 0;
    // The points of the vertices and edges, not the cell counts and grading.
    const std::string points = dict.substr(dict.find("vertices"), dict.find("blocks") - dict.find("vertices")) +
                               dict.substr(dict.find("edges"), dict.find("patches") - dict.find("edges"));
    for (auto it = std::sregex_iterator(points.begin(), points.end(), point); it != std::sregex_iterator(); ++it) {
        const double y = Number((*it)[2]), z = Number((*it)[3]);
        if (z == 0 || y == 0) continue;  // axis vertices, arc midpoints
        ++sidePoints;
        // Distance off the plane through the axis at the wedge's half angle (cm).
        worst = std::max(worst, std::fabs(std::fabs(y) - z * tangent) * double(w.c));
    }
    EXPECT_EQ(sidePoints, 4 + 2 * (profile.Count - 2));
    // checkMesh allows 3e-8 m; six digits of a 7.9 cm exit radius miss by up to 5e-7 cm.
    EXPECT_LT(worst, 1e-9);
}

TEST_F(CaseWriter, ConditionsAndOneDimensionalValuesMatchAnIndependentComputation) {
    CaseSettings settings;
    settings.gas = {35e5, 3300, 1.25, 22.0};
    settings.axialCells = 60;
    settings.radialCells = 12;
    settings.processes = 3;
    settings.start = CaseStart::Fill;
    Write(false, settings);

    const ProfileTable profile = ReadProfileTable(profilePath);
    double throat = 1e9;
    for (int k = 1; k <= profile.Count; ++k) throat = std::min(throat, double(profile.Y[k]));
    const double epsilon = std::pow(profile.Y[profile.Count] / throat, 2);
    const double R = 8314.462618 / 22.0;
    const double mach = SupersonicMach(epsilon, 1.25);
    const double flow = ChokedFlow(M_PI * std::pow(throat / 100, 2), 35e5, 3300, 1.25, R);

    const std::string readme = ReadBytes(caseDir / "README");
    std::smatch found;
    ASSERT_TRUE(std::regex_search(readme, found, std::regex("exit Mach ([0-9.]+)")));
    EXPECT_NEAR(Number(found[1]), mach, 1e-6 * mach);
    ASSERT_TRUE(std::regex_search(readme, found, std::regex("choked mass flow ([0-9.]+) kg/s")));
    EXPECT_NEAR(Number(found[1]), flow, 1e-6 * flow);
    EXPECT_NE(readme.find("Rt=2.5 cm"), std::string::npos);

    const std::string thermo = ReadBytes(caseDir / "constant/thermophysicalProperties");
    ASSERT_TRUE(std::regex_search(thermo, found, std::regex("Cp +([0-9.e+-]+);")));
    EXPECT_NEAR(Number(found[1]), 1.25 * R / 0.25, 1e-6);
    EXPECT_NE(thermo.find("molWeight       22;"), std::string::npos);
    EXPECT_NE(ReadBytes(caseDir / "0/p").find("p0              uniform 3500000;"), std::string::npos);
    // The start-up fill: a two-hundredth of the chamber pressure, at 300 K.
    EXPECT_NE(ReadBytes(caseDir / "0/p").find("internalField   uniform 17500;"), std::string::npos);
    EXPECT_NE(ReadBytes(caseDir / "0/T").find("internalField   uniform 300;"), std::string::npos);
    EXPECT_NE(ReadBytes(caseDir / "0/T").find("T0              uniform 3300;"), std::string::npos);
    EXPECT_NE(ReadBytes(caseDir / "system/decomposeParDict").find("numberOfSubdomains 3;"), std::string::npos);
    EXPECT_NE(ReadBytes(caseDir / "system/blockMeshDict").find("(60 1 12)"), std::string::npos);

    // The end time is the flow-through times the README states of the nozzle
    // at the chamber's speed of sound; never fewer than 8, more for a larger
    // area ratio, which starts later.
    ASSERT_TRUE(std::regex_search(readme, found, std::regex("\\(([0-9.]+) flow-through times\\)")));
    const double flowThroughs = Number(found[1]);
    EXPECT_GE(flowThroughs, 8);
    EXPECT_LE(FlowThroughTimes(10), FlowThroughTimes(20));
    EXPECT_LT(FlowThroughTimes(20), FlowThroughTimes(50));
    const double length = (double(profile.X[profile.Count]) - double(profile.X[1])) / 100.0;
    const double endTime = flowThroughs * length / std::sqrt(1.25 * R * 3300);
    const std::string control = ReadBytes(caseDir / "system/controlDict");
    ASSERT_TRUE(std::regex_search(control, found, std::regex("\nendTime +([0-9.e+-]+);")));
    EXPECT_NEAR(Number(found[1]), endTime, 1e-8 * endTime);

    const RecordedCase recorded = ReadRecordedCase(caseDir.string());
    EXPECT_EQ(recorded.settings.gas.chamberPressure, 35e5);
    EXPECT_EQ(recorded.settings.gas.gamma, 1.25);
    EXPECT_EQ(recorded.settings.processes, 3);
    EXPECT_NEAR(recorded.nozzle.AreaRatio(), epsilon, 1e-5);
}

TEST_F(CaseWriter, ColdChamberFillsAtItsOwnTemperature) {
    CaseSettings settings;
    settings.gas.chamberTemperature = 250;
    settings.start = CaseStart::Fill;
    Write(false, settings);
    EXPECT_NE(ReadBytes(caseDir / "0/T").find("internalField   uniform 250;"), std::string::npos);
}

TEST_F(CaseWriter, RefusedSettingsWriteNothing) {
    auto settingsWith = [](auto change) {
        CaseSettings settings;
        change(settings);
        return settings;
    };
    const CaseSettings refused[] = {
        settingsWith([](CaseSettings& s) { s.gas.chamberPressure = 0; }),
        settingsWith([](CaseSettings& s) { s.gas.chamberPressure = -5; }),
        settingsWith([](CaseSettings& s) { s.gas.chamberTemperature = 0; }),
        settingsWith([](CaseSettings& s) { s.gas.gamma = 1; }),
        settingsWith([](CaseSettings& s) { s.gas.gamma = NAN; }),
        settingsWith([](CaseSettings& s) { s.gas.molarMass = 0; }),
        settingsWith([](CaseSettings& s) { s.gas.chamberPressure = INFINITY; }),
        settingsWith([](CaseSettings& s) { s.axialCells = 0; }),
        settingsWith([](CaseSettings& s) { s.radialCells = -3; }),
        settingsWith([](CaseSettings& s) { s.axialCells = kMaxCellsPerDirection + 1; }),
        settingsWith([](CaseSettings& s) { s.axialCells = s.radialCells = 20000; }),
        settingsWith([](CaseSettings& s) { s.processes = 0; }),
        settingsWith([](CaseSettings& s) { s.axialCells = 4, s.processes = 5; }),
    };
    for (const CaseSettings& settings : refused) {
        EXPECT_THROW(Write(false, settings), Error);
        EXPECT_FALSE(fs::exists(caseDir));
    }
    EXPECT_EQ(Entries(dir), (std::vector<std::string>{"zelto_perfil.txt"}));
}

TEST_F(CaseWriter, RefusedProfilesWriteNothing) {
    fs::remove(profilePath);
    EXPECT_THROW(Write(), Error);
    WriteBytes(profilePath, "[perfil]\n1\t0\t1\n2\t-1\t1.5\n");  // exit upstream of the inlet
    EXPECT_THROW(Write(), Error);
    WriteBytes(profilePath, "[perfil]\n1\t0\t1\n2\t1\t0\n3\t2\t2\n");  // the wall touches the axis
    EXPECT_THROW(Write(), Error);
    EXPECT_FALSE(fs::exists(caseDir));
}

// What may be replaced: nothing, an empty folder, an earlier unchanged case,
// that case with the mesh a run made. What is kept: anything else.
TEST_F(CaseWriter, ReplacesOnlyAnEarlierUnchangedCaseWithoutResults) {
    Write();
    CaseSettings other;
    other.axialCells = 40;
    Write(false, other);
    EXPECT_NE(ReadBytes(caseDir / "system/blockMeshDict").find("(40 1 20)"), std::string::npos);

    fs::create_directories(caseDir / "constant/polyMesh");
    WriteBytes(caseDir / "constant/polyMesh/points", "mesh");
    WriteBytes(caseDir / "log.blockMesh", "log");
    Write();
    EXPECT_FALSE(fs::exists(caseDir / "log.blockMesh"));

    struct Kept {
        const char* path;
        const char* why;
    };
    for (const Kept kept : {Kept{"0.0005/p", "results of a run"}, Kept{"processor0/0/p", "results of a run"},
                            Kept{"postProcessing/outletFlow/0/surfaceFieldValue.dat", "results of a run"},
                            Kept{"notes.txt", "which bellnozzle did not write"},
                            Kept{"system/controlDict", "was changed"}}) {
        Write(true);
        fs::create_directories((caseDir / kept.path).parent_path());
        WriteBytes(caseDir / kept.path, "the user's");
        try {
            Write();
            ADD_FAILURE() << "replaced a case holding " << kept.path;
        } catch (const Error& error) {
            EXPECT_NE(std::string(error.what()).find(kept.why), std::string::npos) << error.what();
            EXPECT_NE(std::string(error.what()).find("--force"), std::string::npos);
        }
        EXPECT_EQ(ReadBytes(caseDir / kept.path), "the user's");
        EXPECT_EQ(Entries(dir), (std::vector<std::string>{"nozzle_case", "zelto_perfil.txt"}));
    }
    Write(true);
    EXPECT_FALSE(fs::exists(caseDir / "system/controlDict.orig"));
    EXPECT_NE(ReadBytes(caseDir / "system/controlDict"), "the user's");
}

TEST_F(CaseWriter, KeepsAFolderThatIsNoCase) {
    fs::create_directories(caseDir);
    WriteBytes(caseDir / "thesis.tex", "years of work");
    EXPECT_THROW(Write(), Error);
    EXPECT_EQ(Entries(caseDir), (std::vector<std::string>{"thesis.tex"}));
    // An empty folder holds nothing to lose.
    fs::remove(caseDir / "thesis.tex");
    Write();
    EXPECT_TRUE(fs::exists(caseDir / "Allrun"));
    // A plain file is never replaced, not even with force.
    fs::remove_all(caseDir);
    WriteBytes(caseDir, "a file");
    EXPECT_THROW(Write(true), Error);
    EXPECT_EQ(ReadBytes(caseDir), "a file");
}

TEST_F(CaseWriter, AFailedWriteLeavesTheOldCaseAndNoTemporaryFolder) {
    EXPECT_THROW(WriteCase(profilePath, (dir / "missing/nozzle_case").string(), {}, false), Error);
    Write();
    const std::string before = ReadBytes(caseDir / "system/blockMeshDict");
    // The disk fills up while the last field of the new case is written.
    SetWriteFaultHookForTesting([](const std::string& path, std::size_t) { return path.find("0/U") == std::string::npos; });
    CaseSettings other;
    other.axialCells = 30;
    EXPECT_THROW(Write(false, other), Error);
    SetWriteFaultHookForTesting(nullptr);
    EXPECT_EQ(ReadBytes(caseDir / "system/blockMeshDict"), before);
    EXPECT_EQ(Entries(dir), (std::vector<std::string>{"nozzle_case", "zelto_perfil.txt"}));
    Write(false, other);
    EXPECT_NE(ReadBytes(caseDir / "system/blockMeshDict"), before);
}

}  // namespace
}  // namespace bellnozzle
