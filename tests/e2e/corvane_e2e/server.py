"""The loopback HTTP server."""

import base64
import http.server
import ssl
import threading

from .waiting import wait_until


# A page that reports each key pressed in it, and each position it is scrolled to (as a whole
# percentage of how far it can scroll), by asking the server for a page named after it.
REPORTING_PAGE = """<!DOCTYPE html><html><head><title>{title}</title></head>
<body style="margin:0;background:#fff">
<div style="height:{height}px">{words}</div>
<script>
document.addEventListener('keydown', function (e) {{ fetch('/{name}-key-' + e.key); }});
window.addEventListener('scroll', function () {{
  var e = document.scrollingElement, max = e.scrollHeight - window.visualViewport.height;
  fetch('/{name}-at-' + Math.round(100 * window.scrollY / max));
}});
</script></body></html>"""


class LoopbackServer:
    """A threaded HTTP server on 127.0.0.1 with fixed routes and a log of every path asked for.

    Unknown paths get a 404 page titled "Not Found". Paths are matched without their query.
    """

    def __init__(self, tls=None):
        """`tls`, a certificate file and its key file, makes it serve HTTPS."""
        self._routes = {}
        self._log = []
        self._lock = threading.Lock()
        self._release = threading.Event()
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                server._serve(self)

            def do_HEAD(self):
                server._serve(self, body=False)

            def log_message(self, *args):
                pass

        self._httpd = http.server.ThreadingHTTPServer(('127.0.0.1', 0), Handler)
        self._httpd.daemon_threads = True
        if tls:
            context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
            context.load_cert_chain(*map(str, tls))
            self._httpd.socket = context.wrap_socket(self._httpd.socket, server_side=True)
        self.scheme = 'https' if tls else 'http'
        self.port = self._httpd.server_address[1]
        self._thread = threading.Thread(target=self._httpd.serve_forever, daemon=True)
        self._thread.start()

    def url(self, path='/'):
        return f'{self.scheme}://127.0.0.1:{self.port}{path}'

    def page(self, path, title, body=''):
        """A page with a title; its body defaults to its title."""
        html = (f'<!DOCTYPE html><html><head><title>{title}</title></head>'
                f'<body><h1>{body or title}</h1></body></html>')
        self.raw(path, 200, 'text/html; charset=utf-8', html.encode())

    def reporting_page(self, name, title, words='', height=200):
        """`/{name}.html`, which reports keys and scroll positions as REPORTING_PAGE says."""
        self.raw(f'/{name}.html', 200, 'text/html; charset=utf-8', REPORTING_PAGE.format(
            name=name, title=title, words=words or title, height=height).encode())

    def link_page(self, path, title, href):
        """A page that is one large link, so that a click or a drag anywhere on it takes it."""
        self.raw(path, 200, 'text/html; charset=utf-8', (
            f'<!DOCTYPE html><html><head><title>{title}</title></head><body style="margin:0">'
            f'<a href="{href}" style="display:block;height:100vh;font-size:40px">{title}</a>'
            '</body></html>').encode())

    def redirect(self, path, location, status=302):
        self.raw(path, status, 'text/html', b'', headers=[('Location', location)])

    def slow_page(self, path, title, seconds):
        """A page whose response is held back for `seconds` (released early when stopping)."""
        self.page(path, title)
        self._routes[path] = dict(self._routes[path], delay=seconds)

    def release(self):
        """Answers the requests held back by slow pages now, and later ones at once."""
        self._release.set()

    def raw(self, path, status, content_type, body, headers=()):
        self._routes[path] = dict(status=status, type=content_type, body=body,
                                  headers=list(headers), delay=0)

    def require_login(self, path, realm, user, password):
        """Answers `path` with 401 and a Basic challenge for `realm` unless the request carries
        these credentials; the 401 page is titled "Login Needed"."""
        self._routes[path]['login'] = (realm, 'Basic ' + base64.b64encode(
            f'{user}:{password}'.encode()).decode())

    def requests(self, path=None):
        with self._lock:
            return [p for p in self._log if path is None or p == path]

    def count(self, path):
        return len(self.requests(path))

    def wait_for_request(self, path, timeout=10.0, count=1):
        return wait_until(lambda: self.count(path) >= count, timeout,
                          f'{count} request(s) of {path}, saw {self.count(path)}')

    def _serve(self, handler, body=True):
        path = handler.path.split('?', 1)[0]
        with self._lock:
            self._log.append(path)
        route = self._routes.get(path) or dict(
            status=404, type='text/html', headers=[], delay=0,
            body=b'<html><head><title>Not Found</title></head><body>Not Found</body></html>')
        realm, credentials = route.get('login') or (None, None)
        if realm and handler.headers.get('Authorization') != credentials:
            route = dict(status=401, type='text/html', delay=0,
                         headers=[('WWW-Authenticate', f'Basic realm="{realm}"')],
                         body=b'<html><head><title>Login Needed</title></head></html>')
        if route['delay']:
            self._release.wait(route['delay'])
        handler.send_response(route['status'])
        handler.send_header('Content-Type', route['type'])
        handler.send_header('Content-Length', str(len(route['body'])))
        handler.send_header('Cache-Control', 'no-store')
        for name, value in route['headers']:
            handler.send_header(name, value)
        handler.end_headers()
        if body:
            try:
                handler.wfile.write(route['body'])
            except (BrokenPipeError, ConnectionResetError):
                pass  # the browser stopped the load or moved on: nothing to report

    def stop(self):
        self._release.set()
        self._httpd.shutdown()
        self._httpd.server_close()
        self._thread.join()
