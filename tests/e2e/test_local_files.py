"""Local files: a folder slide show over files of every kind, a file handed to the desktop's
application, View Source in either pane, and a web download saved or declined."""

import gzip

import corvane_e2e
from corvane_e2e import wait_until

FOLDER_MESSAGE = ('View folder contents ({} files total) is on. Use back and forward navigation '
                  'buttons to view contents of this folder.')
# A stand-in for the desktop: its default application for every type, and its opener, which
# notes the file it was asked to open.
XDG_MIME = '#!/bin/sh\necho fakewriter.desktop\n'
XDG_OPEN = '#!/bin/sh\nprintf "%s" "$1" > "{marker}"\n'
DESKTOP_ENTRY = '[Desktop Entry]\nType=Application\nName=Fake Writer\nExec=true %f\n'
# The colour of the engine's PDF viewer's toolbar.
VIEWER_BAR = (50, 54, 57)


def pdf(words):
    """A one-page PDF file showing `words`."""
    stream = f'BT /F1 24 Tf 72 720 Td ({words}) Tj ET'.encode()
    objects = [b'<< /Type /Catalog /Pages 2 0 R >>',
               b'<< /Type /Pages /Kids [3 0 R] /Count 1 >>',
               b'<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R '
               b'/Resources << /Font << /F1 5 0 R >> >> >>',
               b'<< /Length %d >>\nstream\n%s\nendstream' % (len(stream), stream),
               b'<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>']
    out = bytearray(b'%PDF-1.4\n')
    offsets = []
    for n, body in enumerate(objects, 1):
        offsets.append(len(out))
        out += b'%d 0 obj\n%s\nendobj\n' % (n, body)
    xref = len(out)
    out += b'xref\n0 %d\n0000000000 65535 f \n' % (len(objects) + 1)
    out += b''.join(b'%010d 00000 n \n' % o for o in offsets)
    out += b'trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n' % (
        len(objects) + 1, xref)
    return bytes(out)


class LocalFilesTest(corvane_e2e.CorvaneTestCase):
    @classmethod
    def start_env(cls, desktop):
        tools = desktop.tmp / 'bin'
        tools.mkdir()
        cls.opened = desktop.tmp / 'opened.txt'
        for name, text in (('xdg-mime', XDG_MIME), ('xdg-open', XDG_OPEN.format(marker=cls.opened))):
            (tools / name).write_text(text)
            (tools / name).chmod(0o755)
        applications = desktop.tmp / 'data' / 'applications'
        applications.mkdir(parents=True)
        (applications / 'fakewriter.desktop').write_text(DESKTOP_ENTRY)
        return {'PATH': f'{tools}:{desktop.env["PATH"]}'}

    tip_closed = True

    def find_in_top_page(self, wanted):
        """Finds a text in the top page with the find bar, as a person checks what it shows."""
        d = self.desktop
        d.choose_menu('Edit', 'Find')
        field, found = d.find_bar('Top')
        d.key('ctrl+a')
        d.type(wanted)
        wait_until(lambda: found.text == '1 of 1', 10,
                   lambda: f'{wanted!r} found in the top page: {found.text!r}')
        d.key('Escape')
        wait_until(lambda: not field.showing, 5, 'the find bar to close')

    def no_save_dialog(self):
        self.assertIsNone(self.desktop.window('Save Download'), 'a save dialog opened')

    def test_a_slide_show_over_a_mixed_folder_shows_every_file_in_the_pane(self):
        d = self.desktop
        folder = d.tmp / 'Mixed Files'
        folder.mkdir()
        (folder / 'a.html').write_text('<html><head><title>First</title></head><body>'
                                       '<a href="d.en.txt.gz">packed</a></body></html>')
        (folder / 'b.doc').write_bytes(b'\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1' + bytes(range(256)))
        (folder / 'c.html.bak').write_text('<p>kept as plain words</p>\n')
        (folder / 'd.en.txt.gz').write_bytes(gzip.compress(b'packed text'))
        # The box shows a file address as a person reads it, blanks and all.
        address = {name: f'file://{folder}/{name}'
                   for name in ('a.html', 'b.doc', 'c.html.bak', 'd.en.txt.gz')}

        d.choose_menu('File', 'Open Top Browser')
        wait_until(lambda: d.find('File name:', role='text').focused, 10, 'the open-file dialog')
        d.type(str(folder / 'a.html'))
        d.key('Return')
        d.wait_for_text('Top status', FOLDER_MESSAGE.format(4))
        # A link to a file the engine would offer as a download shows it in the pane as well.
        d.into_page('Top')
        d.key('Tab', 'Return')
        d.wait_for_text('Top address', address['d.en.txt.gz'])
        self.find_in_top_page('Open with Fake Writer')
        self.no_save_dialog()

        # The first Forward makes a.html current and steps on to the document.
        d.click(d.button('Top', 'Forward'))
        d.wait_for_text('Top address', address['b.doc'])
        d.wait_for_text('Top status', FOLDER_MESSAGE.format(4))
        self.find_in_top_page('Open with Fake Writer')
        self.no_save_dialog()
        # The page's one control is its button: the first Tab stop, pressed with Enter.
        d.into_page('Top')
        d.key('Tab', 'Return')
        wait_until(lambda: self.opened.exists() and self.opened.read_text() == str(folder / 'b.doc'),
                   10, 'the desktop asked to open b.doc')

        # Text is shown as text, tags and all; the compressed file gets the desktop's button.
        for name, wanted in (('c.html.bak', '<p>kept as plain words</p>'),
                             ('d.en.txt.gz', 'Open with Fake Writer')):
            with self.subTest(file=name):
                d.click(d.button('Top', 'Forward'))
                d.wait_for_text('Top address', address[name])
                d.wait_for_text('Top status', FOLDER_MESSAGE.format(4))
                self.find_in_top_page(wanted)
                self.no_save_dialog()

        # Back steps through the folder too; a web page ends folder view, and Back then follows
        # the pane's history.
        d.click(d.button('Top', 'Back'))
        d.wait_for_text('Top address', address['c.html.bak'])
        d.server.page('/after-slides.html', 'After Slides')
        d.visit('Top', '/after-slides.html', 'After Slides')
        wait_until(lambda: not d.enabled('Top', 'Forward'), 10, 'Forward off after a web page')
        d.click(d.button('Top', 'Back'))
        d.wait_for_text('Top address', address['c.html.bak'])
        d.wait_for_text('Top status', 'Page Title: ' + address['c.html.bak'], 10)

    def test_a_pdf_typed_or_served_shows_in_the_pane(self):
        d = self.desktop
        local = d.tmp / 'doc.pdf'
        local.write_bytes(pdf('A local PDF'))
        d.server.raw('/paper.pdf', 200, 'application/pdf', pdf('A served PDF'))
        for typed, address in ((str(local), f'file://{local}'),
                               (d.server.url('/paper.pdf'), d.server.url('/paper.pdf'))):
            with self.subTest(address=address):
                d.enter('Top', typed)
                d.wait_for_text('Top status', f'Page Title: {address}')

                # The engine's PDF viewer fills the pane, its dark toolbar across the top.
                def viewer_shown():
                    area = d.find('Top browser').extents
                    shot = d.screenshot()
                    band = [shot.pixel(x, y) for x in range(area.x + 4, area.right - 4, 9)
                            for y in range(area.y + 4, area.y + 40, 9)]
                    return band.count(VIEWER_BAR) > len(band) * 0.6
                wait_until(viewer_shown, 20, 'the PDF viewer in the top pane')
                self.no_save_dialog()

    def test_view_source_of_either_pane_twice_and_of_an_empty_box_nothing(self):
        d = self.desktop
        d.server.page('/source.html', 'Source Page', 'Some words.')
        url = d.server.url('/source.html')
        for pane in ('Bottom', 'Top'):
            d.visit(pane, '/source.html', 'Source Page')
            for _ in range(2):
                d.choose_menu('View', f'{pane} Browser Source')
                d.wait_for_text(f'{pane} status', f'Page Title: view-source:{url}')
                d.wait_for_text(f'{pane} address', url)
        self.find_in_top_page('<title>Source Page</title>')
        # With the box emptied the item goes nowhere: a navigation would say "Going to" at once.
        d.click(d.edit_field('Top address'))
        d.key('ctrl+a', 'BackSpace')
        d.choose_menu('View', 'Top Browser Source')
        item = d.find('Top Browser Source', role='menu item')
        wait_until(lambda: not item.showing, 5, 'the menu to close')
        self.assertEqual(d.text_of('Top status'), f'Page Title: view-source:{url}')

    def test_a_download_is_saved_where_asked_and_the_box_keeps_naming_the_page_shown(self):
        d = self.desktop
        data = bytes(range(256)) * 1200
        d.server.page('/before.html', 'Before')
        d.server.raw('/file.bin', 200, 'application/octet-stream', data,
                     headers=[('Content-Disposition', 'attachment; filename="file.bin"')])
        d.visit('Top', '/before.html', 'Before')
        target = d.tmp / 'kept.bin'
        # An address the user typed is the user's download, the second time too.
        for keys in (('Escape',), ('ctrl+a', str(target), 'Return')):
            d.enter('Top', d.server.url('/file.bin'))
            wait_until(lambda: d.window('Save Download'), 15, 'the save dialog of a web download')
            # Proposed under its own name in the user's download folder.
            wait_until(lambda: d.find('File name:', role='text').text == 'file.bin', 5,
                       'the proposed name')
            self.assertTrue((d.home / 'Downloads').is_dir())
            for key in keys:
                d.type(key) if key.startswith('/') else d.key(key)
            wait_until(lambda: d.window('Save Download') is None, 5, 'the save dialog to close')
            d.wait_for_text('Top address', d.server.url('/before.html'))
        wait_until(lambda: target.exists() and target.read_bytes() == data, 15, 'the file saved')
        # The downloads window offers the file once it is done.
        wait_until(lambda: d.find('Open downloaded file').showing, 10, 'the download done')
        self.assertFalse(d.find('Cancel download').showing)
        d.close_window('Downloads')


if __name__ == '__main__':
    corvane_e2e.main()
