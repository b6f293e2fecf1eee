#!/usr/bin/env python3
"""Checks a compiled resource file (.res, as windres -O res writes it) or a Windows program
(.exe) for the program's version information and its two-image application icon.

    check_version_resource.py vellumark.res|vellumark-cli.exe
"""

import struct
import sys

RT_ICON = 3
RT_GROUP_ICON = 14
RT_VERSION = 16

EXPECTED_STRINGS = {
    "ProductName": "Vellumark",
    "InternalName": "Vellumark",
    "OriginalFilename": "Vellumark.exe",
    "FileVersion": "1.00",
    "ProductVersion": "1.00",
}


def align4(n):
    return (n + 3) & ~3


def read_id(data, at):
    """A resource type or name: 0xFFFF and a number, or a NUL-terminated UTF-16 string."""
    (first,) = struct.unpack_from("<H", data, at)
    if first == 0xFFFF:
        (number,) = struct.unpack_from("<H", data, at + 2)
        return number, at + 4
    end = at
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[at:end].decode("utf-16-le"), end + 2


def resources(data):
    at = 0
    while at < len(data):
        size, header = struct.unpack_from("<II", data, at)
        kind, after = read_id(data, at + 8)
        name, after = read_id(data, after)
        _, _, language = struct.unpack_from("<IHH", data, align4(after))
        body = data[at + header : at + header + size]
        if size:  # the empty resource that starts every .res file
            yield kind, name, language, body
        at = align4(at + header + size)


def pe_resources(data):
    """The resources linked into a Windows program: the tree of type, name and language in
    its .rsrc section."""
    (pe,) = struct.unpack_from("<I", data, 0x3C)
    _, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
    for i in range(sections):
        at = pe + 24 + optional_size + 40 * i
        name, _, address, _, raw = struct.unpack_from("<8sIIII", data, at)
        if name.rstrip(b"\0") == b".rsrc":
            break
    else:
        return

    def entries(directory):
        named, numbered = struct.unpack_from("<HH", data, raw + directory + 12)
        for i in range(named + numbered):
            key, offset = struct.unpack_from("<II", data, raw + directory + 16 + 8 * i)
            if key & 0x80000000:
                (length,) = struct.unpack_from("<H", data, raw + (key & 0x7FFFFFFF))
                start = raw + (key & 0x7FFFFFFF) + 2
                key = data[start : start + 2 * length].decode("utf-16-le")
            yield key, offset & 0x7FFFFFFF

    for kind, names in entries(0):
        for name, languages in entries(names):
            for language, leaf in entries(languages):
                rva, size = struct.unpack_from("<II", data, raw + leaf)
                yield kind, name, language, data[rva - address + raw : rva - address + raw + size]


def version_tree(data, at=0):
    """One node of a VS_VERSIONINFO tree: (key, value, children)."""
    length, value_length, kind = struct.unpack_from("<HHH", data, at)
    end = at + length
    key_at = at + 6
    key_end = key_at
    while struct.unpack_from("<H", data, key_end)[0] != 0:
        key_end += 2
    key = data[key_at:key_end].decode("utf-16-le")
    value_at = align4(key_end + 2)
    if kind == 1:  # text: the length counts UTF-16 units, the terminator included
        value = data[value_at : value_at + 2 * value_length].decode("utf-16-le").rstrip("\0")
        value_end = value_at + 2 * value_length
    else:
        value = data[value_at : value_at + value_length]
        value_end = value_at + value_length
    children = []
    child = align4(value_end)
    while child < end:
        node, child_end = version_tree(data, child)
        children.append(node)
        child = align4(child_end)
    return (key, value, children), end


def main():
    with open(sys.argv[1], "rb") as f:
        data = f.read()
    found = list(pe_resources(data) if data.startswith(b"MZ") else resources(data))
    problems = []

    versions = [r for r in found if r[0] == RT_VERSION]
    if len(versions) != 1:
        problems.append("expected one version resource, found %d" % len(versions))
    else:
        (key, fixed, children), _ = version_tree(versions[0][3])
        if key != "VS_VERSION_INFO":
            problems.append("version root is %r" % key)
        signature, _, ms, ls, pms, pls = struct.unpack_from("<IIIIII", fixed, 0)
        if signature != 0xFEEF04BD:
            problems.append("no VS_FIXEDFILEINFO")
        if (ms, ls, pms, pls) != (0x00010000, 0, 0x00010000, 0):
            problems.append("numeric versions are not 1.0.0.0")
        tables = {
            table_key: {k: v for (k, v, _) in strings}
            for (block, _, tables_) in children
            if block == "StringFileInfo"
            for (table_key, _, strings) in tables_
        }
        if "040904B0" not in tables and "040904b0" not in tables:
            problems.append("no string block 040904B0, only %s" % sorted(tables))
        strings = tables.get("040904B0", tables.get("040904b0", {}))
        for name, want in EXPECTED_STRINGS.items():
            if strings.get(name) != want:
                problems.append("%s is %r, not %r" % (name, strings.get(name), want))

    groups = [r for r in found if r[0] == RT_GROUP_ICON]
    icons = {r[1]: r[3] for r in found if r[0] == RT_ICON}
    if len(groups) != 1:
        problems.append("expected one icon group, found %d" % len(groups))
    else:
        _, kind, count = struct.unpack_from("<HHH", groups[0][3], 0)
        sizes = []
        for i in range(count):
            w, h, colours, _, planes, bits, size, icon_id = struct.unpack_from(
                "<BBBBHHIH", groups[0][3], 6 + 14 * i
            )
            sizes.append((w, h, colours, bits))
            if icon_id not in icons or len(icons[icon_id]) != size:
                problems.append("icon image %d is missing or of the wrong size" % icon_id)
        if kind != 1 or sorted(sizes) != [(16, 16, 16, 4), (32, 32, 16, 4)]:
            problems.append("the application icon's images are %r" % sizes)

    for problem in problems:
        print("FAIL:", problem)
    if not problems:
        print("version information and icon are as expected")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
