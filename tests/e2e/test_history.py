"""The history of visited pages: a damaged file set aside with its message, and the History window
that finds a page the other pane showed, opens it in the pane that had the focus, and clears it."""

import corvane_e2e
from corvane_e2e import wait_until
from corvane_e2e.screen_reader import ScreenReader

GARBAGE = b'these are not the pages you visited\n' * 100
SET_ASIDE = 'The history file '


class HistoryTest(corvane_e2e.CorvaneTestCase):
    notice = None

    @classmethod
    def start_env(cls, desktop):
        cls.folder = desktop.tmp / 'data' / 'corvane'
        cls.folder.mkdir(parents=True, exist_ok=True)
        (cls.folder / 'history.sqlite').write_bytes(GARBAGE)
        return {}

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # The message stands over the main window, and the tip of the day, until it is answered.
        d = cls.desktop
        try:
            label = d.message(SET_ASIDE, timeout=20)
            cls.notice = label.name
            d.click(d.find('OK', role='push button', within=label.parent))
            wait_until(lambda: not label.showing, 5, 'the message to close')
            d.close_tip_window(20)
            d.focus_window(d.window(corvane_e2e.MAIN_TITLE))
        except BaseException:
            cls._keep_artifacts('start')
            cls.desktop.close()
            raise

    def test_a_damaged_file_is_set_aside_with_one_message(self):
        self.assertIn('was damaged', self.notice)
        self.assertIn('history.sqlite.damaged', self.notice)
        self.assertEqual((self.folder / 'history.sqlite.damaged').read_bytes(), GARBAGE)
        begun = (self.folder / 'history.sqlite').read_bytes()
        self.assertTrue(begun.startswith(b'SQLite format 3'))

    def test_the_window_finds_a_page_of_the_other_pane_opens_it_and_clears_it(self):
        d = self.desktop
        d.server.page('/seen-below.html', 'Seen Below')
        d.server.page('/below-now.html', 'Below Now')
        d.visit('Bottom', '/seen-below.html', 'Seen Below')
        d.visit('Bottom', '/below-now.html', 'Below Now')
        address = d.server.url('/seen-below.html')
        # From the top pane's box: Enter in the window opens the page there.
        d.click(d.edit_field('Top address'))
        d.key('ctrl+h')
        window = d.dialog('History')
        search = d.find('Search history', role='text', within=window)
        wait_until(lambda: search.focused, 5, 'the search box to have the keys')
        listing = d.find('Visited pages', within=window)

        def listed():
            return [c.name for c in listing.descendants() if c.role == 'table cell']

        d.type('seen below')
        wait_until(lambda: listed() == ['Today', '1 page', 'Seen Below', address], 10,
                   lambda: f'the page alone in the list, not {listed()}')
        d.key('Return')
        d.arrive('Top', '/seen-below.html', 'Seen Below')
        self.assertEqual(d.server.count('/seen-below.html'), 2)
        # A double click opens it there too, and the bottom pane goes on showing its page.
        title = next(c for c in listing.descendants() if c.name == 'Seen Below')
        x, y = title.extents.center
        d.xdotool('mousemove', x, y, 'click', '--repeat', 2, '--delay', 80, 1)
        d.server.wait_for_request('/seen-below.html', count=3)
        d.arrive('Top', '/seen-below.html', 'Seen Below')
        self.assertEqual(d.text_of('Bottom address'), d.server.url('/below-now.html'))
        self.assertEqual(d.text_of('Bottom status'), 'Page Title: Below Now')

        # Everything, after a question. A list box is called by the choice it shows.
        ranges = d.find('Last hour', role='combo box', within=window)
        d.click(ranges)
        d.pick(d.shown_list(ranges), 'Everything')
        d.click(d.find('Clear', role='push button', within=window))
        question = d.message('Remove every page from the history?')
        d.click(d.find('Yes', role='push button', within=question.parent))
        wait_until(lambda: listed() == [], 10, lambda: f'an empty list, not {listed()}')

        # Gone for good: the window opened anew, from a page, finds nothing either.
        d.key('Escape')
        wait_until(lambda: d.window('History') is None, 5, 'the window to close')
        d.into_page('Bottom')
        d.key('ctrl+h')
        window = d.dialog('History')
        listing = d.find('Visited pages', within=window)
        d.type('below')
        d.wait_for_text('Search history', 'below')
        self.assertEqual(listed(), [])
        d.key('Escape')
        wait_until(lambda: d.window('History') is None, 5, 'the window to close')

    def test_a_screen_reader_speaks_the_page_chosen(self):
        d = self.desktop
        d.server.page('/spoken.html', 'Spoken Page')
        d.visit('Top', '/spoken.html', 'Spoken Page')
        orca = ScreenReader(d)
        try:
            d.focus_window(d.window(corvane_e2e.MAIN_TITLE))
            d.click(d.edit_field('Top address'))
            d.key('ctrl+h')
            window = d.dialog('History')
            search = d.find('Search history', role='text', within=window)
            wait_until(lambda: search.focused, 5, 'the search box to have the keys')
            orca.mark()
            d.type('spoken')
            d.wait_for_text('Search history', 'spoken')
            # Down goes from the search box into the list, onto the first page found: its title
            # and its address are spoken.
            d.key('Down')
            orca.wait_for(lambda said: said == 'Spoken Page.', what='the title')
            orca.wait_for(lambda said: said == d.server.url('/spoken.html') + '.',
                          what='the address')
            # The list narrowing as the letters came never drew the reader into it.
            self.assertEqual(orca.spoken().count('Visited pages tree'), 1, orca.spoken())
            d.key('Escape')
            wait_until(lambda: d.window('History') is None, 5, 'the window to close')
        finally:
            orca.stop()


if __name__ == '__main__':
    corvane_e2e.main()
