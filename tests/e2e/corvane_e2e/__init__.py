"""Drives the real Corvane as a person does, on a private desktop (Xvfb, its own D-Bus and
accessibility bus, a temp home and program folder, an HTTP server on 127.0.0.1), and reads what a
person or a server sees. Keys and clicks go through the X server; controls are found and read on
the accessibility bus.

CORVANE_EXECUTABLE names the built corvane, CORVANE_RESOURCES_DIR the folder of its shipped files;
CORVANE_E2E_ARTIFACTS, if set, receives a screenshot and the program's output of a failed test.
"""

from .desktop import MAIN_TITLE, TIP_WINDOW, Desktop
from .processes import renderers
from .server import LoopbackServer
from .testcase import CorvaneTestCase, main
from .waiting import wait_until

__all__ = ['CorvaneTestCase', 'Desktop', 'LoopbackServer', 'MAIN_TITLE', 'TIP_WINDOW', 'main',
           'renderers', 'wait_until']
