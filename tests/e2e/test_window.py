"""The main window as a person uses it: view modes by key, button and menu; the pane splitter."""

import corvane_e2e
from corvane_e2e import wait_until

ITEMS = {'both': 'Show Both Browsers', 'top': 'Show Top Browser', 'bottom': 'Show Bottom Browser'}
SHORTCUTS = {'both': 'ctrl+q', 'top': 'ctrl+w', 'bottom': 'ctrl+e'}
BUTTONS = {'both': 'Both Browsers', 'top': 'Top Browser', 'bottom': 'Bottom Browser'}


class WindowTest(corvane_e2e.CorvaneTestCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.checked = {'both'}  # the menu's check marks as the window starts

    def setUp(self):
        self.show_mode('both', BUTTONS)

    def shown(self):
        d = self.desktop
        return (d.find('Top browser').showing, d.find('Bottom browser').showing,
                d.find('Pane splitter').showing)

    def assert_mode(self, mode):
        expected = {'both': (True, True, True), 'top': (True, False, False),
                    'bottom': (False, True, False)}[mode]
        wait_until(lambda: self.shown() == expected, 5,
                   lambda: f'view mode {mode}: (top, bottom, splitter) showing is {self.shown()}')
        d = self.desktop
        self.assertTrue(d.find(BUTTONS[mode], role='radio button').checked)
        self.assertEqual(d.find('Top address', role='combo box').showing, mode != 'bottom')
        self.assertEqual(d.find('Bottom address', role='combo box').showing, mode != 'top')

    def assert_checks(self):
        d = self.desktop
        marks = {mode for mode, item in ITEMS.items() if d.find(item, role='menu item').checked}
        self.assertEqual(marks, self.checked)

    def show_mode(self, mode, way):
        """Shows a view mode by a shortcut, a button or the menu; a menu command inverts its own
        check mark and clears the others, a button leaves them alone."""
        d = self.desktop
        if way is SHORTCUTS:
            d.key(SHORTCUTS[mode])
        elif way is BUTTONS:
            d.click(d.find(BUTTONS[mode], role='radio button'))
        else:
            d.choose_menu('Browsers', ITEMS[mode])
        if way is not BUTTONS:
            type(self).checked = set() if mode in self.checked else {mode}
        self.assert_mode(mode)
        self.assert_checks()

    def test_shortcuts_with_the_focus_in_a_page_or_an_address_box(self):
        d = self.desktop
        for place, mode in (('Top browser', 'bottom'), ('Bottom browser', 'both'),
                            ('Bottom browser', 'top'), ('Top browser', 'top'),
                            ('Top browser', 'both'), ('Top address', 'bottom'),
                            ('Bottom address', 'bottom'), ('Bottom address', 'top'),
                            ('Top address', 'both')):
            with self.subTest(place=place, mode=mode):
                if place.endswith('browser'):
                    d.into_page(place.split()[0])
                    self.show_mode(mode, SHORTCUTS)
                    continue
                field = d.edit_field(place)
                d.click(field)
                d.key('End')
                typed = field.text
                self.show_mode(mode, SHORTCUTS)
                # The shortcut is not an editing key: the text stays as it was.
                self.assertEqual(field.text, typed)

    def test_option_buttons_and_the_menu_with_the_mouse(self):
        for way, modes in ((BUTTONS, ('top', 'bottom', 'top', 'both', 'bottom', 'both')),
                           (ITEMS, ('top', 'top', 'bottom', 'both', 'both'))):
            for mode in modes:
                with self.subTest(way=way[mode], mode=mode):
                    self.show_mode(mode, way)

    def test_pane_splitter_moves_the_boundary_by_the_drag(self):
        # The bar's top ends where the button comes up: the boundary moves by the drag plus
        # how far into the bar it was pressed.
        d = self.desktop
        bar = d.find('Pane splitter')
        for distance in (60, -90):
            with self.subTest(distance=distance):
                top, bottom = d.find('Top browser').extents, d.find('Bottom browser').extents
                before = bar.extents
                x, y = before.x + 40, before.y + 3
                d.drag((x, y), (x, y + distance))
                wait_until(lambda: bar.extents.y != before.y, 5, 'the pane splitter to move')
                shift = y + distance - before.y
                moved_top = d.find('Top browser').extents
                moved_bottom = d.find('Bottom browser').extents
                # Pixels become twips and back: a pixel either way is rounding.
                self.assertAlmostEqual(bar.extents.y, before.y + shift, delta=1)
                self.assertEqual(moved_top.y, top.y)
                self.assertAlmostEqual(moved_top.height, top.height + shift, delta=1)
                self.assertAlmostEqual(moved_bottom.y, bottom.y + shift, delta=1)
                self.assertAlmostEqual(moved_bottom.bottom, bottom.bottom, delta=1)

if __name__ == '__main__':
    corvane_e2e.main()
