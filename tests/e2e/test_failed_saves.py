"""Saves that fail, as a person meets them: the window that asked says so, and what it shows is
what was really stored."""

import corvane_e2e
from corvane_e2e import wait_until

TIP_WINDOW = "Corvane's Tip of the Day"


class FailedSavesTest(corvane_e2e.CorvaneTestCase):
    @classmethod
    def start_env(cls, desktop):
        # A folder where the per-user choices' file belongs: nothing can be saved there, even
        # by root.
        (desktop.tmp / 'config' / 'corvane' / 'corvane.conf').mkdir(parents=True)
        return {}

    def message(self, start):
        """The message box text that begins with `start`, once it is on screen."""
        d = self.desktop

        def shown():
            return next((c for c in d.application().descendants()
                         if c.role == 'label' and c.showing and c.name.startswith(start)), None)
        return wait_until(shown, 10, f'a message saying {start!r}')

    def test_a_tip_choice_that_cannot_be_saved_says_so_and_stays_as_stored(self):
        d = self.desktop
        wait_until(lambda: d.window(TIP_WINDOW), 20, 'the tip window')
        window = d.find(TIP_WINDOW, role='dialog', showing=True)
        box = d.find('Show Tips at Startup', role='check box', within=window)
        self.assertTrue(box.checked)
        d.click(box)
        text = self.message('Your choice for "Show Tips at Startup" could not be saved').name
        self.assertIn('corvane.conf', text)
        d.key('Return')
        wait_until(lambda: box.checked, 5, 'the box to show the stored choice again')
        self.assertTrue(window.showing, 'the tip window stays open')
        d.click(d.find('OK', role='push button', within=window))
        wait_until(lambda: d.window(TIP_WINDOW) is None, 5, 'the tip window to close')


if __name__ == '__main__':
    corvane_e2e.main()
