"""Several pages in each pane: opening, switching, closing and reopening them with the keys and
the mouse, moving them to the other pane, and the pages brought back after a kill."""

import json
import signal

import corvane_e2e
from corvane_e2e import wait_until
from corvane_e2e.accessibility import Gone


class PagesTest(corvane_e2e.CorvaneTestCase):
    tip_closed = True

    def strip(self, pane):
        """The pane's strip of page tabs, which lies in the pane's browser over its pages (a
        tab list takes the name of its current tab)."""
        def look():
            for control in self.desktop.application().descendants():
                try:
                    if (control.role == 'page tab list' and
                            control.parent.name == f'{pane} browser'):
                        return control
                except Gone:
                    continue
            return None

        return wait_until(look, 10, f'the {pane} page tabs')

    def tabs(self, pane):
        """The titles of the pane's page tabs while its strip shows, else None."""
        strip = self.strip(pane)
        if not strip.showing:
            return None
        return [c.name for c in strip.children if c.role == 'page tab']

    def has_tabs(self, pane, titles):
        seen = []

        def check():
            seen[:] = [self.tabs(pane)]
            return seen[0] == titles

        wait_until(check, 10, lambda: f'the {pane} tabs {titles}; they are {seen}')

    def tab(self, pane, title):
        return self.desktop.find(title, role='page tab', within=self.strip(pane))

    def shows(self, pane, path, title):
        self.desktop.arrive(pane, path, title)

    def test_1_pages_open_switch_close_and_reopen_in_the_focused_pane(self):
        d = self.desktop
        d.server.page('/p-one.html', 'Page One')
        d.server.page('/p-linked.html', 'Page Linked')
        d.server.link_page('/p-links.html', 'Page Links', d.server.url('/p-linked.html'))
        d.visit('Top', '/p-links.html', 'Page Links')
        self.assertIsNone(self.tabs('Top'))

        # Ctrl+T: a blank page with the keys in the address box.
        d.key('ctrl+t')
        self.has_tabs('Top', ['Page Links', 'New Page'])
        wait_until(lambda: d.focused().name == 'Top address', 5, 'the top address focused')
        d.type(d.server.url('/p-one.html'))
        d.key('Return')
        self.shows('Top', '/p-one.html', 'Page One')
        self.has_tabs('Top', ['Page Links', 'Page One'])

        # Ctrl+1 shows the first page as it was; a middle click on its link opens the link
        # behind it, after it.
        d.key('ctrl+1')
        self.shows('Top', '/p-links.html', 'Page Links')
        d.click(d.find('Top browser').extents.center, button=2)
        d.server.wait_for_request('/p-linked.html')
        self.has_tabs('Top', ['Page Links', 'Page Linked', 'Page One'])
        self.assertEqual(d.text_of('Top address'), d.server.url('/p-links.html'))

        # Ctrl+Tab goes on to it; Ctrl+F4 closes it, Ctrl+Shift+T brings it back with its
        # place; a middle click on a tab closes its page.
        d.key('ctrl+Tab')
        self.shows('Top', '/p-linked.html', 'Page Linked')
        d.key('ctrl+F4')
        self.has_tabs('Top', ['Page Links', 'Page One'])
        d.key('ctrl+shift+t')
        self.has_tabs('Top', ['Page Links', 'Page Linked', 'Page One'])
        self.shows('Top', '/p-linked.html', 'Page Linked')
        d.click(self.tab('Top', 'Page One'), button=2)
        self.has_tabs('Top', ['Page Links', 'Page Linked'])
        # The bottom pane kept its one page.
        self.assertIsNone(self.tabs('Bottom'))

    def test_2_a_page_moves_to_the_other_pane_by_its_menu_and_by_a_drag(self):
        d = self.desktop
        d.server.page('/m-first.html', 'Move First')
        d.server.page('/m-second.html', 'Move Second')
        d.server.page('/m-bottom.html', 'Move Bottom')
        d.visit('Bottom', '/m-bottom.html', 'Move Bottom')
        d.click(d.edit_field('Top address'))
        d.key('ctrl+t')
        d.type(d.server.url('/m-first.html'))
        d.key('Return')
        self.shows('Top', '/m-first.html', 'Move First')
        d.key('ctrl+t')
        d.type(d.server.url('/m-second.html'))
        d.key('Return')
        self.shows('Top', '/m-second.html', 'Move Second')
        top = self.tabs('Top')
        requests = len(d.server.requests())

        windows = len(d.windows())
        d.click(self.tab('Top', 'Move Second'), button=3)
        wait_until(lambda: len(d.windows()) > windows, 5, "the tab's menu")
        d.key('m')  # Move Page to Other Pane
        self.has_tabs('Bottom', ['Move Bottom', 'Move Second'])
        self.shows('Bottom', '/m-second.html', 'Move Second')
        self.has_tabs('Top', top[:-1])

        # Dragged back onto the top pane's first tab, it goes there.
        start = self.tab('Bottom', 'Move Second').extents.center
        d.drag(start, self.tab('Top', top[0]).extents.center, steps=20, pause=0.02)
        self.has_tabs('Top', ['Move Second'] + top[:-1])
        self.shows('Top', '/m-second.html', 'Move Second')
        self.assertIsNone(self.tabs('Bottom'))
        # Neither move loaded anything again.
        self.assertEqual(len(d.server.requests()), requests)

    def test_3_new_windows_open_as_pages_in_front_and_in_the_other_pane_when_asked(self):
        d = self.desktop
        d.server.page('/b-to.html', 'Blank Target')
        d.server.raw('/b-from.html', 200, 'text/html; charset=utf-8', (
            '<!DOCTYPE html><html><head><title>Blank From</title></head><body style="margin:0">'
            f'<a href="{d.server.url("/b-to.html")}" target="_blank" '
            'style="display:block;height:100vh">Blank link</a></body></html>').encode())
        d.visit('Bottom', '/b-from.html', 'Blank From')
        before = self.tabs('Bottom') or ['Blank From']
        d.click(d.find('Bottom browser').extents.center)
        self.shows('Bottom', '/b-to.html', 'Blank Target')
        self.has_tabs('Bottom', before + ['Blank Target'])

        # With the bottom pane's links going to the top pane, the new page opens there.
        d.click(self.tab('Bottom', 'Blank From'))
        self.shows('Bottom', '/b-from.html', 'Blank From')
        top = self.tabs('Top') or [d.find('Top status').text[len('Page Title: '):]]
        d.choose_menu('Browsers', "Open Bottom Pane's Links in Top Pane")
        d.click(d.find('Bottom browser').extents.center)
        self.shows('Top', '/b-to.html', 'Blank Target')
        # After the page the top pane showed.
        wait_until(lambda: sorted(self.tabs('Top')) == sorted(top + ['Blank Target']), 10,
                   'the new page among the top pane\'s')
        self.assertEqual(d.text_of('Bottom address'), d.server.url('/b-from.html'))
        d.choose_menu('Browsers', "Open Bottom Pane's Links in Top Pane")

    def test_4_after_a_kill_restore_pages_brings_both_panes_pages_back(self):
        d = self.desktop
        d.server.page('/k-top.html', 'Kill Top')
        d.server.page('/k-bottom.html', 'Kill Bottom')
        d.visit('Top', '/k-top.html', 'Kill Top')
        d.click(d.edit_field('Bottom address'))
        d.key('ctrl+t')
        d.type(d.server.url('/k-bottom.html'))
        d.key('Return')
        self.shows('Bottom', '/k-bottom.html', 'Kill Bottom')
        top, bottom = self.tabs('Top'), self.tabs('Bottom')

        def saved():
            """The session file once it holds both pages, titled (it is written within a
            second of a change)."""
            for session in (d.tmp / 'data').rglob('session.json'):
                try:
                    text = session.read_text()
                except OSError:
                    return None
                pages = ('k-top.html', 'Kill Top', 'k-bottom.html', 'Kill Bottom')
                return session if all(p in text for p in pages) else None
            return None

        session = wait_until(saved, 10, 'the pages saved in the session')
        json.loads(session.read_text())
        d.corvane.send_signal(signal.SIGKILL)
        d.corvane.wait(10)

        d.start_corvane()
        d.close_tip_window(20)
        d.find('Corvane did not close properly', role='label')
        d.click(d.find('Restore Pages', role='push button'))
        self.has_tabs('Top', top)
        self.shows('Top', '/k-top.html', 'Kill Top')
        self.has_tabs('Bottom', bottom)
        self.shows('Bottom', '/k-bottom.html', 'Kill Bottom')


if __name__ == '__main__':
    corvane_e2e.main()
