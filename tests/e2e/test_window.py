"""The main window: view modes by key, button and menu; the pane splitter."""

import corvane_e2e
from corvane_e2e import wait_until

ITEMS = {'both': 'Show Both Browsers', 'top': 'Show Top Browser', 'bottom': 'Show Bottom Browser'}
SHORTCUTS = {'both': 'ctrl+q', 'top': 'ctrl+w', 'bottom': 'ctrl+e'}
BUTTONS = {'both': 'Both Browsers', 'top': 'Top Browser', 'bottom': 'Bottom Browser'}


# What each mode shows: the top pane, the bottom pane, the pane splitter.
SHOWN = {'both': (True, True, True), 'top': (True, False, False), 'bottom': (False, True, False)}


class WindowTest(corvane_e2e.CorvaneTestCase):
    checked = {'both'}  # the menu's check marks as the window starts

    def setUp(self):
        self.show_mode('both', BUTTONS)

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

        def shown():
            return tuple(d.find(name).showing
                         for name in ('Top browser', 'Bottom browser', 'Pane splitter'))
        wait_until(lambda: shown() == SHOWN[mode], 5,
                   lambda: f'view mode {mode}: (top, bottom, splitter) showing is {shown()}')
        self.assertTrue(d.find(BUTTONS[mode], role='radio button').checked)
        self.assertEqual(tuple(d.find(f'{pane} address', role='combo box').showing
                               for pane in ('Top', 'Bottom')), SHOWN[mode][:2])
        marks = {m for m, item in ITEMS.items() if d.find(item, role='menu item').checked}
        self.assertEqual(marks, self.checked)

    def test_shortcuts_with_the_focus_in_a_page_or_an_address_box(self):
        d = self.desktop
        for place, mode in (('Top browser', 'bottom'), ('Bottom browser', 'both'),
                            ('Bottom browser', 'top'), ('Top browser', 'top'),
                            ('Top browser', 'both'), ('Top address', 'bottom'),
                            ('Bottom address', 'bottom'), ('Bottom address', 'top'),
                            ('Top address', 'both')):
            with self.subTest(place=place, mode=mode):
                pane, kind = place.split()
                if kind == 'browser':
                    d.into_page(pane)
                else:
                    d.click(d.edit_field(place))
                    d.key('End')
                typed = d.text_of(f'{pane} address')
                self.show_mode(mode, SHORTCUTS)
                # The shortcut is not an editing key: the text stays as it was.
                self.assertEqual(d.text_of(f'{pane} address'), typed)

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
                top, bottom = d.find('Top browser'), d.find('Bottom browser')
                was = {'bar': bar.extents, 'top': top.extents, 'bottom': bottom.extents}
                x, y = was['bar'].x + 40, was['bar'].y + 3
                d.drag((x, y), (x, y + distance))
                wait_until(lambda: bar.extents.y != was['bar'].y, 5, 'the pane splitter to move')
                shift = y + distance - was['bar'].y
                # Pixels become twips and back: a pixel either way is rounding.
                self.assertAlmostEqual(bar.extents.y, was['bar'].y + shift, delta=1)
                self.assertEqual(top.extents.y, was['top'].y)
                self.assertAlmostEqual(top.extents.height, was['top'].height + shift, delta=1)
                self.assertAlmostEqual(bottom.extents.y, was['bottom'].y + shift, delta=1)
                self.assertAlmostEqual(bottom.extents.bottom, was['bottom'].bottom, delta=1)

if __name__ == '__main__':
    corvane_e2e.main()
