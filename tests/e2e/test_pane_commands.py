"""Every toolbar button by mouse in either pane, find, and copying a match."""

import re

import corvane_e2e
from corvane_e2e import wait_until
from corvane_e2e.accessibility import Atspi

PANES = ('Top', 'Bottom')


class PaneCommandsTest(corvane_e2e.CorvaneTestCase):
    tip_closed = True

    def press(self, pane, name):
        self.desktop.click(self.desktop.button(pane, name))

    def progress(self, pane):
        bar = self.desktop.find(f'{pane} progress')
        bar.acc.clear_cache()
        return Atspi.Value.get_current_value(bar.acc)

    def write_home_pages(self, top, bottom):
        d = self.desktop
        (d.program_dir / 'cv.ini').write_text(
            f'[TBstart]\n1={top}\n[BBstart]\n1={bottom}\n'
            f'[TBstartOffLine]\n1={d.program_dir / "cv.html"}\n'
            f'[BBstartOffLine]\n1={d.program_dir / "CVguide.html"}\n')

    def test_back_forward_and_refresh_as_the_history_allows(self):
        d = self.desktop
        for pane in PANES:
            with self.subTest(pane=pane):
                for name in ('first', 'second'):
                    d.server.page(f'/{pane}-{name}.html', f'{pane} {name}')
                d.visit(pane, f'/{pane}-first.html', f'{pane} first')
                d.visit(pane, f'/{pane}-second.html', f'{pane} second')
                for button, name, shown in (('Back', 'first', (True, True)),
                                            ('Forward', 'second', (True, False)),
                                            ('Refresh', 'second', (True, False))):
                    self.press(pane, button)
                    d.arrive(pane, f'/{pane}-{name}.html', f'{pane} {name}')
                    wait_until(lambda: (d.enabled(pane, 'Back'),
                                        d.enabled(pane, 'Forward')) == shown, 10,
                               f'{pane} Back, Forward enabled {shown} after {button}')
                # Refresh asks the server again.
                d.server.wait_for_request(f'/{pane}-second.html', count=2)

    def test_stop_ends_a_load_and_the_next_address_loads_whole(self):
        d = self.desktop
        for pane in PANES:
            with self.subTest(pane=pane):
                slow, later = f'/slow-{pane}.html', f'/later-{pane}.html'
                d.server.slow_page(slow, f'Slow {pane}', 2)
                d.server.slow_page(later, f'Later {pane}', 2)
                d.enter(pane, d.server.url(slow))
                d.server.wait_for_request(slow)
                self.press(pane, 'Stop')
                d.wait_for_text(f'{pane} status', lambda text: text.startswith('Page Title: '))
                self.assertEqual(self.progress(pane), 0)
                # Straight on to a page held back as long and asked for after the stopped one:
                # once it has come whole, the stopped page's answer has had its time.
                d.visit(pane, later, f'Later {pane}')
                wait_until(lambda: self.progress(pane) == 0, 10, 'the load to end')
                d.wait_for_text(f'{pane} status', f'Page Title: Later {pane}')
                box = d.find(f'{pane} address', role='combo box')
                entries = [item.name for item in box.child('list').children]
                self.assertEqual(entries[0], d.server.url(later))
                self.assertNotIn(d.server.url(slow), entries)

    def test_home_goes_to_the_online_home_page_read_at_each_press(self):
        d = self.desktop
        for name in ('top-1', 'top-2', 'bottom-1', 'bottom-2'):
            d.server.page(f'/home-{name}.html', f'Home {name}')
        for number in (1, 2):
            self.write_home_pages(d.server.url(f'/home-top-{number}.html'),
                                  d.server.url(f'/home-bottom-{number}.html'))
            for pane in PANES:
                with self.subTest(pane=pane, number=number):
                    self.press(pane, 'Online Home')
                    name = f'{pane.lower()}-{number}'
                    d.arrive(pane, f'/home-{name}.html', f'Home {name}')

    def test_favorites_button_of_either_toolbar_shows_and_hides_the_one_favorites_pane(self):
        d = self.desktop
        tree = d.find('Favorites', role='tree')
        requests = len(d.server.requests())
        boxes = [d.text_of(f'{pane} address') for pane in PANES]
        for pane, shown in (('Top', True), ('Bottom', False), ('Bottom', True), ('Top', False)):
            with self.subTest(pane=pane, shown=shown):
                self.press(pane, 'Favorites')
                wait_until(lambda: tree.showing == shown, 10,
                           f'the favorites pane {"shown" if shown else "hidden"}')
        # Neither pane goes anywhere.
        self.assertEqual([d.text_of(f'{pane} address') for pane in PANES], boxes)
        self.assertEqual(len(d.server.requests()), requests)

    def test_search_and_chat_go_to_the_product_sites_pages(self):
        d = self.desktop
        for pane in PANES:
            for name, page in (('Corvane Streaming News and Search', 'newsandsearch.html'),
                               ('Corvane Chat', 'chat.html')):
                with self.subTest(pane=pane, button=name):
                    # The site is out of reach here: the page fails, and its address stays.
                    self.press(pane, name)
                    pattern = r'https?://[^/]+/' + re.escape(page)
                    d.wait_for_text(f'{pane} address', lambda text: re.fullmatch(pattern, text))
                    d.wait_for_text(f'{pane} status', lambda text: text.startswith('Page Title: '))

    def test_ctrl_f_finds_on_the_page_with_the_focus_and_the_menu_on_the_top_page(self):
        d = self.desktop
        d.server.page('/birds.html', 'Birds', 'A crow, a raven and another Crow.')
        d.visit('Top', '/birds.html', 'Birds')
        d.visit('Bottom', '/birds.html', 'Birds')
        for where, way, bar in (('Top', 'key', 'Top'), ('Bottom', 'key', 'Bottom'),
                                ('Bottom', 'menu', 'Top')):
            with self.subTest(focus=where, way=way):
                d.into_page(where)
                d.key('ctrl+f') if way == 'key' else d.choose_menu('Edit', 'Find')
                field, result = d.find_bar(bar)
                page = d.find(f'{bar} browser').extents
                self.assertTrue(page.y <= field.extents.y < page.bottom, f'on the {bar} pane')
                d.key('ctrl+a')
                d.type('crow')
                # The search starts at the page's selection, which an earlier find may have left.
                first = wait_until(lambda: result.text in ('1 of 2', '2 of 2') and result.text,
                                   10, 'a match of two')
                other = {'1 of 2': '2 of 2', '2 of 2': '1 of 2'}[first]
                for key, count in (('Return', other), ('F3', first), ('shift+Return', other)):
                    d.key(key)
                    wait_until(lambda: result.text == count, 10, f'{count} after {key}')
                # Match case leaves the capital one out; cleared, both count again.
                for count in ('1 of 1', '1 of 2'):
                    d.click(d.find('Match case', within=d.find(f'{bar} find bar')))
                    wait_until(lambda: result.text == count, 10, f'{count} after Match case')
                d.click(field)
                for word, count in (('magpie', 'No matches'), ('raven', '1 of 1')):
                    d.key('ctrl+a')
                    d.type(word)
                    wait_until(lambda: result.text == count, 10, f'{count} for {word}')
                d.key('Escape')
                wait_until(lambda: not field.showing, 5, 'the find bar to close')
                # The keyboard is back in the page, whose last match stays selected.
                wait_until(lambda: d.find(f'{bar} browser').focused, 5, 'the page focused')
                if way == 'menu':
                    # Edit, Copy copies the top page's selection wherever the keyboard is; the
                    # clipboard held the bottom address before.
                    d.click(d.edit_field('Bottom address'))
                    d.key('ctrl+a', 'ctrl+c')
                    d.choose_menu('Edit', 'Copy')
                else:
                    d.key('ctrl+c')
                d.click(d.edit_field(f'{bar} address'))
                d.key('ctrl+a', 'ctrl+v')
                wait_until(lambda: d.text_of(f'{bar} address') == 'raven', 5, 'the match copied')


if __name__ == '__main__':
    corvane_e2e.main()
