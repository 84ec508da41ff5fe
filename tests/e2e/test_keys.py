"""The keys any desktop browser has: each acts on the pane that has the focus, and menus opened
from the keyboard wait for a key."""

import corvane_e2e
from corvane_e2e import wait_until


class KeysTest(corvane_e2e.CorvaneTestCase):
    tip_closed = True

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        d = cls.desktop
        for name in ('apple', 'banana', 'one', 'two'):
            d.server.page(f'/{name}.html', name.title(),
                          f'<p style="font-size:40px;margin:0">{name.title()}</p>')

    def focused(self):
        return self.desktop.focused().name

    def into_page(self, pane):
        self.desktop.into_page(pane)
        wait_until(lambda: self.focused() == f'{pane} browser', 5, f'the {pane} page focused')

    def test_editing_keys_act_on_the_page_with_the_focus(self):
        d = self.desktop
        d.visit('Top', '/apple.html', 'Apple')
        d.visit('Bottom', '/banana.html', 'Banana')
        # A selection in each page; the copy is the bottom page's, where the keys were pressed.
        self.into_page('Top')
        d.key('ctrl+a')
        self.into_page('Bottom')
        d.key('ctrl+a', 'ctrl+c')
        d.click(d.edit_field('Bottom address'))
        d.key('ctrl+a', 'ctrl+v')
        d.wait_for_text('Bottom address', lambda text: text.strip() == 'Banana', 5)

    def test_browser_keys_act_on_the_pane_with_the_focus(self):
        d = self.desktop
        d.visit('Top', '/apple.html', 'Apple')
        d.visit('Bottom', '/one.html', 'One')
        d.visit('Bottom', '/two.html', 'Two')
        top_loads = d.server.count('/apple.html')
        self.into_page('Bottom')
        d.key('alt+Left')
        d.wait_for_text('Bottom status', 'Page Title: One')
        d.key('alt+Right')
        d.wait_for_text('Bottom status', 'Page Title: Two')
        loads = d.server.count('/two.html')
        for keys in ('F5', 'ctrl+r', 'shift+F5', 'ctrl+shift+r'):
            with self.subTest(keys=keys):
                d.key(keys)
                loads += 1
                d.server.wait_for_request('/two.html', count=loads)
        # Each key that leads to the address box selects its text: what is typed replaces it.
        for keys in ('ctrl+l', 'alt+d', 'F6'):
            with self.subTest(keys=keys):
                self.into_page('Bottom')
                d.key(keys)
                wait_until(lambda: self.focused() == 'Bottom address', 5, 'the bottom address')
                d.type('typed')
                d.wait_for_text('Bottom address', 'typed', 5)
        self.assertEqual(d.server.count('/apple.html'), top_loads)
        self.assertEqual(d.text_of('Top status'), 'Page Title: Apple')

    def test_keys_stay_with_their_pane_across_local_and_web_pages(self):
        # A step between a local file and a web page changes the renderer under the pane's page,
        # one way and back, with the keys in the page all along.
        d = self.desktop
        local = d.home / 'local.html'
        local.write_text('<title>Local</title><p style="font-size:40px;margin:0">Local</p>')
        d.server.reporting_page('web', 'Web')
        d.visit('Top', '/apple.html', 'Apple')
        d.enter('Bottom', f'file://{local}')
        d.wait_for_text('Bottom status', 'Page Title: Local')
        d.visit('Bottom', '/web.html', 'Web')
        self.into_page('Bottom')
        d.key('alt+Left')
        d.wait_for_text('Bottom status', 'Page Title: Local')
        d.key('alt+Right')
        d.wait_for_text('Bottom status', 'Page Title: Web')
        # The page itself hears a key, and the editing keys copy its text.
        d.type('b')
        d.server.wait_for_request('/web-key-b')
        self.assertEqual(self.focused(), 'Bottom browser')
        d.key('ctrl+a', 'ctrl+c')
        d.click(d.edit_field('Bottom address'))
        d.key('ctrl+a', 'ctrl+v')
        d.wait_for_text('Bottom address', lambda text: text.strip() == 'Web', 5)
        self.assertEqual(d.text_of('Top status'), 'Page Title: Apple')

    def test_esc_stops_the_load_of_the_pane_with_the_focus(self):
        d = self.desktop
        d.server.slow_page('/slow.html', 'Slow', 30)
        d.visit('Bottom', '/one.html', 'One')
        d.enter('Bottom', d.server.url('/slow.html'))
        d.server.wait_for_request('/slow.html')
        # In the address box Esc is the box's; in the page it stops the load.
        d.key('Escape')
        # A key typed after it has arrived once Esc has had its turn.
        d.type('x')
        wait_until(lambda: d.text_of('Bottom address').endswith('x'), 10, 'the key after Esc')
        self.assertNotIn('Page Title: ', d.text_of('Bottom status'), 'stopped from the box')
        self.into_page('Bottom')
        d.key('Escape')
        d.wait_for_text('Bottom status', lambda text: text.startswith('Page Title: '), 10)

    def test_save_key_saves_the_page_with_the_focus_in_the_format_chosen(self):
        d = self.desktop
        d.visit('Bottom', '/banana.html', 'Banana')
        self.into_page('Bottom')
        d.key('ctrl+s')
        name = d.find('File name:', role='text')
        wait_until(lambda: name.showing and name.text == 'Banana.html', 10,
                   'the save dialog with the bottom page\'s name')
        # A web archive under the name offered, which takes the archive's ending.
        dialog = d.find('Save Page As', role='dialog', showing=True)
        kinds = next(c for c in dialog.descendants() if c.role == 'combo box' and
                     c.name.startswith('Web page, complete'))
        d.click(kinds)
        d.pick(d.shown_list(kinds), 'Web archive, single file (*.mhtml *.mht)')
        d.click(d.find('Save', role='push button', within=dialog))
        wait_until(lambda: d.window('Save Page As') is None, 5, 'the save dialog to close')
        saved = d.home / 'Banana.mhtml'
        wait_until(lambda: saved.exists() and b'MIME-Version' in saved.read_bytes() and
                   b'Banana' in saved.read_bytes(), 20, f'a web archive at {saved}')

    def test_menus_opened_from_the_keyboard_wait_for_a_key(self):
        d = self.desktop
        self.into_page('Top')
        d.key('F10')
        top = d.find('Open Top Browser', role='menu item')
        wait_until(lambda: top.showing, 5, 'F10 to open the File menu')
        d.key('Escape', 'Escape')
        wait_until(lambda: not top.showing, 5, 'the menu to close')
        # "&Open Top Browser" and "&Open Bottom Browser" share O: the first press reaches the
        # first of them.
        d.key('alt+f')
        wait_until(lambda: top.showing, 5, 'Alt+F to open the File menu')
        d.key('o')
        wait_until(lambda: top.focused, 5, 'O to reach "Open Top Browser"')
        self.assertFalse(d.find('Open Bottom Browser', role='menu item').focused)
        d.key('Escape', 'Escape')
        wait_until(lambda: not top.showing, 5, 'the menu to close')

    def test_alt_a_reaches_the_top_address_box_first(self):
        d = self.desktop
        self.into_page('Bottom')
        d.key('alt+a')
        wait_until(lambda: self.focused() == 'Top address', 5, 'the top address')
        d.key('alt+a')
        wait_until(lambda: self.focused() == 'Bottom address', 5, 'then the bottom address')


if __name__ == '__main__':
    corvane_e2e.main()
