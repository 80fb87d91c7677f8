#!/usr/bin/env bash
# Builds the Debian package from this build into a temporary folder, unpacks it into a scratch root and
# runs the installed programs from there; then the desktop entry, AppStream and lintian checks.
# usage: package_test.sh BUILD_DIR CPACK
# Exit 77 (skipped) when the Debian package tools are missing.
set -euo pipefail
build="$1"
cpack="$2"

missing=()
for tool in dpkg-deb dpkg-shlibdeps file appstreamcli desktop-file-validate; do
  command -v "$tool" > /dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -ne 0 ]; then
  echo "SKIPPED: the package tools are missing (${missing[*]}); scripts/install-deps.sh installs them"
  exit 77
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

# -- Build the package into the temporary folder.
"$cpack" --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
arch="$(dpkg --print-architecture)"
deb="$work/out/lumora-write-utility_1.0_${arch}.deb"
[ -f "$deb" ] || { ls "$work/out"; fail "no $deb"; }

# -- Control data.
[ "$(dpkg-deb -f "$deb" Package)" = lumora-write-utility ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = 1.0 ] || fail "version"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for library in libqt6widgets6 libqt6core6 libqt6help6 libqt6sql6-sqlite libc6; do
  grep -q "$library" <<< "$depends" || fail "Depends lacks $library"
done
dpkg-deb -e "$deb" "$work/control"
[ "$(cat "$work/control/conffiles")" = "/etc/xdg/Halvrick/Lumora Utility.conf" ] || fail "conffiles"
[ -x "$work/control/postinst" ] || fail "postinst is not executable"
grep -q dialout "$work/control/postinst" || fail "postinst says nothing about dialout"

# -- The files, where a Debian system looks for them.
root="$work/root"
dpkg-deb -x "$deb" "$root"
opt="$root/opt/lumora-utility"
for file in bin/lumora bin/lumora-write-utility bin/lumora-panel-sim bin/lumora-plc-probe RevLabel.so CtrlLink.so \
    dll/TDL205.so dll/TDL405.so dll/MODRTU.so dll/PLANRUN.so dll/TDL205.html \
    driver/TDL205.plx driver/multiplexer.plx Firmware/QM210B3.hex Project/demo-qm210.lmx Project/demo-multiplexer.lmx \
    help/index.html help/troubleshooting.html help/lumora.qch translations/lumora_de.qm \
    ; do
  [ -e "$opt/$file" ] || fail "missing /opt/lumora-utility/$file"
done
for program in lumora lumora-write-utility; do
  [ "$(readlink "$root/usr/bin/$program")" = "/opt/lumora-utility/bin/$program" ] || fail "/usr/bin/$program"
done
conf="$root/etc/xdg/Halvrick/Lumora Utility.conf"
grep -qx 'Install%20Dir=/opt/lumora-utility' "$conf" || fail "Install Dir in the settings file"
for file in usr/share/applications/lumora-write-utility.desktop usr/share/mime/packages/lumora-project.xml \
    usr/share/icons/hicolor/scalable/apps/lumora-write-utility.svg usr/share/metainfo/invalid.lumora.WriteUtility.metainfo.xml \
    usr/share/man/man1/lumora.1.gz usr/share/doc/lumora-write-utility/copyright; do
  [ -f "$root/$file" ] || fail "missing /$file"
done
zcat "$root/usr/share/man/man1/lumora.1.gz" | grep -q '^\.TH LUMORA 1' || fail "man page"

# -- The installed programs, with the packaged settings pointed at the scratch root.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" ASAN_OPTIONS=detect_leaks=0
mkdir -p "$XDG_CONFIG_HOME"
sed "s|^Install%20Dir=.*|Install%20Dir=$opt|" "$conf" > "$work/machine.conf"
export LUMORA_MACHINE_CONFIG="$work/machine.conf"
unset LUMORA_INSTALL_DIR
version="$(cd "$work" && "$opt/bin/lumora" --version)"
[ "$version" = "1.0" ] || fail "lumora --version printed '$version'"
# Without "Install Dir" the tree is the one above the program's bin/.
version="$(cd "$work" && LUMORA_MACHINE_CONFIG="$work/none.conf" "$opt/bin/lumora" --version)"
[ "$version" = "1.0" ] || fail "lumora --version without settings printed '$version'"
(cd "$work" && "$opt/bin/lumora" check "$opt/Project/demo-qm210.lmx") || fail "lumora check on the demo project"
[ ! -e "$opt/translations/lumora_pseudo.qm" ] || fail "the pseudo-translation is packaged"
german="$(cd "$work" && LC_ALL= LC_MESSAGES= LANGUAGE= LANG=de_DE.UTF-8 "$opt/bin/lumora" bogus 2>&1 || true)"
grep -q "unbekannter Befehl" <<< "$german" || fail "the packaged tool does not speak German under LANG=de_DE: $german"
(cd "$work" && "$opt/bin/lumora" check "$opt/Project/demo-multiplexer.lmx") || fail "lumora check on the multiplexer demo"
cp "$opt/Project/demo-qm210.lmx" "$work/demo-qm210.lmx"
title="$(cd "$work" && QT_QPA_PLATFORM=offscreen "$opt/bin/lumora-write-utility" --open "$work/demo-qm210.lmx" \
  --quit-after-start)" || fail "the desktop program"
echo "Window: $title"
grep -q "demo-qm210.lmx" <<< "$title" || fail "the desktop program did not open the demo project"

# -- Desktop integration.
desktop-file-validate "$root/usr/share/applications/lumora-write-utility.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/invalid.lumora.WriteUtility.metainfo.xml" ||
  fail "appstreamcli validate"

# -- lintian: errors fail, warnings are shown.
if command -v lintian > /dev/null; then
  lintian --no-cfg --fail-on error "$deb" || fail "lintian reports errors"
else
  echo "lintian is not installed: skipped that check"
fi
echo "package test passed"
