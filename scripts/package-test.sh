#!/usr/bin/env bash
# Builds the Debian package, installs it, and checks that the installed program starts for a new
# user: a first start with a fresh home, from a working folder the user cannot write to, that
# creates the fourteen factor files in the user's data folder; then a normal second start; and
# the desktop entry and AppStream data pass their validators.
#
# Installs into the machine when run as root or with sudo (and removes the package again
# afterwards unless it was installed before); otherwise unpacks it into a scratch root.
# A root caller runs the program as the unprivileged user "nobody".
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
# A build folder may be passed in (the test run reuses its own); by default one of its own.
build="${KALVEX_PACKAGE_BUILD:-$root/build/package}"
app_id=com.qorcorporation.Kalvex
tags=(Dist Mass Vol Area Angl Powr Ener Pres Time Forc Dens Velo Mony Acce)

fail() {
  echo "package test: $*" >&2
  exit 1
}

"$root/scripts/setup.sh"

echo "== Build the Debian package"
[ -n "${KALVEX_PACKAGE_BUILD:-}" ] || "$root/scripts/build.sh" "$build" -DKALVEX_TESTS=OFF
rm -f "$build"/kalvex_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/kalvex_*.deb)
deb="${debs[0]}"
[ -f "$deb" ] || fail "cpack made no package"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6svg6 libc6; do
  grep -q "$needed" <<<"$depends" || fail "the package does not declare $needed"
done

scratch="$(mktemp -d /tmp/kalvex-package-XXXXXX)"
chmod 755 "$scratch"
sudo=""
[ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null && sudo=sudo
installed_here=0
cleanup() {
  [ "$installed_here" -eq 1 ] && $sudo dpkg -r kalvex >/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

echo "== Install it"
if [ "$(id -u)" -eq 0 ] || [ -n "$sudo" ]; then
  dpkg-query -W -f='${Status}' kalvex 2>/dev/null | grep -q "install ok installed" || installed_here=1
  if ! $sudo dpkg -i "$deb" >/dev/null; then
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get -f install -y -qq >/dev/null
  fi
  dpkg-query -W -f='${Status}' kalvex | grep -q "install ok installed" || fail "the package did not install"
  prefix=/usr
else
  apt-get install -s "$deb" >/dev/null || fail "the package's dependencies cannot be met"
  dpkg-deb -x "$deb" "$scratch/root"
  prefix="$scratch/root/usr"
fi
program="$prefix/bin/kalvex"
[ -x "$program" ] || fail "no program at $program"
for module in kalvex_window kalvex_commands kalvex_network; do
  [ -n "$(find "$prefix/lib" -path "*/kalvex/$module.so")" ] || fail "the package holds no $module module"
done
# The options that only print load no library of the toolkit.
! env -i HOME="$scratch" LD_DEBUG=libs "$program" --version 2>&1 | grep -q 'calling init: .*libQt6' ||
  fail "kalvex --version loads a Qt library"

echo "== Validate the desktop entry and the AppStream data"
desktop_entry="$prefix/share/applications/$app_id.desktop"
desktop-file-validate "$desktop_entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"
[ -s "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "no scalable program icon"
grep -qx "Icon=$app_id" "$desktop_entry" || fail "the desktop entry names another icon"
grep -qx "Exec=kalvex" "$desktop_entry" || fail "the desktop entry starts another program"
desktop-file-validate "$prefix/share/applications/$app_id.Import.desktop"
grep -q 'type="application/x-kalvex-group"' "$prefix/share/mime/packages/$app_id.xml" ||
  fail "factor files have no type of their own"
for group in DataSize ElectricCurrent DataRate Luminance TemperatureDifference Typography; do
  [ -s "$prefix/share/kalvex/groups/$group.fsf" ] || fail "the library of extra groups lacks $group.fsf"
done

# A fresh user: an empty home (its .config and .local do not exist yet), a private runtime
# folder, and a working folder that user cannot write to.
home="$scratch/home"
runtime="$scratch/runtime"
locked="$scratch/locked"
mkdir -p "$home" "$runtime" "$locked" "$scratch/plugins/generic"
chmod 700 "$runtime"
chmod 555 "$locked"
cp "$build/bench/startup/plugins/generic/libkalvex_startup_probe.so" "$scratch/plugins/generic/"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody:nogroup "$home" "$runtime"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
"${as_user[@]}" test -w "$locked" && fail "the working folder is writable for the test user"
data="$home/.local/share/Qor Corporation/Kalvex!"

# Starts the installed program offscreen as the test user. The probe plugin answers its message
# boxes with Yes and prints "probe asked <text>" for each, then "probe shown ..." once the main
# window has painted, and closes it.
start_program() {
  (cd "$locked" && "${as_user[@]}" env -i HOME="$home" XDG_RUNTIME_DIR="$runtime" PATH=/usr/bin:/bin \
    LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$scratch/plugins" \
    QT_QPA_GENERIC_PLUGINS=kalvexprobe timeout 60 "$program" 2>&1)
}

echo "== First start"
output="$(start_program)" || fail "the first start failed:"$'\n'"$output"
grep -q '^probe shown ' <<<"$output" || fail "the first start showed no main window:"$'\n'"$output"
questions="$(grep '^probe asked ' <<<"$output" || true)"
[ "$(grep -c . <<<"$questions")" -eq 1 ] || fail "expected one question on the first start, got:"$'\n'"$questions"
grep -q '^probe asked Since this is the first time you have run Kalvex! after installing' <<<"$questions" ||
  fail "the first start asked something else: $questions"
grep -qF "$data/" <<<"$questions" || fail "the first-run question does not offer $data/: $questions"
for tag in "${tags[@]}"; do
  [ -s "$data/$tag.fsf" ] || fail "the first start did not create $data/$tag.fsf"
done
[ "$(find "$data" -name '*.fsf' | wc -l)" -eq ${#tags[@]} ] || fail "unexpected factor files in $data"
[ -z "$(ls -A "$locked")" ] || fail "the program wrote into its working folder"
sums="$(cd "$data" && md5sum -- *.fsf)"

echo "== Second start"
output="$(start_program)" || fail "the second start failed:"$'\n'"$output"
grep -q '^probe shown ' <<<"$output" || fail "the second start showed no main window:"$'\n'"$output"
! grep -q '^probe asked ' <<<"$output" || fail "the second start asked:"$'\n'"$output"
[ "$(cd "$data" && md5sum -- *.fsf)" == "$sums" ] || fail "the second start changed the factor files"

echo "Package test passed: $(basename "$deb")"
