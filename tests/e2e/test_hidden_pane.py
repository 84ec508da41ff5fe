"""Nothing acts on a pane the view mode hides (Find, keys, the focus mark); and printing to a PDF
file in the layout of the pane's last page setup, and a long print that says when it is done."""

import os
import re
import subprocess

import corvane_e2e
from corvane_e2e import wait_until


class HiddenPaneTest(corvane_e2e.CorvaneTestCase):
    tip_closed = True

    def visit(self, pane, name, title, words):
        d = self.desktop
        d.server.reporting_page(name, title, words)
        d.visit(pane, f'/{name}.html', title)

    def test_with_the_bottom_pane_alone_find_keys_and_mark_go_to_it(self):
        d = self.desktop
        self.visit('Top', 'top', 'Top Page', 'Nothing to find here.')
        self.visit('Bottom', 'bottom', 'Bottom Page', 'Debian, Debian and Debian.')
        top = d.find('Top browser')
        d.into_page('Top')
        d.key('ctrl+e')
        wait_until(lambda: not top.showing, 5, 'the bottom pane alone')
        # The focus left the hidden page for the one on the screen, and the mark with it.
        wait_until(lambda: d.edge_colour('Bottom') != (255, 255, 255), 5, 'the bottom pane marked')
        d.key('x')
        d.server.wait_for_request('/bottom-key-x')

        d.choose_menu('Edit', 'Find')
        field, result = d.find_bar('Bottom')
        bottom = d.find('Bottom browser').extents
        self.assertTrue(bottom.y <= field.extents.y < bottom.bottom, 'on the bottom pane')
        d.type('Debian')
        wait_until(lambda: result.text == '1 of 3', 10, 'one of three finds')
        d.key('Escape')
        wait_until(lambda: not field.showing, 5, 'the find bar to close')
        d.key('y')
        d.server.wait_for_request('/bottom-key-y')
        self.assertEqual(d.server.count('/top-key-x') + d.server.count('/top-key-y'), 0)
        d.key('ctrl+q')
        wait_until(lambda: top.showing, 5, 'both panes')

    def print_to(self, pane, target, button='Print'):
        d = self.desktop
        d.choose_menu('File', f'Print {pane} Browser')
        output = d.find('Output file:', role='text', showing=True)
        d.click(output)
        d.key('ctrl+a')
        d.type(str(target))
        d.click(d.find(button, role='push button', showing=True))

    @staticmethod
    def page_size(target):
        wait_until(lambda: target.exists() and b'%%EOF' in target.read_bytes()[-64:], 30,
                   f'a PDF file at {target}')
        info = subprocess.run(['pdfinfo', str(target)], capture_output=True, check=True,
                              timeout=30).stdout.decode()
        return tuple(map(float, re.search(r'Page size:\s+([\d.]+) x ([\d.]+)', info).groups()))

    def test_each_pane_prints_in_its_own_last_page_setup_and_says_when_the_file_is_complete(self):
        d = self.desktop
        # The page holds its print back until the server answers it: a long print on any machine.
        d.server.slow_page('/held', 'Held', 120)
        hold = ("<script>addEventListener('beforeprint', () => { const r = new XMLHttpRequest();"
                " r.open('GET', '/held', false); r.send(); });</script>")
        lines = ''.join(f'<p>Line {n} of a long chapter about packages.</p>' for n in range(3000))
        d.server.page('/long.html', 'Long Chapter', hold + lines)
        d.server.page('/short.html', 'Short', 'A few words worth keeping on paper.')
        d.visit('Top', '/long.html', 'Long Chapter')
        d.visit('Bottom', '/short.html', 'Short')
        # A pane prints one page at a time: once its next print is written, a print the
        # cancelled dialog had started would have been written too.
        cancelled = d.tmp / 'cancelled.pdf'
        self.print_to('Top', cancelled, 'Cancel')
        d.choose_menu('File', 'Page Setup for Top Browser...')
        d.click(d.find('Landscape', role='radio button', showing=True))
        d.click(d.find('OK', role='push button', showing=True))
        target = d.tmp / 'chapter.pdf'
        self.print_to('Top', target)
        d.server.wait_for_request('/held', 30)
        window = d.dialog('Printing')
        d.server.release()

        # Under its name the file is whole whenever it is there.
        partial = []

        def told_complete():
            if target.exists():
                data = target.read_bytes()
                if not (data.startswith(b'%PDF') and b'%%EOF' in data[-64:]):
                    partial.append(len(data))
            return any('chapter.pdf is complete.' in c.name for c in window.descendants())

        wait_until(told_complete, 60, 'the print window saying the file is complete')
        self.assertEqual(partial, [])
        self.assertFalse(cancelled.exists())
        width, height = self.page_size(target)
        self.assertGreater(width, height, 'the top page in landscape')
        # Text stays text: the engine's own PDF carries the fonts, where pictures of pages have
        # none. Lines break where the page wants; the words are all there, in order.
        self.assertIn(b'/FontFile', target.read_bytes())
        text = subprocess.run(['pdftotext', str(target), '-'], capture_output=True, check=True,
                              timeout=30).stdout.decode()
        self.assertIn('Line 2999 of a long chapter about packages.', ' '.join(text.split()))
        d.click(d.find('Close', role='push button', within=window))
        wait_until(lambda: d.window('Printing') is None, 5, 'the print window to close')

        # The pane's next print offers a file named after its own page, in the same folder, and
        # asks before it replaces one; the file gets the permissions of every saved file.
        proposed = d.tmp / 'Short.pdf'
        proposed.write_bytes(b'an older file')
        d.visit('Top', '/short.html', 'Short')
        d.choose_menu('File', 'Print Top Browser')
        output = d.find('Output file:', role='text', showing=True)
        wait_until(lambda: output.text == str(proposed), 5, 'the page\'s own name proposed')
        d.click(d.find('Print', role='push button', showing=True))
        d.message(f'{proposed} already exists.')
        d.click(d.find('Yes', role='push button', showing=True))
        self.page_size(proposed)
        if d.window('Printing'):  # it took more than a moment
            d.close_window('Printing')
        umask = os.umask(0o022)
        os.umask(umask)
        self.assertEqual(proposed.stat().st_mode & 0o777, 0o666 & ~umask)
        self.assertEqual(target.stat().st_mode & 0o777, 0o666 & ~umask)

        # The other pane keeps its own setup.
        short = d.tmp / 'short.pdf'
        self.print_to('Bottom', short)
        width, height = self.page_size(short)
        self.assertLess(width, height, 'the bottom page upright')


if __name__ == '__main__':
    corvane_e2e.main()
