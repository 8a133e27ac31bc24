#!/usr/bin/env bash
# The whole set-up for a newcomer: installs what is missing, builds, and then
# starts a program or runs every test.
set -euo pipefail
cd "$(dirname "$0")"

packages=(
    cmake ninja-build ccache g++ clang libclang-rt-14-dev pkg-config
    qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation fonts-dejavu-core fonts-dejavu-extra fonts-wqy-microhei fonts-noto-color-emoji
    libpinyin15-dev libpinyin-data
)
# The tests validate the software-centre metadata, render the manual pages and
# run programs on a private X server without a window manager, tapping and
# typing on it with xdotool; two notebooks are kept in step by Syncthing in a
# loopback-only network namespace (unshare -n from util-linux, ip from
# iproute2).
test_tools=(appstream groff-base xvfb xdotool syncthing iproute2 util-linux)
# dpkg-shlibdeps computes the package's dependencies, lintian checks it.
package_tools=(dpkg-dev lintian)

usage() {
    cat <<TXT
usage: ./run.sh game | notebook | test | package
  game      build and start the five-in-a-row game Go
  notebook  build and start the notebook NoteBook
  test      build and run every test (normal, sanitizer and fuzz builds)
  package   build and make the Debian package build/default/orva_*.deb
TXT
}

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    local preset=$1; shift
    local launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        # Paths relative to the checkout, so that another clone of the same
        # sources (CI's, a second work tree) reuses the compiled objects.
        export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
    fi
    cmake --preset "$preset" "${launcher[@]}" >/dev/null
    cmake --build --preset "$preset" "$@"
}

start_program() {
    local target=$1 path=$2
    build default --target "$target"
    exec "build/default/$path"
}

run_tests() {
    export QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled:
    local jobs
    jobs=$(nproc)

    echo "== Normal build"
    build default
    ctest --preset default -j "$jobs"

    echo "== AddressSanitizer and UndefinedBehaviorSanitizer build"
    build asan
    ctest --preset asan -j "$jobs"

    echo "== Fuzz targets"
    build fuzz --target fuzz-all
    cmake --build build/fuzz --target fuzz-run
}

make_package() {
    build default
    rm -f build/default/orva_*.deb
    cpack --config build/default/CPackConfig.cmake -B build/default
    echo "== lintian"
    lintian build/default/orva_*.deb
    echo "Install with: sudo apt install ./build/default/orva_*.deb"
}

case "${1:-}" in
    game) install_missing; start_program Go go/window/Go ;;
    notebook) install_missing; start_program NoteBook notebook/window/NoteBook ;;
    test) packages+=("${test_tools[@]}"); install_missing; run_tests ;;
    package) packages+=("${package_tools[@]}"); install_missing; make_package ;;
    -h|--help|help) usage ;;
    *) usage >&2; exit 2 ;;
esac
