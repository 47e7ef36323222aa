#!/usr/bin/env bash
# Designs one nozzle with bellnozzle, exports it in every format and runs
# each file through the real tool, checking what the tool built:
#   blockMesh + checkMesh: all cells built, "Mesh OK.", total volume near the
#     contour's wedge volume;
#   gmsh -2 on the two-sided script: no error, the five faces meshed, nodes
#     within the 2.5-degree half angle and reaching it, side face area near
#     the area under the contour;
#   gmsh -3 on the revolved script: no error, tetrahedra in volume 25 only,
#     their volume near the contour's wedge volume;
#   povray: the scene parses and renders a small picture.
# With --conical the design is the 15-degree reference cone (the length is
# not used) and every check runs as for a bell.
# With --large only blockMesh (all cells built) and povray run: checkMesh
# finds six-digit coordinates non-planar on such a wedge, and Gmsh needs its
# mesh size scaled there.
#
# usage: check_in_tools.sh BELLNOZZLE WORKDIR DIAMETER LENGTH EPSILON [--large | --conical]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../openfoam_minimal_case.sh"

bellnozzle="$1" work="$2" diameter="$3" length="$4" epsilon="$5" mode="${6:-}"
nx=100 ny=20
label="diameter $diameter cm, $length %, epsilon $epsilon"
design_args=(--diameter "$diameter" --length "$length" --epsilon "$epsilon")
if [[ "$mode" == "--conical" ]]; then
    label="conical, diameter $diameter cm, epsilon $epsilon"
    design_args=(--conical --diameter "$diameter" --epsilon "$epsilon")
fi

fail() {
    echo "FAIL ($label): $*" >&2
    exit 1
}

need() {
    command -v "$1" > /dev/null || fail "'$1' is not on PATH; install the Debian package '$2'"
}
need blockMesh openfoam
need checkMesh openfoam
need gmsh gmsh
need povray povray

# OpenFOAM's programs stop at once without WM_PROJECT_DIR.
if [[ -z "${WM_PROJECT_DIR:-}" ]]; then
    bashrc="$(dpkg -L openfoam 2> /dev/null | grep -m1 'openfoam/etc/bashrc$')"
    [[ -n "$bashrc" ]] || fail "cannot find the openfoam package's etc/bashrc to set WM_PROJECT_DIR"
    export WM_PROJECT_DIR="$(dirname "$(dirname "$bashrc")")"
fi

rm -rf "$work"
mkdir -p "$work" || fail "cannot create $work"
cd "$work" || fail "cannot enter $work"

"$bellnozzle" design --dir . "${design_args[@]}" > design.log 2>&1 ||
    fail "design refused: $(cat design.log)"

# Integrals over the profile's points (trapezoids): the area under the
# contour and the volume of the 5-degree wedge, (5/360) * pi * integral y^2.
read -r area volume points < <(awk '
    f { x = $2; y = $3
        if (n++) { a += (x - px) * (y + py) / 2; v += (x - px) * (y * y + py * py) / 2 }
        px = x; py = y }
    /^\[perfil\]$/ { f = 1 }
    END { printf "%.9g %.9g %d\n", a, v * 3.14159265358979 / 72, n }' zelto_perfil.txt)
echo "$label: $points points, area under contour $area cm2, wedge volume $volume cm3"

# Relative difference of $1 from $2 within $3.
near() { awk -v a="$1" -v b="$2" -v tol="$3" 'BEGIN { d = (a - b) / b; exit !(d < tol && d > -tol) }'; }

# --- OpenFOAM ---------------------------------------------------------------
"$bellnozzle" blockmesh --dir . > export.log 2>&1 || fail "blockmesh export: $(cat export.log)"
write_minimal_case case blockMesh
cp blockMeshDict.txt case/system/blockMeshDict
blockMesh -case case > blockMesh.log 2>&1 || fail "blockMesh exited $?: $(tail -20 blockMesh.log)"
grep -q "nCells: $((nx * ny))\$" blockMesh.log ||
    fail "blockMesh did not build $((nx * ny)) cells: $(grep -m1 nCells blockMesh.log)"
checkMesh -case case > checkMesh.log 2>&1 || fail "checkMesh exited $?: $(tail -20 checkMesh.log)"
grep -Eq "^ +cells: +$((nx * ny))\$" checkMesh.log || fail "checkMesh does not count $((nx * ny)) cells"
# checkMesh reports m3; the profile is in cm.
meshVolume=$(sed -n 's/.*Total volume = \([-+.0-9eE]*[0-9]\).*/\1/p' checkMesh.log | awk '{ printf "%.9g", $1 * 1e6 }')
near "${meshVolume:-0}" "$volume" 0.01 || fail "blockMesh volume '$meshVolume' cm3, contour wedge $volume cm3"
if [[ "$mode" != "--large" ]]; then
    grep -q '^Mesh OK\.$' checkMesh.log || fail "checkMesh: $(grep -E '\*\*\*|Failed' checkMesh.log)"
    for side in axi_symm-f axi_symm-r; do
        wedgeAngle=$(sed -n "s/.*Wedge $side with angle \([-+.0-9eE]*\) degrees.*/\1/p" checkMesh.log)
        near "${wedgeAngle:-0}" 2.5 0.0001 || fail "checkMesh: wedge $side at '$wedgeAngle' degrees, not 2.5"
    done
    echo "blockMesh: $((nx * ny)) cells, Mesh OK., wedge sides at $wedgeAngle degrees, volume $meshVolume cm3"
else
    echo "blockMesh: $((nx * ny)) cells, volume $meshVolume cm3; checkMesh: $(grep -m1 -E 'Mesh OK|Failed' checkMesh.log)"
fi

# --- POV-Ray ----------------------------------------------------------------
"$bellnozzle" povray --dir . > export.log 2>&1 || fail "povray export: $(cat export.log)"
povray +Inozzle1.pov +Onozzle1.png +W80 +H60 -D -V > povray.log 2>&1 ||
    fail "povray exited $?: $(grep -v 'configuration file' povray.log | tail -5)"
grep -q 'Parse Error' povray.log && fail "povray: $(grep -m1 -A2 'Parse Error' povray.log)"
[[ "$(head -c 8 nozzle1.png | od -An -tx1 | tr -d ' \n')" == 89504e470d0a1a0a ]] ||
    fail "povray wrote no PNG picture"
echo "povray: scene parsed and rendered"

[[ "$mode" == "--large" ]] && exit 0

# --- Gmsh -------------------------------------------------------------------
# Gmsh exits 1 after any logged error, yet may still write a mesh: check both.
run_gmsh() {  # dimension, output
    gmsh "-$1" mesh.geo -o "$2" -format msh2 > "gmsh$1.log" 2>&1 || fail "gmsh -$1 exited $?: $(grep -m3 Error "gmsh$1.log")"
    grep -q 'Error' "gmsh$1.log" && fail "gmsh -$1: $(grep -m3 Error "gmsh$1.log")"
}

# Per element type and entity, in the msh2 file: element count, triangle
# area, tetrahedron volume; and the largest node angle off the x-z plane.
MSH_AWK='
    /^\$Nodes/ { s = "n"; getline; next } /^\$EndNodes/ { s = "" }
    /^\$Elements/ { s = "e"; getline; next } /^\$EndElements/ { s = "" }
    s == "n" { X[$1] = $2; Y[$1] = $3; Z[$1] = $4
               a = atan2($3 < 0 ? -$3 : $3, $4) * 180 / 3.14159265358979; if (a > amax) amax = a }
    s == "e" { k = $2 " " $5; count[k]++; p = 3 + $3
               if ($2 == 2) measure[k] += tri($(p+1), $(p+2), $(p+3))
               if ($2 == 4) measure[k] += tet($(p+1), $(p+2), $(p+3), $(p+4)) }
    function tri(a, b, c,   ux, uy, uz, vx, vy, vz, cx, cy, cz) {
        ux = X[b]-X[a]; uy = Y[b]-Y[a]; uz = Z[b]-Z[a]; vx = X[c]-X[a]; vy = Y[c]-Y[a]; vz = Z[c]-Z[a]
        cx = uy*vz - uz*vy; cy = uz*vx - ux*vz; cz = ux*vy - uy*vx
        return sqrt(cx*cx + cy*cy + cz*cz) / 2 }
    function tet(a, b, c, d,   ux, uy, uz, vx, vy, vz, wx, wy, wz, v) {
        ux = X[b]-X[a]; uy = Y[b]-Y[a]; uz = Z[b]-Z[a]; vx = X[c]-X[a]; vy = Y[c]-Y[a]; vz = Z[c]-Z[a]
        wx = X[d]-X[a]; wy = Y[d]-Y[a]; wz = Z[d]-Z[a]
        v = ux*(vy*wz - vz*wy) - uy*(vx*wz - vz*wx) + uz*(vx*wy - vy*wx)
        return (v < 0 ? -v : v) / 6 }
    END { printf "angle %.9g\n", amax; for (k in count) printf "%s %d %.9g\n", k, count[k], measure[k] }'

"$bellnozzle" gmsh --dir . > export.log 2>&1 || fail "gmsh export: $(cat export.log)"
run_gmsh 2 wedge.msh
awk "$MSH_AWK" wedge.msh > wedge.sum
angle=$(awk '/^angle/ { print $2 }' wedge.sum)
near "$angle" 2.5 0.001 || fail "gmsh -2: the nodes reach $angle degrees off the mid-plane, not 2.5"
for surface in 8 13 15 16 17; do
    grep -q "^2 $surface " wedge.sum || fail "gmsh -2 meshed no triangles on surface $surface"
done
# Mesh size 1.0 leaves a 1-cm throat only a few elements, hence the 5 %.
for surface in 16 17; do
    sideArea=$(awk -v s="$surface" '$1 == 2 && $2 == s { print $4 }' wedge.sum)
    near "$sideArea" "$area" 0.05 || fail "gmsh -2: side face $surface has area $sideArea cm2, contour $area cm2"
done
echo "gmsh -2: five faces meshed, half angle $angle degrees, side face area $sideArea cm2"

"$bellnozzle" gmsh2 --dir . > export.log 2>&1 || fail "gmsh2 export: $(cat export.log)"
run_gmsh 3 revolved.msh
awk "$MSH_AWK" revolved.msh > revolved.sum
[[ "$(awk '$1 == 4 { print $2 }' revolved.sum)" == 25 ]] ||
    fail "gmsh -3: tetrahedra are not all in volume 25: $(awk '$1 == 4' revolved.sum)"
tetVolume=$(awk '$1 == 4 { print $4 }' revolved.sum)
near "${tetVolume:-0}" "$volume" 0.05 || fail "gmsh -3: volume $tetVolume cm3, contour wedge $volume cm3"
echo "gmsh -3: $(awk '$1 == 4 { print $3 }' revolved.sum) tetrahedra in volume 25, volume $tetVolume cm3"
