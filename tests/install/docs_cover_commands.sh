#!/usr/bin/env bash
# Every command that 'bellnozzle --help' lists, and every option its own
# --help names, is described in the manual page under that command, in the
# user guide under its "### `command`" heading, and is offered by the bash
# completion. A command or option added without its documentation fails
# here, naming what is missing.
# Usage: docs_cover_commands.sh PROGRAM MANUAL_PAGE COMPLETION USER_GUIDE
set -uo pipefail
program="$1" manual="$2" completion="$3" guide="$4"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rendered="$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$manual" 2> /dev/null | col -b)"
[ -n "$rendered" ] || { echo "FAIL: the manual page does not render"; exit 1; }

# What the completion offers for the words typed so far (the last one being
# completed).
complete_words() {
  bash --norc --noprofile -c '
    source "$1"; shift
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
    _bellnozzle
    printf "%s\n" "${COMPREPLY[@]}"' completion "$completion" "$@"
}

# The manual page's entry of a command: its tag line at the tag indentation and
# the text below it, up to the next tag or heading.
manual_entry() {
  awk -v command="$1" '
    /^[^ ]/ || /^       [^ ]/ { inside = ($0 ~ "^       " command "( |$)") }
    inside' <<< "$rendered"
}

# The user guide's section of a command: from its "### `command`" heading to
# the next heading.
guide_entry() {
  awk -v heading="### \`$1\`" '
    /^#/ { inside = ($0 == heading) }
    inside' "$guide"
}

commands="$("$program" --help | awk '/^Commands/ { listing = 1; next } listing && /^  [a-z0-9]+ / { print $1 } /^$/ { listing = 0 }')"
[ -n "$commands" ] || { echo "FAIL: no commands found in 'bellnozzle --help'"; exit 1; }
offered_commands="$(complete_words bellnozzle "")"

for command in $commands; do
  grep -qx -- "$command" <<< "$offered_commands" || fail "completion does not offer the command '$command'"
  entry="$(manual_entry "$command")"
  [ -n "$entry" ] || { fail "the manual page has no entry for '$command'"; continue; }
  section="$(guide_entry "$command")"
  [ -n "$section" ] || fail "the user guide has no section \"### \`$command\`\""
  offered="$(complete_words bellnozzle "$command" --)"
  for option in $("$program" "$command" --help | grep -o -- '--[A-Za-z0-9][A-Za-z0-9-]*' | sort -u); do
    [ "$option" = --help ] && continue
    grep -q -- "$option\\b" <<< "$entry" || fail "the manual page's entry for '$command' does not name $option"
    [ -z "$section" ] || grep -q -- "$option\\b" <<< "$section" ||
      fail "the user guide's section on '$command' does not name $option"
    grep -qx -- "$option" <<< "$offered" || fail "completion does not offer $option after '$command'"
  done
done

# A few values, so that a broken case pattern shows.
[ "$(complete_words bellnozzle design --length 8)" = 80 ] || fail "completion of --length 8"
# Bash splits "--length=8" at the "=" before completing.
[ "$(complete_words bellnozzle design --length = 8)" = 80 ] || fail "completion of --length=8"
for option in --desktop --help --version; do
  grep -qx -- "$option" <<< "$offered_commands" || fail "completion does not offer $option"
  grep -q -- "$option" <<< "$rendered" || fail "the manual page does not name $option"
done
grep -q -- "bellnozzle --desktop" "$guide" || fail "the user guide does not name --desktop"

[ "$failures" -eq 0 ] || exit 1
echo "$(wc -w <<< "$commands") commands and their options documented (manual page, user guide) and completed"
