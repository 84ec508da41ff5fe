"""The address boxes: typing, Enter, the list, the editing keys."""

import corvane_e2e
from corvane_e2e import wait_until

PANES = ('Top', 'Bottom')


class AddressBoxTest(corvane_e2e.CorvaneTestCase):
    def visit(self, pane, path, title, key='Return'):
        """Types the server's address of `path` into the pane's box, presses `key` and checks
        that the page came, asked for once."""
        self.desktop.enter(pane, self.desktop.server.url(path), key)
        self.assert_arrived(pane, path, title)

    def assert_arrived(self, pane, path, title, requests=1):
        self.desktop.arrive(pane, path, title)
        self.assertEqual(self.desktop.server.count(path), requests)

    def test_enter_goes_to_the_typed_address_in_either_box(self):
        # Return is every other test's way there.
        for pane in PANES:
            with self.subTest(pane=pane):
                self.desktop.server.page(f'/enter-{pane}.html', f'{pane} Enter')
                self.visit(pane, f'/enter-{pane}.html', f'{pane} Enter', 'KP_Enter')

    def test_the_box_shows_where_the_page_ended_up(self):
        d = self.desktop
        d.server.page('/moved-here.html', 'Moved Here')
        d.server.redirect('/moved', d.server.url('/moved-here.html'))
        d.enter('Bottom', d.server.url('/moved'))
        self.assert_arrived('Bottom', '/moved-here.html', 'Moved Here')
        self.assertEqual(d.server.count('/moved'), 1)

    def test_typing_or_leaving_the_box_loads_nothing(self):
        d = self.desktop
        d.server.page('/known.html', 'Known')
        d.server.page('/elsewhere.html', 'Elsewhere')
        # The first address goes into the list; typing it again later is the case where the box
        # itself would find the text among its entries.
        self.visit('Top', '/known.html', 'Known')
        self.visit('Top', '/elsewhere.html', 'Elsewhere')

        for typed in (d.server.url('/fresh.html'), d.server.url('/known.html')):
            with self.subTest(typed=typed):
                d.click(d.edit_field('Top address'))
                d.key('ctrl+a')
                d.type(typed)
                wait_until(lambda: d.text_of('Top address') == typed, 5, 'the typed text')
                # Leaving the box is not Enter either. A key typed in the other box afterwards
                # shows that the click has been handled, and a navigation would have said
                # "Going to" at once.
                bottom = d.edit_field('Bottom address')
                d.click(bottom)
                d.key('End', 'exclam')
                wait_until(lambda: bottom.text.endswith('!'), 5, 'the key in the bottom box')
                d.key('BackSpace')
                self.assertEqual(d.text_of('Top status'), 'Page Title: Elsewhere')
                self.assertEqual(d.text_of('Top address'), typed)
                self.assertEqual(d.server.count('/fresh.html'), 0)
                self.assertEqual(d.server.count('/known.html'), 1)

        # Enter on the text of an entry goes there once.
        d.click(d.edit_field('Top address'))
        d.key('End', 'Return')
        self.assert_arrived('Top', '/known.html', 'Known', requests=2)
        # A second request would have gone out before the next page's.
        d.enter('Top', d.server.url('/elsewhere.html'))
        self.assert_arrived('Top', '/elsewhere.html', 'Elsewhere', requests=2)
        self.assertEqual(d.server.count('/known.html'), 2)

    def test_enter_on_an_empty_box_says_where_it_goes(self):
        d = self.desktop
        requests = len(d.server.requests())
        d.click(d.edit_field('Bottom address'))
        d.key('ctrl+a', 'BackSpace', 'Return')
        d.wait_for_text('Bottom status', 'Going to ')
        # The next address typed is the only one asked for.
        d.server.page('/after-empty.html', 'After Empty')
        self.visit('Bottom', '/after-empty.html', 'After Empty')
        asked = [p for p in d.server.requests()[requests:] if p != '/favicon.ico']
        self.assertEqual(asked, ['/after-empty.html'])

    def test_pick_from_the_list_with_the_mouse_or_the_keyboard(self):
        d = self.desktop
        for pane in PANES:
            for name in ('a', 'b'):
                d.server.page(f'/{pane}-{name}.html', f'{pane} {name}')
                self.visit(pane, f'/{pane}-{name}.html', f'{pane} {name}')
        entries = {pane: [d.server.url(f'/{pane}-{name}.html') for name in 'ab'] for pane in PANES}

        listing = d.open_list('Top address')
        d.pick(listing, entries['Top'][0])
        self.assert_arrived('Top', '/Top-a.html', 'Top a', requests=2)
        box = d.find('Top address', role='combo box')
        self.assertEqual([c.name for c in box.child('list').children][:2], entries['Top'])

        # Arrows in the closed box neither change the address nor go anywhere.
        d.click(d.edit_field('Bottom address'))
        d.key('Down', 'Down', 'Up', 'Page_Down')
        # The list opens on the shown address, the first entry; the next one down is the one
        # before it. Its opening also proves the arrows before it have had their turn.
        d.key('alt+Down')
        d.shown_list(d.find('Bottom address', role='combo box'))
        self.assertEqual(d.text_of('Bottom address'), entries['Bottom'][1],
                         'an arrow in the closed box went away')
        self.assertEqual(d.server.count('/Bottom-a.html'), 1,
                         'an arrow in the closed box navigated')
        d.key('Down', 'Return')
        self.assert_arrived('Bottom', '/Bottom-a.html', 'Bottom a', requests=2)

    def test_editing_keys_stay_with_the_box(self):
        d = self.desktop
        requests = len(d.server.requests())
        d.enter('Top', 'abc', 'ctrl+a')
        d.key('ctrl+c', 'End', 'ctrl+v')
        wait_until(lambda: d.text_of('Top address') == 'abcabc', 5, 'the pasted copy')
        d.key('ctrl+a', 'ctrl+x')
        wait_until(lambda: d.text_of('Top address') == '', 5, 'the text cut')
        d.key('ctrl+v', 'ctrl+v')
        wait_until(lambda: d.text_of('Top address') == 'abcabcabcabc', 5, 'the cut text pasted')
        self.assertEqual(len(d.server.requests()), requests)


if __name__ == '__main__':
    corvane_e2e.main()
