"""The favorites pane and the home pages: the menu, the keys, the tree, the questions, the Add
Favorite, Organize and Home Pages windows, and what ends up in the files."""

import configparser

import corvane_e2e
from corvane_e2e import wait_until

OPEN_IN_TOP = 'Do you want the Top Browser to open this?'
ADD_BOTTOM = 'Do you want to add Bottom Browser to Favorites?'
# The menu's caption ends with a blank, and its name on the accessibility bus with it.
MENU = 'Favorites '


def entries(ini):
    """The sections of cv.ini and the value each holds under key 1."""
    parser = configparser.ConfigParser(interpolation=None)
    parser.read_string(ini.decode())
    return {section: parser[section].get('1') for section in parser.sections()}


class FavoritesTest(corvane_e2e.CorvaneTestCase):
    tip_closed = True

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        d = cls.desktop
        # The tree is read when the pane is first shown, so the favorites are there before.
        cls.favorites = d.tmp / 'data' / 'corvane' / 'Favorites'
        (cls.favorites / 'News').mkdir(parents=True)
        for path, title, name in (('/fav-a.html', 'Favorite A', 'Favorite A.url'),
                                  ('/fav-b.html', 'Favorite B', 'News/Favorite B.url'),
                                  ('/scratch.html', 'Scratch', 'Scratch.url')):
            d.server.page(path, title)
            (cls.favorites / name).write_bytes(
                b'[InternetShortcut]\r\nURL=' + d.server.url(path).encode() + b'\r\n')

    def setUp(self):
        # Found once while no window comes or goes; later lookups ask these again directly.
        d = self.desktop
        for name in ('Top address', 'Bottom address', 'Top status', 'Bottom status',
                     'Top browser', 'Close favorites', 'Add favorites',
                     'Organize favorites'):
            d.find(name)

    @staticmethod
    def shown_named(root, name):
        """A control called `name` on screen below `root`; one that goes meanwhile is skipped."""
        for control in root.descendants():
            if control.acc is not None and control.name == name and control.showing:
                return control
        return None

    def tree(self):
        return self.desktop.find('Favorites', role='tree')

    def item(self, name):
        """The tree's node called `name`, once it is on screen."""
        tree = self.tree()
        node = wait_until(lambda: self.shown_named(tree, name), 10,
                          f'the favorite {name!r} in the tree')
        wait_until(lambda: node.extents.height > 0, 5, f'the favorite {name!r} shown')
        return node

    def pane_shown(self):
        return self.tree().showing and self.desktop.find('Close favorites').showing

    def show_pane(self):
        if not self.pane_shown():
            self.desktop.choose_menu(MENU, 'View Favorites')
        wait_until(self.pane_shown, 5, 'the favorites pane')

    def gone(self, name):
        """Waits until no control called `name` is on screen (its window closed)."""
        d = self.desktop
        wait_until(lambda: not self.shown_named(d.application(), name), 5, f'{name!r} to close')

    def test_view_favorites_from_the_menu_and_the_close_button(self):
        d = self.desktop
        view = d.find('View Favorites', role='menu item')
        self.show_pane()
        self.assertTrue(view.checked)
        tree, page = self.tree().extents, d.find('Top browser').extents
        self.assertLess(tree.right, page.x + 5, 'the tree lies left of the pages')
        d.click(d.find('Close favorites'))
        wait_until(lambda: not self.tree().showing, 5, 'the favorites pane to hide')
        self.assertFalse(view.checked)
        d.choose_menu(MENU, 'View Favorites')
        wait_until(self.pane_shown, 5, 'the favorites pane')
        self.assertTrue(view.checked)
        self.item('Favorite A')
        self.item('News')

    def test_a_favorite_opens_where_the_questions_are_answered_by_keyboard(self):
        d = self.desktop
        self.show_pane()
        served_a, served_b = d.server.count('/fav-a.html'), d.server.count('/fav-b.html')
        top = d.text_of('Top address')

        # Cancel at the first question: nothing is asked next and nothing loads.
        d.click(self.item('Favorite A'))
        d.find(OPEN_IN_TOP, timeout=10)
        d.key('Escape')
        self.gone(OPEN_IN_TOP)

        # From the keyboard alone: into the folder, onto the favorite, Enter; No, then Yes.
        d.click(self.item('News'))
        d.key('Right', 'Down', 'Return')
        d.find(OPEN_IN_TOP, timeout=10)
        d.key('alt+n')
        d.find('Do you want the Bottom Browser to open this?', timeout=10)
        d.key('Return')
        d.arrive('Bottom', '/fav-b.html', 'Favorite B')
        self.assertEqual(d.server.count('/fav-b.html'), served_b + 1)
        # Yes in the top pane is the import test's; the cancelled click loaded nothing.
        self.assertEqual(d.text_of('Top address'), top)
        self.assertEqual(d.server.count('/fav-a.html'), served_a)

    def test_the_top_page_is_added_to_the_favorites(self):
        d = self.desktop
        d.server.page('/to-keep.html', 'Worth Keeping')
        d.visit('Top', '/to-keep.html', 'Worth Keeping')
        self.show_pane()

        d.click(d.find('Add favorites'))
        d.find('Do you want to add Top Browser to Favorites?', timeout=10)
        d.key('Return')
        name = d.find('Favorite name', role='text')
        wait_until(lambda: name.text == 'Worth Keeping', 5, 'the page title as the proposed name')
        d.key('ctrl+a')
        d.type('Kept/for .url later')
        d.key('Return')
        d.find(ADD_BOTTOM, timeout=10)
        d.key('Escape')
        self.gone(ADD_BOTTOM)

        # A name no file name could hold as it is: the file holds the page's address.
        saved = self.favorites / 'Kept%2Ffor %2Eurl later.url'
        wait_until(saved.exists, 5, f'{saved} to be written')
        self.assertIn(b'URL=' + d.server.url('/to-keep.html').encode() + b'\r\n',
                      saved.read_bytes())

        # The tree stays as it was read; F5 in it reads it again, with the name as typed, the
        # open folder still open and the folder chosen still chosen.
        d.click(self.item('News'))
        d.key('plus')
        self.item('Favorite B')
        self.assertIsNone(self.shown_named(self.tree(), 'Kept/for .url later'))
        d.key('F5')
        self.item('Kept/for .url later')
        self.item('Favorite B')
        wait_until(lambda: 'selected' in self.item('News').states, 5, 'the folder still chosen')

        # A title too long for a file name is offered shortened, and the dialog says so.
        title = '\u00e9' * 200
        d.server.page('/long.html', title)
        d.visit('Top', '/long.html', title)
        d.into_page('Top')
        d.key('shift+F2')
        name = d.find('Favorite name', role='text', showing=True)
        d.message('The name is too long for a file name, so it has been shortened to fit.')
        wait_until(lambda: name.text == title[:125], 5, 'the shortened name')
        d.key('Return')
        saved = self.favorites / (title[:125] + '.url')
        wait_until(saved.exists, 5, f'{saved} to be written')

        # Shift+F2 asks no question; cancelling the dialog writes nothing.
        before = sorted(p.name for p in self.favorites.iterdir())
        d.into_page('Top')
        d.key('shift+F2')
        d.find('Favorite name', role='text', showing=True)
        d.key('Escape')
        self.gone('Favorite name')
        self.assertEqual(sorted(p.name for p in self.favorites.iterdir()), before)

    def test_organize_renames_and_deletes_to_the_trash(self):
        d = self.desktop
        self.show_pane()
        d.click(d.find('Organize favorites'))
        window = d.find('Organize Favorites', role='dialog')

        def entry(name):
            return wait_until(lambda: self.shown_named(window, name), 10,
                              f'{name!r} in the Organize Favorites window')

        # Whatever the name, it is shown as typed.
        kept = '.Kept 100%/Scratch'
        d.click(entry('Scratch'))
        d.key('F2')
        d.find('New name:', showing=True)
        d.key('ctrl+a')
        d.type(kept)
        d.key('Return')
        renamed = self.favorites / '%2EKept 100%25%2FScratch.url'
        wait_until(renamed.exists, 5, 'the favorite to be renamed')
        self.assertFalse((self.favorites / 'Scratch.url').exists())

        d.click(entry(kept))
        d.click(d.find('Delete', role='push button', within=window))
        d.find(f'Move "{kept}" to the trash?', timeout=10)
        d.key('Return')
        trashed = d.tmp / 'data' / 'Trash' / 'files' / renamed.name
        wait_until(trashed.exists, 5, 'the favorite in the trash')
        self.assertFalse(renamed.exists())
        self.assertIn(b'/scratch.html', trashed.read_bytes())

        d.click(d.find('Close', role='push button', within=window))
        self.gone('Organize Favorites')
        # The tree stays as it was read, until the user chooses Refresh in its menu (its
        # letter: a menu that pops up is no child of the window on the accessibility bus).
        self.item('Scratch')
        windows = len(d.windows())
        d.click(self.item('News'), button=3)
        wait_until(lambda: len(d.windows()) > windows, 5, "the tree's menu")
        d.key('r')
        tree = self.tree()
        wait_until(lambda: self.shown_named(tree, 'Scratch') is None, 10, 'Scratch gone')
        self.item('Favorite A')

    def test_the_home_pages_are_written_to_cv_ini_only_on_ok(self):
        d = self.desktop
        before = d.read_file('cv.ini')
        typed = d.server.url('/my-home.html!')

        for button in ('Cancel', 'OK'):
            with self.subTest(button=button):
                d.choose_menu(MENU, 'Enter Offline/Online Home Pages')
                field = d.find('Top Online Home Page', role='text', showing=True)
                wait_until(lambda: field.text.startswith('http://'), 5, 'the stored home page')
                d.click(field)
                d.key('ctrl+a')
                d.type(typed[:-1])
                # Neither Enter nor Esc presses a button of this window: a key typed after them
                # still reaches the field (keys are handled in order).
                d.key('Return', 'Escape')
                d.type('!')
                wait_until(lambda: field.text == typed, 5, 'the typed home page')
                self.assertEqual(d.read_file('cv.ini'), before)
                d.click(d.find(button, role='push button', within=field.parent))
                self.gone('Top Online Home Page')
                if button == 'Cancel':
                    self.assertEqual(d.read_file('cv.ini'), before)
        # OK wrote the edited page and left the other three as they were.
        self.assertEqual(entries(d.read_file('cv.ini')), dict(entries(before), TBstart=typed))


if __name__ == '__main__':
    corvane_e2e.main()
