"""How much a hostile page in the top pane costs the bottom pane and the close box, on a real X
display, seen from outside.

Goals: with a dialog loop or a pop-up flood in the top pane, a page load in the bottom pane
takes at most 1.2 times as long as with a calm top page, and closing the main window ends the
program within 2 s. The bottom pane's load is timed from the Enter key to its status line
showing the page's title; the close from the window manager's delete message to the process's
end. Usage: hostile_display.py [-n RUNS] (CORVANE_EXECUTABLE, CORVANE_RESOURCES_DIR as for the
end-to-end tests).
"""

import argparse
import statistics
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / 'tests' / 'e2e'))
from corvane_e2e.desktop import Desktop  # noqa: E402

TOP_PAGES = {
    'calm': '',
    'dialog loop': '<script>setTimeout(function () { for (;;) alert("loop"); }, 100);</script>',
    'pop-up flood': ('<script>for (var i = 0; i < 200; i++) window.open("/calm.html", "_blank",'
                     ' "width=200,height=150");</script>'),
}
HEAVY = ''.join(f'<p>Paragraph {i} of a page with some weight to lay out.</p>' for i in range(3000))


def one_run(d, kind, body):
    path = '/top-' + kind.replace(' ', '-') + '.html'
    d.server.raw(path, 200, 'text/html', (
        f'<html><head><title>Top</title></head><body>Top{body}</body></html>').encode())
    d.start_corvane()
    d.close_tip_window(20)
    d.click(d.edit_field('Top address'))
    d.key('ctrl+a')
    d.type(d.server.url(path))
    d.key('Return')
    d.wait_for_text('Top status', 'Page Title: Top')
    time.sleep(1.0)  # let the page get going
    loads = []
    for i in range(3):
        path = f'/bottom-{kind.replace(" ", "-")}-{i}.html'
        d.server.page(path, f'Bottom {i}', HEAVY)
        d.click(d.edit_field('Bottom address'))
        d.key('ctrl+a')
        d.type(d.server.url(path))
        start = time.monotonic()
        d.key('Return')
        d.wait_for_text('Bottom status', f'Page Title: Bottom {i}', timeout=60)
        loads.append(time.monotonic() - start)
    close = d.close_corvane(timeout=10.0)
    return statistics.median(loads), close


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('-n', '--runs', type=int, default=3)
    args = parser.parse_args()
    results = {}
    with Desktop() as d:
        d.server.page('/calm.html', 'Calm')
        for kind, body in TOP_PAGES.items():
            runs = [one_run(d, kind, body) for _ in range(args.runs)]
            results[kind] = (statistics.median(r[0] for r in runs), max(r[1] for r in runs))
    calm = results['calm'][0]
    failed = False
    for kind, (load, close) in results.items():
        ratio = load / calm
        ok = ratio <= 1.2 and close <= 2.0
        failed |= not ok and kind != 'calm'
        print(f'{kind:13s} bottom load {load * 1000:7.0f} ms ({ratio:4.2f} x calm), '
              f'close {close:4.2f} s  {"ok" if ok else "OVER GOAL"}')
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
