"""The panes' toolbars and the File and Edit menus as a person uses them: every toolbar button by
mouse in either pane, folder view through the open-file dialog, and find."""

import re

import corvane_e2e
from corvane_e2e import wait_until
from corvane_e2e.accessibility import Atspi

PANES = ('Top', 'Bottom')
FOLDER_MESSAGE = ('View folder contents ({} files total) is on. Use back and forward navigation '
                  'buttons to view contents of this folder.')


class PaneCommandsTest(corvane_e2e.CorvaneTestCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # The tip of the day comes last in the start-up and would take the keys meant for a pane.
        cls.desktop.close_tip_window(20)

    # -- helpers -------------------------------------------------------------------------------

    def button(self, pane, name):
        d = self.desktop
        return d.find(name, role='push button', within=d.find(f'{pane} toolbar'))

    def press(self, pane, name):
        self.desktop.click(self.button(pane, name))

    def enabled(self, pane, name):
        return 'enabled' in self.button(pane, name).states

    def wait_enabled(self, pane, back, forward):
        wait_until(lambda: (self.enabled(pane, 'Back'), self.enabled(pane, 'Forward')) ==
                   (back, forward), 10,
                   lambda: f'{pane} Back, Forward enabled {(back, forward)}; they are '
                           f'{(self.enabled(pane, "Back"), self.enabled(pane, "Forward"))}')

    def go(self, pane, path):
        self.desktop.enter(pane, self.desktop.server.url(path))

    def arrive(self, pane, address, title):
        d = self.desktop
        d.wait_for_text(f'{pane} status', f'Page Title: {title}')
        wait_until(lambda: d.text_of(f'{pane} address') == address, 10,
                   lambda: f'{address!r} in the {pane} address box, not '
                           f'{d.text_of(f"{pane} address")!r}')

    def visit(self, pane, path, title):
        self.go(pane, path)
        self.arrive(pane, self.desktop.server.url(path), title)

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

    # -- toolbars ------------------------------------------------------------------------------

    def test_back_and_forward_are_enabled_as_the_history_allows(self):
        d = self.desktop
        for pane in PANES:
            with self.subTest(pane=pane):
                for name in ('first', 'second'):
                    d.server.page(f'/{pane}-{name}.html', f'{pane} {name}')
                self.visit(pane, f'/{pane}-first.html', f'{pane} first')
                self.visit(pane, f'/{pane}-second.html', f'{pane} second')
                self.wait_enabled(pane, True, False)
                self.press(pane, 'Back')
                self.arrive(pane, d.server.url(f'/{pane}-first.html'), f'{pane} first')
                self.wait_enabled(pane, True, True)
                self.press(pane, 'Forward')
                self.arrive(pane, d.server.url(f'/{pane}-second.html'), f'{pane} second')
                self.wait_enabled(pane, True, False)

    def test_refresh_loads_the_page_again(self):
        d = self.desktop
        for pane in PANES:
            with self.subTest(pane=pane):
                path = f'/refresh-{pane}.html'
                d.server.page(path, f'Refresh {pane}')
                self.visit(pane, path, f'Refresh {pane}')
                self.press(pane, 'Refresh')
                d.server.wait_for_request(path, count=2)
                d.wait_for_text(f'{pane} status', f'Page Title: Refresh {pane}')

    def test_stop_ends_a_load_and_the_next_address_loads_whole(self):
        d = self.desktop
        for pane in PANES:
            with self.subTest(pane=pane):
                slow, later = f'/slow-{pane}.html', f'/later-{pane}.html'
                d.server.slow_page(slow, f'Slow {pane}', 2)
                d.server.slow_page(later, f'Later {pane}', 2)
                self.go(pane, slow)
                d.server.wait_for_request(slow)
                self.press(pane, 'Stop')
                d.wait_for_text(f'{pane} status', lambda text: text.startswith('Page Title: '))
                self.assertEqual(self.progress(pane), 0)
                # Straight on to a page held back as long and asked for after the stopped one:
                # once it has come whole, the stopped page's answer has had its time.
                self.visit(pane, later, f'Later {pane}')
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
                    self.arrive(pane, d.server.url(f'/home-{name}.html'), f'Home {name}')

    def test_favorites_button_of_either_toolbar_shows_and_hides_the_one_favorites_pane(self):
        d = self.desktop
        tree = d.find('Favorites tree')
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
                    wait_until(lambda: re.fullmatch(pattern, d.text_of(f'{pane} address')), 20,
                               lambda: f'the {page} address in the {pane} box, not '
                                       f'{d.text_of(f"{pane} address")!r}')
                    d.wait_for_text(f'{pane} status', lambda text: text.startswith('Page Title: '))

    # -- folder view ---------------------------------------------------------------------------

    def test_open_a_file_and_step_through_its_folder_with_the_toolbar(self):
        d = self.desktop
        folder = d.tmp / 'My Slides'
        folder.mkdir()
        for n in (1, 2, 3):
            (folder / f'slide{n}.html').write_text(
                f'<html><head><title>Slide {n}</title></head><body>Slide {n}</body></html>')
        (folder / 'notes.xls').write_text('not shown')
        # The box shows a file address as a person reads it, blanks and all.
        slide = {n: f'file://{folder}/slide{n}.html' for n in (1, 2, 3)}

        d.choose_menu('File', 'Open Top Browser')
        wait_until(lambda: d.find('File name:', role='text').focused, 10, 'the open-file dialog')
        d.type(str(folder / 'slide3.html'))
        d.key('Return')
        d.wait_for_text('Top status', FOLDER_MESSAGE.format(4))
        self.assertEqual(d.text_of('Top address'), slide[3])
        self.wait_enabled('Top', True, True)

        # In name order: notes.xls, slide1, slide2, slide3. The first Forward makes entry 0
        # current and steps over it.
        for n in (1, 2, 3):
            self.press('Top', 'Forward')
            wait_until(lambda: d.text_of('Top address') == slide[n], 10, f'slide {n}')
            d.wait_for_text('Top status', FOLDER_MESSAGE.format(4))
        self.wait_enabled('Top', True, False)
        for n in (2, 1):
            self.press('Top', 'Back')
            wait_until(lambda: d.text_of('Top address') == slide[n], 10, f'slide {n}')
        self.wait_enabled('Top', True, True)
        # Back onto the spreadsheet leaves the page as it is, and there is nothing before it.
        self.press('Top', 'Back')
        self.wait_enabled('Top', False, True)
        self.assertEqual(d.text_of('Top address'), slide[1])

        # A plain web page ends folder view: Back follows the history again.
        d.server.page('/after-slides.html', 'After Slides')
        self.visit('Top', '/after-slides.html', 'After Slides')
        self.wait_enabled('Top', True, False)
        self.press('Top', 'Back')
        wait_until(lambda: d.text_of('Top address') == slide[1], 10, 'the history back to slide 1')

    # -- find ----------------------------------------------------------------------------------

    def test_ctrl_f_finds_on_the_page_with_the_focus_and_the_menu_on_the_top_page(self):
        d = self.desktop
        d.server.page('/birds.html', 'Birds', 'A crow, a raven and another Crow.')
        self.visit('Top', '/birds.html', 'Birds')
        self.visit('Bottom', '/birds.html', 'Birds')
        for where, way, bar in (('Top', 'key', 'Top'), ('Bottom', 'key', 'Bottom'),
                                ('Bottom', 'menu', 'Top')):
            with self.subTest(focus=where, way=way):
                area = d.find(f'{where} browser').extents
                d.click((area.x + 6, area.bottom - 6))
                if way == 'key':
                    d.key('ctrl+f')
                else:
                    d.choose_menu('Edit', 'Find')
                found = d.find(f'{bar} find bar')
                field = d.find('Find text', role='text', within=found)
                wait_until(lambda: field.showing and field.focused, 10, 'the find bar')
                page = d.find(f'{bar} browser').extents
                self.assertTrue(page.y <= field.extents.y < page.bottom, f'on the {bar} pane')
                result = d.find('Find result', within=found)
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
                    d.click(d.find('Match case', within=found))
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
                d.key('ctrl+c')
                d.click(d.edit_field(f'{bar} address'))
                d.key('ctrl+a', 'ctrl+v')
                wait_until(lambda: d.text_of(f'{bar} address') == 'raven', 5, 'the match copied')


if __name__ == '__main__':
    corvane_e2e.main()
