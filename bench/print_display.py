"""Prints two loopback pages to PDF files with Corvane (through its menu and print dialog, on a
private X display) and with headless Chromium, and compares size, time and extractable text.
Run by run_print_bench.sh."""

import argparse
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / 'tests' / 'e2e'))

from corvane_e2e import Desktop, wait_until  # noqa: E402

GOAL = 1.5
PARAGRAPH = ('<p>Paragraph {n}: the quick brown fox jumps over the lazy dog, and the packages '
             'of the archive are unpacked, configured and kept up to date.</p>')
PAGES = {
    # About one screen of text.
    'one-screen': ''.join(PARAGRAPH.format(n=n) for n in range(12)),
    # About twenty printed pages.
    'twenty-pages': ''.join(PARAGRAPH.format(n=n) for n in range(500)),
}


def complete(path):
    data = path.read_bytes() if path.exists() else b''
    return data.startswith(b'%PDF') and b'%%EOF' in data[-64:]


def text_of(path):
    return subprocess.run(['pdftotext', str(path), '-'], capture_output=True, check=True,
                          timeout=60).stdout.decode(errors='replace')


def corvane_print(d, url, target):
    d.click(d.edit_field('Top address'))
    d.key('ctrl+a')
    d.type(url)
    d.key('Return')
    wait_until(lambda: d.text_of('Top status').startswith('Page Title:'), 60, 'the page')
    d.choose_menu('File', 'Print Top Browser')
    output = d.find('Output file:', role='text')
    wait_until(lambda: output.showing, 10, 'the print dialog')
    d.click(output)
    d.key('ctrl+a')
    d.type(str(target))
    button = d.find('Print', role='push button')
    start = time.monotonic()
    d.click(button)
    wait_until(lambda: complete(target), 300, 'the printed file')
    elapsed = time.monotonic() - start
    # A print that lasted a moment leaves its window saying the file is complete.
    if d.window('Printing'):
        d.close_window('Printing')
    return elapsed


def chromium_print(url, target):
    start = time.monotonic()
    subprocess.run(['chromium', '--headless', '--no-sandbox', '--disable-gpu',
                    '--no-pdf-header-footer', f'--print-to-pdf={target}', url],
                   capture_output=True, check=True, timeout=300)
    return time.monotonic() - start


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--rounds', type=int, default=5)
    args = parser.parse_args()
    out = Path(tempfile.mkdtemp(prefix='corvane-print-bench-'))
    missed = False
    with Desktop() as d:
        d.start_corvane()
        d.close_tip_window(30)
        for name, body in PAGES.items():
            d.server.page(f'/{name}.html', name, body)
            url = d.server.url(f'/{name}.html')
            figures = {'corvane': [], 'chromium': []}
            for r in range(args.rounds):
                for who in ('corvane', 'chromium') if r % 2 == 0 else ('chromium', 'corvane'):
                    target = out / f'{name}-{who}-{r}.pdf'
                    seconds = (corvane_print(d, url, target) if who == 'corvane'
                               else chromium_print(url, target))
                    figures[who].append((target.stat().st_size, seconds, target))
            size = {w: statistics.median(f[0] for f in figures[w]) for w in figures}
            secs = {w: statistics.median(f[1] for f in figures[w]) for w in figures}
            found = 'Paragraph 0:' in text_of(figures['corvane'][0][2])
            size_ratio = size['corvane'] / size['chromium']
            time_ratio = secs['corvane'] / secs['chromium']
            print(f'{name}: corvane {size["corvane"] / 1024:.0f} KiB {secs["corvane"]:.2f} s, '
                  f'chromium {size["chromium"] / 1024:.0f} KiB {secs["chromium"]:.2f} s; '
                  f'size x{size_ratio:.2f}, time x{time_ratio:.2f} (goal <= {GOAL}); '
                  f'text extractable: {"yes" if found else "NO"}')
            missed |= size_ratio > GOAL or time_ratio > GOAL or not found
    return 1 if missed else 0


if __name__ == '__main__':
    sys.exit(main())
