"""The Help and Tools menus: the guide, the about box and its link, the Internet Options and the
search engine they choose, the desktop launcher."""

import os
import stat

import corvane_e2e
from corvane_e2e import wait_until

ABOUT = 'About Corvane'
NOTICE = ('The browser options that you are about to use, are for Corvane and Internet '
          'Explorer.')
ADDED = 'A Corvane shortcut has been added to your desktop.'


class HelpAndToolsTest(corvane_e2e.CorvaneTestCase):
    tip_closed = True

    @classmethod
    def start_env(cls, desktop):
        # The product's web site is served by the test's server, through which the engine
        # reaches every address off this machine. No launcher of Corvane is installed here, and
        # the desktop folder has a name of its own, as xdg-user-dirs may give it.
        (desktop.tmp / 'no-data').mkdir(exist_ok=True)
        (desktop.tmp / 'config' / 'user-dirs.dirs').write_text(
            'XDG_DESKTOP_DIR="$HOME/Schreibtisch"\n')
        return {'http_proxy': desktop.server.url('').rstrip('/'),
                'XDG_DATA_DIRS': str(desktop.tmp / 'no-data')}

    def setUp(self):
        d = self.desktop
        d.click(d.find('Both Browsers', role='radio button'))
        wait_until(lambda: d.find('Bottom browser').showing, 5, 'both panes')

    def answer(self, text):
        """Waits for the message box saying `text` and presses its OK."""
        d = self.desktop
        label = d.find(text, role='label', showing=True)
        d.click(d.find('OK', role='push button', within=label.parent))
        wait_until(lambda: not label.showing, 5, f'the message {text!r} to close')

    def test_f1_shows_the_guide_in_the_top_pane_alone(self):
        d = self.desktop
        d.into_page('Top')
        d.key('F1')
        d.wait_for_text('Top status', 'Page Title: Corvane User Guide')
        self.assertEqual(d.text_of('Top address'),
                         (d.program_dir / 'CVguide.html').resolve().as_uri())
        self.assertFalse(d.find('Bottom browser').showing)

    def test_about_shows_the_version_and_its_link_opens_the_site_in_the_top_pane(self):
        d = self.desktop
        d.choose_menu('Help', 'About')
        box = d.dialog(ABOUT)
        link = d.find('Opens the web site in the top pane', role='push button', within=box)
        # The link shows a pointer of its own; asked for again, the box only comes forward.
        d.xdotool('mousemove', box.extents.x + 4, box.extents.y + 4)
        plain = d.cursor_serial()
        d.xdotool('mousemove', *link.extents.center)
        wait_until(lambda: d.cursor_serial() != plain, 5, 'the pointer over the link')
        d.choose_menu('Help', 'About')
        wait_until(lambda: not d.find('About', role='menu item').showing, 5, 'the menu to close')
        self.assertEqual([t for _, t in d.windows()].count(ABOUT), 1)
        site = link.name + '/'
        d.server.page(site, 'Corvane web site')

        d.click(link)
        d.wait_for_text('Top status', 'Page Title: Corvane web site')
        self.assertEqual(d.text_of('Top address'), site)
        self.assertEqual(d.server.count(site), 1)
        self.assertFalse(d.find('Bottom browser').showing)
        self.assertTrue(d.window(ABOUT), 'the about box closed with its link')
        # Enter is OK's, even with the focus on the link.
        d.key('Return')
        wait_until(lambda: d.window(ABOUT) is None, 5, 'Enter to close the about box')

    def test_internet_options_switch_javascript_off_for_the_panes(self):
        d = self.desktop
        d.server.raw('/script.html', 200, 'text/html',
                     b'<html><head><title>Static</title></head>'
                     b'<body><script>document.title = "Scripted";</script>'
                     b'<noscript><img src="/no-script.png"></noscript></body></html>')
        d.choose_menu('Tools', 'Internet Options...')
        self.answer(NOTICE)
        options = d.dialog('Internet Options')
        javascript = d.find('Run JavaScript', role='check box', within=options)
        self.assertTrue(javascript.checked)
        d.click(javascript)
        wait_until(lambda: not javascript.checked, 5, 'JavaScript to be switched off')
        d.click(d.find('OK', role='push button', within=options))
        wait_until(lambda: d.window('Internet Options') is None, 5, 'the dialog to close')

        for pane in ('Top', 'Bottom'):
            with self.subTest(pane=pane):
                d.enter(pane, d.server.url('/script.html'))
                # The page asks for its "no script" picture only when scripts are off, and only
                # once it has passed its script.
                d.server.wait_for_request('/no-script.png', count={'Top': 1, 'Bottom': 2}[pane])
                d.wait_for_text(f'{pane} status', 'Page Title: Static')

        # The choice holds for the next start.
        d.close_corvane(timeout=5.0)
        d.start_corvane(env=self.start_env(d))
        d.close_tip_window(20)
        d.enter('Top', d.server.url('/script.html'))
        d.server.wait_for_request('/no-script.png', count=3)
        d.wait_for_text('Top status', 'Page Title: Static')

    def test_the_desktop_launcher_starts_this_corvane(self):
        # Replacing an earlier launcher is the unit tests'; here the real desktop folder and path.
        d = self.desktop
        launcher = d.home / 'Schreibtisch' / 'corvane.desktop'
        d.choose_menu('Tools', 'Create Corvane ShortCut On Desktop ')
        self.answer(ADDED)
        self.assertIn(f'\nExec="{d.program_dir / "corvane"}"\n', launcher.read_text())
        self.assertTrue(os.stat(launcher).st_mode & stat.S_IXUSR)

    def test_words_typed_go_to_the_search_engine_chosen_in_the_options(self):
        d = self.desktop
        d.server.page('/find', 'Found Words')
        d.choose_menu('Tools', 'Internet Options...')
        self.answer(NOTICE)
        options = d.dialog('Internet Options')
        # A list box is called by the choice it shows.
        engine = d.find('DuckDuckGo', role='combo box', within=options)
        d.click(engine)
        d.pick(d.shown_list(engine), 'Other…')
        address = d.find('Search address of Other…', role='text', within=options)
        wait_until(lambda: 'enabled' in address.states, 5, 'the address of Other… to open')
        d.click(address)
        d.key('ctrl+a')
        d.type(d.server.url('/find?q=%s'))
        d.click(d.find('OK', role='push button', within=options))
        wait_until(lambda: d.window('Internet Options') is None, 5, 'the dialog to close')

        d.enter('Bottom', 'corvane two words')
        # The box shows the address as a person reads it.
        d.arrive('Bottom', '/find?q=corvane two words', 'Found Words')
        self.assertEqual(d.server.count('/find'), 1)


if __name__ == '__main__':
    corvane_e2e.main()
