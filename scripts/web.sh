#!/usr/bin/env bash
# Builds the game as a web page into build-web/ (index.html beside index.js, index.wasm
# and index.data) and serves it on 127.0.0.1, printing the address to open.
#   scripts/web.sh            build, then serve (PORT=8080 by default; PORT=0 picks one)
#   scripts/web.sh build      only build
# Everything comes from Debian: emscripten, and SDL2's own Debian source built for the
# page (apt-get source libsdl2). The pictures are drawn and packed by a native build in
# build-web/native.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
out="$top/build-web"
jobs="$(nproc 2>/dev/null || echo 2)"
mode="${1:-serve}"
case "$mode" in
    build | serve) ;;
    *)
        echo "usage: scripts/web.sh [build]" >&2
        exit 2
        ;;
esac
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi

missing=()
for p in emscripten dpkg-dev; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then missing+=("$p"); fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
fi
# Debian's emscripten finds its JavaScript helpers (acorn) among Debian's node modules,
# also when the node on the path is another one.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
mkdir -p "$out"

# SDL2 for the page, from the same Debian source as the desktop's libsdl2, so the page
# draws its frames with the very code the headless target uses.
sdl_prefix="$out/sdl2"
if [ ! -f "$sdl_prefix/lib/libSDL2.a" ]; then
    src="$out/sdl2-src"
    if [ ! -d "$src" ] || ! ls -d "$src"/libsdl2-*/ >/dev/null 2>&1; then
        rm -rf "$src"
        mkdir -p "$src"
        if ! (cd "$src" && apt-get source -qq libsdl2 >/dev/null 2>&1); then
            # apt-get source needs Debian's source lists; add them beside the binary ones.
            if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
                echo "Adding Debian's source lists (/etc/apt/sources.list.d/hoofbound-deb-src.sources)"
                . /etc/os-release
                printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s %s-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
                    "$VERSION_CODENAME" "$VERSION_CODENAME" | "${sudo[@]}" tee /etc/apt/sources.list.d/hoofbound-deb-src.sources >/dev/null
            fi
            "${sudo[@]}" apt-get update -qq
            (cd "$src" && apt-get source -qq libsdl2)
        fi
    fi
    sdl_src="$(ls -d "$src"/libsdl2-*/ | head -n 1)"
    # The one change: blending with a picture's own alpha rounds as SDL's MMX blitter does
    # on x86 desktops, so the page's frames are the desktop's pixel for pixel.
    if [ ! -f "$sdl_src/.hoofbound-patched" ]; then
        patch -d "$sdl_src" -p1 <"$top/src/platform/web/sdl-blend-as-desktop.patch"
        touch "$sdl_src/.hoofbound-patched"
    fi
    echo "Building SDL2 for the page from $sdl_src"
    emcmake cmake -S "$sdl_src" -B "$out/sdl2-build" -DCMAKE_BUILD_TYPE=Release -DSDL_SHARED=OFF -DSDL_STATIC=ON \
        -DSDL_TEST=OFF -DCMAKE_INSTALL_PREFIX="$sdl_prefix" >"$out/sdl2-build.log"
    cmake --build "$out/sdl2-build" -j "$jobs" >>"$out/sdl2-build.log"
    cmake --install "$out/sdl2-build" >>"$out/sdl2-build.log"
fi

# The pictures: drawn by the native art generator and packed for the page.
HOOF_BUILD_TARGETS="images hoofpicpack" "$top/scripts/setup.sh" "$out/native" -DCMAKE_BUILD_TYPE=Release \
    -DHOOF_BENCH=OFF
rm -rf "$out/pictures"
"$out/native/hoofpicpack" "$out/native/images" "$out/pictures"

emcmake cmake -S "$top" -B "$out/game" -DCMAKE_BUILD_TYPE=Release -DHOOF_ART=OFF -DHOOF_BENCH=OFF \
    -DSDL2_DIR="$sdl_prefix/lib/cmake/SDL2" -DHOOF_WEB_PICTURES="$out/pictures" -DHOOF_WEB_OUTPUT="$out"
cmake --build "$out/game" -j "$jobs" --target hoofbound measure
echo "The page is built: $out/index.html"

if [ "$mode" = serve ]; then
    exec node "$top/scripts/web-serve.js" "$out" "${PORT:-8080}"
fi
