#!/usr/bin/env python3
"""Derives the text model that `vellumark-cli recover` ranks plain texts with, and writes it as
recovery/text_model_table.inc.

The model is a bigram model over Windows-1252 bytes with a coarse context: the cost of a byte
depends on the class of the byte before it (each letter with its case, accented letters,
blank, digit, line feed, carriage return, punctuation, anything else). Its counts come from the
translated manual pages that Debian's base packages ship (German, French, Spanish, Italian,
Portuguese, Dutch) and their English originals, rendered with man(1). The licence texts in
/usr/share/common-licenses/, on which the ranking test measures, are not used.

Run on Debian 12 with the manual pages installed: python3 scripts/train_text_model.py
"""
import glob
import gzip
import math
import os
import re
import subprocess

LANGUAGES = ["de", "fr", "es", "it", "pt", "nl"]
BYTES_PER_LANGUAGE = 400_000
OUT = os.path.join(os.path.dirname(__file__), "..", "recovery", "text_model_table.inc")
COST_UNITS = 8  # costs are stored in eighths of a bit
SMOOTH_CONTEXT = 30.0  # pseudo-counts that pull each context towards the unigram
SMOOTH_UNIGRAM = 2000.0  # pseudo-counts that pull the unigram towards the base distribution
RARE_WEIGHT = 1e-4  # base weight of a control character against a printable one

# Windows-1252 letters beyond ASCII.
ACCENTED_LOWER = {0x9A, 0x9C, 0x9E, 0xFF, 0xDF} | (set(range(0xE0, 0xFF)) - {0xF7})
ACCENTED_UPPER = {0x8A, 0x8C, 0x8E, 0x9F} | (set(range(0xC0, 0xDF)) - {0xD7})
UNDEFINED = {0x81, 0x8D, 0x8F, 0x90, 0x9D}

CONTEXT_NAMES = ([f"'{chr(c)}'" for c in range(ord("a"), ord("z") + 1)] +
                 [f"'{chr(c)}'" for c in range(ord("A"), ord("Z") + 1)] +
                 ["accented small letter", "accented capital letter", "blank or tab", "digit",
                  "line feed", "carriage return", "sentence mark", "other ASCII mark", "other"])
BLANK = 54


def context_of(b):
    if ord("a") <= b <= ord("z"):
        return b - ord("a")
    if ord("A") <= b <= ord("Z"):
        return 26 + b - ord("A")
    if b in ACCENTED_LOWER:
        return 52
    if b in ACCENTED_UPPER:
        return 53
    if b in (0x20, 0x09, 0xA0):
        return BLANK
    if ord("0") <= b <= ord("9"):
        return 55
    if b == 0x0A:
        return 56
    if b == 0x0D:
        return 57
    if chr(b) in ".,;:!?":
        return 58
    if 0x21 <= b <= 0x7E:
        return 59
    return 60


def is_rare(b):
    return (b < 0x20 and b not in (0x09, 0x0A, 0x0D)) or b == 0x7F or b in UNDEFINED


def render(page):
    env = dict(os.environ, MANWIDTH="5000", MAN_KEEP_FORMATTING="")
    text = subprocess.run(["man", "-E", "UTF-8", "--no-hyphenation", "--no-justification", "-l",
                           page], capture_output=True, env=env).stdout.decode("utf-8", "replace")
    text = subprocess.run(["col", "-bx"], input=text.encode(), capture_output=True).stdout.decode(
        "utf-8", "replace")
    # groff's typographic hyphens and minus signs are plain hyphens in text people type.
    text = re.sub("[\u2010\u2011\u2012\u2212]", "-", text)
    lines = [re.sub(r"\s+", " ", line).strip() for line in text.splitlines()]
    return "\n".join(line for line in lines if line)


def french_spacing(text):
    """French typing, where word processors put it: a no-break space inside guillemets and
    before ; : ! ? (the manual pages have plain blanks there)."""
    text = re.sub("\u00ab ", "\u00ab\u00a0", text)
    return re.sub(" ([\u00bb;:!?])", "\u00a0\\1", text)


def corpus():
    documents = []
    english_pages = set()
    for language in LANGUAGES:
        size = 0
        pages = sorted(glob.glob(f"/usr/share/man/{language}/man[1-8]/*.gz"))
        for number, page in enumerate(pages):
            if size >= BYTES_PER_LANGUAGE:
                break
            text = render(page)
            if language == "fr" and number % 2:
                text = french_spacing(text)
            text = text.encode("cp1252", "ignore")
            documents.append(text)
            size += len(text)
            english_pages.add(page.replace(f"/man/{language}/", "/man/"))
        print(f"{language}: {size} bytes")
    size = 0
    for page in sorted(p for p in english_pages if os.path.exists(p)):
        if size >= BYTES_PER_LANGUAGE:
            break
        text = render(page).encode("cp1252", "ignore")
        documents.append(text)
        size += len(text)
    print(f"en: {size} bytes")
    # Texts typed on Windows break lines with CR LF: every other document does.
    return [d.replace(b"\n", b"\r\n") if i % 2 else d for i, d in enumerate(documents)]


def main():
    contexts = len(CONTEXT_NAMES)
    pairs = [[0] * 256 for _ in range(contexts)]
    singles = [0] * 256
    for document in corpus():
        previous = BLANK
        for b in document:
            pairs[previous][b] += 1
            singles[b] += 1
            previous = context_of(b)
    base = [RARE_WEIGHT if is_rare(b) else 1.0 for b in range(256)]
    base = [w / sum(base) for w in base]
    total = sum(singles)
    unigram = [(singles[b] + SMOOTH_UNIGRAM * base[b]) / (total + SMOOTH_UNIGRAM)
               for b in range(256)]
    costs = []
    for c in range(contexts):
        seen = sum(pairs[c])
        row = []
        for b in range(256):
            p = (pairs[c][b] + SMOOTH_CONTEXT * unigram[b]) / (seen + SMOOTH_CONTEXT)
            row.append(min(255, round(-math.log2(p) * COST_UNITS)))
        costs.append(row)

    with open(OUT, "w") as out:
        out.write("// Generated by scripts/train_text_model.py from the translated manual pages of\n"
                  "// Debian's base packages (de, fr, es, it, pt, nl) and their English originals.\n"
                  "// Do not edit by hand.\n\n")
        out.write(f"inline constexpr int kContexts = {contexts};\n")
        out.write(f"inline constexpr int kCostUnits = {COST_UNITS};  // costs in 1/{COST_UNITS} bit\n")
        out.write(f"inline constexpr std::uint8_t kStartContext = {BLANK};\n\n")
        out.write("// The context that a byte leaves for the next one.\n")
        out.write("inline constexpr std::uint8_t kContextOf[256] = {\n")
        for start in range(0, 256, 16):
            out.write("    " + ", ".join(str(context_of(b)) for b in range(start, start + 16)) +
                      ",\n")
        out.write("};\n\n")
        out.write("// -log2 P(byte | context), in 1/8 bit.\n")
        out.write("alignas(64) inline constexpr std::uint8_t kCost[kContexts][256] = {\n")
        for c in range(contexts):
            out.write(f"    {{  // after {CONTEXT_NAMES[c]}\n")
            for start in range(0, 256, 16):
                out.write("        " + ", ".join(f"{v:3d}" for v in costs[c][start:start + 16]) +
                          ",\n")
            out.write("    },\n")
        out.write("};\n")


if __name__ == "__main__":
    main()
