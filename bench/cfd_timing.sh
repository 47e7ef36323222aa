#!/bin/bash
# Times OpenFOAM runs of designs from 'bellnozzle case' to a settled report
# and prints one line per run: wall and CPU seconds, whether it settled, and
# the discharge coefficient, exit Mach and vacuum thrust coefficient of the
# run against the 2-D analysis of the same wall (the largest wall-pressure
# difference from it past the throat too). Runs one at a time: the machine's
# cores are the solver's.
#
#   usage: bench/cfd_timing.sh BELLNOZZLE [--mesh NXxNY]... [--np N] [--start 1d|fill] [--keep DIR]
#                              [DESIGN...]
# --keep DIR keeps the cases in DIR (a folder of its own a run), for ParaView
# or a later 'bellnozzle report'; otherwise they go to a temporary folder.
#   DESIGN: DIAMETER_CM/LENGTH_PERCENT/EPSILON (default 5/80/10, the initial design)
#   e.g.    bench/cfd_timing.sh build/cli/bellnozzle --mesh 100x20 --mesh 200x40 1/60/5 10/100/50
# The goal for the initial design on 100 x 20: at most 60 s wall on two cores.
set -eu
[ $# -ge 1 ] || { sed -n '2,/^$/s/^# \{0,1\}//p' "$0"; exit 2; }
bellnozzle=$(realpath "$1")
shift
meshes=() np=1 start=1d designs=() keep=
while [ $# -gt 0 ]; do
    case "$1" in
        --mesh) meshes+=("$2"); shift 2 ;;
        --np) np=$2; shift 2 ;;
        --start) start=$2; shift 2 ;;
        --keep) keep=$2; shift 2 ;;
        *) designs+=("$1"); shift ;;
    esac
done
[ ${#meshes[@]} -gt 0 ] || meshes=(100x20)
[ ${#designs[@]} -gt 0 ] || designs=(5/80/10)
if [ -n "$keep" ]; then
    mkdir -p "$keep"
    work=$keep
else
    work=$(mktemp -d "${TMPDIR:-/tmp}/cfd_timing.XXXXXX")
    trap 'rm -rf "$work"' EXIT
fi

value() { sed -n "s/^  \"$1\": \\([^,]*\\),\$/\\1/p" "$2"; }
percent() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (a == "null" || b == "null" || b == 0) print "-"; else printf "%+.2f %%", (a / b - 1) * 100 }'
}

printf '%-12s %-8s %-5s %8s %8s %-7s %-9s %-9s %-9s %-9s %-9s %-9s %-8s\n' design mesh start wall_s cpu_s settled \
    Cd_cfd dCd_moc Me_cfd dMe_moc Cf_cfd dCf_moc dpw_moc
for design in "${designs[@]}"; do
    IFS=/ read -r diameter length epsilon <<< "$design"
    for mesh in "${meshes[@]}"; do
        dir="$work/${diameter}_${length}_${epsilon}_${mesh}_$start"
        mkdir -p "$dir"
        "$bellnozzle" design --dir "$dir" --diameter "$diameter" --length "$length" --epsilon "$epsilon" > /dev/null
        TIMEFORMAT='%R %U %S'
        # From writing the case to the settled report, as a user runs it.
        times=$( { time { "$bellnozzle" case --dir "$dir" --nx "${mesh%x*}" --ny "${mesh#*x}" --np "$np" \
                              --start "$start" --force > /dev/null &&
                          "$bellnozzle" cfd "$dir/nozzle_case" > /dev/null 2> "$dir/cfd.err" &&
                          "$bellnozzle" report "$dir/nozzle_case" --json > "$dir/report.json"; }; } 2>&1 ) ||
            { echo "$design $mesh: failed: $(tail -n 1 "$dir/cfd.err")"; continue; }
        read -r wall user system <<< "$times"
        # The solver's own processes count in user and system time.
        json=$dir/report.json
        printf '%-12s %-8s %-5s %8.1f %8.1f %-7s %-9.5g %-9s %-9.5g %-9s %-9.5g %-9s %-8s\n' "$design" "$mesh" \
            "$start" "$wall" "$(awk -v u="$user" -v s="$system" 'BEGIN { print u + s }')" \
            "$(sed -n 's/^  "settled": \(.*\),$/\1/p' "$json")" \
            "$(value discharge_coefficient_cfd "$json")" \
            "$(percent "$(value discharge_coefficient_cfd "$json")" "$(value discharge_coefficient_moc "$json")")" \
            "$(value mach_exit_cfd "$json")" \
            "$(percent "$(value mach_exit_cfd "$json")" "$(value mach_exit_moc "$json")")" \
            "$(value cf_vacuum_cfd "$json")" \
            "$(percent "$(value cf_vacuum_cfd "$json")" "$(value cf_vacuum_moc "$json")")" \
            "$(value wall_p_ratio_max_difference_moc "$json")"
    done
done
