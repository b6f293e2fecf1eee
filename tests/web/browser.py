"""Headless Chromium for the page's checks: Debian's chromium driven by chromium-driver through
python3-selenium, with every download and background request of the browser's own switched
off, so that whatever the network log holds came from the page."""

import json
import os
import tempfile
import traceback

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.chrome.service import Service

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
PAGE_DIR = os.path.join(ROOT, "build-web")
PAGE_URL = "file://" + os.path.join(PAGE_DIR, "index.html")


def start(width=800, height=600, log_network=False):
    """A fresh browser with a fresh profile; the caller quits it."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--disable-extensions",
                 "--disable-default-apps", "--disable-dev-shm-usage",
                 "--user-data-dir=" + tempfile.mkdtemp(prefix="vellumark-chromium-"),
                 f"--window-size={width},{height}"):
        options.add_argument(flag)
    if log_network:
        options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_script_timeout(30)
    # A user works the page in the window in front, but headless Chromium need not start its
    # window active: Debian 12's chromium 150 (bookworm itself, without bookworm-security) does
    # not, and its documents then have no focus, so the clipboard refuses them ("Document is
    # not focused") and :focus matches nothing.
    driver.execute_cdp_cmd("Page.bringToFront", {})
    return driver


def open_page(driver, url=PAGE_URL):
    """Navigates to the page and waits, boundedly, until the core has loaded it."""
    driver.get(url)
    driver.execute_async_script("""
        const done = arguments[arguments.length - 1];
        const started = performance.now();
        (function poll() {
          if (document.documentElement.classList.contains('ready')) return done(true);
          if (performance.now() - started > 20000) return done(false);
          setTimeout(poll, 5);
        })();""") or fail("the page did not get ready within 20 s")


def requests(driver, origin):
    """Every URL that a document of `origin` asked for, from the browser's performance log
    (which also holds the browser's own start page)."""
    urls = []
    for entry in driver.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] == "Network.requestWillBeSent" and \
                message["params"].get("documentURL", "").startswith(origin):
            urls.append(message["params"]["request"]["url"])
    return urls


def fail(message):
    raise AssertionError(message)


def describe(error):
    """A failure of a check in a line: what failed and why. A WebDriver error is named by the
    line of these scripts that called the driver, without the driver's own stack."""
    if not isinstance(error, WebDriverException):
        return f"{type(error).__name__}: {error}"
    ours = [frame for frame in traceback.extract_tb(error.__traceback__)
            if os.path.dirname(os.path.abspath(frame.filename)) == os.path.dirname(__file__)]
    call = f"{os.path.basename(ours[-1].filename)}:{ours[-1].lineno}: {ours[-1].line}: " \
        if ours else ""
    return f"{call}{type(error).__name__}: {(error.msg or 'no message').splitlines()[0]}"
