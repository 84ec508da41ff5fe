"""Closing the main window ends Corvane at once and leaves nothing of it running or written,
unless a window of its own is still open."""

import corvane_e2e
from corvane_e2e import wait_until


class ClosingTest(corvane_e2e.CorvaneTestCase):
    def test_a_home_pages_window_comes_forward_and_outlives_the_main_window(self):
        d = self.desktop
        d.close_tip_window(20)
        menu = ('Favorites ', 'Enter Offline/Online Home Pages')
        d.choose_menu(*menu)
        cancel = d.find('Cancel', role='push button', showing=True)
        field = d.find('Top Online Home Page', role='text', showing=True)

        def typed(text):
            d.click(field)
            d.key('End', 'exclam')
            wait_until(lambda: field.text.endswith(text), 5, 'the key in the home pages window')

        typed('!')
        # Asked for again, the open window only comes forward, keeping what was typed. (Moved off
        # the menu bar: no window manager places it here.)
        d.xdotool('windowmove', d.window('Home Pages ').id, 500, 400)
        d.choose_menu(*menu)
        wait_until(lambda: not d.find(menu[1], role='menu item').showing, 5, 'the menu to close')
        self.assertEqual([t for _, t in d.windows()].count('Home Pages '), 1)
        self.assertTrue(field.text.endswith('!'))

        d.send_delete(d.window(corvane_e2e.MAIN_TITLE))
        wait_until(lambda: d.window(corvane_e2e.MAIN_TITLE) is None, 5, 'the main window to go')
        # A key typed in the window that is left shows the program has gone on past the close.
        typed('!!')
        self.assertIsNone(d.corvane.poll(), 'the program ended with the home pages window open')
        # The program runs on until that one is closed too.
        d.click(cancel)
        d.corvane.wait(5)
        d.start_corvane()

    def test_closing_the_window_ends_the_program(self):
        d = self.desktop
        # Both panes have their pages, so the engine runs a renderer for each.
        d.wait_for_text('Top status', 'Page Title: Corvane')
        d.wait_for_text('Bottom status', 'Page Title: Corvane User Guide')
        self.assertTrue(corvane_e2e.renderers(d.corvane.pid), 'no page process below corvane')
        settings = d.read_file('cv.ini')
        self.assertIn(b'[TBstartOffLine]', settings)

        # The tip of the day and the about box, left open, go with it.
        wait_until(lambda: d.window("Corvane's Tip of the Day"), 20, 'the tip window')
        d.choose_menu('Help', 'About')
        wait_until(lambda: d.window('About Corvane'), 10, 'the about box')

        # Closing while a page is still on its way.
        d.server.slow_page('/held.html', 'Held', 30)
        d.enter('Top', d.server.url('/held.html'))
        d.server.wait_for_request('/held.html')

        # From the File menu; the close box takes the same way out (the other tests' restarts).
        d.choose_menu('File', 'Close')
        d.corvane.wait(2.0)
        self.assertEqual(d.leftovers(timeout=1.0), [])
        self.assertEqual(d.read_file('cv.ini'), settings, 'written at shutdown')


if __name__ == '__main__':
    corvane_e2e.main()
