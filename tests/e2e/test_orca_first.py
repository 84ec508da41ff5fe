"""A blind user's usual start: the screen reader Orca runs first, then Corvane starts (with no
accessibility switch of its own: Orca turns it on). What Orca says (its debug log) is what the
test goes by; then an article among navigation, a sidebar and comments is read in the reader
view, line by line, by its headings and by its links."""

import re

import corvane_e2e
from corvane_e2e import wait_until
from corvane_e2e.screen_reader import ScreenReader

FIRST = ('The harbour master keeps a log of every ship that comes in and goes out, with the '
         'hour, the tide, the weather and the cargo, and the log has been kept in the same '
         'hand-bound books since the first stone of the quay was laid, two hundred years ago.')
SECOND = ('Spring tides come twice a month, at the new and the full moon, when the sun and the '
          'moon pull together and the water climbs the steps of the quay to the harbour office.')
ARTICLE = f"""
<header><nav><a href="/">NavHome</a> <a href="/news">NavNews</a> <a href="/sport">NavSport</a>
</nav></header>
<aside class="sidebar"><h3>SidebarTitle</h3><ul><li><a href="/a">SidebarOne</a></li></ul></aside>
<article><h1>Notes from the harbour</h1><p class="byline">By Ann Author</p>
<p>{FIRST}</p><p>{SECOND} {SECOND}</p>
<h2>Tides</h2><p>{SECOND} The <a href="/tables.html">tide tables</a> give the hours.</p>
<p>{FIRST}</p><h2>Weather</h2><p>{FIRST} {SECOND}</p></article>
<section class="comments"><h3>Comments</h3><p>CommentText from a reader.</p></section>
<footer>FooterText</footer>"""


def words(text):
    return re.sub(r'\s+', ' ', text).strip()


class OrcaFirstTest(corvane_e2e.CorvaneTestCase):
    orca = None

    @classmethod
    def before_start(cls, desktop):
        cls.orca = ScreenReader(desktop)

    @classmethod
    def start_env(cls, desktop):
        return {'QT_LINUX_ACCESSIBILITY_ALWAYS_ON': None}

    @classmethod
    def tearDownClass(cls):
        if cls.orca:
            cls.orca.stop()
        super().tearDownClass()

    def say(self, *keys, heard):
        """Presses the keys and waits until Orca says `heard`."""
        self.orca.mark()
        self.desktop.key(*keys)
        return self.orca.wait_for(heard)

    def test_the_window_is_read_whole_from_the_start(self):
        d, orca = self.desktop, self.orca
        # The first tip is read with its window as it opens.
        tips = [t for t in (d.resources / 'TIPOFDAY.TXT').read_text().splitlines() if t]
        orca.wait_for(lambda said: any(t in said for t in tips), what='the first tip')
        d.focus_window(d.window(corvane_e2e.TIP_WINDOW))
        d.key('Return')
        wait_until(lambda: d.window(corvane_e2e.TIP_WINDOW) is None, 5, 'the tip window to close')
        orca.mark()
        d.focus_window(d.window(corvane_e2e.MAIN_TITLE))
        orca.wait_for('Top address editable combo box')
        d.wait_for_text('Top status', 'Page Title: Corvane')

        # The status bar command finds the status line.
        self.say('Insert+KP_Enter', 'Insert+KP_Enter', heard='Top status statusbar')
        orca.wait_for('Page Title: Corvane')
        # Flat review goes from the top of the window, line by line, past the menu bar down into
        # the top page.
        self.say('KP_Subtract', heard='Entering flat review')
        self.say('Insert+KP_Home', heard=lambda said: said.startswith('File'))
        orca.mark()
        for lines in range(1, 21):
            d.key('KP_Page_Up')
            read = wait_until(lambda: orca.spoken()[lines - 1:] and orca.spoken(), 10,
                              'the next line read')
            if any('Version 2.0' in said for said in read):
                break
        else:
            self.fail(f'the review never reached the top page; it read {orca.spoken()!r}')

    def into_top_page(self):
        self.desktop.into_page('Top')
        wait_until(lambda: self.desktop.focused().name == 'Top browser', 5, 'the top page focused')

    def test_then_an_article_is_read_in_the_reader_view(self):
        d, orca = self.desktop, self.orca
        if d.window(corvane_e2e.TIP_WINDOW):
            d.close_tip_window()
        d.server.raw('/article.html', 200, 'text/html; charset=utf-8',
                     ('<!DOCTYPE html><html lang="en"><head><title>Harbour Notes - The Gazette'
                      f'</title></head><body>{ARTICLE}</body></html>').encode())
        d.server.page('/tables.html', 'Tide Tables')
        d.visit('Top', '/article.html', 'Harbour Notes - The Gazette')
        self.into_top_page()
        self.say('F9', heard='Reader view: ')
        text = d.focused()
        self.assertEqual(text.name, 'Article')
        shown = words(text.text)
        self.assertIn(words(FIRST), shown)
        for around in ('NavHome', 'SidebarOne', 'CommentText', 'FooterText'):
            self.assertNotIn(around, shown)

        # Down reads on line by line, through the first paragraph's wrapped lines.
        heard = []
        orca.mark()
        for _ in range(20):
            d.key('Down')
            line = words(wait_until(lambda: orca.spoken()[len(heard):] and orca.spoken(), 10,
                                    'the next line read')[len(heard)])
            heard.append(line)
            if FIRST.endswith(line.split(' ')[-1]) and line in FIRST:
                break
        read = [line for line in heard if line in FIRST]
        self.assertGreater(len(read), 1, heard)
        self.assertEqual(' '.join(read), words(FIRST))

        # The Headings list, its first heading current: the text goes on from its second.
        self.say('F6', heard='Headings')
        self.say('Down', heard='Weather')
        self.say('Return', heard=lambda said: 'Article' in said or 'Weather' in said)
        self.say('Down', heard=words(FIRST)[:40])
        # The Links list: a link opens in the pane, and the article gives way to its page.
        self.say('F6', 'F6', heard='Links')
        self.assertEqual(d.focused().name, 'Links')
        d.key('Return')
        d.arrive('Top', '/tables.html', 'Tide Tables')
        wait_until(lambda: not text.showing, 5, 'the article to give way')
        # Back on the article, Esc returns from its reader view to the page.
        self.into_top_page()
        d.key('alt+Left')
        d.arrive('Top', '/article.html', 'Harbour Notes - The Gazette')
        self.into_top_page()
        self.say('F9', heard='Reader view: ')
        d.key('Escape')
        wait_until(lambda: not text.showing, 5, 'the page back')
        wait_until(lambda: d.focused().name == 'Top browser', 5, 'the keys back in the page')


if __name__ == '__main__':
    corvane_e2e.main()
