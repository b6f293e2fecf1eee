"""build-web/ over http://127.0.0.1 on a free port, from a thread, for the checks that need an
origin (the clipboard's permission, the service worker)."""

import functools
import http.server
import threading

import browser


class _Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *arguments):
        pass


def serve():
    """Starts the server; returns it and the page's URL. server.shutdown() stops it."""
    handler = functools.partial(_Quiet, directory=browser.PAGE_DIR)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/index.html"
