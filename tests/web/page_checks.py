#!/usr/bin/env python3
"""The page's own checks in headless Chromium, each PASS or FAIL; exits 1 on a failure.

  requests  served over http, loaded twice (the second time from its service worker) and
            used: every request it makes is for one of its own files
  phone     at 360 x 740: every control inside the screen, every target at least 44 pixels,
            no text clipped
  file      opened from the file system: encrypts, decrypts and copies

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
        page.driver.execute_script("""
            const box = document.getElementById('txtIn');
            box.value = 'q'.repeat(32765) + '\\u{1F600}';
            box.dispatchEvent(new Event('input', {bubbles: true}));""")
        rects, clipped, scroll_width = driver.execute_script(MEASURE, TARGETS)
        if arguments.screenshots:
            page.driver.execute_script("""
                const box = document.getElementById('txtIn');
                box.value = 'Meet me at noon by the old mill.';
                box.dispatchEvent(new Event('input', {bubbles: true}));""")
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
        driver.execute_script("""
            const box = document.getElementById('txtIn');
            box.value = 'Meet me at noon by the old mill. '.repeat(200);
            box.dispatchEvent(new Event('input', {bubbles: true}));""")
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
        driver.execute_script("""
            const box = document.getElementById('txtIn');
            const text = box.value;
            for (const value of ['', text]) {
              box.value = value;
              box.dispatchEvent(new Event('input', {bubbles: true}));
            }""")
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


CHECKS = {"requests": check_requests, "phone": check_phone, "file": check_file}


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
