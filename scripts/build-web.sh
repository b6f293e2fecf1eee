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

# The page is one file: its style and scripts go inside index.html, each allowed by its hash in
# the Content-Security-Policy, as loading them as files of their own delays the start.
/usr/bin/python3 - web/page "$out/cmake/web/vellumark.js" "$out/index.html" <<'EOF'
import base64
import hashlib
import sys

page, core, target = sys.argv[1:]


def read(path):
    with open(path, encoding="utf-8") as text:
        return text.read()


def inline(html, reference, tag, text):
    # The HTML parser would end or bend the element at these.
    if f"</{tag}" in text.lower() or "<!--" in text:
        sys.exit(f"build-web: {reference} cannot go inside a <{tag}>")
    if reference not in html:
        sys.exit(f"build-web: index.html has no {reference}")
    digest = base64.b64encode(hashlib.sha256(text.encode()).digest()).decode()
    return html.replace(reference, f"<{tag}>{text}</{tag}>"), f"'sha256-{digest}'"


html = read(f"{page}/index.html")
html, style = inline(html, '<link rel="stylesheet" href="style.css">', "style",
                     read(f"{page}/style.css"))
html, app = inline(html, '<script src="app.js"></script>', "script", read(f"{page}/app.js"))
html, runtime = inline(html, '<script src="vellumark.js"></script>', "script", read(core))
for source, hashes in (("style-src 'self'", f"style-src {style}"),
                       ("script-src 'self'", f"script-src {app} {runtime}")):
    if source not in html:
        sys.exit(f"build-web: the Content-Security-Policy has no {source}")
    html = html.replace(source, hashes)
with open(target, "w", encoding="utf-8") as out:
    out.write(html)
EOF
cp resources/web/manifest.webmanifest "$out/"
rm -f "$out/style.css" "$out/app.js" "$out/vellumark.js"

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
# The service worker's cache is named after what ships, and after the worker itself.
files_hash=$(cat -- "$out"/*.html "$out"/*.png "$out"/*.webmanifest web/page/sw.js | sha256sum |
             cut -c1-16)
sed "s/@FILES_HASH@/$files_hash/" web/page/sw.js >"$out/sw.js"
echo "build-web/: $(cd "$out" && ls -- *.html *.js *.png *.webmanifest | tr '\n' ' ')"
