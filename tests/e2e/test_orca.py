"""A person who cannot see the screen browses with the screen reader Orca, by keys alone: what
Orca says (its debug log) is all the test goes by."""

import re

import corvane_e2e
from corvane_e2e import wait_until
from corvane_e2e.screen_reader import ScreenReader

HEADINGS = (b'<html><head><title>Heading Page</title></head><body><h1>Big Heading</h1>'
            b'<p>First paragraph text.</p><a href="/other.html">a link</a></body></html>')


class OrcaTest(corvane_e2e.CorvaneTestCase):
    orca = None

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        d = cls.desktop
        d.server.raw('/headings.html', 200, 'text/html; charset=utf-8', HEADINGS, [])
        d.server.slow_page('/slow.html', 'Slow', 60)
        d.server.page('/favorite.html', 'Favorite Page')
        favorites = d.tmp / 'data' / 'corvane' / 'Favorites'
        favorites.mkdir(parents=True)
        (favorites / 'Favorite Page.url').write_bytes(
            b'[InternetShortcut]\r\nURL=' + d.server.url('/favorite.html').encode() + b'\r\n')
        try:
            cls.orca = ScreenReader(d)
        except BaseException:
            cls.desktop.close()
            raise

    @classmethod
    def tearDownClass(cls):
        if cls.orca:
            cls.orca.stop()
        super().tearDownClass()

    def say(self, *keys, heard, typed=None):
        """Presses the keys (then types the text and Enter) and waits until Orca says `heard`."""
        self.orca.mark()
        self.desktop.key(*keys)
        if typed:
            self.desktop.type(typed)
            self.desktop.key('Return')
        return self.orca.wait_for(heard)

    def test_browsing_by_ear(self):
        d, orca = self.desktop, self.orca
        # Start-up: the tip of the day, a next one read as it comes; once the tip is put away, the
        # keys are in the top address box.
        tips = (d.resources / 'TIPOFDAY.TXT').read_text().splitlines()
        tip = d.find(corvane_e2e.desktop.TIP_WINDOW, role='dialog', timeout=20)
        d.focus_window(d.window(corvane_e2e.desktop.TIP_WINDOW))
        orca.mark()
        d.click(d.find('Next Tip', role='push button', within=tip))
        orca.wait_for(lambda said: any(t in said for t in tips if t), what='a tip')
        d.close_tip_window(20)
        d.focus_window(d.window(corvane_e2e.MAIN_TITLE))
        self.say('KP_Enter', heard='Top address editable combo box')  # where am I
        # Alt+A, the mnemonic of both "Address:" labels, goes from box to box; each says its pane.
        self.say('alt+a', 'alt+a', heard='Bottom address: editable combo box')
        self.say('alt+a', heard='Top address')

        # An address typed: the page's title once it has loaded, as the eye sees it.
        self.say('ctrl+a', typed=d.server.url('/headings.html'),
                 heard='Page loaded: Heading Page')
        d.key('Insert+KP_Enter', 'Insert+KP_Enter')  # the status bar, read aloud
        orca.wait_for('Top status statusbar')
        orca.wait_for('Page Title: Heading Page')
        # The emptied progress bar said nothing before the status bar was read.
        self.assertFalse([said for said in orca.spoken() if said.startswith('0 percent')])

        # Shift+F6 goes from pane to pane, and each says where the keys are now.
        self.say('shift+F6', heard='Bottom pane, Corvane User Guide')
        orca.wait_for('Corvane User Guide document web')  # the reader is there too
        self.say('shift+F6', heard='Top pane, Heading Page')
        orca.wait_for('Heading Page document web')
        # The page read line by line with the reader's review keys.
        self.say('KP_Up', heard='Big Heading')
        self.say('KP_Page_Up', heard='First paragraph text.')

        # The entry chosen in the list below the box is heard, while the keys stay in the box.
        self.say('ctrl+l', heard='Top address')
        d.type('heading')
        self.say('Down', heard='Search for heading')
        self.say('Down', heard='Heading Page')
        # Esc closes the list, the keys still in the box (a reader that fell behind may have kept
        # the box as its place all along, and then has nothing new to say): Tab goes on from it.
        d.key('Escape')
        listing = d.find('Top address suggestions', role='list')
        wait_until(lambda: not listing.showing, 5, 'the suggestions to close')

        # Tab from the address box names the page's first link.
        self.say('Tab', heard='a link link')
        # What the find bar finds is heard as it is found.
        self.say('ctrl+f', heard='Find text')
        self.say('a', heard=lambda said: re.search(r'\b1 of [1-9]', said))
        self.say('z', 'z', heard='No matches')
        self.say('Escape', heard='a link link')
        # A second page of the pane: each page shown is heard by its place, and Tab, past the
        # strip of tabs, still reaches the link of the page made after the start.
        self.say('ctrl+t', heard='Page 2 of 2, New Page')
        loads = d.server.count('/headings.html')
        d.type(d.server.url('/headings.html'))
        d.key('Return')
        d.server.wait_for_request('/headings.html', count=loads + 1)
        d.wait_for_text('Top status', 'Page Title: Heading Page')
        self.say('Tab', heard=lambda said: 'page tab' in said)
        self.say('Tab', heard='a link link')
        self.say('ctrl+l', heard='Top address')
        self.say('ctrl+1', heard='Page 1 of 2, Heading Page')
        self.say('ctrl+Tab', heard='Page 2 of 2, Heading Page')
        self.say('ctrl+F4', heard='Page 1 of 1, Heading Page')
        self.say('Tab', heard='a link link')
        # A load stopped with Esc is heard as stopped.
        self.say('ctrl+l', 'ctrl+a', heard='Top address', typed=d.server.url('/slow.html'))
        d.server.wait_for_request('/slow.html')
        self.say('Tab', heard='a link link')
        self.say('Escape', heard='Loading stopped')
        self.assertFalse([said for said in orca.spoken() if said.startswith('Page loaded')])

        # A favorite opened from the tree by keys: the tree, the favorite, the question, the page.
        self.say('ctrl+F2', heard=lambda said: said == 'Favorites tree.')
        self.say('Down', heard='Favorite Page')
        # The tree's root is the folder by name, not the path it shows.
        root = self.say('Up', heard=lambda said: said.startswith('Favorites'))
        self.assertNotIn('/', root)
        self.say('Down', heard='Favorite Page')
        self.say('Return', heard='Do you want the Top Browser to open this?')
        orca.wait_for('Yes push button')  # the keys are in the question now
        d.key('Return')
        # The page comes (a reader that fell behind in the rush of a load may have let its "Page
        # loaded" go; and a key the reader is too slow to take reaches the tree, where Enter
        # would open the favorite again). Back in the main window, as a window manager puts the
        # focus after the question where it was: the tree.
        d.wait_for_text('Top status', 'Page Title: Favorite Page')
        orca.mark()
        d.focus_window(d.window(corvane_e2e.MAIN_TITLE))
        orca.wait_for('Favorites tree')

        # The about box says which version this is.
        d.key('alt+h')
        self.say('Up', heard='About')
        self.say('Return', heard='Corvane Version 2.0')


if __name__ == '__main__':
    corvane_e2e.main()
