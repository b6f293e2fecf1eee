#!/usr/bin/env python3
"""Writes Vellumark's pictures into resources/: the four 16-colour button bitmaps, the
program icon, the hand cursor of the about box, and PNG copies of the icon's two images
for the desktop's icon theme.

The pixels live here as text grids so that they can be read and changed by eye. Only the
standard library is used, so the script runs anywhere Python 3 does:

    python3 scripts/make_pictures.py [output-directory]

The formats are the old Windows ones on purpose (4 bits per pixel, the fixed 16-colour
palette, BITMAPINFOHEADER), and the byte sizes are asserted, because the program and its
tests rely on them.
"""

import os
import struct
import sys
import zlib

# The standard 16-colour palette, in the order that 4-bit Windows bitmaps index it.
PALETTE = [
    (0x00, 0x00, 0x00),  # 0 black
    (0x80, 0x00, 0x00),  # 1 maroon
    (0x00, 0x80, 0x00),  # 2 green
    (0x80, 0x80, 0x00),  # 3 olive
    (0x00, 0x00, 0x80),  # 4 navy
    (0x80, 0x00, 0x80),  # 5 purple
    (0x00, 0x80, 0x80),  # 6 teal
    (0xC0, 0xC0, 0xC0),  # 7 silver
    (0x80, 0x80, 0x80),  # 8 gray
    (0xFF, 0x00, 0x00),  # 9 red
    (0x00, 0xFF, 0x00),  # 10 lime
    (0xFF, 0xFF, 0x00),  # 11 yellow
    (0x00, 0x00, 0xFF),  # 12 blue
    (0xFF, 0x00, 0xFF),  # 13 fuchsia
    (0x00, 0xFF, 0xFF),  # 14 aqua
    (0xFF, 0xFF, 0xFF),  # 15 white
]

# One letter per palette entry in the grids below. In icons and cursors "." is transparent;
# in the button bitmaps it is the silver background that the buttons mask out.
LETTERS = {
    "K": 0, "m": 1, "g": 2, "o": 3, "n": 4, "p": 5, "t": 6, "s": 7,
    "G": 8, "R": 9, "L": 10, "Y": 11, "B": 12, "F": 13, "A": 14, "W": 15,
}
SILVER = 7
TRANSPARENT = None

# ---------------------------------------------------------------------------------------
# The pictures

PASTE = """
.....KKKKKK.....
..KKKKsWWsKKKK..
.KoooKKKKKKoooK.
.KooooooooooooK.
.KooooooooooooK.
.KoooooKKKKKKKKK
.KoooooKWWWWWWWK
.KoooooKWnnnnnWK
.KoooooKWWWWWWWK
.KoooooKWnnnnWWK
.KoooooKWWWWWWWK
.KoooooKWnnnnnWK
.KoooooKWWWWWWWK
.KoooooKWnnnWWWK
..KKKKKKWWWWWWWK
.......KKKKKKKKK
"""

CLEAR = """
................
................
..KK........KK..
..KKK......KKK..
...KKK....KKK...
....KKK..KKK....
.....KKKKKK.....
......KKKK......
......KKKK......
.....KKKKKK.....
....KKK..KKK....
...KKK....KKK...
..KKK......KKK..
..KK........KK..
................
................
"""

CUT = """
....K.....K.....
....K.....K.....
....KG...GK.....
....KG...GK.....
.....K...K......
.....KG.GK......
.....KG.GK......
......K.K.......
......KKK.......
.......K........
......nnn.......
..nnnnn.nnnnn...
.n...n...n...n..
.n...n...n...n..
.n...n...n...n..
..nnn.....nnn...
"""

COPY = """
KKKKKKK.........
KWWWWWKK........
KWnnnWKWK.......
KWWWWWKKKK......
KWnnnnnWWK......
KWWWWWKKKKKKK...
KWnnnnKWWWWWKK..
KWWWWWKWnnnWKWK.
KWnnnnKWWWWWKKKK
KWWWWWKWnnnnnWWK
KKKKKKKWWWWWWWWK
.......KWnnnnnWK
.......KWWWWWWWK
.......KWnnnnWWK
.......KWWWWWWWK
.......KKKKKKKKK
"""

# The key of the 16 x 16 icon image; the 32 x 32 one is drawn from shapes further down.
KEY16 = """
................
..KKKK..........
.KWYYYK.........
KWYKKYoK........
KYK..KYKKKKKKKKK
KYK..KYWWWWWWWWK
KYoKKoYYYYYYYYoK
.KYYYoKKKKYoKYoK
..KKKK...KYoKYoK
.........KKKKYoK
............KKKK
................
................
................
................
................
"""

# A pointing hand; the hot spot (5, 0) is the top of the index finger.
HAND = """
.....KK.........................
....KWWK........................
....KWWK........................
....KWWK........................
....KWWK........................
....KWWKKK......................
....KWWKWWKKK...................
....KWWKWWKWWKK.................
.KK.KWWKWWKWWKWK................
KWWKKWWWWWWWWKWWK...............
KWWWKWWWWWWWWWWWK...............
.KWWKWWWWWWWWWWWK...............
..KWWWWWWWWWWWWWK...............
..KWWWWWWWWWWWWWK...............
...KWWWWWWWWWWWWK...............
...KWWWWWWWWWWWK................
....KWWWWWWWWWWK................
....KWWWWWWWWWWK................
.....KWWWWWWWWK.................
.....KWWWWWWWWK.................
.....KKKKKKKKKK.................
................................
................................
................................
................................
................................
................................
................................
................................
................................
................................
................................
"""
HAND_HOTSPOT = (5, 0)


def grid(text, blank):
    """Rows of palette indexes from a text grid; "." becomes `blank`."""
    rows = [line for line in text.strip("\n").split("\n")]
    return [[blank if c == "." else LETTERS[c] for c in row] for row in rows]


def key32():
    """The 32 x 32 key: a ring at the left, a shaft, and a bit of two teeth, outlined in
    black, lit from the top left, with a checkered shadow falling to the bottom right."""
    size = 32
    cx, cy = 9.0, 12.0

    def in_key(x, y):
        px, py = x + 0.5, y + 0.5
        d2 = (px - cx) ** 2 + (py - cy) ** 2
        if 3.2 ** 2 <= d2 <= 7.5 ** 2:
            return True
        if 15 <= x <= 29 and 10 <= y <= 13:  # shaft
            return True
        if 21 <= x <= 23 and 14 <= y <= 18:  # first tooth
            return True
        if 26 <= x <= 29 and 14 <= y <= 20:  # second tooth
            return True
        return False

    body = [[in_key(x, y) for x in range(size)] for y in range(size)]

    def solid(x, y):
        return 0 <= x < size and 0 <= y < size and body[y][x]

    def near(x, y):
        return any(solid(x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1))

    pixels = [[TRANSPARENT] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            if solid(x, y):
                # Light comes from the top left: the edges facing it get a highlight,
                # the edges facing away a darker yellow.
                if not solid(x - 1, y - 1) and (not solid(x - 1, y) or not solid(x, y - 1)):
                    pixels[y][x] = 15
                elif not solid(x + 1, y + 1) or not solid(x + 1, y) or not solid(x, y + 1):
                    pixels[y][x] = 3
                else:
                    pixels[y][x] = 11
            elif near(x, y):
                pixels[y][x] = 0
    return add_shadow(pixels, 3)


def add_shadow(pixels, offset):
    """The dithered shadow: the key moved `offset` pixels down and right, in gray on every
    other pixel, so that the background shows through between them."""
    size = len(pixels)
    shadowed = [row[:] for row in pixels]
    for y in range(size):
        for x in range(size):
            sx, sy = x - offset, y - offset
            if (
                pixels[y][x] is TRANSPARENT
                and (x + y) % 2 == 0
                and 0 <= sx < size
                and 0 <= sy < size
                and pixels[sy][sx] is not TRANSPARENT
            ):
                shadowed[y][x] = 8
    return shadowed


# ---------------------------------------------------------------------------------------
# Writing the formats


def pack_4bpp(pixels, blank):
    """The pixel rows of a 4-bit DIB: bottom row first, two pixels a byte, high nibble
    first, each row padded to 4 bytes."""
    out = bytearray()
    for row in reversed(pixels):
        values = [blank if p is TRANSPARENT else p for p in row]
        if len(values) % 2:
            values.append(0)
        line = bytes((values[i] << 4) | values[i + 1] for i in range(0, len(values), 2))
        line += b"\0" * (-len(line) % 4)
        out += line
    return bytes(out)


def pack_mask(pixels):
    """The AND mask of an icon or cursor: 1 where the screen shows through, bottom row
    first, one bit a pixel, each row padded to 4 bytes."""
    out = bytearray()
    for row in reversed(pixels):
        bits = [1 if p is TRANSPARENT else 0 for p in row]
        bits += [0] * (-len(bits) % 32)
        out += bytes(
            sum(bit << (7 - j) for j, bit in enumerate(bits[i : i + 8]))
            for i in range(0, len(bits), 8)
        )
    return bytes(out)


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)


def info_header(width, height, image_size):
    # biSize, biWidth, biHeight, biPlanes, biBitCount, biCompression, biSizeImage,
    # biXPelsPerMeter, biYPelsPerMeter, biClrUsed, biClrImportant
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 0, 0, 0, 0)


def bitmap_file(pixels):
    height, width = len(pixels), len(pixels[0])
    bits = pack_4bpp(pixels, SILVER)
    offset = 14 + 40 + 64
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    data = header + info_header(width, height, len(bits)) + palette_bytes() + bits
    assert len(data) == 246, len(data)
    return data


def icon_image(pixels):
    """One image as it sits inside an .ico or .cur: the header gives twice the height,
    since the colour bits and the AND mask follow each other."""
    height, width = len(pixels), len(pixels[0])
    bits = pack_4bpp(pixels, 0)
    mask = pack_mask(pixels)
    return info_header(width, height * 2, len(bits) + len(mask)) + palette_bytes() + bits + mask


def icon_file(images, kind=1, hotspots=None):
    """An .ico (kind 1) or a .cur (kind 2) holding `images`; a cursor's directory entry
    carries the hot spot where an icon's carries planes and bit count."""
    blobs = [icon_image(p) for p in images]
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for i, (pixels, blob) in enumerate(zip(images, blobs)):
        height, width = len(pixels), len(pixels[0])
        if kind == 2:
            a, b = hotspots[i]
        else:
            a, b = 1, 4
        out += struct.pack("<BBBBHHII", width % 256, height % 256, 16, 0, a, b, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def read_icon_images(data):
    """The images of an .ico written by icon_file, as rows of (r, g, b, a), read back from
    the bytes so that the theme's PNGs are the icon's own pixels."""
    _, _, count = struct.unpack_from("<HHH", data, 0)
    images = []
    for i in range(count):
        w, h, _, _, _, _, _, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        w, h = w or 256, h or 256
        bits_at = offset + 40 + 64
        row_bytes = ((w * 4 + 31) // 32) * 4
        mask_at = bits_at + row_bytes * h
        mask_row = ((w + 31) // 32) * 4
        rows = []
        for y in range(h):
            src = h - 1 - y
            row = []
            for x in range(w):
                byte = data[bits_at + src * row_bytes + x // 2]
                index = (byte >> 4) if x % 2 == 0 else (byte & 15)
                m = (data[mask_at + src * mask_row + x // 8] >> (7 - x % 8)) & 1
                r, g, b = PALETTE[index]
                row.append((r, g, b, 0 if m else 255))
            rows.append(row)
        images.append(rows)
    return images


def png_file(rows):
    def chunk(kind, payload):
        return (
            struct.pack(">I", len(payload))
            + kind
            + payload
            + struct.pack(">I", zlib.crc32(kind + payload) & 0xFFFFFFFF)
        )

    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in rows)
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (
        b"\x89PNG\r\n\x1a\n"
        + chunk(b"IHDR", ihdr)
        + chunk(b"IDAT", zlib.compress(raw, 9))
        + chunk(b"IEND", b"")
    )


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources")
    os.makedirs(os.path.join(out_dir, "icons"), exist_ok=True)

    files = {}
    for name, art in (("paste", PASTE), ("clear", CLEAR), ("cut", CUT), ("copy", COPY)):
        pixels = grid(art, SILVER)
        assert len(pixels) == 16 and all(len(r) == 16 for r in pixels), name
        files[name + ".bmp"] = bitmap_file(pixels)

    key_small = add_shadow(grid(KEY16, TRANSPARENT), 2)
    assert len(key_small) == 16 and all(len(r) == 16 for r in key_small)
    icon = icon_file([key32(), key_small])
    assert len(icon) == 1078, len(icon)
    files["vellumark.ico"] = icon

    hand = grid(HAND, TRANSPARENT)
    assert len(hand) == 32 and all(len(r) == 32 for r in hand)
    cursor = icon_file([hand], kind=2, hotspots=[HAND_HOTSPOT])
    assert len(cursor) == 766, len(cursor)
    files["hand.cur"] = cursor

    for rows in read_icon_images(icon):
        files[os.path.join("icons", "vellumark-%d.png" % len(rows))] = png_file(rows)

    for name, data in files.items():
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(data)
        print("%-22s %5d bytes" % (name, len(data)))


if __name__ == "__main__":
    main()
