# The Debian packages each task needs; sourced by the other scripts. They are
# installed without Recommends, so every package used is named here, the ones
# that are only Recommends of another included (libqt6opengl6-dev for Qt
# Charts' CMake files, povray-includes for colors.inc).
BUILD_PACKAGES=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev)
# OpenCASCADE for the STEP and STL solids (only when BELLNOZZLE_SOLIDS is on,
# as it is by default with the window); its link needs TBB, which no OCCT
# package pulls in.
BUILD_PACKAGES+=(libocct-foundation-dev libocct-modeling-data-dev libocct-modeling-algorithms-dev
                 libocct-data-exchange-dev libocct-visualization-dev libocct-ocaf-dev libtbb-dev)
GUI_PACKAGES=(qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev)
TOOL_PACKAGES=(gmsh openfoam povray povray-includes)
# The DXF reader the CAD tests check the drawings with (run by /usr/bin/python3).
TOOL_PACKAGES+=(python3-ezdxf)
# The tests switch to a Portuguese (Brazil) locale, which locale-gen makes.
TEST_PACKAGES=(locales)
SANITIZER_PACKAGES=(clang libclang-rt-14-dev)
# The check of README's two commands in a pristine Debian 12 root (CI).
FRESH_ROOT_PACKAGES=(mmdebstrap)
