#!/usr/bin/env bash
# Checks the Debian package as a user meets it, in a pristine Debian 12 root
# prepared as check-fresh-machine.sh prepares one (unpacked, /proc, /sys and
# /dev mounted, an ordinary user "user" with sudo rights): apt installs it
# with what it depends on and recommends; the design and every export work in
# a fresh folder (Gmsh and POV-Ray take the files of the window's four, and
# the CAD, mesh and render commands run); the Python module imports in the
# system's python3 and exports as the command does; the desktop entry's
# command opens the window offscreen in the folder chosen last and it stays
# open; "man bellnozzle" renders; the completion completes; apt remove and
# purge leave no file of the package behind. Then lintian on the package: an
# error fails, warnings are listed. Needs root. The root is changed; throw it
# away afterwards.
# Usage: check-package.sh ROOT PACKAGE.deb
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ "$(id -u)" -ne 0 ] || [ $# -ne 2 ]; then
  echo "usage (as root): check-package.sh ROOT PACKAGE.deb" >&2
  exit 2
fi
fresh="$1"
deb="$2"
source "$root/scripts/packages.sh"
"$root/scripts/install_packages.sh" "${PACKAGE_CHECK_PACKAGES[@]}"

started=$(date +%s)
step() { echo "== [package $(( $(date +%s) - started )) s] $*"; }

# The root is thrown away afterwards: dpkg need not sync every file it
# unpacks, which is most of the time apt takes.
echo force-unsafe-io > "$fresh/etc/dpkg/dpkg.cfg.d/bellnozzle-check-unsafe-io"
cp "$deb" "$fresh/home/user/"
cat > "$fresh/home/user/check-package-inside.sh" <<'CHECK'
#!/usr/bin/env bash
# Run as the user inside the root. Arguments: the tools this check uses.
set -euo pipefail
cd ~
fail() { echo "check-package: $*" >&2; exit 1; }
quietly() {  # quietly LOG COMMAND...: the command's output only when it fails
  local log="$1"
  shift
  "$@" > "$log" 2>&1 || { cat "$log"; fail "failed: $*"; }
}
export DEBIAN_FRONTEND=noninteractive
quietly apt-update.log sudo apt-get update
quietly tools.log sudo -E apt-get install -y --no-install-recommends "$@"

echo "-- sudo apt install ./bellnozzle_*.deb"
quietly apt-install.log sudo -E apt install -y ./bellnozzle_*.deb
grep -E '^(Need to get|After this operation|[0-9]+ upgraded)' apt-install.log || true
dpkg-query -L bellnozzle > package-files.txt

echo "-- the design and every export in a fresh folder"
mkdir design && cd design
for command in design blockmesh gmsh povray; do quietly "$command.log" bellnozzle "$command"; done
[ -s zelto_perfil.txt ] && [ -s blockMeshDict.txt ] && [ -s nozzle1.pov ] || fail "a file is missing"
quietly gmsh.log gmsh -2 mesh.geo -o wedge.msh
quietly gmsh2.log bellnozzle gmsh2
quietly gmsh3.log gmsh -3 mesh.geo -o volume.msh
quietly povray.log povray +Inozzle1.pov +Onozzle1.png +W160 +H120 -D
[ -s wedge.msh ] && [ -s volume.msh ] && [ -s nozzle1.png ] || fail "gmsh or povray wrote nothing"
# The exports that link OpenCASCADE or run Gmsh and POV-Ray themselves.
quietly cad.log bellnozzle cad --format step
quietly mesh.log bellnozzle mesh
quietly render.log bellnozzle render --width 160 --height 120
[ -s nozzle.step ] && [ -s wedge_mesh.msh ] && [ -s nozzle.png ] || fail "cad, mesh or render wrote nothing"
cd ~

echo "-- the Python module with the system's python3"
mkdir from-python
quietly python.log python3 -c 'import bellnozzle
d = bellnozzle.design()
assert d.points.shape == (53, 2), d.points.shape
assert d.summary()["exit_diameter_cm"] == 15.8114
d.blockmesh("from-python")
print(bellnozzle.__file__)'
cat python.log
cmp -s from-python/blockMeshDict.txt design/blockMeshDict.txt || fail "the module's blockMeshDict.txt differs"

echo "-- the desktop entry's command, offscreen, in the folder chosen last"
entry="$(grep -m1 '^/usr/share/applications/.*\.desktop$' package-files.txt)" || fail "the package has no desktop entry"
read -r -a command <<< "$(sed -n 's/^Exec=//p' "$entry")"
mkdir -p ~/bocais ~/.config/bellnozzle
printf '[General]\nworkFolder=%s\n' ~/bocais > ~/.config/bellnozzle/bellnozzle.conf
QT_QPA_PLATFORM=offscreen "${command[@]}" > window.log 2>&1 &
pid=$!
for _ in $(seq 1 100); do
  [ -s ~/bocais/theta.bmp ] && break
  kill -0 "$pid" 2> /dev/null || { cat window.log; fail "the window ended at once"; }
  sleep 0.1
done
[ -s ~/bocais/theta.bmp ] || { cat window.log; fail "no theta.bmp in the folder chosen last"; }
sleep 3
kill -0 "$pid" 2> /dev/null || { cat window.log; fail "the window closed by itself"; }
kill "$pid"
wait "$pid" 2> /dev/null || true
echo "'${command[*]}' stayed open for 3 s and drew ~/bocais/theta.bmp"

echo "-- man bellnozzle, and the completion"
MANWIDTH=80 man bellnozzle 2> man.err | col -b > man.txt
[ ! -s man.err ] || { cat man.err; fail "man bellnozzle warned"; }
grep -q '^EXIT STATUS' man.txt && grep -q 'bellnozzle design' man.txt || fail "man bellnozzle is incomplete"
completed="$(bash --norc -c 'source /usr/share/bash-completion/completions/bellnozzle
  COMP_WORDS=(bellnozzle blockm); COMP_CWORD=1; _bellnozzle; echo "${COMPREPLY[*]}"')"
[ "$completed" = blockmesh ] || fail "'bellnozzle blockm' completed to '$completed'"

echo "-- sudo apt remove, then purge"
quietly apt-remove.log sudo -E apt remove -y bellnozzle
# A package without configuration files is gone once removed, and apt then
# refuses to purge it; dpkg purges whatever is left either way.
quietly apt-purge.log sudo dpkg --purge bellnozzle
left=()
while IFS= read -r path; do
  if [ -d "$path" ] && [ ! -L "$path" ]; then
    # A folder stays only while another package owns it.
    dpkg-query -S "$path" > /dev/null 2>&1 || left+=("$path")
  elif [ -e "$path" ] || [ -L "$path" ]; then
    left+=("$path")
  fi
done < package-files.txt
[ ${#left[@]} -eq 0 ] || fail "left behind: ${left[*]}"
status="$(dpkg-query -W -f='${db:Status-Abbrev}' bellnozzle 2> /dev/null || true)"
case "$status" in "" | "un "* | "pn "*) ;; *) fail "dpkg still knows bellnozzle: $status" ;; esac
echo "nothing of the package's $(wc -l < package-files.txt) paths is left"
CHECK
chmod +x "$fresh/home/user/check-package-inside.sh"
chroot "$fresh" chown user:user "/home/user/$(basename "$deb")" /home/user/check-package-inside.sh

step "install, use and remove $(basename "$deb") in the pristine root"
chroot "$fresh" /usr/sbin/runuser -l user -c "./check-package-inside.sh ${PACKAGE_ROOT_PACKAGES[*]}"

step "lintian $(basename "$deb")"
# lintian notes that it runs as root; that note is left out below.
lintian_log="$(mktemp)"
trap 'rm -f "$lintian_log"' EXIT
if ! lintian --fail-on error --display-info "$deb" > "$lintian_log" 2>&1; then
  cat "$lintian_log"
  echo "check-package.sh: lintian found errors" >&2
  exit 1
fi
grep -v 'running with root privileges' "$lintian_log" || true
echo "lintian: no errors, $(grep -c '^W: ' "$lintian_log" || true) warnings, $(grep -c '^I: ' "$lintian_log" || true) notes"
step "the package installs, works and leaves nothing behind"
