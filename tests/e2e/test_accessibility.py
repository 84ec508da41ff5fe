"""What a screen reader and a keyboard user meet: windows and controls named, Tab in reading order,
and the address box, the option buttons and the splitter worked through the accessibility bus."""

import corvane_e2e
from corvane_e2e import wait_until
from corvane_e2e.accessibility import Atspi, Gone

RETURN_KEYSYM = 0xff0d


class AccessibilityTest(corvane_e2e.CorvaneTestCase):
    tip_closed = True

    def where(self):
        control = self.desktop.focused()
        parent = control.parent
        return f'{parent.name}/{control.name}' if control.role == 'push button' else control.name

    def unnamed(self, within):
        found = []
        for control in within.descendants():
            try:
                if control.role in ('separator', 'document web') or control.name:
                    continue
                found.append(f'{control.role} in {control.parent!r}')
            except Gone:
                continue
        return found

    def check_window(self, title, parts=True):
        """The shown window of this title is a window or a dialog by that name, on the screen,
        and every part of it has a name (unless `parts` is false: a window the toolkit makes
        whole); returns its X window."""
        d = self.desktop
        x_window = wait_until(lambda: d.window(title), 10, f'the window {title!r}')
        window = wait_until(lambda: next((w for w in d.application().children
                                          if w.showing and w.name == title.strip()), None),
                            10, f'{title!r} on the accessibility bus')
        self.assertIn(window.role, ('frame', 'dialog', 'alert'), title)
        if parts:
            self.assertEqual(self.unnamed(window), [], title)
        rect, screen = d.window_rect(x_window), d.window_rect(d._x.screen().root)
        self.assertTrue(0 <= rect.x and rect.x + rect.width <= screen.width and
                        0 <= rect.y and rect.y + rect.height <= screen.height,
                        f'{title!r} at {rect}, off the screen {screen}')
        return x_window

    def close(self, title):
        d = self.desktop
        d.close_window(title)
        d.focus_window(d.window(corvane_e2e.MAIN_TITLE))

    def test_every_control_has_a_name(self):
        d = self.desktop
        # Which pane each control belongs to, its name says: the other tests find them so.
        self.assertEqual(self.unnamed(d.application()), [])
        # A favorite, a favorite without an address and an empty folder look alike to the
        # eye, not to the ear.
        folder = d.tmp / 'data' / 'corvane' / 'Favorites'
        (folder / 'Empty').mkdir(parents=True)
        (folder / 'good.url').write_text('[InternetShortcut]\nURL=http://good.example/\n')
        (folder / 'bad.url').write_text('[InternetShortcut]\n')
        d.focus_window(d.window(corvane_e2e.MAIN_TITLE))
        d.key('ctrl+F2')
        tree = d.find('Favorites', role='tree')
        kinds = wait_until(lambda: {c.name: c.description for c in tree.descendants()
                                    if c.role == 'table cell' and c.name in
                                    ('Empty', 'good', 'bad')} or None, 10, 'the favorites')
        self.assertEqual(kinds, {'Empty': 'Empty folder', 'good': 'Favorite',
                                 'bad': 'Favorite without an address'})
        d.key('ctrl+F2')
        wait_until(lambda: not tree.showing, 5, 'the favorites to close')

    def test_every_window_says_what_it_is_and_names_its_parts(self):
        d = self.desktop
        self.check_window(corvane_e2e.MAIN_TITLE)
        for item, title in (('About', 'About Corvane'),
                            ('Tip Of The Day', "Corvane's Tip of the Day")):
            d.choose_menu('Help', item)
            self.check_window(title)
            self.close(title)
        d.choose_menu('Favorites ', 'Enter Offline/Online Home Pages')
        home = self.check_window('Home Pages ')
        # A window manager keeps the window above the main window.
        self.assertEqual(home.get_wm_transient_for(), d.window(corvane_e2e.MAIN_TITLE))
        self.close('Home Pages ')
        d.choose_menu('Tools', 'Internet Options...')
        self.check_window('Corvane')  # the notice before the options, a message box
        d.key('Return')
        self.check_window('Internet Options')
        self.close('Internet Options')
        d.choose_menu('Favorites ', 'History...')
        self.check_window('History')
        self.close('History')
        d.server.raw('/data.bin', 200, 'application/octet-stream', b'x' * 1000,
                     [('Content-Disposition', 'attachment; filename="data.bin"')])
        d.enter('Top', d.server.url('/data.bin'))
        self.check_window('Save Download', parts=False)
        d.key('Return')
        self.check_window('Downloads')
        self.close('Downloads')

    def test_tab_goes_through_the_window_in_reading_order(self):
        d = self.desktop
        # Pages without links, so that Tab passes through each page in one step.
        for pane in ('Top', 'Bottom'):
            d.server.page(f'/plain-{pane}.html', f'Plain {pane}')
            d.visit(pane, f'/plain-{pane}.html', f'Plain {pane}')
        d.click(d.edit_field('Top address'))
        wait_until(lambda: self.where() == 'Top address', 5, 'the top address')
        seen = []
        here = 'Top address'

        def landed():
            # Each stop is another control; the bus may still tell of the one before.
            where = self.where()
            return where if where != here else None

        for _ in range(30):
            d.key('Tab')
            here = wait_until(landed, 5, 'the focus to land')
            if here == 'Top address':
                break
            seen.append(here)
        buttons = ['Back', 'Stop', 'Refresh', 'Online Home', 'Favorites',
                   'Corvane Streaming News and Search', 'Corvane Chat']  # Forward has no history
        expected = (['Top browser', 'Pane splitter', 'Bottom browser', 'Bottom address'] +
                    [f'Bottom toolbar/{b}' for b in buttons] +
                    [f'Top toolbar/{b}' for b in buttons] + ['Both Browsers'])
        self.assertEqual(seen, expected)

    def test_an_address_typed_through_the_bus_loads(self):
        d = self.desktop
        d.server.page('/spoken.html', 'Spoken')
        field = d.edit_field('Top address')
        # The window a screen reader user works in has the keyboard; the reader moves the focus.
        d.focus_window(d.window(corvane_e2e.MAIN_TITLE))
        Atspi.Component.grab_focus(field.acc)
        box = d.find('Top address', role='combo box')
        wait_until(lambda: box.focused, 5, 'the top address to take the focus')
        url = d.server.url('/spoken.html')
        self.assertTrue(Atspi.EditableText.set_text_contents(field.acc, url))
        Atspi.generate_keyboard_event(RETURN_KEYSYM, None, Atspi.KeySynthType.SYM)
        d.wait_for_text('Top status', 'Page Title: Spoken')
        self.assertEqual(d.server.count('/spoken.html'), 1)
        self.assertEqual(d.text_of('Top address'), url)

    def test_an_option_button_toggled_through_the_bus_applies_its_view_and_keeps_it(self):
        d = self.desktop
        top = d.find('Top Browser', role='radio button')
        d.toggle(top)
        bottom = d.find('Bottom browser')
        wait_until(lambda: not bottom.showing, 5, 'the bottom pane to go')
        self.assertTrue(top.checked)
        # A resize lays the window out again (the top page narrower by as much), in the same mode.
        window, page = d.window(corvane_e2e.MAIN_TITLE), d.find('Top browser')
        rect, width = d.window_rect(window), page.extents.width
        d.xdotool('windowsize', window.id, rect.width - 40, rect.height - 30)
        wait_until(lambda: page.extents.width == width - 40, 5, 'the layout after the resize')
        self.assertTrue(top.checked and not bottom.showing, 'the resize brought the bottom back')
        d.click(d.find('Both Browsers', role='radio button'))
        wait_until(lambda: bottom.showing, 5, 'the bottom pane to come back')

    def test_the_pane_splitter_moves_by_keyboard_and_by_the_bus(self):
        d = self.desktop
        bar = d.find('Pane splitter', role='split pane')
        top = d.find('Top browser')
        before = top.extents.height
        d.focus_window(d.window(corvane_e2e.MAIN_TITLE))
        Atspi.Component.grab_focus(bar.acc)
        wait_until(lambda: bar.focused, 5, 'the splitter to take the focus')
        d.key('Down', 'Down', 'Down')
        wait_until(lambda: top.extents.height == before + 30, 5,
                   lambda: f'the top pane {before} + 30 pixels high, not {top.extents.height}')
        Atspi.Value.set_current_value(bar.acc, Atspi.Value.get_current_value(bar.acc) - 50)
        wait_until(lambda: top.extents.height == before - 20, 5,
                   lambda: f'the top pane {before} - 20 pixels high, not {top.extents.height}')


if __name__ == '__main__':
    corvane_e2e.main()
