#!/usr/bin/env bash
# Installs the build into a scratch folder as the package does (prefix /usr)
# and checks that what the desktop reads fits together: the menu entry is
# valid and starts the installed program in its desktop mode, its icon and
# the AppStream file are found under the names they are looked up by, the
# manual page renders without warnings and carries the version, the
# completion loads by the command's name, and the copyright file holds the
# licence.
# Usage: check_install.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build="$1" source="$2"
stage="$(mktemp -d "$build/install-check.XXXXXX")"
trap 'rm -rf "$stage"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR="$stage" cmake --install "$build" --prefix /usr > "$stage.log" 2>&1 \
  || { cat "$stage.log"; rm -f "$stage.log"; echo "FAIL: cmake --install"; exit 1; }
rm -f "$stage.log"
usr="$stage/usr"
program="$usr/bin/bellnozzle"
[ -x "$program" ] || { echo "FAIL: no $program"; exit 1; }
version="$("$program" --version | awk '{ print $2 }')"

# The menu entry.
entries=("$usr"/share/applications/*.desktop)
[ ${#entries[@]} -eq 1 ] && [ -f "${entries[0]}" ] || { echo "FAIL: not one desktop entry"; exit 1; }
entry="${entries[0]}"
desktop_id="$(basename "$entry" .desktop)"
problems="$(desktop-file-validate "$entry" 2>&1)" || fail "desktop-file-validate: $problems"
[ -z "$problems" ] || fail "desktop-file-validate: $problems"
for key in Name 'Name\[pt\]' Comment 'Comment\[pt\]'; do
  grep -q "^$key=" "$entry" || fail "the desktop entry has no $key"
done
read -r -a exec_line <<< "$(sed -n 's/^Exec=//p' "$entry")"
[ "${exec_line[0]}" = bellnozzle ] || fail "the entry runs '${exec_line[0]}', not bellnozzle"
# Without a display the window is refused with status 1; an option the
# program did not know would be a usage error, status 2.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "${exec_line[@]:1}" > /dev/null 2>&1
status=$?
[ "$status" -eq 1 ] || fail "'${exec_line[*]}' without a display ended with $status, not 1"

# The icon under the entry's name, the PNGs of the sizes their folders say.
icon="$(sed -n 's/^Icon=//p' "$entry")"
hicolor="$usr/share/icons/hicolor"
[ -f "$hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
pngs=0
for png in "$hicolor"/*x*/apps/"$icon".png; do
  [ -f "$png" ] || continue
  pngs=$((pngs + 1))
  size="$(basename "$(dirname "$(dirname "$png")")")"
  file -b "$png" | grep -q "PNG image data, ${size/x/ x }," || fail "$png is not a $size PNG: $(file -b "$png")"
done
[ "$pngs" -ge 4 ] || fail "only $pngs PNG icons"

# The AppStream file, named after the entry, pointing back at it.
metainfo="$usr/share/metainfo/$desktop_id.metainfo.xml"
if [ -f "$metainfo" ]; then
  problems="$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1)" || fail "appstreamcli: $problems"
  grep -q "<id>$desktop_id</id>" "$metainfo" || fail "the AppStream id is not $desktop_id"
  grep -q "<launchable type=\"desktop-id\">$desktop_id.desktop</launchable>" "$metainfo" \
    || fail "the AppStream file does not launch $desktop_id.desktop"
  grep -q "<icon type=\"stock\">$icon</icon>" "$metainfo" || fail "the AppStream icon is not $icon"
  grep -q "<release version=\"$version\"" "$metainfo" || fail "the AppStream file has no release $version"
else
  fail "no $metainfo"
fi

# The manual page, checked as lintian checks it.
manual="$usr/share/man/man1/bellnozzle.1.gz"
if gzip -t "$manual" 2> /dev/null; then
  warnings="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 > /dev/null)"
  [ -z "$warnings" ] || fail "the manual page renders with warnings: $warnings"
  LC_ALL=C.UTF-8 man -l "$manual" 2> /dev/null | col -b | grep -q "bellnozzle $version" \
    || fail "the manual page does not carry version $version"
else
  fail "no compressed manual page $manual"
fi

# bash-completion loads a completion on demand by the command's name.
completion="$usr/share/bash-completion/completions/bellnozzle"
bash --norc --noprofile -c "source '$completion' && complete -p bellnozzle" > /dev/null 2>&1 \
  || fail "$completion does not set up the completion of bellnozzle"

# The licence, word for word.
copyright="$usr/share/doc/bellnozzle/copyright"
sed -n '/^License: /,$p' "$copyright" | tail -n +2 | sed 's/^ //; s/^\.$//' | diff -q - "$source/LICENSE" > /dev/null \
  || fail "$copyright does not hold the text of LICENSE"

[ "$failures" -eq 0 ] || exit 1
echo "installed files fit together ($desktop_id, icon $icon, $pngs PNGs, version $version)"
