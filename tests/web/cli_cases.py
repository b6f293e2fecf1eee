#!/usr/bin/env python3
"""300 random cases, byte for byte, against vellumark-cli: texts (the limits among them),
code numbers (invalid ones among them) and both modes, and wrapped cipher texts to decrypt.
The page takes each case through its boxes, as typing would report it, and the mode through
the window's ModeSet.

    tests/web/cli_cases.py build/cli/vellumark-cli [--seed N]"""

import argparse
import random
import subprocess
import sys

import browser
import rows

LIMIT = 32766
ALPHABET = ("abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789 .,;:!?'\"()-\n\t"
            "\u00e9\u00fc\u00df\u00e7\u00a0\u20ac\u201c\u201d\u2013\u00b0\u00ff")
UNDEFINED_1252 = (0x81, 0x8D, 0x8F, 0x90, 0x9D)


def line_break():
    """The line break that the window encrypts: CR LF once the table's row says so."""
    row = next(r for r in rows.load() if r.name == "a_line_break_is_encrypted_as_cr_lf")
    return "\n" if row.pending else "\r\n"


def to_1252(text):
    return text.encode("cp1252")


def from_1252(data):
    return "".join(chr(b) if b in UNDEFINED_1252 else bytes([b]).decode("cp1252") for b in data)


def cli(program, mode, code, data):
    """The CLI's answer: (exit status, output bytes)."""
    done = subprocess.run([program, mode, "--code", code, "--bytes"], input=data,
                          capture_output=True, check=False)
    return done.returncode, done.stdout


def cases(generator, program):
    made = []
    for number in range(300):
        code = str(generator.randint(1, 999999))
        if number % 25 == 0:
            code = generator.choice(["0", "000000", "", "12a", "-5", " 1"])
        elif number % 10 == 0:
            code = code.zfill(6)
        length = generator.choice([0, 1, 2, 3, 5, 17, 80, 300, 2000])
        text = "".join(generator.choice(ALPHABET) for _ in range(length))
        if number in (1, 2):
            text = ("Attack at dawn. " * 2048)[:LIMIT + number - 1]  # at and over the limit
        if number == 3:
            text = "Cut short \u2615 here"                             # no Windows-1252 byte
        if number % 2 == 0 or number in (1, 2, 3):
            made.append(("encrypt", code, text))
            continue
        # A cipher text to decrypt, from the CLI, sometimes wrapped as mail programs do.
        status, cipher = cli(program, "encrypt", code, to_1252(text.replace("\n", line_break())))
        if status != 0:
            made.append(("encrypt", code, text))
            continue
        symbols = cipher.decode("ascii")
        if number % 3 == 0:
            symbols = "\n".join(symbols[i:i + 76] for i in range(0, len(symbols), 76))
        made.append(("decrypt", code, symbols))
    # The longest cipher text, wrapped.
    status, cipher = cli(program, "encrypt", "408153", to_1252(("Dawn. " * 6000)[:LIMIT]))
    symbols = cipher.decode("ascii")
    made[5] = ("decrypt", "408153", "\r\n".join(symbols[i:i + 64] for i in range(0, len(symbols), 64)))
    return made


PAGE_RUN = """
const id = (name) => document.getElementById(name);
const put = (name, value) => {
  id(name).value = value;
  id(name).dispatchEvent(new Event('input', {bubbles: true}));
};
return arguments[0].map(([mode, code, text]) => {
  put('txtIn', '');
  put('txtCodeNum', code);
  Module._ModeSet(mode === 'encrypt' ? 1 : 2);
  put('txtIn', text);
  return [id('txtOut').textContent, id('notice').textContent];
});"""


def expected(program, mode, code, text):
    """What the page must show: (output, None), or (None, the start of its notice) for an
    input that the window refuses and the CLI exits 1 on."""
    try:
        data = to_1252(text.replace("\n", line_break()) if mode == "encrypt" else text)
    except UnicodeEncodeError:
        data = None
    status, output = cli(program, mode, code, data if data is not None else b"")
    if status == 2:
        return "Invalid Code Number", None
    if data is None:
        return None, "Cannot encrypt character"
    if status == 1:
        return None, "Input over"
    return from_1252(output).replace("\r\n", "\n").replace("\r", "\n"), None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("--seed", type=int, default=19)
    arguments = parser.parse_args()
    made = cases(random.Random(arguments.seed), arguments.cli)
    driver = browser.start()
    try:
        browser.open_page(driver)
        shown = driver.execute_script(PAGE_RUN, [list(case) for case in made])
    finally:
        driver.quit()
    failures = 0
    for number, ((mode, code, text), (output, notice)) in enumerate(zip(made, shown)):
        want, want_notice = expected(arguments.cli, mode, code, text)
        if want is not None and output == want:
            continue
        if want is None and notice.startswith(want_notice):
            continue
        failures += 1
        print(f"case {number}: {mode} under {code!r} of {text[:40]!r}... ({len(text)} characters):"
              f" the page shows {output[:40]!r} with notice {notice!r},"
              f" the CLI gives {str(want)[:40]!r} / {want_notice!r}")
    print(f"{len(made) - failures} of {len(made)} cases agree with {arguments.cli}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
