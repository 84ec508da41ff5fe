"""The tip of the day: at start-up, Next Tip, and the choice to see it."""

import corvane_e2e
from corvane_e2e import TIP_WINDOW, wait_until


class TipOfTheDayTest(corvane_e2e.CorvaneTestCase):
    def restart(self):
        self.desktop.close_corvane(timeout=5.0)
        self.desktop.start_corvane()

    def test_tips_at_start_up_until_switched_off_and_back_on_from_the_help_menu(self):
        d = self.desktop
        tips = [line for line in (d.program_dir / 'TIPOFDAY.TXT').read_text().splitlines() if line]
        window = d.dialog(TIP_WINDOW)
        # Named by the tip it shows (a screen reader reads it with the window), described as what
        # it is.
        label = d.find('Tip of the day', role='label', within=window)
        wait_until(lambda: label.name in tips, 5, lambda: f'a shipped tip, not {label.name!r}')
        shown = {label.name}
        # Asked for again while it is open, it only comes forward, showing the same tip.
        d.choose_menu('Help', 'Tip Of The Day')
        item = d.find('Tip Of The Day', role='menu item')
        wait_until(lambda: not item.showing, 5, 'the menu to close')
        self.assertEqual([t for _, t in d.windows()].count(TIP_WINDOW), 1)
        self.assertEqual(label.name, next(iter(shown)))
        for _ in range(8):
            d.click(d.find('Next Tip', role='push button', within=window))
            wait_until(lambda: label.name in tips, 5, lambda: f'a shipped tip, not {label.name!r}')
            shown.add(label.name)
        # Nine draws from this many tips all alike would be a broken generator.
        self.assertGreater(len(shown), 1)

        box = d.find('Show Tips at Startup', role='check box', within=window)
        # Cleared as an assistive tool clears it, which no click goes with; a click takes the
        # same way.
        d.toggle(box)
        wait_until(lambda: not box.checked, 5, 'the box to be cleared')
        d.click(d.find('OK', role='push button', within=window))
        wait_until(lambda: d.window(TIP_WINDOW) is None, 5, 'the tip window to close')

        # Switched off: the next start shows none.
        self.restart()
        # The tip window is shown, if at all, as the home pages are asked for; by the time the
        # top one has loaded it would be there.
        d.wait_for_text('Top status', 'Page Title: Corvane')
        self.assertIsNone(d.window(TIP_WINDOW), 'the tip window came up although switched off')

        # The Help menu shows it regardless, checked, and that switches it back on.
        d.choose_menu('Help', 'Tip Of The Day')
        window = d.dialog(TIP_WINDOW)
        self.assertTrue(d.find('Show Tips at Startup', role='check box', within=window).checked)
        self.assertIn(d.find('Tip of the day', role='label', within=window).name, tips)
        d.key('Escape')
        wait_until(lambda: d.window(TIP_WINDOW) is None, 5, 'Esc to close the tip window')
        self.restart()
        d.dialog(TIP_WINDOW)


if __name__ == '__main__':
    corvane_e2e.main()
