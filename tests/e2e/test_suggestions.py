"""The list that drops below an address box as the user types, and the box's inline completion."""

import sqlite3

import corvane_e2e
from corvane_e2e import wait_until

LIST = 'Top address suggestions'


class SuggestionsTest(corvane_e2e.CorvaneTestCase):
    @classmethod
    def before_start(cls, desktop):
        favorites = desktop.tmp / 'data' / 'corvane' / 'Favorites'
        favorites.mkdir(parents=True)
        (favorites / 'Alpha Favorite.url').write_bytes(
            b'[InternetShortcut]\r\nURL=' + desktop.server.url('/favorite.html').encode() + b'\r\n')

    def history_has(self, address):
        path = self.desktop.tmp / 'data' / 'corvane' / 'history.sqlite'
        with sqlite3.connect(f'file:{path}?mode=ro', uri=True) as db:
            return db.execute('SELECT COUNT(*) FROM addresses WHERE url = ?',
                              (address,)).fetchone()[0] > 0

    def suggest(self, typed):
        """Types over the top box's text; returns the list once it shows the search entry."""
        d = self.desktop
        d.enter('Top', typed, 'End')
        listing = d.find(LIST, role='list')
        wait_until(lambda: listing.showing and listing.children and
                   listing.children[0].name == f'Search for {typed}', 5, 'the list')
        return listing

    def entries(self, listing):
        return [(c.name, c.description) for c in listing.children]

    def highlighted(self, listing):
        return [c.name for c in listing.children if 'selected' in c.states]

    def test_the_list_moves_opens_closes_and_forgets(self):
        d = self.desktop
        pages = {'/alpha-one.html': 'Alpha One', '/alpha-two.html': 'Alpha Two',
                 '/other.html': 'Other Alpha'}
        for path, title in pages.items():
            d.server.page(path, title)
            d.visit('Bottom' if path == '/other.html' else 'Top', path, title)
        paths = {title: path for path, title in pages.items()}
        # Typing alone goes nowhere: the list drops below the box, which keeps the keys. The
        # pages of either pane follow the search, each title over its address, then the
        # favorites.
        requests = len(d.server.requests())
        listing = self.suggest('alpha')
        names = [name for name, _ in self.entries(listing)]
        self.assertEqual(sorted(names[1:-1]), sorted(pages.values()))
        self.assertEqual(names[-1], 'Alpha Favorite')
        self.assertIn(('Other Alpha', d.server.url('/other.html')), self.entries(listing))
        self.assertTrue(d.edit_field('Top address').focused)

        # Down and Up move the highlight, and the box shows where it is.
        d.key('Down', 'Down', 'Down', 'Up')
        wait_until(lambda: self.highlighted(listing) == [names[1]], 5, 'the second entry')
        chosen = dict(self.entries(listing))[names[1]]
        self.assertEqual(d.text_of('Top address'), chosen)
        # Esc closes the list and puts back what was typed.
        d.key('Escape')
        wait_until(lambda: not listing.showing, 5, 'the list to close')
        self.assertEqual(d.text_of('Top address'), 'alpha')
        self.assertEqual(len(d.server.requests()), requests)

        # Shift+Delete forgets the highlighted page, in the list and on disk.
        listing = self.suggest('alpha')
        d.key('Down', 'Down', 'shift+Delete')
        wait_until(lambda: names[1] not in [n for n, _ in self.entries(listing)], 5,
                   'the entry forgotten')
        wait_until(lambda: not self.history_has(chosen), 10, 'the page gone from the history')
        self.assertTrue(self.history_has(d.server.url(paths[names[2]])))
        # Enter opens the entry highlighted, which is now the next page.
        self.assertEqual(self.highlighted(listing), [names[2]])
        d.key('Return')
        d.arrive('Top', paths[names[2]], names[2])
        wait_until(lambda: not listing.showing, 5, 'the list to close')

        # A click opens an entry too.
        listing = self.suggest('alpha')
        entry = next(c for c in listing.children if c.name == 'Other Alpha')
        d.click(entry)
        d.arrive('Top', '/other.html', 'Other Alpha')
        wait_until(lambda: not listing.showing, 5, 'the list to close')

        # The box's own list still opens with Alt+Down, and closes this one.
        listing = self.suggest('alpha')
        d.key('alt+Down')
        d.shown_list(d.find('Top address', role='combo box'))
        wait_until(lambda: not listing.showing, 5, 'the suggestions to close')
        d.key('Escape')

    def test_inline_completion_and_a_huge_paste(self):
        d = self.desktop
        d.server.page('/host.html', 'Host Page')
        d.visit('Top', '/host.html', 'Host Page')
        # The host of the best page is completed, selected; Backspace takes it away.
        d.click(d.edit_field('Top address'))
        d.key('ctrl+a')
        d.type('12')
        d.wait_for_text('Top address', '127.0.0.1', 5)
        d.key('BackSpace')
        d.wait_for_text('Top address', '12', 5)
        d.type('7')
        d.wait_for_text('Top address', '127.0.0.1', 5)
        # Enter goes to the text in the box, completion included.
        d.key('Return')
        d.wait_for_text('Top address', 'http://127.0.0.1/')

        # A text of well over 100,000 characters, doubled by pasting, holds up neither the box
        # nor the list: a key typed after it arrives.
        d.enter('Top', 'word ', 'ctrl+a')
        d.key(*['ctrl+c', 'End', 'ctrl+v', 'ctrl+a'] * 15)
        d.key('End', 'exclam')
        box = d.find('Top address')
        wait_until(lambda: box.text.endswith('!'), 20, 'the key after the paste')
        self.assertGreater(len(box.text), 100_000)
        listing = d.find(LIST, role='list')
        wait_until(lambda: listing.showing, 5, 'the list')
        d.key('Escape')
        wait_until(lambda: not listing.showing, 5, 'the list to close')


if __name__ == '__main__':
    corvane_e2e.main()
