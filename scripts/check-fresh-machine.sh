#!/usr/bin/env bash
# Proves README's two commands on a pristine Debian 12, as a new user would run
# them: makes a fresh root with mmdebstrap (only ca-certificates, git and sudo
# added), clones this checkout into it, and as an ordinary user with sudo
# rights runs the test command (the whole suite; arguments are passed on to
# ctest, e.g. -LE fuzz), then the run command offscreen, which must build and keep the
# window open; then builds the Debian package there (package.sh) and checks it
# in a second pristine root (check-package.sh). Needs root. The pristine
# root's tarball is cached in BELLNOZZLE_FRESH_CACHE (default
# /var/cache/bellnozzle) between runs; BELLNOZZLE_FRESH_REBUILD=1 makes it anew.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ "$(id -u)" -ne 0 ]; then
  echo "check-fresh-machine.sh: needs root (mmdebstrap and chroot)" >&2
  exit 1
fi
source "$root/scripts/packages.sh"
"$root/scripts/install_packages.sh" "${FRESH_ROOT_PACKAGES[@]}"
ctest_args=("$@")

cache="${BELLNOZZLE_FRESH_CACHE:-/var/cache/bellnozzle}"
tarball="$cache/bookworm-pristine.tar"
work="$(mktemp -d /var/tmp/bellnozzle-fresh.XXXXXX)"
mounted=()

cleanup() {
  local status=$?
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount -R "${mounted[i]}" 2>/dev/null || umount -R -l "${mounted[i]}" 2>/dev/null || true
  done
  # Never delete through a mount that is still there.
  if findmnt -rno TARGET | grep -q "^$work/"; then
    echo "check-fresh-machine.sh: mounts left under $work; not removing it" >&2
  else
    rm -rf --one-file-system "$work"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mount_into() {  # mount_into TARGET MOUNT-ARGUMENTS...
  local target="$fresh$1"
  shift
  mkdir -p "$target"
  mount "$@" "$target"
  mounted+=("$target")
}

started=$(date +%s)
step() { echo "== [$(( $(date +%s) - started )) s] $*"; }

if [ ! -s "$tarball" ] || [ "${BELLNOZZLE_FRESH_REBUILD:-0}" = 1 ]; then
  step "making a pristine Debian 12 root with mmdebstrap"
  mkdir -p "$cache"
  partial="$cache/partial-$$.tar"
  mmdebstrap --quiet --variant=apt --include=ca-certificates,git,sudo bookworm "$partial"
  mv "$partial" "$tarball"
fi
prepare_root() {  # prepare_root DIR: the pristine root unpacked there, mounted, a user with sudo rights
  fresh="$1"
  mkdir -p "$fresh"
  tar -xf "$tarball" -C "$fresh"
  mount_into /proc -t proc proc
  # Recursively, with /sys/fs/cgroup, which slurmd needs; slave, so that
  # unmounting here never reaches the host's mounts.
  mount_into /sys --rbind /sys
  mount --make-rslave "$fresh/sys"
  mount_into /dev --bind /dev
  mount_into /dev/pts --bind /dev/pts
  mount_into /dev/shm -t tmpfs tmpfs
  cp -L /etc/resolv.conf "$fresh/etc/resolv.conf" 2>/dev/null || true
  chroot "$fresh" useradd --create-home --shell /bin/bash user
  echo 'user ALL=(ALL) NOPASSWD:ALL' > "$fresh/etc/sudoers.d/user"
  chmod 0440 "$fresh/etc/sudoers.d/user"
}

step "unpacking the pristine root, a user with sudo rights and a clone of this checkout"
prepare_root "$work/root"
git clone --quiet "$root" "$fresh/home/user/bellnozzle"
chroot "$fresh" chown -R user:user /home/user/bellnozzle

as_user() { chroot "$fresh" /usr/sbin/runuser -l user -c "$1"; }

# Quoted for the user's shell, so arguments like -LE 'tools|fuzz' survive.
quoted_args="$( [ ${#ctest_args[@]} -eq 0 ] || printf ' %q' "${ctest_args[@]}")"
step "README's test command: ./scripts/test.sh$quoted_args"
as_user "cd bellnozzle && ./scripts/test.sh$quoted_args"

step "README's run command, offscreen: the window must open and stay open"
cat > "$fresh/home/user/check-run.sh" <<'CHECK'
#!/usr/bin/env bash
set -u
cd ~/bellnozzle
QT_QPA_PLATFORM=offscreen ./scripts/run.sh > ~/run.log 2>&1 &
pid=$!
program="$PWD/build/cli/bellnozzle"
for _ in $(seq 1 900); do
  [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$program" ] && break
  if ! kill -0 "$pid" 2>/dev/null; then
    cat ~/run.log; echo "run.sh ended before the window opened" >&2; exit 1
  fi
  sleep 1
done
[ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$program" ] || { cat ~/run.log; echo "no window after 15 min" >&2; exit 1; }
sleep 5
if ! kill -0 "$pid" 2>/dev/null; then
  cat ~/run.log; echo "the window closed by itself" >&2; exit 1
fi
kill "$pid"; wait "$pid" 2>/dev/null
[ -s work/theta.bmp ] || { echo "run.sh drew no work/theta.bmp" >&2; exit 1; }
echo "the window stayed open for 5 s"
CHECK
chmod +x "$fresh/home/user/check-run.sh"
as_user "./check-run.sh"
step "both commands passed on a pristine Debian 12"

# ---- The Debian package: built in this root with README's command, then
# installed, used and removed in a second pristine root, which gets the
# packages this one downloaded so that apt fetches only what is new.
step "the Debian package: ./scripts/package.sh"
as_user "cd bellnozzle && ./scripts/package.sh"
built_root="$fresh"
deb="$(ls "$built_root"/home/user/bellnozzle/build/bellnozzle_*_amd64.deb)"
step "a second pristine root for $(basename "$deb")"
prepare_root "$work/package-root"
mkdir -p "$fresh/var/cache/apt/archives"
find "$built_root/var/cache/apt/archives" -maxdepth 1 -name '*.deb' -exec cp -l -t "$fresh/var/cache/apt/archives" {} +
"$root/scripts/check-package.sh" "$fresh" "$deb"
step "the package passed on a pristine Debian 12"
