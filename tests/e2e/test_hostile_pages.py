"""A page that misbehaves holds up only its own pane: the other pane, the page's own sheet and
strip, and the window's close box go on working whatever it does."""

import corvane_e2e
from corvane_e2e import wait_until

# Alerts without end; once the user stops them, the page says so to the server.
LOOP = ('<script>setTimeout(function () {'
        '  try { for (;;) alert("loop"); } catch (e) { fetch("/ended"); }'
        '}, 300);</script>')
FLOOD = ('<script>for (var i = 0; i < 30; i++)'
         '  window.open("/calm.html?" + i, "_blank", "width=200,height=150");</script>')


class HostilePagesTest(corvane_e2e.CorvaneTestCase):
    def test_a_hostile_page_never_holds_up_the_other_pane_or_the_window(self):
        d = self.desktop
        d.server.page('/loop.html', 'Loop', LOOP)
        d.server.page('/flood.html', 'Flood', FLOOD)
        d.server.page('/calm.html', 'Calm')
        d.server.page('/other.html', 'Other')
        d.server.page('/ended', 'Ended')
        d.close_tip_window(20)

        # An alert loop waits in a sheet over its own pane, while the other pane takes a typed
        # address and loads it.
        d.visit('Top', '/loop.html', 'Loop')
        sheet = d.find('Page dialog')
        wait_until(lambda: sheet.showing, 10, 'the page dialog')
        d.visit('Bottom', '/other.html', 'Other')

        # From the second alert on, the page can be stopped; that ends the loop.
        d.stop_page_dialogs(sheet)
        d.server.wait_for_request('/ended')
        self.assertFalse(sheet.showing)

        # Pop-ups nobody asked for open no window; the pane's strip says how many it blocked.
        windows = len(d.windows())
        d.visit('Top', '/flood.html', 'Flood')
        strip = d.find('Page notice')
        wait_until(lambda: strip.showing and strip.description ==
                   'Corvane blocked 30 pop-up windows from 127.0.0.1', 10, 'the pop-up strip')
        self.assertEqual(len(d.windows()), windows)

        # With a new loop's sheet up, the window's close box still ends the program.
        d.visit('Top', '/loop.html', 'Loop')
        wait_until(lambda: sheet.showing, 10, 'the page dialog again')
        d.close_corvane(timeout=5.0)


if __name__ == '__main__':
    corvane_e2e.main()
