#!/usr/bin/env python3
"""The browser page's figures in headless Chromium: how soon after navigation it is ready to
type (the core loaded, the code number selected), and what a key costs in an input at the
32,766-character limit against a bare <textarea> of the same size on the same page, from the
key's press to the frame that shows it (Performance API, performance.now()): the main thread's
time from the keydown to the end of the input's handlers, and from the start of the next frame
to the task after it, once its layout and paint are done; the idle wait for the frame between
the two is left out, as it is the same on both sides."""

import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
import browser  # noqa: E402
from table_driver import PageDriver  # noqa: E402

LOADS = 15
KEYS = 40
LIMIT = 32766

# Times every key from its keydown to its frame's layout and paint (the listener runs after
# every other input handler).
TIMER = """
window.keyCosts = [];
let pressed = 0;
document.addEventListener('keydown', () => { pressed = performance.now(); }, true);
window.addEventListener('input', () => {
  const handled = performance.now() - pressed;
  requestAnimationFrame(() => {
    const frame = performance.now();
    setTimeout(() => window.keyCosts.push(handled + performance.now() - frame));
  });
});
const bare = document.createElement('textarea');
bare.id = 'bare';
const size = getComputedStyle(document.getElementById('txtIn'));
bare.style.cssText = `position: static; width: ${size.width}; height: ${size.height}; margin: 8px`;
document.body.appendChild(bare);
const text = 'Meet me at noon by the old mill, and bring the map. '.repeat(700)
  .slice(0, arguments[0] - 1);
for (const box of [bare, document.getElementById('txtIn')]) {
  box.value = text;
  box.dispatchEvent(new Event('input', {bubbles: true}));
}"""


def key_costs(page):
    """The costs of KEYS keys at the limit in each box, taken in turns, so that both boxes
    share whatever else the machine does meanwhile."""
    costs = {"bare": [], "txtIn": []}
    for _ in range(KEYS):
        for box in costs:
            page.driver.execute_script("""
                const box = document.getElementById(arguments[0]);
                box.focus();
                box.setSelectionRange(box.value.length, box.value.length);
                window.keyCosts = [];""", box)
            # Each key once the last one's frame is out, so that no two keys' work overlaps.
            for count, key in enumerate(("x", "Backspace"), 1):
                page.type(key) if key == "x" else page.key(key)
                page.driver.execute_async_script("""
                    const [keys, done] = arguments;
                    const started = performance.now();
                    (function poll() {
                      if (window.keyCosts.length >= keys ||
                          performance.now() - started > 10000) return done();
                      setTimeout(poll, 1);
                    })();""", count)
            taken = page.driver.execute_script("return window.keyCosts")
            if len(taken) != 2:
                raise AssertionError(f"{len(taken)} of 2 keys came to a frame within 10 s")
            # The Backspace only goes back to one under the limit.
            costs[box].append(taken[0])
    return costs["bare"], costs["txtIn"]


def main():
    driver = browser.start(width=800, height=600)
    try:
        page = PageDriver(driver, browser.PAGE_URL)
        ready = []
        for _ in range(LOADS):
            browser.open_page(driver)
            ready.append(driver.execute_script(
                "return performance.getEntriesByName('vellumark-ready')[0].startTime"))
        driver.execute_script(TIMER, LIMIT)
        length = driver.execute_script("return document.getElementById('txtIn').value.length")
        bare, page_keys = key_costs(page)
        notice = driver.execute_script("return document.getElementById('notice').textContent")
        output = driver.execute_script("return document.getElementById('txtOut').textContent.length")
    finally:
        driver.quit()
    sizes = {}
    for name in sorted(os.listdir(browser.PAGE_DIR)):
        path = os.path.join(browser.PAGE_DIR, name)
        if os.path.isfile(path):
            import gzip
            with open(path, "rb") as data:
                sizes[name] = len(gzip.compress(data.read(), 9))
    print(f"Size, every file of build-web/ gzip -9: {sum(sizes.values()) / 1024:.1f} KB"
          f" (index.html, the core's WebAssembly inside, {sizes['index.html'] / 1024:.1f} KB)")
    print(f"Ready to type after navigation, {LOADS} loads from file://: median"
          f" {statistics.median(ready):.0f} ms, slowest {max(ready):.0f} ms")
    print(f"A key at {length + 1:,} characters ({output:,} symbols out, notice {notice!r}),"
          " to its frame,"
          f" median of {KEYS}: page {statistics.median(page_keys):.2f} ms,"
          f" bare <textarea> {statistics.median(bare):.2f} ms,"
          f" ratio {statistics.median(page_keys) / statistics.median(bare):.2f}")


if __name__ == "__main__":
    main()
