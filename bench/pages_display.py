"""Corvane started with many pages from last time, against a start with one page in each pane,
on a real X display, seen from outside.

For every run: a fresh home folder whose settings restore the pages from last time at start-up
(no tip of the day), a session bus of its own, the real executable as a user starts it. Each
page fetches a small image once loaded (inotify tells when), as in startup_display.py, whose
watches and memory reading this uses. The pages come from a server of this process, each from
a loopback address of its own (127.0.0.n): each is a site of its own, with its own renderer, as
the pages of different sites are.

Figures per run:
  one       pixel_ms, start_ms, pss_kb: one page in each pane (its offline home page)
  restored  the same with `--pages` pages in each pane restored from the session, the first of
            each shown (the others load when first shown)
  hidden    (with --discard) PSS once every restored page has been shown and then left hidden
            past the discard time, one minute here (and, for comparison, just after all were
            shown); the lifecycle looks once a minute, so each such run takes about three
            minutes

Goals: the first pixel and start -> both shown pages loaded within 1.1 x a start with one page
each, memory then within 1.2 x; after all pages were shown and discarded, within 1.5 x.
"""

import argparse
import functools
import http.server
import json
import os
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time
from pathlib import Path

from startup_display import (ENGINE_LIBRARY, GIF, PAGE, SHIPPED_FILES, OpenWatch, ProcessWatch,
                             SessionBus, WindowWatch, XServer, descendants, loadavg,
                             stop_process, summary, tree_memory_kb)

TIMEOUT = 60.0
# The lifecycle's minute, twice over, and time for the engine to let go.
DISCARD_WAIT = 150.0


def settings_text(freeze_minutes, discard_minutes):
    """corvane.conf: the pages from last time open at start-up, and no tip window takes the keys.
    QSettings writes a blank in a name as %20."""
    return ('[Options]\nShow%20Tips%20at%20Startup=0\n\n'
            '[Internet%20Options]\nOpen%20Last%20Pages=1\n'
            f'Freeze%20Hidden%20Pages%20After%20Minutes={freeze_minutes}\n'
            f'Discard%20Hidden%20Pages%20After%20Minutes={discard_minutes}\n')


class PageServer:
    """Serves a folder on every loopback address, quietly."""

    def __init__(self, folder):
        class Quiet(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                pass

        handler = functools.partial(Quiet, directory=str(folder))
        self.httpd = http.server.ThreadingHTTPServer(('0.0.0.0', 0), handler)
        self.port = self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def url(self, site, name):
        return f'http://127.0.0.{site}:{self.port}/{name}'

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


def page_entry(address, title):
    return {'address': address, 'title': title, 'entries': [{'address': address, 'title': title}],
            'current': 0, 'engineHistory': ''}


def write_pages(folder, count):
    """The two pages shown, each fetching its signal; the others, each fetching one of its own."""
    panes = {}
    for pane, key in (('top', 'a'), ('bottom', 'b')):
        pages = []
        for n in range(count):
            name = key if n == 0 else f'{key}{n}'
            (folder / f'signal-{name}.gif').write_bytes(GIF)
            title = f'Bench Page {name.upper()}'
            (folder / f'{name}.html').write_text(PAGE.format(
                title=title, text=f'Page {n + 1} of the {pane} pane.', signal=f'signal-{name}.gif'))
            pages.append((f'{name}.html', title))
        panes[pane] = pages
    return panes


def run_one(kind, args, display):
    tmp = Path(tempfile.mkdtemp(prefix=f'pages-bench-{kind}-'))
    try:
        return _run_in(tmp, kind, args, display)
    finally:
        shutil.rmtree(tmp, ignore_errors=True)


def _prepare(tmp, kind, args, server):
    home = tmp / 'home'
    runtime = tmp / 'runtime'
    for folder in (home, runtime):
        folder.mkdir(mode=0o700)
    panes = write_pages(tmp / 'pages', args.pages)
    # Each page a site of its own: the top pane's on 127.0.0.1 and up, the bottom's after them.
    sites = {'top': 1, 'bottom': 1 + args.pages}
    config = home / '.config' / 'corvane'
    config.mkdir(parents=True)
    (config / 'corvane.conf').write_text(settings_text(1, 1))
    if kind != 'one':
        session = {'format': 1, 'cleanExit': True}
        for pane, pages in panes.items():
            session[pane] = {'shown': 0, 'pages': [
                page_entry(server.url(sites[pane] + n, name), title)
                for n, (name, title) in enumerate(pages)]}
        data = home / '.local' / 'share' / 'corvane'
        data.mkdir(parents=True)
        (data / 'session.json').write_text(json.dumps(session))
    # Restored, the home pages give way to the pages from last time: only those tell they loaded.
    homes = [server.url(sites[pane], panes[pane][0][0]) for pane in ('top', 'bottom')]
    if kind != 'one':
        homes = []
        for pane in ('top', 'bottom'):
            (tmp / 'pages' / f'home-{pane}.html').write_text(
                '<!DOCTYPE html><title>Home</title><h1>Home</h1>')
            homes.append(server.url(sites[pane], f'home-{pane}.html'))
    program = tmp / 'program'
    program.mkdir()
    shutil.copy2(args.corvane, program / 'corvane')
    shutil.copy2(Path(args.corvane).parent / ENGINE_LIBRARY, program / ENGINE_LIBRARY)
    for name in SHIPPED_FILES:
        shutil.copy2(Path(args.resources) / name, program / name)
    (program / 'cv.ini').write_text(
        '[TBstart]\n1=http://www.example.com/\n'
        f'[TBstartOffLine]\n1={homes[0]}\n'
        '[BBstart]\n1=http://www.example.com/news.html\n'
        f'[BBstartOffLine]\n1={homes[1]}\n')
    env = {
        'PATH': os.environ.get('PATH', '/usr/bin:/bin'),
        'HOME': str(home),
        'XDG_RUNTIME_DIR': str(runtime),
        'LANG': 'C.UTF-8',
        'DISPLAY': None,
        'QT_QPA_PLATFORM': 'xcb',
        'QTWEBENGINE_CHROMIUM_FLAGS': '--no-sandbox --disable-gpu',
        'QTWEBENGINE_DISABLE_SANDBOX': '1',
    }
    return panes, program / 'corvane', env


def wait_for(files, windows, names, deadline, popen, tmp):
    while not all(n in files.opened for n in names):
        left = deadline - time.monotonic()
        if left <= 0 or popen.poll() is not None:
            sys.stderr.write((tmp / 'log').read_text(errors='replace')[-2000:])
            missing = [n for n in names if n not in files.opened]
            raise RuntimeError(f'not loaded: {missing[:5]}')
        ready = select.select([files.fd, windows], [], [], left)[0]
        now = time.monotonic()
        if files.fd in ready:
            files.read(now)
        windows.read(now)
    return max(files.opened[n] for n in names)


def show_every_page(args, display, env, files, windows, popen, tmp):
    """Ctrl+Tab through each pane's pages (Shift+F6 to the other pane), each loading once."""
    xdotool = ['xdotool', 'key', '--delay', '150']
    run = {**env, 'DISPLAY': display}
    # No window manager gives the main window the keyboard: it is given here, as a user's click
    # would. Its focus is in the top address box since its start.
    subprocess.run(['xdotool', 'search', '--sync', '--name', 'by Halvor$', 'windowfocus',
                    '--sync'], env=run, check=True, timeout=60)
    for key in ('a', 'b'):
        subprocess.run(xdotool + ['ctrl+Tab'] * (args.pages - 1), env=run, check=True, timeout=60)
        names = [f'signal-{key}{n}.gif' for n in range(1, args.pages)]
        wait_for(files, windows, names, time.monotonic() + TIMEOUT, popen, tmp)
        # Back to the first, which stays shown while the others are hidden.
        subprocess.run(xdotool + ['ctrl+1', 'shift+F6'], env=run, check=True, timeout=60)


def _run_in(tmp, kind, args, display):
    (tmp / 'pages').mkdir()
    server = PageServer(tmp / 'pages')
    try:
        return _serve_run(tmp, kind, args, display, server)
    finally:
        server.stop()


def _serve_run(tmp, kind, args, display, server):
    _, command, env = _prepare(tmp, kind, args, server)
    env['DISPLAY'] = display
    bus = SessionBus(env, tmp / 'dbus.log')
    env['DBUS_SESSION_BUS_ADDRESS'] = bus.address
    files = OpenWatch(tmp / 'pages')
    windows = WindowWatch(display)
    popen = watch = None
    try:
        with open(tmp / 'log', 'wb') as log:
            started = time.monotonic()
            popen = subprocess.Popen([str(command)], cwd=tmp, env=env, stdin=subprocess.DEVNULL,
                                     stdout=log, stderr=subprocess.STDOUT)
        watch = ProcessWatch(popen.pid)
        loaded = wait_for(files, windows, ['signal-a.gif', 'signal-b.gif'], started + TIMEOUT,
                          popen, tmp)
        time.sleep(args.settle)
        pss, uss = tree_memory_kb(popen.pid)
        windows.read(time.monotonic())
        result = {'start_ms': (loaded - started) * 1000, 'pss_kb': pss, 'uss_kb': uss,
                  'pixel_ms': (windows.mapped[0][0] - started) * 1000,
                  'procs': 1 + len(descendants(popen.pid))}
        if kind == 'hidden':
            show_every_page(args, display, env, files, windows, popen, tmp)
            # Before the lifecycle has had its turn: what discarding then gives back.
            time.sleep(args.settle)
            result['shown_pss_kb'] = tree_memory_kb(popen.pid)[0]
            time.sleep(DISCARD_WAIT)
            result['pss_kb'], result['uss_kb'] = tree_memory_kb(popen.pid)
            result['procs'] = 1 + len(descendants(popen.pid))
        return result
    finally:
        if popen:
            stop_process(popen, watch)
        windows.close()
        files.close()
        bus.stop()


def median(runs, field):
    return statistics.median(r[field] for r in runs)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--corvane', required=True)
    parser.add_argument('--resources', required=True)
    parser.add_argument('--pages', type=int, default=20, help='pages restored in each pane')
    parser.add_argument('--rounds', type=int, default=5)
    parser.add_argument('--discard', action='store_true',
                        help='also the memory after every page was shown and then discarded')
    parser.add_argument('--settle', type=float, default=1.0)
    args = parser.parse_args()

    print(f'load average before: {loadavg()} on {os.cpu_count()} cores '
          '(figures taken at 1.5 or more are not to be trusted)')
    scratch = Path(tempfile.mkdtemp(prefix='pages-bench-'))
    xserver = XServer(scratch / 'xvfb.log')
    kinds = ('one', 'restored') + (('hidden',) if args.discard else ())
    figures = {kind: [] for kind in kinds}
    try:
        for i in range(args.rounds):
            for kind in kinds if i % 2 == 0 else tuple(reversed(kinds)):
                if kind == 'hidden' and i > 0:
                    continue  # minutes each: one is enough
                r = run_one(kind, args, xserver.display)
                figures[kind].append(r)
                shown = f" (all shown: {r['shown_pss_kb']})" if 'shown_pss_kb' in r else ''
                print(f"  {kind:<9} pixel_ms={r['pixel_ms']:.1f} start_ms={r['start_ms']:.1f} "
                      f"pss_kb={r['pss_kb']}{shown} uss_kb={r['uss_kb']} procs={r['procs']}",
                      flush=True)
    finally:
        xserver.stop()
        shutil.rmtree(scratch, ignore_errors=True)
    print(f'load average after:  {loadavg()}')
    print()
    for kind, runs in figures.items():
        for field in ('pixel_ms', 'start_ms', 'pss_kb'):
            print(summary(f'{kind} {field}', [r[field] for r in runs], '{:.1f}'))
    one, restored = figures['one'], figures['restored']
    goals = [('first pixel', median(restored, 'pixel_ms') / median(one, 'pixel_ms'), 1.1),
             ('start -> shown loaded', median(restored, 'start_ms') / median(one, 'start_ms'),
              1.1),
             ('memory', median(restored, 'pss_kb') / median(one, 'pss_kb'), 1.2)]
    if args.discard:
        goals.append(('memory, all shown then discarded',
                      median(figures['hidden'], 'pss_kb') / median(one, 'pss_kb'), 1.5))
    print()
    met = True
    for name, ratio, goal in goals:
        print(f"{name:<34} restored/one {ratio:.2f}  (goal <= {goal:.2f})  "
              f"{'met' if ratio <= goal else 'MISSED'}")
        met = met and ratio <= goal
    return 0 if met else 1


if __name__ == '__main__':
    sys.exit(main())
