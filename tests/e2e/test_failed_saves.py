"""A tip choice that cannot be saved: the window says so, and shows what was really stored."""

import corvane_e2e
from corvane_e2e import TIP_WINDOW, wait_until


class FailedSavesTest(corvane_e2e.CorvaneTestCase):
    @classmethod
    def start_env(cls, desktop):
        # A folder where the per-user choices' file belongs: nothing can be saved there, even
        # by root.
        (desktop.tmp / 'config' / 'corvane' / 'corvane.conf').mkdir(parents=True)
        return {}

    def test_a_tip_choice_that_cannot_be_saved_says_so_and_stays_as_stored(self):
        d = self.desktop
        window = d.dialog(TIP_WINDOW, 20)
        box = d.find('Show Tips at Startup', role='check box', within=window)
        self.assertTrue(box.checked)
        d.click(box)
        text = d.message('Your choice for "Show Tips at Startup" could not be saved').name
        self.assertIn('corvane.conf', text)
        d.key('Return')
        wait_until(lambda: box.checked, 5, 'the box to show the stored choice again')
        self.assertTrue(window.showing, 'the tip window stays open')
        d.click(d.find('OK', role='push button', within=window))
        wait_until(lambda: d.window(TIP_WINDOW) is None, 5, 'the tip window to close')


if __name__ == '__main__':
    corvane_e2e.main()
