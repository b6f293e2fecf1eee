#!/usr/bin/env python3
"""Writes the translated messages of some base packages (longer than 40 characters), one file
per package, as UTF-8 texts for `recover_rates --folder`: text in another language than the
licences, and not what the text model learnt from.

    python3 scripts/message_texts.py fr /tmp/messages-fr
"""
import os
import struct
import sys

PACKAGES = ["coreutils", "dpkg", "apt", "bash", "grep", "findutils", "diffutils", "tar"]


def translations(path):
    with open(path, "rb") as f:
        data = f.read()
    count, translated_at = struct.unpack("<I4xI", data[8:20])
    for i in range(1, count):  # entry 0 is the catalogue's header
        length, offset = struct.unpack("<II", data[translated_at + 8 * i:translated_at + 8 * i + 8])
        yield data[offset:offset + length].decode("utf-8", "ignore").split("\0")[0]


def main():
    language, folder = sys.argv[1], sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    for package in PACKAGES:
        path = f"/usr/share/locale/{language}/LC_MESSAGES/{package}.mo"
        if os.path.exists(path):
            with open(os.path.join(folder, package + ".txt"), "w") as out:
                out.write("\n".join(t for t in translations(path) if len(t) > 40))


if __name__ == "__main__":
    main()
