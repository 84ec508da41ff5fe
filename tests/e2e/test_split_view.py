"""Split view: one pane's clicked links opening in the other, bookmarks from other browsers, Side
by Side."""

from urllib.parse import unquote

import corvane_e2e
from corvane_e2e import wait_until


class SplitViewTest(corvane_e2e.CorvaneTestCase):
    tip_closed = True

    def user_settings(self):
        return unquote((self.desktop.tmp / 'config' / 'corvane' / 'corvane.conf').read_text())

    def test_a_link_clicked_in_either_pane_opens_in_the_other(self):
        d = self.desktop
        for pane, other, n in (('Top', 'Bottom', 1), ('Bottom', 'Top', 2)):
            d.server.link_page(f'/index-{n}.html', f'Index {n}', f'/article-{n}.html')
            d.server.page(f'/article-{n}.html', f'Article {n}')
            d.visit(pane, f'/index-{n}.html', f'Index {n}')
            item = f"Open {pane} Pane's Links in {other} Pane"
            d.choose_menu('Browsers', item)
            wait_until(lambda: d.find(item, role='menu item').checked, 5, 'the item checked')

            d.click(d.find(f'{pane} browser'))
            d.arrive(other, f'/article-{n}.html', f'Article {n}')
            # The pane that drives stays where it is: by the time the other pane has the article,
            # the refused click in this one has long had its turn.
            self.assertEqual(d.text_of(f'{pane} address'), d.server.url(f'/index-{n}.html'))
            self.assertEqual(d.server.count(f'/article-{n}.html'), 1)
        # A middle click opens the link as a new page behind the one shown, in the pane the links
        # go to; the pane clicked in stays where it is.
        d.click(d.find('Bottom browser'), button=2)
        d.server.wait_for_request('/article-2.html', count=2)
        d.find('Article 2', role='page tab', showing=True)
        self.assertEqual(d.text_of('Top address'), d.server.url('/article-2.html'))
        self.assertEqual(d.text_of('Bottom address'), d.server.url('/index-2.html'))

        # Off again, a link opens where it is clicked.
        d.choose_menu('Browsers', "Open Top Pane's Links in Bottom Pane")
        d.server.link_page('/index-3.html', 'Index 3', '/article-3.html')
        d.server.page('/article-3.html', 'Article 3')
        d.visit('Top', '/index-3.html', 'Index 3')
        d.click(d.find('Top browser'))
        d.wait_for_text('Top status', 'Page Title: Article 3')
        self.assertEqual(d.text_of('Bottom address'), d.server.url('/index-2.html'))
        d.choose_menu('Browsers', "Open Bottom Pane's Links in Top Pane")

    def import_file(self, path, told):
        """Imports the file through the Favorites menu and its dialog; waits for the message."""
        d = self.desktop
        d.choose_menu('Favorites ', 'Import Favorites...')
        wait_until(lambda: d.find('File name:', role='text').focused, 10, 'the open-file dialog')
        d.type(str(path))
        d.key('Return')
        d.message(told)
        d.key('Return')

    def test_bookmarks_come_into_the_tree_and_open(self):
        # Each format's reading is the unit tests'; here the menu, the dialog, the files, the tree.
        d = self.desktop
        favorites = d.tmp / 'data' / 'corvane' / 'Favorites'
        # A documentation page, and a bookmarks file cut short, are refused with nothing written.
        page = d.tmp / 'options.html'
        page.write_text('<!DOCTYPE html><html><head><title>Options</title></head><body>\n'
                        '<h1>Options<a href="#options">\u00b6</a></h1>\n'
                        '<dl><dt id="v"><code>--verbose</code><a href="#v">\u00b6</a></dt>\n'
                        '<dd>See <a href="index.html">index</a>, <a href="next.html">next</a>.'
                        '</dd></dl></body></html>\n')
        self.import_file(page, 'options.html is not a bookmarks file Corvane can read')
        header = '<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<TITLE>Bookmarks</TITLE>\n<DL><p>\n'
        cut = d.tmp / 'cut.html'
        cut.write_text(header + '  <DT><A HREF="http://127.0.0.1/">Cut sh')
        self.import_file(cut, 'cut.html is a bookmarks file, but damaged')
        self.assertFalse(favorites.exists() and any(favorites.iterdir()))

        d.server.page('/kept.html', 'Kept')
        bookmarks = d.tmp / 'bookmarks.html'
        odd = ('50%2F off', '100%25 sure', '.profile')
        bookmarks.write_text(
            header + f'  <DT><A HREF="{d.server.url("/kept.html")}">Kept one</A>\n' +
            ''.join(f'  <DT><A HREF="http://127.0.0.1/{n}">{name}</A>\n'
                    for n, name in enumerate(odd)) + '</DL><p>\n')
        self.import_file(bookmarks, '4 favorites imported.')
        self.assertIn(d.server.url('/kept.html').encode(),
                      (favorites / 'Kept one.url').read_bytes())

        # The pane shows with the favorites in it, each named as titled.
        tree = d.find('Favorites', role='tree')

        def shown(name):
            return wait_until(lambda: tree.showing and next(
                (c for c in tree.descendants() if c.name == name and c.showing), None),
                10, f'{name!r} in the tree')
        for name in odd:
            shown(name)
        d.click(shown('Kept one'))
        d.find('Do you want the Top Browser to open this?', timeout=10)
        d.key('Return')
        d.wait_for_text('Top status', 'Page Title: Kept')

    def test_side_by_side_with_each_view_mode_and_both_splitters(self):
        d = self.desktop

        def at(name):
            return d.find(name).extents
        d.click(d.find('Top browser'))
        d.key('shift+F7')
        wait_until(lambda: at('Bottom browser').x > at('Top browser').right, 5,
                   'the bottom pane to the right of the top pane')
        top, bottom = at('Top browser'), at('Bottom browser')
        self.assertEqual(top.y, bottom.y)
        for pane, page in (('Top', top), ('Bottom', bottom)):
            for control in (f'{pane} address', f'{pane} status'):
                box = at(control)
                self.assertLessEqual(box.bottom, page.y, control)
                self.assertTrue(page.x <= box.x < page.right, control)
        self.assertIn('Side by Side=1', self.user_settings())

        # One pane alone takes both columns; both again share them.
        for option, shown in (('Top Browser', 'Top browser'), ('Bottom Browser', 'Bottom browser')):
            d.click(d.find(option, role='radio button'))
            wait_until(lambda: at(shown).width > top.width * 1.8, 5, f'{shown} alone')
            self.assertEqual(at(shown).x, top.x)
        d.click(d.find('Both Browsers', role='radio button'))
        wait_until(lambda: at('Bottom browser').x == bottom.x, 5, 'both panes again')

        # The pane splitter stands upright and follows the pointer.
        bar = at('Pane splitter')
        self.assertGreater(bar.height, bar.width)
        # Its left edge comes where the pointer is, a few pixels left of where it was pressed.
        d.drag(bar.center, (bar.center[0] + 100, bar.center[1]))
        wait_until(lambda: abs(at('Top browser').width - (top.width + 100)) <= 6, 5,
                   'the left page 100 pixels wider')
        self.assertAlmostEqual(at('Bottom address').x, at('Bottom browser').x, delta=70)

        # The favorites column pushes both columns right, and its splitter moves them.
        tree = d.find('Favorites', role='tree')
        for showing in ((False, True) if tree.showing else (True,)):
            without = at('Top browser').x
            d.key('ctrl+F2')
            wait_until(lambda: tree.showing == showing, 5, 'the favorites pane shown or hidden')
        wait_until(lambda: at('Top browser').x > without, 5, 'the columns pushed right')
        moved = at('Top browser').x
        split = d.find('Favorites splitter').extents
        d.drag(split.center, (split.center[0] + 60, split.center[1]))
        wait_until(lambda: at('Top browser').x >= moved + 55, 5, 'the columns to follow')
        d.key('ctrl+F2')

        # Off again: top above bottom.
        d.click(d.find('Top browser'))
        d.key('shift+F7')
        wait_until(lambda: at('Bottom browser').y > at('Top browser').bottom, 5,
                   'the bottom pane below the top pane')
        self.assertIn('Side by Side=0', self.user_settings())


if __name__ == '__main__':
    corvane_e2e.main()
