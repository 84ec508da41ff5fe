"""Drives the real Corvane as a person does, and reads what a person or a server sees.

Everything runs in private places: an X server of its own (Xvfb), a D-Bus session bus of its own
with the accessibility bus, a temp home with its own XDG folders, a temp program folder holding a
copy of the executable and its shipped files, and an HTTP server on 127.0.0.1. Keys and clicks go
through the X server (xdotool, or Xlib where xdotool has no command for it); controls are found,
and their texts and states read, through the accessibility bus (AT-SPI).

One Desktop per process: the accessibility library binds itself to the first bus it meets.

    class AddressTest(corvane_e2e.CorvaneTestCase):
        def test_enter_goes_there(self):
            d = self.desktop
            d.server.page('/a.html', 'Page A')
            d.click(d.edit_field('Top address'))
            d.type(d.server.url('/a.html'))
            d.key('Return')
            d.wait_for_text('Top status', 'Page Title: Page A')

The executable and the shipped files come from the environment: CORVANE_EXECUTABLE (the built
corvane) and CORVANE_RESOURCES_DIR (the folder holding cv.html, CVguide.html, TIPOFDAY.TXT).
CORVANE_E2E_ARTIFACTS, if set, receives a screenshot and the program's output of a failed test.
"""

from .accessibility import Control, Rect
from .desktop import MAIN_TITLE, Desktop
from .processes import Proc, descendants, renderers
from .screenshot import Screenshot
from .server import LoopbackServer, Request
from .testcase import CorvaneTestCase, main
from .waiting import HarnessError, wait_until

__all__ = ['CorvaneTestCase', 'Control', 'Desktop', 'HarnessError', 'LoopbackServer',
           'MAIN_TITLE', 'Proc', 'Rect', 'Request', 'Screenshot', 'descendants', 'main', 'renderers',
           'wait_until']
