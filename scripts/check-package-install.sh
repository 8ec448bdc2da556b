#!/usr/bin/env bash
# Installs the Debian package of a build with apt, as on a user's machine, starts the game on a
# virtual display from an empty home, removes the package and checks that the user's folder
# stayed. It changes the system, so it runs only as root, and never where a trivanto package is
# installed already (then it skips). The test command runs it in CI. Argument: the build folder (build).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
[ "$(id -u)" -eq 0 ] || { echo "check-package-install: needs root" >&2; exit 1; }
if dpkg-query -W -f='${Status}' trivanto 2>/dev/null | grep -q "installed"; then
    echo "check-package-install: skipped, a trivanto package is installed already and stays" >&2
    exit 0
fi

work=$(mktemp -d)
installed=
cleanup() {
    [ -z "$installed" ] || DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq trivanto >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "check-package-install: $*" >&2
    exit 1
}

cpack --config "$build_dir/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/deb/trivanto_*.deb)
installed=yes
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log" >&2; fail "apt-get install failed"; }

# In the menu with its icon.
app=engineering.velmora.trivanto
desktop-file-validate /usr/share/applications/$app.desktop
for size in 16x16 48x48 256x256; do
    [ -f /usr/share/icons/hicolor/$size/apps/$app.png ] || fail "no $size icon"
done

# A user's first start: an empty home, no warning (a warning's dialog would hold the start).
home=$work/home
mkdir -p "$home" "$work/runtime"
chmod 700 "$work/runtime"
run_game() {
    env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy \
        TRIVANTO_PLAIN_MESSAGES=stderr timeout 60 xvfb-run -a trivanto --no-splash --quit-when-idle
}
run_game >"$work/out" 2>&1 || { cat "$work/out" >&2; fail "the installed game did not start and end"; }
! grep -q "Trivanto:" "$work/out" || { cat "$work/out" >&2; fail "the start reported problems"; }
program=$home/.local/share/velmora.engineering/Trivanto/program
ls "$program"/*.trv >/dev/null 2>&1 || fail "no categories in $program"
(cd /usr/share/trivanto && sha256sum --quiet -c shipped-files.sha256) || fail "damaged shipped files"

# Removing the package leaves the user's own folder alone.
cp "$(ls "$program"/*.trv | head -n 1)" "$program/Mine.trv"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq trivanto >/dev/null 2>&1
installed=
[ ! -e /usr/bin/trivanto ] || fail "/usr/bin/trivanto is still there after removal"
[ -f "$program/Mine.trv" ] || fail "removing the package took the user's category"
echo "check-package-install: $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB) installs, starts, removes"
