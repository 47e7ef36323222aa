#!/usr/bin/env bash
# Designs one nozzle, meshes it with 'bellnozzle mesh' (MSH 2.2) and hands the
# mesh to OpenFOAM as a user would: gmshToFoam, the two sides set to wedge,
# checkMesh. Checks that checkMesh says "Mesh OK.", that the five patches are
# there under their names (and nothing else), that the cell and face counts
# are the ones the command printed, and that the mesh volume is within 1e-3
# of the wedge volume computed here from the profile's points.
# With --formats, also meshes it as MSH 4.1 and SU2 and checks, reading those
# files with awk, that they name the same groups and hold the same counts.
#
# usage: check_mesh_in_openfoam.sh BELLNOZZLE WORKDIR DIAMETER LENGTH EPSILON [--formats] [MESH OPTIONS...]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../openfoam_minimal_case.sh"

bellnozzle="$1" work="$2" diameter="$3" length="$4" epsilon="$5"
shift 5
formats=0
if [[ "${1:-}" == --formats ]]; then
    formats=1
    shift
fi
meshOptions=("$@")
label="diameter $diameter cm, $length %, epsilon $epsilon${meshOptions[*]:+, ${meshOptions[*]}}"

fail() {
    echo "FAIL ($label): $*" >&2
    exit 1
}

for tool in gmsh:gmsh gmshToFoam:openfoam checkMesh:openfoam foamDictionary:openfoam; do
    command -v "${tool%%:*}" > /dev/null || fail "'${tool%%:*}' is not on PATH; install the Debian package '${tool#*:}'"
done
# OpenFOAM's programs stop at once without WM_PROJECT_DIR.
if [[ -z "${WM_PROJECT_DIR:-}" ]]; then
    bashrc="$(dpkg -L openfoam 2> /dev/null | grep -m1 'openfoam/etc/bashrc$')"
    [[ -n "$bashrc" ]] || fail "cannot find the openfoam package's etc/bashrc to set WM_PROJECT_DIR"
    export WM_PROJECT_DIR="$(dirname "$(dirname "$bashrc")")"
fi

rm -rf "$work"
mkdir -p "$work" || fail "cannot create $work"
cd "$work" || fail "cannot enter $work"

"$bellnozzle" design --dir . --diameter "$diameter" --length "$length" --epsilon "$epsilon" > design.log 2>&1 ||
    fail "design refused: $(cat design.log)"

# The one-cell wedge between the planes at +-a through the axis has the cross
# section y^2 sin(a) cos(a) at wall radius y; over straight pieces between the
# points, the integral of y^2 is exact as (y1^2 + y1 y2 + y2^2) / 3 dx. The
# profile is in cm, the mesh in m.
volume=$(awk '
    f { x = $2; y = $3
        if (n++) v += (x - px) * (y * y + y * py + py * py) / 3
        px = x; py = y }
    /^\[perfil\]$/ { f = 1 }
    END { printf "%.12g\n", v * sin(0.0436332) * cos(0.0436332) * 1e-6 }' zelto_perfil.txt)

# Relative difference of $1 from $2 within $3.
near() { awk -v a="$1" -v b="$2" -v tol="$3" 'BEGIN { d = (a - b) / b; exit !(d <= tol && d >= -tol) }'; }

mesh() {  # format; the command's summary goes to summary.FORMAT
    "$bellnozzle" mesh --dir . --format "$1" "${meshOptions[@]}" > "mesh.$1.out" 2> "mesh.$1.err" ||
        fail "mesh --format $1 exited $?: $(cat "mesh.$1.err")"
    grep -E '^(nodes|cells|group)=' "mesh.$1.out" > "summary.$1"
}
mesh msh2
cells=$(sed -n 's/^cells=//p' summary.msh2)
groupCount() { sed -n "s/^group=$1 dimension=[0-9] elements=//p" "summary.${2:-msh2}"; }

write_minimal_case case rhoCentralFoam
gmshToFoam -case case wedge_mesh.msh > gmshToFoam.log 2>&1 || fail "gmshToFoam exited $?: $(tail -20 gmshToFoam.log)"
for side in axi_symm-f axi_symm-r; do
    foamDictionary case/constant/polyMesh/boundary -entry "entry0/$side/type" -set wedge > foamDictionary.log 2>&1 ||
        fail "foamDictionary could not set $side to wedge: $(tail -5 foamDictionary.log)"
done
checkMesh -case case > checkMesh.log 2>&1 || fail "checkMesh exited $?: $(tail -20 checkMesh.log)"
grep -q '^Mesh OK\.$' checkMesh.log || fail "checkMesh: $(grep -E '\*\*\*|Failed' checkMesh.log)"

# The patches checkMesh lists, with their face counts, must be exactly the
# five, each with as many faces as the command counted in the mesh file.
patches=$(awk '/^ +Patch +Faces +Points/ { f = 1; next } f && NF == 0 { exit } f { print $1, $2 }' checkMesh.log | sort)
expected=$(for name in axi_symm-f axi_symm-r inlet outlet wall; do echo "$name $(groupCount "$name")"; done | sort)
[[ "$patches" == "$expected" ]] || fail "checkMesh patches and faces:
$patches
but the mesh file holds:
$expected"
grep -Eq "^ +cells: +$cells\$" checkMesh.log || fail "checkMesh does not count the $cells cells of the mesh file"
[[ "$(groupCount fluid)" == "$cells" ]] || fail "the group fluid holds $(groupCount fluid) cells, the mesh $cells"
for side in axi_symm-f axi_symm-r; do
    angle=$(sed -n "s/.*Wedge $side with angle \([-+.0-9eE]*\) degrees.*/\1/p" checkMesh.log)
    near "${angle:-0}" 2.5 0.0001 || fail "checkMesh: wedge $side at '$angle' degrees, not 2.5"
done
meshVolume=$(sed -n 's/.*Total volume = \([-+.0-9eE]*[0-9]\).*/\1/p' checkMesh.log)
near "${meshVolume:-0}" "$volume" 0.001 || fail "mesh volume $meshVolume m3, the wedge of the points $volume m3"
echo "$label: $cells cells, Mesh OK., five patches, volume $meshVolume m3 (points: $volume m3)"

[[ "$formats" == 1 ]] || exit 0

# Gmsh's other writers: the same counts as the MSH 2.2 file, read by the
# command and, independently, by awk from the files themselves.
mesh msh4
mesh su2
[[ "$(cat summary.msh4)" == "$(cat summary.msh2)" ]] || fail "MSH 4.1 counts differ from MSH 2.2:
$(diff summary.msh2 summary.msh4)"
[[ "$(grep -v fluid summary.su2)" == "$(grep -v fluid summary.msh2)" ]] ||
    fail "SU2 counts differ from MSH 2.2:
$(diff summary.msh2 summary.su2)"

su2=$(awk '
    /^NELEM=/ && !cells { cells = $2 }
    /^MARKER_TAG=/ { name = $2 }
    /^MARKER_ELEMS=/ { print name, $2 }
    END { print "cells", cells }' wedge_mesh.su2 | sort)
[[ "$su2" == "$(printf '%s\ncells %s\n' "$expected" "$cells" | sort)" ]] ||
    fail "wedge_mesh.su2 holds markers and cells:
$su2"
names4=$(sed -n '/^\$PhysicalNames/,/^\$EndPhysicalNames/p' wedge_mesh.msh | sed -n 's/.*"\(.*\)"/\1/p' | sort | tr '\n' ' ')
[[ "$names4" == "axi_symm-f axi_symm-r fluid inlet outlet wall " ]] || fail "wedge_mesh.msh (4.1) names: $names4"
grep -q '^4\.1 0 8$' wedge_mesh.msh || fail "wedge_mesh.msh is not ASCII MSH 4.1"
echo "msh4 and su2: the same groups and counts as MSH 2.2"
