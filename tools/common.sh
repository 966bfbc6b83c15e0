# Shared by tools/run, tools/test and the benchmarks: installing what the
# build needs, building, the private Wine prefix and a private display.
# Source it; it defines functions and sets no options of the caller.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# BRISKLET_BUILD puts the build tree (and with it the Wine prefix) elsewhere.
BUILD="${BRISKLET_BUILD:-$ROOT/build}"

# Debian packages the build and the tests need, with a command or file that
# shows each is there.
REQUIRED_PACKAGES=(
    "cmake:/usr/bin/cmake"
    "g++:/usr/bin/g++"
    "clang:/usr/bin/clang"
    # The 32-bit sysinfo() shim of the end-to-end tests (tests/e2e/sysinfo_shim.c).
    "gcc-multilib:/usr/lib/gcc/x86_64-linux-gnu/12/32/libgcc.a"
    "libclang-rt-14-dev:/usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a"
    "googletest:/usr/src/googletest/CMakeLists.txt"
    "libgtest-dev:/usr/include/gtest/gtest.h"
    "python3:/usr/bin/python3"
    # The formatter, in the version .clang-format is written for.
    "clang-format-14:/usr/bin/clang-format-14"
    "g++-mingw-w64-i686-posix:/usr/bin/i686-w64-mingw32-g++-posix"
    "g++-mingw-w64-x86-64-posix:/usr/bin/x86_64-w64-mingw32-g++-posix"
    "wine:/usr/bin/wine"
    "wine64:/usr/lib/wine/wine64"
    "wine32:i386:/usr/lib/wine/wine"
    "fonts-wine:/usr/share/wine/fonts/marlett.ttf"
    # A Japanese font, which the pictures of tools/screenshots link in.
    "fonts-ipafont-gothic:/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"
    "xvfb:/usr/bin/Xvfb"
    "imagemagick:/usr/bin/import"
    "x11-utils:/usr/bin/xwininfo"
    "nsis:/usr/bin/makensis"
    "zip:/usr/bin/zip"
    "unzip:/usr/bin/unzip"
)

log() { printf '%s\n' "$*" >&2; }

# Installs the packages that are missing (apt; root or sudo).
ensure_packages() {
    local missing=() entry pkg file
    for entry in "${REQUIRED_PACKAGES[@]}"; do
        pkg=${entry%:*}
        file=${entry##*:}
        [ -e "$file" ] || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    log "installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    $sudo apt-get update -q >&2
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" >&2
}

# Native build of the functional core and its unit tests (warnings are
# errors in every build the tools make).
build_native() {
    cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=Debug -DBRISKLET_WERROR=ON >/dev/null &&
        cmake --build "$BUILD/native" -j"$(nproc)"
}

# Cross build for Windows: build_windows [--type TYPE] ARCH TARGET...
# ARCH is i686 or x86_64. The programs ship as MinSizeRel, built in
# $BUILD/ARCH; another build type gets a tree of its own, $BUILD/ARCH-type.
build_windows() {
    local type=MinSizeRel
    if [ "$1" = --type ]; then
        type=$2
        shift 2
    fi
    local arch=$1 dir="$BUILD/$1"
    [ "$type" = MinSizeRel ] || dir="$BUILD/$arch-${type,,}"
    cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$arch.cmake" \
        -DCMAKE_BUILD_TYPE="$type" -DBRISKLET_WERROR=ON >/dev/null &&
        cmake --build "$dir" -j"$(nproc)" --target "${@:2}"
}

# Whether this host runs 32-bit programs, found by starting one: the 32-bit
# Wine loader. A kernel without 32-bit emulation refuses it, though the
# package installs; Debian's wine wrapper still picks it then. Sets
# NO_32BIT_REASON when the answer is no. BRISKLET_NO_32BIT=1 answers no on
# any host, so that that path can be tried anywhere.
host_runs_32bit() {
    if [ -z "${HOST_RUNS_32BIT:-}" ]; then
        HOST_RUNS_32BIT=yes
        if [ "${BRISKLET_NO_32BIT:-}" = 1 ]; then
            HOST_RUNS_32BIT=no
            NO_32BIT_REASON="BRISKLET_NO_32BIT=1 has the tools treat this host as one that runs no 32-bit programs"
        elif ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
            HOST_RUNS_32BIT=no
            NO_32BIT_REASON="this host runs no 32-bit programs (the 32-bit Wine loader, /usr/lib/wine/wine, does not start)"
        fi
    fi
    [ "$HOST_RUNS_32BIT" = yes ]
}

# The private Wine prefix under the build tree (64-bit, so that it runs the
# 32-bit and the 64-bit programs); never the user's ~/.wine. Sets WINE, the
# loader every Wine call goes through: Debian's wrapper, or the 64-bit
# loader itself on a host that runs no 32-bit programs.
wine_env() {
    WINE=wine
    host_runs_32bit || WINE=/usr/lib/wine/wine64
    export WINEPREFIX="${BRISKLET_WINEPREFIX:-$BUILD/wineprefix}"
    export WINEDEBUG=-all
    # No menu builder: shortcuts the installer test makes would otherwise
    # turn into menu entries in the user's home.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    unset WINEARCH
}

# Creates the prefix once: Windows XP as the reported version, a virtual
# desktop with a taskbar and notification area, the title-bar font, a .txt
# association and a browser that records what it is asked to open.
prepare_prefix() {
    local BRISKLET_WINEPREFIX=
    wine_env
    # The stamp names the loader that made the prefix: one made by the 64-bit
    # loader alone may lack what the 32-bit programs need.
    local stamp="$WINEPREFIX/.brisklet-ready"
    [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$WINE" ] && return 0
    rm -rf "$WINEPREFIX"
    log "creating the Wine prefix $WINEPREFIX"
    WINEARCH=win64 "$WINE" wineboot -i >/dev/null 2>&1
    wineserver -w
    local regs=(
        'HKCU\Software\Wine|Version|winxp'
        'HKCU\Software\Wine\Explorer|Desktop|Default'
        'HKCU\Software\Wine\Explorer\Desktops|Default|1024x768'
        'HKCR\.txt||txtfile'
        'HKCU\Software\Wine\WineBrowser|Browsers|/usr/bin/false'
    )
    local entry key name value
    for entry in "${regs[@]}"; do
        IFS='|' read -r key name value <<<"$entry"
        if [ -z "$name" ]; then
            "$WINE" reg add "$key" /ve /d "$value" /f >/dev/null 2>&1
        else
            "$WINE" reg add "$key" /v "$name" /d "$value" /f >/dev/null 2>&1
        fi
    done
    wineserver -w
    # Without Marlett in the prefix the caption buttons draw as letters.
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    echo "$WINE" >"$stamp"
}

# A fresh copy of the prepared prefix for one test run, so that what a
# run leaves in it (registry values, installed programs) never reaches the
# next one. Exports BRISKLET_WINEPREFIX, which wine_env then uses. $1
# names the copy (wineprefix-test unless given).
fresh_test_prefix() {
    prepare_prefix
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    export BRISKLET_WINEPREFIX="$BUILD/${1:-wineprefix-test}"
    rm -rf "$BRISKLET_WINEPREFIX"
    cp -a "$BUILD/wineprefix" "$BRISKLET_WINEPREFIX"
    wine_env
}

# Sets HKLM\Software\Brisklet\Language\InstallDir in both registry views.
set_language_dir() {
    local dir=$1 view
    for view in 32 64; do
        "$WINE" reg add 'HKLM\Software\Brisklet\Language' /v InstallDir /d "$dir" /f /reg:$view >/dev/null 2>&1
    done
    # Lets the server end, so that the next program starts one on the
    # display it is given.
    wineserver -w
}

# The Windows path of a Unix path in the prefix (Z: is the root).
windows_path() {
    printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\')"
}

# Starts a private X server on a free display and exports DISPLAY; $1 is
# its size (1024x768 unless given).
start_private_display() {
    local n size=${1:-1024x768}
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        local i
        for i in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && return 0
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null
    done
    log "no free display for Xvfb"
    return 1
}

stop_private_display() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}
