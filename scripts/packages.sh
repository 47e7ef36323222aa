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
# The Python module (for the system's python3) and the NumPy arrays it returns.
BUILD_PACKAGES+=(pybind11-dev python3-dev python3-numpy)
GUI_PACKAGES=(qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev)
# The window's English translation: CMake's LinguistTools (qt6-tools-dev) and
# lrelease (qt6-l10n-tools) build it; Qt's own dialogs speak Portuguese through
# Debian's Qt translations (qt6-translations-l10n).
GUI_PACKAGES+=(qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# openmpi-bin: mpirun for cases run on several processes.
TOOL_PACKAGES=(gmsh openfoam openmpi-bin povray povray-includes)
# The DXF reader the CAD tests check the drawings with (run by /usr/bin/python3).
TOOL_PACKAGES+=(python3-ezdxf)
# The one-node Slurm cluster the CFD sweep's job array is tested on (munge
# authenticates its daemons; procps for the process tools its scripts use).
TOOL_PACKAGES+=(slurm-wlm munge procps)
# The tests switch to a Portuguese (Brazil) locale, which locale-gen makes, and
# check the desktop entry, the AppStream file and the manual page.
TEST_PACKAGES=(locales desktop-file-utils appstream man-db groff-base bsdextrautils file)
# The Python example plots with matplotlib (tested headless).
TEST_PACKAGES+=(python3-matplotlib)
SANITIZER_PACKAGES=(clang libclang-rt-14-dev)
# The check of README's two commands in a pristine Debian 12 root (CI).
FRESH_ROOT_PACKAGES=(mmdebstrap)
# Packaging: dpkg-shlibdeps finds the libraries the program links (with file),
# and the .deb is checked with lintian.
PACKAGE_PACKAGES=(dpkg-dev file)
PACKAGE_CHECK_PACKAGES=(lintian)
# The window's screenshots under a virtual X server (scripts/screenshots.sh, by hand).
SCREENSHOT_PACKAGES=(xvfb imagemagick)
# Renders the PNG icons from the SVG (scripts/render-icons.sh, by hand).
ICON_PACKAGES=(librsvg2-bin)
# What the package check uses inside the pristine root besides the package.
PACKAGE_ROOT_PACKAGES=(man-db bsdextrautils)
