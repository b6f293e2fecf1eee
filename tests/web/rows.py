"""The behaviour table (tests/behaviour/rows.txt) read as its head describes it, for the
page's driver: rows of steps and expectations, texts as Python strings."""

import os
import re

ROWS = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                    "behaviour", "rows.txt")
ESCAPES = {"\\": "\\", '"': '"', "n": "\n", "r": "\r", "t": "\t"}


class Row:
    def __init__(self, name, line):
        self.name, self.line, self.pending, self.items = name, line, "", []


def tokens(line, number):
    """Words, and quoted strings as ("text", units) with *N applied."""
    found, at = [], 0
    while at < len(line):
        if line[at].isspace():
            at += 1
        elif line[at] == '"':
            units, at = [], at + 1
            while at < len(line) and line[at] != '"':
                if line[at] == "\\":
                    escape = line[at + 1]
                    if escape == "u":
                        units.append(int(line[at + 2:at + 6], 16))
                        at += 6
                        continue
                    units.extend(ord(c) for c in ESCAPES[escape])
                    at += 2
                else:
                    units.extend(int.from_bytes(line[at].encode("utf-16-le")[i:i + 2], "little")
                                 for i in range(0, len(line[at].encode("utf-16-le")), 2))
                    at += 1
            if at >= len(line):
                raise ValueError(f"rows.txt:{number}: an unclosed string")
            at += 1
            repeat = re.match(r"\*(\d+)", line[at:])
            if repeat:
                units *= int(repeat.group(1))
                at += repeat.end()
            text = b"".join(u.to_bytes(2, "little") for u in units).decode("utf-16-le",
                                                                          "surrogatepass")
            if found and isinstance(found[-1], tuple):
                text = found.pop()[1] + text
            found.append(("text", text))
        else:
            end = at
            while end < len(line) and not line[end].isspace():
                end += 1
            found.append(line[at:end])
            at = end
    return found


def load(path=ROWS):
    rows = []
    with open(path, encoding="utf-8") as table:
        for number, raw in enumerate(table, 1):
            line = raw.rstrip("\r\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            words = tokens(line, number)
            keyword, arguments = words[0], words[1:]
            if keyword == "row":
                rows.append(Row(arguments[0], number))
            elif keyword == "pending":
                rows[-1].pending = arguments[0][1]
            else:
                rows[-1].items.append((keyword, arguments, number))
    return rows


def units(text):
    """A text's length in UTF-16 units, as the table counts."""
    return len(text.encode("utf-16-le", "surrogatepass")) // 2
