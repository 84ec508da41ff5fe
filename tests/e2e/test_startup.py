"""Start-up: the splash alone, then both panes on their offline home pages with no history; or the
splash closed at once."""

import corvane_e2e
from corvane_e2e import wait_until
from Xlib import X
from Xlib import display as xdisplay

class StartUpTest(corvane_e2e.CorvaneTestCase):
    x = None

    @classmethod
    def start_env(cls, desktop):
        # Every top-level window's mapping and unmapping, from before Corvane starts.
        cls.x = xdisplay.Display(desktop.display)
        cls.x.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        cls.x.sync()
        return {}

    @classmethod
    def tearDownClass(cls):
        if cls.x:
            cls.x.close()
        super().tearDownClass()

    def test_the_splash_alone_comes_before_the_main_window(self):
        main = self.desktop.window(corvane_e2e.MAIN_TITLE).id
        events = []
        while self.x.pending_events():
            event = self.x.next_event()
            if event.type in (X.MapNotify, X.UnmapNotify):
                events.append((event.type, event.window.id))
        self.assertIn((X.MapNotify, main), events)
        before = events[:events.index((X.MapNotify, main))]
        shown = [w for kind, w in before if kind == X.MapNotify]
        self.assertTrue(shown, f'no splash before the main window: {events}')
        gone = {w for kind, w in before if kind == X.UnmapNotify}
        self.assertEqual(set(shown) - gone, set(),
                         f'still shown when the main window came: {events}')

    def test_both_panes_open_their_offline_home_with_nothing_to_go_back_to(self):
        d = self.desktop
        d.wait_for_text('Top status', 'Page Title: Corvane')
        d.wait_for_text('Bottom status', 'Page Title: Corvane User Guide')

        # One renderer for each pane and no other.
        renderers = corvane_e2e.renderers(d.corvane.pid)
        self.assertEqual(len(renderers), 2, f'renderers {renderers}')

        def enabled(pane):
            return [name for name in ('Back', 'Forward') if d.enabled(pane, name)]

        # A second page in the top pane: once Back has come on there, the engine has reported
        # the home pages' history too, and the bottom pane has still nothing to go back to.
        d.server.page('/second.html', 'Second')
        d.close_tip_window(20)
        d.visit('Top', '/second.html', 'Second')
        wait_until(lambda: enabled('Top') == ['Back'], 10, lambda: f'Back alone: {enabled("Top")}')
        self.assertEqual(enabled('Bottom'), [])

    def test_the_splash_closed_before_its_time_ends_the_program_without_a_main_window(self):
        d = self.desktop
        d.close_corvane(timeout=5.0)
        (d.program_dir / 'cv.ini').unlink()
        d.start_corvane(wait=False)
        d.send_delete(wait_until(lambda: d.window('Corvane'), 20, 'the splash'))
        self.assertEqual(d.corvane.wait(10), 0)
        # The main window, which writes the settings as it starts, never came.
        self.assertIsNone(d.read_file('cv.ini'))


if __name__ == '__main__':
    corvane_e2e.main()
