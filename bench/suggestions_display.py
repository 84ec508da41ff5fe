"""How soon the list below an address box is on the screen after a key, on a real X display, seen
from outside, with 100,000 visits in the history and 10,000 favorites.

Goal: the list drawn at most 50 ms after the key reaches the display server. A round types one
letter into the emptied top box, which opens the list ("open"), then a second one, which fills it
anew ("update"); Esc then closes it. The key is sent through the XTEST extension on a connection
of this process and timed from the server's acknowledgement; the list counts as on the screen at
the first drawing into its window that the server reports (DAMAGE) after the key, the open one
only once the window is mapped. Usage: suggestions_display.py [-n ROUNDS] (CORVANE_EXECUTABLE,
CORVANE_RESOURCES_DIR as for the end-to-end tests).
"""

import argparse
import math
import os
import random
import select
import sqlite3
import statistics
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / 'tests' / 'e2e'))
from corvane_e2e.desktop import Desktop  # noqa: E402
from corvane_e2e.waiting import wait_until  # noqa: E402

from Xlib import X, XK  # noqa: E402
from Xlib import display as xdisplay  # noqa: E402
from Xlib.ext import damage  # noqa: E402

GOAL_MS = 50.0
VISITS, PAGES, SITES, FAVORITES = 100_000, 70_000, 3_000, 10_000
YEAR_MS = 365 * 24 * 3600 * 1000
HALF_LIFE_MS = 7 * 24 * 3600 * 1000
SCHEMA = """
CREATE TABLE addresses (id INTEGER PRIMARY KEY, url TEXT NOT NULL UNIQUE,
  title TEXT NOT NULL DEFAULT '', visit_count INTEGER NOT NULL, last_visit INTEGER NOT NULL,
  rank REAL NOT NULL);
CREATE TABLE visits (id INTEGER PRIMARY KEY, address_id INTEGER NOT NULL REFERENCES addresses(id),
  visited INTEGER NOT NULL);
CREATE INDEX visits_by_time ON visits(visited, address_id);
CREATE INDEX visits_by_address ON visits(address_id);
PRAGMA user_version = 1;
"""


def made_up_web(rng):
    words = ['debian', 'reference', 'manual', 'linux', 'kernel', 'python', 'news', 'wiki']
    while len(words) < 6000:
        words.append(''.join(rng.choice('abcdefghijklmnopqrstuvwxyz')
                             for _ in range(rng.randint(3, 10))))
    sites = [('www.' if i % 3 else '') + rng.choice(words) + rng.choice(words) + '.' +
             rng.choice(('org', 'com', 'net', 'de', 'io')) for i in range(SITES)]
    pages, seen = [], set()
    for i in range(PAGES):
        path = '/'.join(rng.choice(words) for _ in range(rng.randint(1, 4)))
        url = f'https://{rng.choice(sites)}/{path}'
        if i % 5 == 0 or url in seen:
            url += f'?id={i}'
        seen.add(url)
        pages.append((url, ' '.join(rng.choice(words) for _ in range(rng.randint(3, 8)))
                      .capitalize()))
    return words, pages


def fill_history(path, pages, rng):
    """Every page once over a year, then the favourite few again and again, the last now."""
    now = int(time.time() * 1000)
    visits = {}
    for i in range(VISITS):
        page = i if i < PAGES else rng.randrange(2000)
        visits.setdefault(page, []).append(now - YEAR_MS + YEAR_MS * i // VISITS)
    with sqlite3.connect(path) as db:
        db.executescript(SCHEMA)
        for page, times in visits.items():
            top = max(t / HALF_LIFE_MS for t in times)
            rank = top + math.log2(sum(2 ** (t / HALF_LIFE_MS - top) for t in times))
            url, title = pages[page]
            cursor = db.execute('INSERT INTO addresses(url, title, visit_count, last_visit, rank)'
                                ' VALUES (?, ?, ?, ?, ?)', (url, title, len(times), max(times),
                                                             rank))
            db.executemany('INSERT INTO visits(address_id, visited) VALUES (?, ?)',
                           [(cursor.lastrowid, t) for t in times])


def fill_favorites(folder, pages, rng):
    for i in range(FAVORITES):
        sub = folder / f'Folder {i % 50}'
        sub.mkdir(parents=True, exist_ok=True)
        url, title = pages[rng.randrange(len(pages))]
        (sub / f'{title[:40]} {i}.url').write_bytes(
            b'[InternetShortcut]\r\nURL=' + url.encode() + b'\r\n')


class Watch:
    """The display as this process sees it: keys sent, windows mapped, drawing reported."""

    def __init__(self, name):
        self.x = xdisplay.Display(name)
        self.x.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.damage_event = self.x.extension_event.DamageNotify
        self.x.damage_query_version()
        self.x.sync()
        self.popup = None

    def press(self, keysym_name):
        code = self.x.keysym_to_keycode(XK.string_to_keysym(keysym_name))
        self.x.xtest_fake_input(X.KeyPress, code)
        self.x.xtest_fake_input(X.KeyRelease, code)
        # The round trip returns once the server has handled the key.
        self.x.sync()
        return time.monotonic()

    def drain(self):
        while self.x.pending_events():
            self.x.next_event()

    def wait(self, *wanted, timeout=10.0):
        """Reads events until each of `wanted` has judged one its own; the times they came."""
        times = [None] * len(wanted)
        end = time.monotonic() + timeout
        while None in times:
            while self.x.pending_events():
                event = self.x.next_event()
                for i, judge in enumerate(wanted):
                    if times[i] is None and judge(event):
                        times[i] = time.monotonic()
            left = end - time.monotonic()
            if None in times and left <= 0:
                raise TimeoutError('no such event from the display')
            if None in times:
                select.select([self.x.fileno()], [], [], left)
        return times

    def find_popup(self, d):
        """Opens the list once to learn its window, and has its drawing reported from then on."""
        self.drain()
        self.press('q')
        self.wait(lambda e: e.type == X.MapNotify and e.override and self.found(e.window))
        self.popup.damage_create(damage.DamageReportRawRectangles)
        self.x.sync()
        close(d, self)

    def found(self, window):
        self.popup = window
        return True

    def mapped(self, event):
        return event.type == X.MapNotify and event.window.id == self.popup.id

    def drawn(self, event):
        return event.type == self.damage_event and event.drawable.id == self.popup.id

    def unmapped(self, event):
        return event.type == X.UnmapNotify and event.window.id == self.popup.id


def close(d, watch):
    """Closes the list with Esc and empties the box."""
    watch.press('Escape')
    watch.wait(watch.unmapped)
    d.key('ctrl+a', 'BackSpace')
    box = d.find('Top address')
    wait_until(lambda: box.text == '', 5, 'the box emptied')


def one_round(d, watch, first, second):
    watch.drain()
    sent = watch.press(first)
    # Drawing before the map went to a window not yet on the screen.
    opened = (max(watch.wait(watch.mapped, watch.drawn)) - sent) * 1000
    # The list's first drawing may be followed by more; once the program has answered about the
    # list, it has done with the key, and the drawing seen after the next is that key's.
    listing = d.find('Top address suggestions', role='list')
    wait_until(lambda: listing.children and listing.children[0].name == f'Search for {first}', 5,
               'the list for the first key')
    watch.x.sync()
    watch.drain()
    sent = watch.press(second)
    updated = (watch.wait(watch.drawn)[0] - sent) * 1000
    close(d, watch)
    return opened, updated


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('-n', '--rounds', type=int, default=20)
    args = parser.parse_args()
    print(f'load average {os.getloadavg()[0]:.2f}')
    rng = random.Random(7)
    words, pages = made_up_web(rng)
    with Desktop() as d:
        folder = d.tmp / 'data' / 'corvane'
        folder.mkdir(parents=True)
        fill_history(folder / 'history.sqlite', pages, rng)
        fill_favorites(folder / 'Favorites', pages, rng)
        d.start_corvane()
        d.close_tip_window(20)
        watch = Watch(d.display)
        d.click(d.edit_field('Top address'))
        d.key('ctrl+a', 'BackSpace')
        watch.find_popup(d)
        letters = [w[:2] for w in rng.sample(words[:200], args.rounds)]
        results = [one_round(d, watch, pair[0], pair[1]) for pair in letters]
        # The history and the favorites were there to search: a common word fills the list.
        d.type('debian')
        listing = d.find('Top address suggestions', role='list')
        wait_until(lambda: listing.showing and len(listing.children) > 12, 10,
                   'the list full of pages and favorites')
        print(f'{len(listing.children)} entries for "debian"')
        d.close_corvane(timeout=10.0)
    failed = False
    for name, times in (('open', [r[0] for r in results]), ('update', [r[1] for r in results])):
        worst = max(times)
        failed |= worst > GOAL_MS
        print(f'{name:6s} key -> list drawn: median {statistics.median(times):5.1f} ms, '
              f'worst {worst:5.1f} ms of {len(times)}  '
              f'{"ok" if worst <= GOAL_MS else "OVER GOAL"} (goal {GOAL_MS:.0f} ms)')
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
