#!/usr/bin/env bash
# Builds the browser page into build-web/: the window core compiled to WebAssembly with
# Debian's emscripten (build tree in build-web/cmake), and beside it the page's own files.
# Open build-web/index.html straight from the file system, or serve the folder as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build-web
# Debian's emscripten finds its node modules only there when node comes from elsewhere.
export NODE_PATH=/usr/share/nodejs
export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}

# The web preset configures build-web/cmake with emscripten's toolchain, as emcmake would.
cmake --preset web >/dev/null
cmake --build --preset web

cp "$out/cmake/web/vellumark.js" web/page/index.html web/page/style.css web/page/app.js \
    web/page/manifest.webmanifest "$out/"
version=$(sed -n 's/.*kVersion = "\(.*\)";/\1/p' "$out/cmake/generated/vellumark/version.h")
sed "s/@VERSION@/$version/" web/page/sw.js >"$out/sw.js"

# The pictures, from the program's own: the silver of the button bitmaps is their mask.
for picture in paste clear cut copy; do
    convert "resources/$picture.bmp" -transparent '#C0C0C0' "PNG32:$out/$picture.png"
done
cp resources/icons/vellumark-16.png "$out/icon-16.png"
cp resources/icons/vellumark-32.png "$out/icon-32.png"
for size in 192 512; do
    convert resources/icons/vellumark-32.png -filter point -resize "${size}x$size" \
        "PNG32:$out/icon-$size.png"
done
echo "build-web/: $(cd "$out" && ls -- *.html *.js *.css *.png *.webmanifest | tr '\n' ' ')"
