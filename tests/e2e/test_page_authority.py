"""A page never speaks for Corvane or for the user. Each test is an attack as a page would make
it: learn what its scripts can reach, then try to use it. None may do harm."""

import corvane_e2e
from corvane_e2e import wait_until

# What a page's script learns of Corvane's dialog requests: it watches every request its own
# world makes, asks once, and tells its server what it saw.
SPY = """
var seen = null, open = XMLHttpRequest.prototype.open;
XMLHttpRequest.prototype.open = function (method, url) {
  if (String(url).indexOf('corvane-dialog:') === 0 && seen === null) {
    seen = String(url); url = 'data:text/plain,0';
  }
  return open.apply(this, arguments.length > 2 ? [method, url, arguments[2]] : [method, url]);
};
confirm('?');
XMLHttpRequest.prototype.open = open;
var key = seen ? seen.slice('corvane-dialog:'.length).split('/')[0] : '';
"""

# Everything a page might try to pass itself off as the user, or as a new document, with what it
# has learnt: the old console reports, the key-handing events, and events of its own making.
FORGE = """
['input', 'created ' + location.href, 'loaded ' + location.href, 'parsed'].forEach(function (w) {
  console.log(key + ' ' + w);
});
document.dispatchEvent(new CustomEvent('corvane-document-key-request'));
document.dispatchEvent(new CustomEvent('corvane-document-key', { detail: key }));
['mousedown', 'keydown', 'click'].forEach(function (type) {
  var e = type === 'keydown' ? new KeyboardEvent(type, { key: 'a', bubbles: true })
                             : new MouseEvent(type, { bubbles: true });
  document.body.dispatchEvent(e); window.dispatchEvent(e);
});
window.dispatchEvent(new Event('load'));
"""


def script_page(server, path, title, script):
    server.raw(path, 200, 'text/html; charset=utf-8', (
        f'<!DOCTYPE html><html><head><title>{title}</title></head><body><h1>{title}</h1>'
        f'<script>{script}</script></body></html>').encode())


class PageAuthorityTest(corvane_e2e.CorvaneTestCase):
    tip_closed = True

    def sheets_up(self):
        return [c for c in self.desktop.application().descendants()
                if c.name == 'Page dialog' and c.showing]

    def test_a_stolen_dialog_key_opens_nothing_elsewhere_or_later(self):
        d = self.desktop
        # The page learns its document's key, keeps it, and sends it home.
        script_page(d.server, '/steal.html', 'Steal', SPY + """
            sessionStorage.setItem('stolen', key); fetch('/leak/' + key);""")
        # A later document of the same site in the same pane tries the kept key.
        script_page(d.server, '/stale.html', 'Stale', """
            var r = new XMLHttpRequest();
            r.open('GET', 'corvane-dialog:' + sessionStorage.getItem('stolen') + '/alert?m=stale', false);
            try { r.send(); fetch('/stale-answered'); } catch (e) { fetch('/stale-refused'); }""")
        d.visit('Top', '/steal.html', 'Steal')
        leaks = wait_until(lambda: [p for p in d.server.requests() if p.startswith('/leak/')], 10,
                           'the key sent home')
        key = leaks[0][len('/leak/'):]
        self.assertRegex(key, '^[0-9a-z]{20,}$')  # the page did learn its key
        d.visit('Top', '/stale.html', 'Stale')
        d.server.wait_for_request('/stale-refused')
        self.assertEqual(d.server.count('/stale-answered'), 0)

        # From the other pane, with the key of the page the top pane showed: a prompt over the
        # top pane, and an image that asks too.
        message = 'Your session expired. Re-enter your password:'
        script_page(d.server, '/use.html', 'Use', f"""
            var r = new XMLHttpRequest();
            r.open('GET', 'corvane-dialog:{key}/prompt?m=' + encodeURIComponent('{message}'), false);
            try {{ r.send(); fetch('/use-answered'); }} catch (e) {{ fetch('/use-refused'); }}
            var img = new Image();
            img.onerror = function () {{ fetch('/img-refused'); }};
            img.onload = function () {{ fetch('/img-answered'); }};
            img.src = 'corvane-dialog:{key}/alert?m=img';""")
        d.visit('Bottom', '/use.html', 'Use')
        d.server.wait_for_request('/use-refused')
        d.server.wait_for_request('/img-refused')
        self.assertEqual(self.sheets_up(), [])
        self.assertEqual(d.server.count('/use-answered') + d.server.count('/img-answered'), 0)
        self.assertEqual(d.text_of('Top status'), 'Page Title: Stale')

    def test_a_page_cannot_act_as_the_user(self):
        d = self.desktop
        data = b'x' * 5000
        d.server.raw('/file.bin', 200, 'application/octet-stream', data,
                     headers=[('Content-Disposition', 'attachment; filename="file.bin"')])
        # Forged input before each of four downloads the page starts by itself.
        script_page(d.server, '/forge.html', 'Forge', SPY + FORGE + """
            fetch('/forged');
            setTimeout(function () {
              for (var i = 0; i < 4; i++) {
                eval(FORGE_AGAIN);
                var a = document.createElement('a'); a.href = '/file.bin'; a.download = '';
                document.body.appendChild(a); a.click();
              }
            }, 300);""".replace('FORGE_AGAIN', repr(FORGE.replace('\n', ' '))))
        windows = len(d.windows())
        d.visit('Top', '/forge.html', 'Forge')
        d.server.wait_for_request('/forged')
        # The first download asks in the pane's strip; no window opens by itself.
        strip = d.shown(lambda c: c.name == 'Page notice' and 'file.bin' in c.description,
                        'the download strip', 15)
        self.assertIsNone(d.window('Save Download'))
        self.assertEqual(len(d.windows()), windows)
        # Blocked, the page's later attempts ask no more.
        d.click(d.find('Block', role='push button', within=strip))
        wait_until(lambda: not strip.showing, 5, 'the strip to go')
        d.visit('Bottom', '/forge.html', 'Forge')
        d.server.wait_for_request('/forged', count=2)
        d.shown(lambda c: c.name == 'Page notice' and 'file.bin' in c.description and
                c.extents.y > strip.extents.y, 'the bottom pane\'s strip', 15)
        self.assertIsNone(d.window('Save Download'))
        self.assertFalse(strip.showing)
        self.assertEqual(len(d.windows()), windows)

    def test_a_page_cannot_make_itself_new_to_show_dialogs_again(self):
        # Stopped by the user, a page's dialogs stay stopped whatever it reports of itself.
        d = self.desktop
        script_page(d.server, '/loop.html', 'Loop', SPY + """
            setTimeout(function () {
              try { for (;;) alert('loop'); } catch (e) { fetch('/ended'); }
              """ + FORGE + """
              history.pushState(null, '', '#new');
              try { alert('again'); fetch('/alerted-again'); } catch (e) { fetch('/still-stopped'); }
            }, 300);""")
        d.visit('Top', '/loop.html', 'Loop')
        sheet = d.shown(lambda c: c.name == 'Page dialog', 'the page dialog', 10)
        d.stop_page_dialogs(sheet)
        d.server.wait_for_request('/still-stopped')
        self.assertEqual(d.server.count('/alerted-again'), 0)
        self.assertEqual(self.sheets_up(), [])

    def test_corvanes_own_addresses_go_nowhere(self):
        d = self.desktop
        key = 'a' * 32
        script_page(d.server, '/jump.html', 'Jump', f"""
            setTimeout(function () {{
              location = 'corvane-dialog:{key}/alert?m=' + encodeURIComponent('Call 0800 now');
              location.href = 'corvane-dialog:x';
              window.open('corvane-dialog:{key}/alert?m=popup');
              setTimeout(function () {{ fetch('/still-here'); }}, 500);
            }}, 300);""")
        d.visit('Top', '/jump.html', 'Jump')
        d.server.wait_for_request('/still-here')
        self.assertEqual(self.sheets_up(), [])
        self.assertEqual(d.text_of('Top status'), 'Page Title: Jump')
        self.assertEqual(d.text_of('Top address'), d.server.url('/jump.html'))

    def test_a_long_address_to_another_program_shows_where_it_was_cut(self):
        d = self.desktop
        address = 'mailto:' + 'a' * 3000 + '@example.test'
        d.server.link_page('/long.html', 'Long', address)
        d.visit('Top', '/long.html', 'Long')
        sheet = None
        for _ in range(2):  # a click that reaches the page before it takes input is made again
            d.click(d.find('Top browser'))
            try:
                sheet = d.shown(lambda c: c.name == 'Page dialog', 'the question', 5)
                break
            except AssertionError:
                continue
        self.assertIsNotNone(sheet)
        wait_until(lambda: address in sheet.description, 10, 'the whole address described')
        text = d.message('This page wants to open')
        shown = text.name.split('\n')[1]
        self.assertIn('\u2026', shown)
        self.assertTrue(shown.startswith('mailto:aaa') and shown.endswith('@example.test'))
        self.assertLess(len(shown), 400)
        d.click(d.find("Don't Open", role='push button', within=sheet))
        wait_until(lambda: not sheet.showing, 5, 'the question to go')


if __name__ == '__main__':
    corvane_e2e.main()
