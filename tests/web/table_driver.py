#!/usr/bin/env python3
"""The behaviour table against the browser page: every row of tests/behaviour/rows.txt on a
freshly loaded page in headless Chromium. Keys, typing and mouse buttons go in as the browser's
own input events (the DevTools protocol's Input domain), so the page sees what a user's would
give; the clipboard is the browser's. Prints each row's verdict as GoogleTest does; exits 1 on
a failure.

    tests/web/table_driver.py [ROW...]

A clipboard text's "secret" mark is not checked: a browser offers a page no formats that keep a
text out of clipboard histories."""

import json
import re
import sys
import time

import browser
import rows
import serve

MODIFIERS = {"Alt": 1, "Ctrl": 2, "Shift": 8}
# key name: (DOM key, DOM code, Windows key code, text)
NAMED_KEYS = {
    "Tab": ("Tab", "Tab", 9, ""), "Enter": ("Enter", "Enter", 13, "\r"),
    "KeypadEnter": ("Enter", "NumpadEnter", 13, "\r"), "Space": (" ", "Space", 32, " "),
    "Esc": ("Escape", "Escape", 27, ""), "Backspace": ("Backspace", "Backspace", 8, ""),
    "Delete": ("Delete", "Delete", 46, ""), "Home": ("Home", "Home", 36, ""),
    "End": ("End", "End", 35, ""), "Left": ("ArrowLeft", "ArrowLeft", 37, ""),
    "Right": ("ArrowRight", "ArrowRight", 39, ""), "Up": ("ArrowUp", "ArrowUp", 38, ""),
    "Down": ("ArrowDown", "ArrowDown", 40, ""), "F10": ("F10", "F10", 121, ""),
}
MOUSE = {"left": 0, "middle": 1, "right": 2}
BUTTONS = ["cmdPasteInput", "cmdClearInput", "cmdCutOutput", "cmdCopyOutput"]
CONTROLS = ["txtCodeNum", "txtIn"] + BUTTONS + ["txtOut", "lblEncrypt", "lblDecrypt"]

# The page's state as the table reads it.
READ_STATE = """
const id = (name) => document.getElementById(name);
const code = id('txtCodeNum');
const active = document.activeElement;
const background = (name) => getComputedStyle(id(name)).backgroundColor;
const checked = (name) => id(name).getAttribute('aria-checked') === 'true';
const cipher = (name) => getComputedStyle(id(name)).lineBreak === 'anywhere';
const shows = (mode) => {
  const on = mode === 'encrypt';
  return background('lblEncrypt') === (on ? 'rgb(0, 255, 0)' : 'rgb(0, 128, 0)') &&
      background('lblDecrypt') === (on ? 'rgb(0, 128, 0)' : 'rgb(0, 255, 0)') &&
      checked('mnuSetEncrypt') === on && checked('mnuSetDecrypt') === !on &&
      cipher('txtOut') === on && cipher('txtIn') === !on;
};
return {
  txtCodeNum: code.value, txtIn: id('txtIn').value, txtOut: id('txtOut').textContent,
  selection: code.value.substring(code.selectionStart, code.selectionEnd),
  focus: active && arguments[0].includes(active.id) ? active.id : 'none',
  enabled: arguments[1].filter((name) => !id(name).disabled),
  look: shows('encrypt') ? 'encrypt' : shows('decrypt') ? 'decrypt' : 'mixed',
  notice: id('notice').textContent,
  about: id('frmAbout').open ? 'open' : 'closed',
  // Greyed: drawn in another colour than the input's text.
  output: getComputedStyle(id('txtOut')).color === getComputedStyle(id('txtIn')).color ?
    'current' : 'stale',
};"""

# The clipboard, made busy on demand: while window.clipboardBusy is set, the page's reads and
# writes are refused, as when another program holds the clipboard open.
BUSY_CLIPBOARD = """
const clipboard = navigator.clipboard;
const readText = clipboard.readText.bind(clipboard);
const writeText = clipboard.writeText.bind(clipboard);
const busy = () => Promise.reject(new DOMException('busy', 'NotAllowedError'));
window.clipboardBusy = false;
clipboard.readText = () => window.clipboardBusy ? busy() : readText();
clipboard.writeText = (text) => window.clipboardBusy ? busy() : writeText(text);"""


class PageDriver:
    def __init__(self, driver, url):
        self.driver, self.url = driver, url

    def cdp(self, command, **parameters):
        return self.driver.execute_cdp_cmd(command, parameters)

    def evaluate(self, expression):
        """Runs `expression` as if from a user's gesture, awaiting a promise it returns."""
        result = self.cdp("Runtime.evaluate", expression=expression, userGesture=True,
                          awaitPromise=True, returnByValue=True)
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {reason(result['exceptionDetails'])}")
        return result["result"].get("value")

    def open(self):
        browser.open_page(self.driver, self.url)
        self.driver.execute_script(BUSY_CLIPBOARD)
        self.set_clipboard("")

    def set_clipboard(self, text, busy=False):
        self.evaluate("window.clipboardBusy = false")
        self.evaluate(f"navigator.clipboard.writeText({quote(text)})")
        self.evaluate(f"window.clipboardBusy = {'true' if busy else 'false'}")

    def settle(self):
        """Waits, boundedly, for the clipboard requests that the page has under way."""
        if not self.driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            const started = performance.now();
            (function poll() {
              if (vmPending === 0) return done(true);
              if (performance.now() - started > 5000) return done(false);
              setTimeout(poll, 1);
            })();"""):
            raise RuntimeError("the clipboard did not answer within 5 s")

    def key(self, chord):
        parts = chord.split("+")
        name, modifiers = parts[-1], sum(MODIFIERS[m] for m in parts[:-1])
        if name in NAMED_KEYS:
            key, code, virtual, text = NAMED_KEYS[name]
        elif len(name) == 1 and name.isalnum():
            upper = name.upper()
            key = upper if modifiers & 8 else name.lower()
            code = ("Digit" if name.isdigit() else "Key") + upper
            virtual, text = ord(upper), key
        else:
            raise RuntimeError(f"no key {chord}")
        if modifiers & 3:
            text = ""
        down = {"type": "keyDown" if text else "rawKeyDown", "key": key, "code": code,
                "windowsVirtualKeyCode": virtual, "modifiers": modifiers, "text": text}
        if code == "NumpadEnter":
            down["location"] = 3
        self.cdp("Input.dispatchKeyEvent", **down)
        self.cdp("Input.dispatchKeyEvent", type="keyUp", key=key, code=code,
                 windowsVirtualKeyCode=virtual, modifiers=modifiers)

    def type(self, text):
        for character in text:
            if character == "\n":
                self.key("Enter")
            elif character == " ":
                self.key("Space")
            else:
                self.cdp("Input.dispatchKeyEvent", type="keyDown", key=character,
                         text=character)
                self.cdp("Input.dispatchKeyEvent", type="keyUp", key=character)

    def click(self, name, button="left"):
        box = self.driver.execute_script("""
            const r = document.getElementById(arguments[0]).getBoundingClientRect();
            return [r.left, r.top, r.width, r.height];""", name)
        left, top, width, height = box
        if name == "txtCodeNum":
            x, y = left + width - 4, top + height / 2          # past the end of its text
        elif name in ("txtIn", "txtOut"):
            x, y = left + 8, top + height - 5                  # below its last line
        else:
            x, y = left + width / 2, top + height / 2
        self.cdp("Input.dispatchMouseEvent", type="mouseMoved", x=x, y=y)
        for kind in ("mousePressed", "mouseReleased"):
            self.cdp("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button,
                     clickCount=1)

    def menu(self, entry):
        title = "Help" if entry == "mnuAbout" else "Encryption"
        position = self.driver.execute_script("""
            const title = [...document.querySelectorAll('.menu-title')]
                .find((element) => element.textContent === arguments[0]);
            const r = title.getBoundingClientRect();
            return [r.left + r.width / 2, r.top + r.height / 2];""", title)
        for kind in ("mousePressed", "mouseReleased"):
            self.cdp("Input.dispatchMouseEvent", type=kind, x=position[0], y=position[1],
                     button="left", clickCount=1)
        self.click(entry)

    def apply(self, keyword, arguments):
        if keyword == "key":
            self.key(arguments[0])
        elif keyword == "type":
            self.type(arguments[0][1])
        elif keyword == "click":
            self.click(arguments[0], arguments[1] if len(arguments) > 1 else "left")
        elif keyword == "focus":
            self.driver.execute_script(
                "arguments[0] === 'none' ? document.activeElement.blur()"
                " : document.getElementById(arguments[0]).focus()", arguments[0])
        elif keyword == "clipboard":
            value = arguments[0]
            self.set_clipboard(value[1] if isinstance(value, tuple) else "", value == "busy")
        elif keyword == "menu":
            self.menu(arguments[0])
        elif keyword == "modeset":
            self.driver.execute_script("Module._ModeSet(arguments[0])", int(arguments[0]))
        else:
            raise RuntimeError(f"no step {keyword}")
        self.settle()

    def check(self, arguments):
        state = self.driver.execute_script(READ_STATE, CONTROLS, BUTTONS)
        field, rest = arguments[0], arguments[1:]
        if field in ("txtCodeNum", "txtIn", "txtOut", "selection", "notice"):
            actual = state[field]
            if rest[0] == "length":
                return None if rows.units(actual) == int(rest[1]) else \
                    f"{field}: length {rows.units(actual)}, expected {rest[1]}"
            if rest[0] == "matches":
                return None if re.fullmatch(rest[1][1], actual) else \
                    f"{field}: {shorten(actual)} does not match {rest[1][1]}"
            return None if actual == rest[0][1] else \
                f"{field}: {shorten(actual)}, expected {shorten(rest[0][1])}"
        if field in ("focus", "look", "about", "output"):
            return None if state[field] == rest[0] else f"{field}: {state[field]}, expected {rest[0]}"
        if field == "enabled":
            return None if state["enabled"] == rest else \
                f"enabled: {' '.join(state['enabled'])}, expected {' '.join(rest)}"
        if field == "clipboard":
            self.evaluate("window.clipboardBusy = false")
            actual = self.evaluate("navigator.clipboard.readText()")
            expected = "" if rest[0] == "empty" else rest[0][1]
            return None if actual == expected else \
                f"clipboard: {shorten(actual)}, expected {shorten(expected)}"
        raise RuntimeError(f"no field {field}")

    def run(self, row):
        self.open()
        failures = []
        for keyword, arguments, line in row.items:
            if keyword == "expect":
                wrong = self.check(arguments)
                if wrong:
                    failures.append(f"rows.txt:{line}: {wrong}")
            else:
                self.apply(keyword, arguments)
        return failures


def reason(details):
    """What an expression threw or its promise was rejected with: for an error such as a
    DOMException its name and message, since the exception's text says only "Uncaught (in
    promise)"."""
    thrown = details.get("exception", {})
    if "description" in thrown:  # an object: "NotAllowedError: ..." and then its stack
        return thrown["description"].split("\n    at ")[0]
    if "value" in thrown:
        return f"{details['text']}: {thrown['value']!r}"
    return details["text"]


def quote(text):
    return json.dumps(text)


def shorten(text):
    text = repr(text)
    return text if len(text) < 80 else text[:60] + f"... ({len(text)} characters)"


def main(names):
    table = [row for row in rows.load() if not names or row.name in names]
    server, url = serve.serve()
    driver = browser.start()
    failed = 0
    try:
        page = PageDriver(driver, url)
        origin = url.rsplit("/", 1)[0]
        page.cdp("Browser.grantPermissions", origin=origin,
                 permissions=["clipboardReadWrite", "clipboardSanitizedWrite"])
        for row in table:
            # GoogleTest's lines, which ctest's report of each row reads (run_once.cmake).
            name = f"behaviour.web/{row.name}"
            print(f"[ RUN      ] {name}", flush=True)
            if row.pending:
                print(f"{row.pending}\n[  SKIPPED ] {name} (0 ms)", flush=True)
                continue
            start = time.monotonic()
            try:
                failures = page.run(row)
            except Exception as error:  # a step the page could not take fails its row
                failures = [f"rows.txt:{row.line}: {browser.describe(error)}"]
            for failure in failures:
                print("    " + failure)
            verdict = "  FAILED  " if failures else "       OK "
            print(f"[{verdict}] {name} ({(time.monotonic() - start) * 1000:.0f} ms)", flush=True)
            failed += bool(failures)
    finally:
        driver.quit()
        server.shutdown()
    print(f"[==========] {len(table)} tests from 1 test suite ran.")
    print(f"{len(table) - failed} of {len(table)} rows passed or skipped in the browser")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
