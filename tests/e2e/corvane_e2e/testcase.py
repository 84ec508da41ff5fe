"""unittest glue: one Desktop and one Corvane for a test class."""

import os
import sys
import unittest
from pathlib import Path

from .desktop import Desktop


class CorvaneTestCase(unittest.TestCase):
    """One Desktop and one running Corvane for all the tests of the class."""

    desktop = None
    # Put away the tip of the day that ends the start-up, which would take the keys meant for the
    # main window.
    tip_closed = False

    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop()
        try:
            cls.before_start(cls.desktop)
            cls.desktop.start_corvane(env=cls.start_env(cls.desktop))
            if cls.tip_closed:
                cls.desktop.close_tip_window(20)
        except BaseException:
            cls._keep_artifacts('start')
            cls.tearDownClass()
            raise

    @classmethod
    def before_start(cls, desktop):
        """What a test class starts on the desktop before Corvane (and stops in tearDownClass)."""

    @classmethod
    def start_env(cls, desktop):
        """What a test class adds to the environment Corvane starts in; a name given None is
        left out."""
        return {}

    @classmethod
    def tearDownClass(cls):
        if cls.desktop:
            cls.desktop.close()

    def run(self, result=None):
        # A failure or error that the result gains meanwhile is this test's.
        def problems():
            return len(result.failures) + len(result.errors) if result is not None else 0

        before = problems()
        outcome = super().run(result)
        if problems() > before:
            self._keep_artifacts(self._testMethodName)
        return outcome

    @classmethod
    def _keep_artifacts(cls, name):
        folder = os.environ.get('CORVANE_E2E_ARTIFACTS')
        if not folder or not cls.desktop:
            return
        folder = Path(folder)
        folder.mkdir(parents=True, exist_ok=True)
        stem = f'{cls.__name__}.{name}'
        try:
            cls.desktop.screenshot(folder / f'{stem}.png')
        except Exception as error:  # a screenshot must never hide the failure itself
            print(f'no screenshot: {error}', file=sys.stderr)
        (folder / f'{stem}.log').write_text(cls.desktop.log_tail(200))
        # What a screen reader heard, and when, tells a key that went astray from a word unsaid.
        heard = cls.desktop.tmp / 'orca-debug.log'
        if heard.exists():
            with open(heard, 'rb') as log:
                log.seek(max(0, heard.stat().st_size - 4_000_000))
                (folder / f'{stem}.orca.log').write_bytes(log.read())
        print(f'screenshot and program output in {folder}/{stem}.*', file=sys.stderr)


def main():
    unittest.main(verbosity=2)
