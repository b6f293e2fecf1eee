#!/usr/bin/env python3
"""The page's own checks in headless Chromium, each PASS or FAIL; exits 1 on a failure.

  requests  served over http, loaded twice (the second time from its service worker) and
            used: every request it makes is for one of its own files
  phone     at 360 x 740: every control inside the screen, every target at least 44 pixels,
            no text clipped
  file      opened from the file system: encrypts, decrypts and copies
  dark      turned dark (prefers-color-scheme) after loading: every text, the menus' and the
            about box's among them, reads at 4.5:1 or more on its background
  refusals  the clipboard's read, then its write, refused: Paste and Copy each say their own
  keyboard  the menus and the about box by keyboard alone, as a menu bar: F10, Alt and a menu's
            letter, the arrows, an entry's letter, Enter, Space and Esc; then File > Exit

    tests/web/page_checks.py [CHECK...] [--screenshots FOLDER]"""

import argparse
import os
import sys
from urllib.parse import urlparse

import browser
import serve
from table_driver import PageDriver

TARGETS = ["txtCodeNum", "lblEncrypt", "lblDecrypt", "txtIn", "cmdPasteInput",
           "cmdClearInput", "txtOut", "cmdCutOutput", "cmdCopyOutput"]


def fill(driver, text):
    """Puts `text` into the input box at once, as a paste of the browser's own does."""
    driver.execute_script("""
        const box = document.getElementById('txtIn');
        box.value = arguments[0];
        box.dispatchEvent(new Event('input', {bubbles: true}));""", text)


def check_requests(_):
    server, url = serve.serve()
    driver = browser.start(log_network=True)
    try:
        page = PageDriver(driver, url)
        page.open()
        driver.execute_async_script(
            "navigator.serviceWorker.ready.then(() => arguments[arguments.length - 1]())")
        page.open()
        page.click("txtIn")
        page.type("Hello")
        page.click("cmdCopyOutput")
        page.settle()
        urls = browser.requests(driver, url.rsplit("/", 1)[0])
    finally:
        driver.quit()
        server.shutdown()
    origin = urlparse(url).netloc
    own = set(os.listdir(browser.PAGE_DIR)) | {""}
    foreign = [u for u in urls if urlparse(u).netloc != origin
               or urlparse(u).path.lstrip("/") not in own]
    if not urls or foreign:
        return f"{len(urls)} requests, not the page's own: {foreign}"
    return None


# Every target's rectangle, and every text that does not fit its element.
MEASURE = """
const rects = {};
for (const name of arguments[0]) {
  const r = document.getElementById(name).getBoundingClientRect();
  rects[name] = [r.left, r.top, r.right, r.bottom];
}
for (const title of document.querySelectorAll('.menu-title')) {
  const r = title.getBoundingClientRect();
  rects[title.textContent] = [r.left, r.top, r.right, r.bottom];
}
const clipped = [...document.querySelectorAll('.caption, .mode, .menu-title, #notice, h1')]
  .filter((e) => e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight)
  .map((e) => e.id || e.textContent);
return [rects, clipped, document.documentElement.scrollWidth];"""

WIDTH, HEIGHT = 360, 740


def check_phone(arguments):
    driver = browser.start()
    try:
        page = PageDriver(driver, browser.PAGE_URL)
        page.cdp("Emulation.setDeviceMetricsOverride", width=WIDTH, height=HEIGHT,
                 deviceScaleFactor=2, mobile=True)
        browser.open_page(driver)
        # The longest notice there is: the last character of a text at the limit.
        fill(driver, "q" * 32765 + "\U0001F600")
        rects, clipped, scroll_width = driver.execute_script(MEASURE, TARGETS)
        if arguments.screenshots:
            fill(driver, "Meet me at noon by the old mill.")
            driver.save_screenshot(os.path.join(arguments.screenshots, "web-phone.png"))
    finally:
        driver.quit()
    problems = [f"{name} at {r} is not inside {WIDTH} x {HEIGHT}"
                for name, r in rects.items()
                if r[0] < 0 or r[1] < 0 or r[2] > WIDTH or r[3] > HEIGHT]
    problems += [f"{name} is {r[2] - r[0]:.0f} x {r[3] - r[1]:.0f} pixels"
                 for name, r in rects.items() if r[2] - r[0] < 44 or r[3] - r[1] < 44]
    problems += [f"the text of {name!r} is clipped" for name in clipped]
    if scroll_width > WIDTH:
        problems.append(f"the page is {scroll_width} pixels wide")
    return "; ".join(problems) or None


def check_file(arguments):
    driver = browser.start(width=700, height=500)
    try:
        page = PageDriver(driver, browser.PAGE_URL)
        browser.open_page(driver)
        read = lambda name: driver.execute_script(
            "const box = document.getElementById(arguments[0]); return box.value ?? box.textContent",
            name)
        page.click("txtIn")
        page.type("Hello")
        cipher = read("txtOut")
        page.key("Ctrl+D")
        page.click("txtIn")
        page.key("Ctrl+A")
        page.type(cipher)
        plain = read("txtOut")
        page.click("cmdCopyOutput")
        page.settle()
        notice = driver.execute_script("return document.getElementById('notice').textContent")
        # The browser's own paste shows what the button put on the clipboard.
        page.click("txtIn")
        page.key("Ctrl+A")
        page.key("Ctrl+V")
        copied = read("txtIn")
        # Copied by hand, an output that the box holds in several pieces comes whole.
        page.key("Ctrl+E")
        fill(driver, "Meet me at noon by the old mill. " * 200)
        page.click("txtOut")
        page.key("Ctrl+A")
        page.key("Ctrl+C")
        long_output = read("txtOut")
        pieces = driver.execute_script("return document.getElementById('txtOut').children.length")
        page.click("txtIn")
        page.key("Ctrl+A")
        page.key("Ctrl+V")
        whole = pieces > 1 and read("txtIn") == long_output
        # A key amid a long input changes the output from a piece's middle on: the pieces then
        # hold what a box filled afresh holds.
        driver.execute_script("document.getElementById('txtIn').setSelectionRange(2500, 2500)")
        page.type("x")
        edited = read("txtOut")
        text = driver.execute_script("return document.getElementById('txtIn').value")
        fill(driver, "")
        fill(driver, text)
        whole = whole and edited == read("txtOut")
        if arguments.screenshots:
            page.key("Ctrl+E")
            page.key("Ctrl+A")
            page.type("Meet me at noon by the old mill.")
            page.cdp("Emulation.setDeviceMetricsOverride", width=520, height=330,
                     deviceScaleFactor=1, mobile=False)
            driver.save_screenshot(os.path.join(arguments.screenshots, "web-desktop.png"))
    finally:
        driver.quit()
    want = ("w76Yo!5A", "Hello", "Hello", "", True)
    got = (cipher, plain, copied, notice, whole)
    return None if got == want else \
        f"encrypted, decrypted, copied, notice, a long output whole: {got}, expected {want}"


# Every text shown (an element's own, or a box's value) with its contrast ratio on the first
# background colour behind it, by WCAG 2 as window_core/text_contrast.cpp computes it.
CONTRASTS = """
const luminance = (css) => css.match(/[0-9.]+/g).slice(0, 3).map((c) => c / 255)
  .map((c) => c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4)
  .reduce((sum, c, i) => sum + [0.2126, 0.7152, 0.0722][i] * c, 0);
const behind = (e) => getComputedStyle(e).backgroundColor === 'rgba(0, 0, 0, 0)' ?
  behind(e.parentElement) : luminance(getComputedStyle(e).backgroundColor);
return [...document.querySelectorAll('body *')].filter((e) => e.getClientRects().length &&
    (e.value || [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim())))
  .map((e) => [e.id || e.textContent.trim(), luminance(getComputedStyle(e).color), behind(e)])
  .map(([text, a, b]) => [text, (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05)]);"""


def check_dark(_):
    driver = browser.start(width=700, height=500)
    try:
        page = PageDriver(driver, browser.PAGE_URL)
        browser.open_page(driver)
        page.cdp("Emulation.setEmulatedMedia",
                 features=[{"name": "prefers-color-scheme", "value": "dark"}])
        page.click("txtIn")
        page.type("Hello \u2615")  # an output and a notice
        page.menu("mnuAbout")
        driver.execute_script("document.querySelectorAll('.menu').forEach("
                              "(menu) => menu.classList.add('open'))")
        texts = driver.execute_script(CONTRASTS)
    finally:
        driver.quit()
    problems = [f"{text!r} at {ratio:.2f}:1" for text, ratio in texts if ratio < 4.5]
    return "; ".join(problems) if problems or len(texts) < 30 else None


def check_refusals(_):
    server, url = serve.serve()
    driver = browser.start()
    try:
        page = PageDriver(driver, url)
        page.open()
        page.click("txtIn")
        page.type("Hello")
        notices = []
        for refused, button in (("clipboard-read", "cmdPasteInput"),
                                ("clipboard-write", "cmdCopyOutput")):
            page.cdp("Browser.setPermission", origin=url.rsplit("/", 1)[0],
                     permission={"name": refused}, setting="denied")
            page.click(button)
            page.settle()
            notices.append(driver.execute_script(
                "return document.getElementById('notice').textContent"))
    finally:
        driver.quit()
        server.shutdown()
    said = ["read the clipboard" in notices[0], "copy the selected output" in notices[1]]
    return None if all(said) else f"Paste's and Copy's notices: {notices}"


# After each step: the focused element's id, the open menu's title, the lit mode, and how far
# the about box's middle is from the main window's (-1 while it is closed).
WHERE = """
const id = (e) => e ? e.id : '';
const open = document.querySelector('.menu.open .menu-title');
const about = document.getElementById('frmAbout');
const middle = (r) => [r.left + r.width / 2, r.top + r.height / 2];
const [a, m] = [about, document.getElementById('frmMain')]
  .map((e) => middle(e.getBoundingClientRect()));
return [id(document.activeElement), id(open),
        document.getElementById('lblDecrypt').getAttribute('aria-checked') === 'true' ?
          'decrypt' : 'encrypt',
        about.open ? Math.round(Math.hypot(a[0] - m[0], a[1] - m[1])) : -1];"""

KEYBOARD = [  # keys, then where they leave the focus, the open menu, the mode, the about box
    (["Alt+N"], ["mnuRandomCode", "mnuMode", "encrypt", -1]),
    (["Down", "Right"], ["mnuAbout", "mnuHelp", "encrypt", -1]),
    (["Left", "Up"], ["mnuSetDecrypt", "mnuMode", "encrypt", -1]),
    (["Esc"], ["txtIn", "", "encrypt", -1]),
    (["F10", "Right"], ["mnuMode", "", "encrypt", -1]),
    (["Down", "D"], ["txtIn", "", "decrypt", -1]),
    (["Alt+H", "Enter"], ["cmdOk", "", "decrypt", 0]),
    (["Space"], ["txtIn", "", "decrypt", -1]),
]


def check_keyboard(_):
    driver = browser.start(width=900, height=700)
    try:
        page = PageDriver(driver, browser.PAGE_URL)
        page.open()
        page.click("txtIn")
        page.type("Hello")
        for keys, want in KEYBOARD:
            for key in keys:
                page.key(key)
            got = driver.execute_script(WHERE)
            if got != want:
                return f"after {' '.join(keys)}: {got}, expected {want}"
        page.key("Alt+F")
        page.key("X")
        ended = driver.execute_script(
            "return [document.getElementById('txtIn').value, "
            "document.getElementById('txtCodeNum').value, "
            "document.getElementById('notice').textContent]")
    finally:
        driver.quit()
    return None if ended[:2] == ["", ""] and "ended" in ended[2] else f"after Exit: {ended}"


CHECKS = {"requests": check_requests, "phone": check_phone, "file": check_file,
          "dark": check_dark, "refusals": check_refusals,
          "keyboard": check_keyboard}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("checks", nargs="*", default=list(CHECKS))
    parser.add_argument("--screenshots", help="the folder for web-desktop.png and web-phone.png")
    arguments = parser.parse_args()
    failed = 0
    for name in arguments.checks:
        try:
            problem = CHECKS[name](arguments)
        except Exception as error:  # a check that cannot finish fails
            problem = browser.describe(error)
        print(f"FAIL {name}: {problem}" if problem else f"PASS {name}", flush=True)
        failed += bool(problem)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
