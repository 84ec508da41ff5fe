"""A page that misbehaves holds up only its own pane: the other pane, the page's own sheet and
strip, and the window's close box go on working whatever it does."""

import corvane_e2e
from corvane_e2e import wait_until

# Alerts without end; once the user stops them, the page says so to the server.
LOOP = ('<script>setTimeout(function () {'
        '  try { for (;;) alert("loop"); } catch (e) { fetch("/ended"); }'
        '}, 300);</script>')
# A download the page starts by itself, once it has loaded.
DOWNLOAD = ('<script>setTimeout(function () {'
            '  var a = document.createElement("a"); a.href = "/file.bin"; a.download = "";'
            '  document.body.appendChild(a); a.click();'
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
        d.server.page('/download.html', 'Download', DOWNLOAD)
        d.server.raw('/file.bin', 200, 'application/octet-stream', b'x' * 1000,
                     headers=[('Content-Disposition', 'attachment; filename="file.bin"')])
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
        # Allowed once, a few open, each the size its page asked for.
        d.click(d.find('Allow once', role='push button', within=strip))
        wait_until(lambda: len([t for w, t in d.windows() if t == 'Calm']) == 3, 15,
                   'three pop-ups')
        for window, title in d.windows():
            if title == 'Calm':
                rect = d.window_rect(window)
                self.assertEqual(rect.width, 200, 'the width asked for')
                self.assertTrue(150 < rect.height < 250, f'the height asked for: {rect}')
        windows += 3
        # Each document has its own count.
        d.visit('Top', '/flood.html?again', 'Flood')
        wait_until(lambda: strip.showing and strip.description ==
                   'Corvane blocked 30 pop-up windows from 127.0.0.1', 10, 'the strip again')

        # The strip goes with its page. A user's address answers the next page's dialog and
        # takes its place; the address joins the box's list.
        d.visit('Top', '/loop.html', 'Loop')
        wait_until(lambda: sheet.showing, 10, 'the page dialog')
        self.assertFalse(strip.showing)
        d.visit('Top', '/calm.html?typed', 'Calm')
        self.assertFalse(sheet.showing)
        self.assertIn(d.server.url('/calm.html?typed'),
                      [c.name for c in d.open_list('Top address').children])
        d.key('Escape')
        self.assertEqual(len(d.windows()), windows)

        # A download the page starts by itself asks in the strip; allowed, the Save Download
        # window asks where it goes and holds up nothing else: the other pane takes an address.
        d.visit('Top', '/download.html', 'Download')
        strip = d.shown(lambda c: c.name == 'Page notice' and 'file.bin' in c.description,
                        'the download strip', 15)
        d.click(d.find('Allow', role='push button', within=strip))
        save = d.dialog('Save Download', 15)
        d.visit('Bottom', '/calm.html?meanwhile', 'Calm')

        # With a new loop's sheet up too, the window's close box still ends the program.
        d.visit('Top', '/loop.html', 'Loop')
        wait_until(lambda: sheet.showing, 10, 'the page dialog again')
        self.assertTrue(save.showing)
        d.close_corvane(timeout=5.0)

if __name__ == '__main__':
    corvane_e2e.main()
