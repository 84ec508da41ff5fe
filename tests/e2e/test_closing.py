"""Closing the main window ends Corvane at once and leaves nothing of it running or written."""

import corvane_e2e


class ClosingTest(corvane_e2e.CorvaneTestCase):
    def test_closing_the_window_ends_the_program(self):
        d = self.desktop
        # Both panes have their pages, so the engine runs a renderer for each.
        d.wait_for_text('Top status', 'Page Title: Corvane')
        d.wait_for_text('Bottom status', 'Page Title: Corvane User Guide')
        engine = [p for p in d.watch.poll() if p.name.startswith('QtWebEngine')]
        self.assertTrue(engine, f'no engine process below corvane: {d.watch.seen()}')
        settings = d.read_file('cv.ini')
        self.assertIn(b'[TBstartOffLine]', settings)

        # Closing while a page is still on its way.
        d.server.slow_page('/held.html', 'Held', 30)
        d.enter('Top', d.server.url('/held.html'))
        d.server.wait_for_request('/held.html')

        # From the File menu; the close box takes the same way out (the other tests' restarts).
        d.choose_menu('File', 'Close')
        d.corvane.wait(2.0)
        self.assertEqual(d.leftovers(timeout=1.0), [])
        # Nothing is saved at shutdown.
        self.assertEqual(d.read_file('cv.ini'), settings)


if __name__ == '__main__':
    corvane_e2e.main()
