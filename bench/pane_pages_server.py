#!/usr/bin/env python3
"""The pages the pane benchmarks load, served on 127.0.0.1 with nothing cached.

    pane_pages_server.py        prints "port=<n>" once it listens, then serves until ended

/heavy.html   about 2 MB of HTML (paragraphs, links, a table now and then) and 40 images /img/<i>.png
/soak/<i>.html  eight ordinary pages (text, a list, a form, a script, an image) linking each other
"""

import http.server
import struct
import sys
import zlib

HEAVY_BYTES = 2 * 1024 * 1024
IMAGES = 40
SOAK_PAGES = 8


def png(width, height, seed):
    # One colour per row pattern, repeated across: small to make, a real image to decode.
    raw = b''.join(b'\0' + bytes([(y * 3 + seed * 29) % 256, (y + seed * 11) % 256,
                                  (y * 5 + seed) % 256] * width) for y in range(height))

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff))

    header = struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 6)) +
            chunk(b'IEND', b''))


def heavy_page():
    parts = ['<!DOCTYPE html><html><head><meta charset="utf-8"><title>Heavy</title>'
             '<style>td{border:1px solid #ccc;padding:2px}</style></head><body><h1>Heavy</h1>']
    for i in range(IMAGES):
        parts.append(f'<p><img src="/img/{i}.png" width="320" height="120" alt="image {i}"></p>')
    row = 0
    size = sum(len(p) for p in parts)
    while size < HEAVY_BYTES - 64:
        text = (f'<p>Paragraph {row}: the quick brown fox jumps over the lazy dog, '
                f'<a href="/soak/{row % SOAK_PAGES}.html">link {row}</a> and some '
                f'<b>bold</b> and <i>slanted</i> words to fill a line of text or two.</p>\n')
        if row % 100 == 99:
            text += ('<table><tr>' + ''.join(f'<td>cell {row}.{c}</td>' for c in range(8)) +
                     '</tr></table>\n')
        parts.append(text)
        size += len(text)
        row += 1
    parts.append('</body></html>')
    return ''.join(parts).encode()


def soak_page(i):
    links = ''.join(f'<li><a href="/soak/{j}.html">Page {j}</a></li>' for j in range(SOAK_PAGES))
    body = ''.join(f'<p>Soak page {i}, paragraph {p}.</p>' for p in range(40))
    return (f'<!DOCTYPE html><html><head><meta charset="utf-8"><title>Soak {i}</title></head>'
            f'<body><h1>Soak {i}</h1><img src="/img/{i}.png" width="320" height="120">'
            f'<ul>{links}</ul><form><input name="q"><button>Go</button></form>{body}'
            f'<script>document.body.dataset.seen = String(Date.now());</script>'
            f'</body></html>').encode()


ROUTES = {'/heavy.html': ('text/html; charset=utf-8', heavy_page())}
for n in range(IMAGES):
    ROUTES[f'/img/{n}.png'] = ('image/png', png(320, 120, n))
for n in range(SOAK_PAGES):
    ROUTES[f'/soak/{n}.html'] = ('text/html; charset=utf-8', soak_page(n))


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'

    def do_GET(self):
        route = ROUTES.get(self.path.split('?', 1)[0])
        status, (kind, body) = (200, route) if route else (404, ('text/plain', b'not found'))
        self.send_response(status)
        self.send_header('Content-Type', kind)
        self.send_header('Content-Length', str(len(body)))
        self.send_header('Cache-Control', 'no-store')
        self.end_headers()
        try:
            self.wfile.write(body)
        except (BrokenPipeError, ConnectionResetError):
            pass

    def log_message(self, *args):
        pass


def main():
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), Handler)
    server.daemon_threads = True
    print(f'port={server.server_address[1]}', flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == '__main__':
    sys.exit(main())
