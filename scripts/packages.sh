# The Debian packages each task needs; sourced by the other scripts.
BUILD_PACKAGES=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev)
GUI_PACKAGES=(qt6-base-dev qt6-charts-dev libgl-dev)
TOOL_PACKAGES=(gmsh openfoam povray)
SANITIZER_PACKAGES=(clang libclang-rt-14-dev)
