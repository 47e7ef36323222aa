#!/usr/bin/env bash
# Each contour method's design through the real tools, as a user would take
# it on: 'case' and OpenFOAM's blockMesh and checkMesh ("Mesh OK."), 'mesh'
# and its Gmsh run, 'cad --format step' read back by Gmsh without an error.
#
# usage: check_designs_in_tools.sh BELLNOZZLE WORKDIR METHOD...
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../openfoam_minimal_case.sh"

bellnozzle="$1" work="$2"
shift 2
failures=0
fail() {
    echo "FAIL ($method): $*" >&2
    failures=$((failures + 1))
}

for tool in gmsh:gmsh blockMesh:openfoam checkMesh:openfoam; do
    command -v "${tool%%:*}" > /dev/null || { echo "FAIL: '${tool%%:*}' is not on PATH; install the Debian package '${tool#*:}'" >&2; exit 1; }
done
if [[ -z "${WM_PROJECT_DIR:-}" ]]; then
    bashrc="$(dpkg -L openfoam 2> /dev/null | grep -m1 'openfoam/etc/bashrc$')"
    [[ -n "$bashrc" ]] || { echo "FAIL: cannot find the openfoam package's etc/bashrc" >&2; exit 1; }
    export WM_PROJECT_DIR="$(dirname "$(dirname "$bashrc")")"
fi

for method in "$@"; do
    dir="$work/$method"
    rm -rf "$dir" && mkdir -p "$dir" || { fail "cannot create $dir"; continue; }
    options=(--method "$method" --epsilon 20)
    [[ "$method" == ideal || "$method" == cone ]] || options+=(--length 90)
    "$bellnozzle" design --dir "$dir" "${options[@]}" > "$dir/design.log" 2>&1 ||
        { fail "design refused: $(cat "$dir/design.log")"; continue; }

    "$bellnozzle" case --dir "$dir" --out "$dir/case" --nx 60 --ny 12 > "$dir/case.log" 2>&1 ||
        fail "case exited $?: $(cat "$dir/case.log")"
    if [[ -d "$dir/case" ]]; then
        blockMesh -case "$dir/case" > "$dir/blockMesh.log" 2>&1 || fail "blockMesh: $(tail -5 "$dir/blockMesh.log")"
        checkMesh -case "$dir/case" > "$dir/checkMesh.log" 2>&1 || fail "checkMesh exited $?"
        grep -q '^Mesh OK\.$' "$dir/checkMesh.log" || fail "checkMesh: $(grep -E '\*\*\*|Failed' "$dir/checkMesh.log")"
    fi

    "$bellnozzle" mesh --dir "$dir" --format msh2 > "$dir/mesh.log" 2>&1 || fail "mesh exited $?: $(tail -5 "$dir/mesh.log")"
    grep -q '^cells=[1-9]' "$dir/mesh.log" || fail "mesh printed no cells: $(cat "$dir/mesh.log")"

    "$bellnozzle" cad --dir "$dir" --format step --out "$dir/nozzle.step" > "$dir/cad.log" 2>&1 ||
        fail "cad exited $?: $(cat "$dir/cad.log")"
    gmsh "$dir/nozzle.step" -0 -o "$dir/step_read.geo_unrolled" > "$dir/gmsh_step.log" 2>&1 ||
        fail "gmsh could not read the STEP file: $(grep -i error "$dir/gmsh_step.log" | head -3)"
    grep -qi 'error' "$dir/gmsh_step.log" && fail "gmsh reported: $(grep -i error "$dir/gmsh_step.log" | head -3)"
done

[[ "$failures" -eq 0 ]] || exit 1
echo "$# methods through case/checkMesh, mesh and STEP"
