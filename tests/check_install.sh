#!/bin/sh
# check_install.sh BUILD_DIR APP_ID MODULE_DIR
# Installs KOVA into a temporary DESTDIR whose path holds a space and
# non-ASCII letters, starts the installed program from another directory and
# checks that it showed the main menu, found a picture, a help page and its
# sound player where they were installed and loaded its clinic module; then
# validates the desktop entry and the AppStream metadata as installed.
set -eu
build=$1
app_id=$2
module_dir=$3

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
destdir="$root/Praxis Dr. Müller/Programme für Übungen"
DESTDIR="$destdir" cmake --install "$build" --prefix /usr >/dev/null
prefix="$destdir/usr"

fail() {
    echo "check_install: $*" >&2
    exit 1
}

for file in bin/kova share/kova/Image1.jpg share/kova/Ding.wav share/kova/KOVA_MainHelp.html \
    "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
    "share/icons/hicolor/scalable/apps/$app_id.svg" "share/icons/hicolor/48x48/apps/$app_id.png" \
    share/man/man1/kova.1.gz share/doc/kova/copyright share/doc/kova/changelog.gz \
    "$module_dir/libkova_sound.so" "$module_dir/libkova_keyring.so" \
    "$module_dir/libkova_print.so" "$module_dir/libkova_clinic.so"; do
    [ -f "$prefix/$file" ] || fail "not installed: $file"
done

mkdir "$root/elsewhere"
cd "$root/elsewhere"
# LD_BIND_NOW: a module function the program lacks fails the load here, not
# at the function's first call.
shown=$(LD_BIND_NOW=1 QT_QPA_PLATFORM=offscreen KOVA_EXIT_AFTER_START=load \
    XDG_RUNTIME_DIR="$root" HOME="$root/elsewhere" "$prefix/bin/kova")
expected="KOVA main menu shown
KOVA picture found: $prefix/share/kova/Image1.jpg
KOVA help page found: $prefix/share/kova/KOVA_MainHelp.html
KOVA sound player found: $prefix/$module_dir/libkova_sound.so
KOVA clinic module loaded: $prefix/$module_dir/libkova_clinic.so"
[ "$shown" = "$expected" ] || fail "the installed kova said:
$shown
instead of:
$expected"

version=$("$prefix/bin/kova" --version)
zcat "$prefix/share/man/man1/kova.1.gz" | grep -q "\"${version}\"" || fail "the man page does not name $version"

desktop-file-validate "$prefix/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"
echo "check_install: installed under \"$destdir\", started, found its files; desktop entry and metadata valid"
