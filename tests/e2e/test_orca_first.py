"""A blind user's usual start: the screen reader Orca runs first, then Corvane starts (with no
accessibility switch of its own: Orca turns it on). What Orca says (its debug log) is all the test
goes by."""

import corvane_e2e
from corvane_e2e import wait_until
from corvane_e2e.screen_reader import ScreenReader


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


if __name__ == '__main__':
    corvane_e2e.main()
