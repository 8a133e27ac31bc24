#!/bin/sh
# usage: CheckPackage.sh CPACK BUILD_DIR
# Makes the Debian package of a finished build (without computing its
# library dependencies, which only `./run.sh package` needs), checks its file
# list, then unpacks it into a temporary folder and runs the programs from
# there: orva-shell must take its skins from the unpacked share/orva, and Go
# must start, register and quit when asked.
set -eu
cpack=$1 build=$2

work=$(mktemp -d)
game=
cleanup() {
    [ -z "$game" ] || kill "$game" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM
fail() {
    echo "CheckPackage: $*" >&2
    exit 1
}

"$cpack" --config "$build/CPackConfig.cmake" -B "$work/out" -D CPACK_DEBIAN_PACKAGE_SHLIBDEPS=OFF \
    >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
set -- "$work"/out/orva_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "no single package in $work/out"
deb=$1

dpkg-deb -f "$deb" Depends | grep -q 'fonts-dejavu-core, fonts-dejavu-extra, fonts-liberation, fonts-noto-color-emoji, fonts-wqy-microhei' \
    || fail "the package does not depend on the fonts"
dpkg-deb -f "$deb" Recommends | grep -q 'xserver-xorg-core, xserver-xorg-input-libinput, xinit' \
    || fail "the package does not recommend the kiosk's X server"

tree=$work/tree
dpkg-deb -x "$deb" "$tree"
(cd "$tree" && find . -type f | sort) >"$work/files"
for path in \
    usr/bin/Go usr/bin/NoteBook usr/bin/orva-shell usr/bin/pbrain-gobang \
    usr/share/orva/Skins/Classic/Skin.ini usr/share/orva/Skins/Ocean/Skin.ini \
    usr/share/orva/Poem/Lotus.bmp usr/share/orva/Resources/Go.png \
    usr/share/icons/hicolor/128x128/apps/orva-go.png usr/share/icons/hicolor/128x128/apps/orva-notebook.png \
    usr/share/applications/orva-go.desktop usr/share/applications/orva-notebook.desktop \
    usr/share/metainfo/io.github.orva.Go.metainfo.xml usr/share/metainfo/io.github.orva.NoteBook.metainfo.xml \
    usr/share/man/man1/orva-shell.1.gz usr/share/man/man1/NoteBook.1.gz \
    usr/share/man/man6/Go.6.gz usr/share/man/man6/pbrain-gobang.6.gz \
    usr/share/doc/orva/copyright usr/share/doc/orva/changelog.gz \
    usr/share/man/man8/orva-kiosk.8.gz usr/libexec/orva/orva-kiosk-session lib/systemd/system/orva-kiosk@.service
do
    grep -qx "./$path" "$work/files" || fail "not in the package: /$path"
done
stray=$(grep -v -e '^\./usr/bin/' -e '^\./usr/share/' -e '^\./usr/libexec/orva/' -e '^\./lib/systemd/system/' \
    "$work/files" || true)
[ -z "$stray" ] || fail "outside /usr/bin, /usr/share, /usr/libexec/orva and /lib/systemd/system: $stray"

# The entries name the installed programs, not CPack's staging folder.
grep -qx 'Exec="/usr/bin/Go"' "$tree/usr/share/applications/orva-go.desktop" \
    || fail "orva-go.desktop does not start /usr/bin/Go"
grep -qx 'Exec="/usr/bin/orva-shell" open-note %f' "$tree/usr/share/applications/orva-notebook.desktop" \
    || fail "orva-notebook.desktop does not start /usr/bin/orva-shell"

# A user of the test's own, and no built-in folder named from outside.
unset ORVA_ASSETS_DIR
export ORVA_ROOT="$work/root" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled:
mkdir -m 700 "$XDG_RUNTIME_DIR"
shell=$tree/usr/bin/orva-shell

# A skin that only the unpacked share/orva holds is found beside the program,
# ahead of the build tree's. It holds the screens' images, as a usable skin must.
mkdir "$tree/usr/share/orva/Skins/Unpacked"
cp "$tree/usr/share/orva/Skins/Classic/GAME.bmp" "$tree/usr/share/orva/Skins/Classic/NOTEBOOK.bmp" \
    "$tree/usr/share/orva/Skins/Unpacked/"
"$shell" set skin Unpacked || fail "orva-shell does not find the skins in $tree/usr/share/orva"
"$shell" set skin Ocean

"$tree/usr/bin/Go" &
game=$!
tries=0
until "$shell" status | grep -q '^go  *running'; do
    tries=$((tries + 1))
    [ $tries -lt 100 ] || fail "Go did not start"
    kill -0 "$game" 2>/dev/null || fail "Go ended at start"
    sleep 0.1
done
"$shell" send go 2 || fail "Go did not take the quit message"
status=0
wait "$game" || status=$?
game=
[ $status -eq 0 ] || fail "Go exited with $status"
