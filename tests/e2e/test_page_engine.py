"""A page's own area: its context menu, zoom keys, a pop-up, a site's password, an untrusted
certificate, and a page the system kills."""

import os
import signal
import subprocess

import corvane_e2e
from corvane_e2e import wait_until

# The page's width in CSS pixels reported to the server whenever it changes: zoom changes it.
WIDTH_PAGE = ('<!DOCTYPE html><html><head><title>Width</title><script>'
              'function tell() { fetch("/width/" + window.innerWidth); }'
              'window.onresize = tell; window.onload = tell;'
              '</script></head><body>Width</body></html>')

# A page that is one button opening a sign-in pop-up, which reaches its opener, then closes.
OPENER_PAGE = ('<!DOCTYPE html><html><head><title>Opener</title><script>function signedIn() '
               '{ fetch("/signed-in"); }</script></head><body style="margin:0">'
               '<button style="width:100%;height:100vh" onclick="window.open(\'/popup.html\', '
               '\'signin\', \'width=320,height=240\')">Sign in</button></body></html>')
POPUP_PAGE = ('<!DOCTYPE html><html><head><title>Sign In</title></head><body><script>'
              'setTimeout(function () { window.opener.signedIn(); '
              'window.close(); }, 300);</script></body></html>')


class PageEngineTest(corvane_e2e.CorvaneTestCase):
    tip_closed = True

    def widths(self):
        return [int(p.rsplit('/', 1)[1]) for p in self.desktop.server.requests()
                if p.startswith('/width/')]

    def test_link_opens_in_the_bottom_pane_from_the_context_menu(self):
        d = self.desktop
        d.server.link_page('/links.html', 'Links', '/target.html')
        d.server.page('/target.html', 'Target Page')
        d.visit('Top', '/links.html', 'Links')
        page = d.find('Top browser').extents
        shown = {w.id for w, _ in d.windows()}

        # The page may take the pointer a moment after it shows; right-click until the menu
        # comes up, a window of its own. Screen readers hear of a pop-up menu as it opens; the
        # accessibility tree does not hold it, so it is used by keyboard as such a user does.
        def menu_up():
            d.click((page.x + 60, page.y + 60), button=3)
            try:
                return wait_until(lambda: [w for w, _ in d.windows() if w.id not in shown], 3,
                                  'the page menu')
            except AssertionError:
                return None

        wait_until(menu_up, 30, 'the page context menu')
        self.assertEqual(d.server.count('/target.html'), 0)
        # "Open Link in Top Pane", then "Open Link in Bottom Pane".
        d.key('Down', 'Down', 'Return')
        d.arrive('Bottom', '/target.html', 'Target Page')
        self.assertEqual(d.text_of('Top address'), d.server.url('/links.html'))
        self.assertEqual(d.server.count('/target.html'), 1)
        # The third, "Open Link in New Page": a new page behind the one shown, in this pane.
        wait_until(menu_up, 30, 'the page context menu')
        d.key('Down', 'Down', 'Down', 'Return')
        d.server.wait_for_request('/target.html', count=2)
        d.find('Target Page', role='page tab', showing=True)
        self.assertEqual(d.text_of('Top address'), d.server.url('/links.html'))

    def test_zoom_keys_act_on_the_focused_pane(self):
        d = self.desktop
        d.server.raw('/width.html', 200, 'text/html', WIDTH_PAGE.encode())
        d.visit('Bottom', '/width.html', 'Width')
        normal = wait_until(lambda: self.widths() and self.widths()[-1], 10, 'the page width')
        d.into_page('Bottom')

        d.key('ctrl+plus')
        wait_until(lambda: self.widths()[-1] < normal * 0.95, 10,
                   lambda: f'a narrower page after Ctrl++; widths {self.widths()}')
        d.key('ctrl+0')
        wait_until(lambda: self.widths()[-1] == normal, 10,
                   lambda: f'the width back at {normal} after Ctrl+0; widths {self.widths()}')
        d.key('ctrl+minus')
        wait_until(lambda: self.widths()[-1] > normal * 1.05, 10,
                   lambda: f'a wider page after Ctrl+-; widths {self.widths()}')

    def test_a_sign_in_pop_up_reaches_its_opener_and_closes_itself(self):
        d = self.desktop
        d.server.raw('/opener.html', 200, 'text/html', OPENER_PAGE.encode())
        d.server.raw('/popup.html', 200, 'text/html', POPUP_PAGE.encode())
        d.visit('Top', '/opener.html', 'Opener')
        d.into_page('Top')
        wait_until(lambda: d.window('Sign In'), 10, 'the pop-up window')
        d.server.wait_for_request('/signed-in')
        wait_until(lambda: d.window('Sign In') is None, 10, 'the pop-up to close itself')
        self.assertEqual(d.text_of('Top address'), d.server.url('/opener.html'))
        self.assertEqual(d.server.count('/popup.html'), 1)

    def test_a_site_asking_for_a_password_is_answered_in_a_dialog(self):
        d = self.desktop
        d.server.page('/private.html', 'Private')
        d.server.require_login('/private.html', 'Staff', 'ann', 's3cret')
        for keys, title in ((('Escape',), 'Login Needed'),
                            (('ann', 'Tab', 's3cret', 'Return'), 'Private')):
            d.enter('Top', d.server.url('/private.html'))
            user = d.find('User name', role='text', showing=True)
            d.find('The site 127.0.0.1 asks for a user name and password.\nIt says: "Staff"',
                   role='label')
            wait_until(lambda: user.focused, 5, 'the keyboard in the user name')
            for key in keys:
                d.key(key) if key in ('Escape', 'Tab', 'Return') else d.type(key)
            d.arrive('Top', '/private.html', title)

    def test_a_certificate_that_cannot_be_trusted_is_refused_by_default(self):
        d = self.desktop
        key, cert = d.tmp / 'key.pem', d.tmp / 'cert.pem'
        subprocess.run(['openssl', 'req', '-x509', '-newkey', 'rsa:2048', '-nodes', '-days', '1',
                        '-subj', '/CN=127.0.0.1', '-keyout', key, '-out', cert],
                       check=True, capture_output=True, timeout=60)
        secure = corvane_e2e.LoopbackServer(tls=(cert, key))
        self.addCleanup(secure.stop)
        secure.page('/secret.html', 'Secret')
        d.enter('Bottom', secure.url('/secret.html'))
        question = d.message('The identity of 127.0.0.1 cannot be verified', 20)
        # Enter is the default answer, which goes back: the load ends without a request.
        d.key('Return')
        wait_until(lambda: not question.showing, 5, 'the question to close')
        d.wait_for_text('Bottom status', lambda text: text.startswith('Page Title: '))
        self.assertNotEqual(d.text_of('Bottom status'), 'Page Title: Secret')
        self.assertEqual(secure.requests(), [])

    def test_a_killed_page_says_so_in_its_own_pane_and_reloads(self):
        d = self.desktop
        d.server.page('/kept.html', 'Kept')
        d.server.page('/killed.html', 'Killed')
        d.visit('Bottom', '/kept.html', 'Kept')
        # Another site, so that the top page gets a renderer of its own, the newest.
        before = {proc.pid for proc in corvane_e2e.renderers(d.corvane.pid)}
        top = d.server.url('/killed.html').replace('127.0.0.1', 'localhost')
        d.enter('Top', top)
        d.wait_for_text('Top status', 'Page Title: Killed')
        new = wait_until(lambda: [proc for proc in corvane_e2e.renderers(d.corvane.pid)
                                  if proc.pid not in before], 10, "the top page's renderer")
        os.kill(new[-1].pid, signal.SIGKILL)
        # What the notice says is the unit tests'.
        notice = d.find('Page stopped notice', showing=True, timeout=20)
        page = d.find('Top browser').extents
        self.assertTrue(page.y <= notice.extents.y < page.bottom, 'the notice on the top pane')
        self.assertEqual(sum(c.name == 'Page stopped' and c.showing
                             for c in d.application().descendants()), 1, 'a notice elsewhere')
        served = d.server.count('/killed.html')
        d.click(d.find('Reload stopped page', showing=True))
        d.server.wait_for_request('/killed.html', count=served + 1)
        wait_until(lambda: not notice.showing, 10, 'the notice to go')


if __name__ == '__main__':
    corvane_e2e.main()
