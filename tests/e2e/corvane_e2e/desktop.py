"""A private desktop with one Corvane in it, and the means to use it as a person does."""

import os
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from .accessibility import Atspi, Control, Gone, Rect, pyatspi
from .display import SessionBus, XServer
from .processes import ProcessWatch, stop_process
from .screenshot import Screenshot
from .server import LoopbackServer
from .waiting import POLL, HarnessError, wait_until

try:
    from Xlib import X
    from Xlib import display as xdisplay
    from Xlib.protocol import event as xevent
except ImportError:  # reported as a missing prerequisite when a Desktop starts
    X = xdisplay = xevent = None

MAIN_TITLE = 'Corvane 2.0 by Halvor'
TIP_WINDOW = "Corvane's Tip of the Day"
SHIPPED_FILES = ('cv.html', 'CVguide.html', 'TIPOFDAY.TXT')
# Built beside the executable, and loaded by it from its own folder.
ENGINE_LIBRARY = 'libcorvane_engine.so'
# Programs the harness cannot do without; a missing one fails the test.
REQUIRED_PROGRAMS = ('Xvfb', 'xdotool', 'dbus-daemon')
ATSPI_BUS_LAUNCHER = '/usr/libexec/at-spi-bus-launcher'

_started = False


def _check_prerequisites():
    missing = [p for p in REQUIRED_PROGRAMS if not shutil.which(p)]
    if not os.path.exists(ATSPI_BUS_LAUNCHER):
        missing.append(ATSPI_BUS_LAUNCHER + ' (at-spi2-core)')
    if X is None:
        missing.append(f'Python module Xlib (python3-xlib, for {sys.executable})')
    if pyatspi is None:
        missing.append(f'Python module pyatspi (python3-pyatspi, for {sys.executable})')
    if missing:
        raise HarnessError('missing for the end-to-end tests: ' + ', '.join(missing) +
                           '; scripts/install-deps.sh installs them')


class Desktop:
    """A private desktop with one Corvane in it, and the means to use it as a person does."""

    def __init__(self):
        global _started
        if _started:
            raise HarnessError('one Desktop per process')
        _started = True
        self.executable = Path(os.environ.get('CORVANE_EXECUTABLE', ''))
        self.resources = Path(os.environ.get('CORVANE_RESOURCES_DIR', ''))
        if not self.executable.is_file() or not all(
                (self.resources / f).is_file() for f in SHIPPED_FILES):
            raise HarnessError('set CORVANE_EXECUTABLE to the built corvane and '
                               'CORVANE_RESOURCES_DIR to the folder of its shipped files')
        _check_prerequisites()
        self.tmp = Path(tempfile.mkdtemp(prefix='corvane-e2e-'))
        self.program_dir = self.tmp / 'program'
        self.home = self.tmp / 'home'
        self.corvane = None
        self.watch = None
        self.server = None
        self._xserver = self._bus = self._x = self._registry = None
        self._app = None
        self._found = {}
        # Seconds between key events, when keys go at a person's pace rather than at once.
        self.key_pace = None
        try:
            self._start()
        except BaseException:
            self.close()
            raise

    # -- start and stop --------------------------------------------------------------------

    def _start(self):
        runtime = self.tmp / 'runtime'
        for folder in (self.home, self.tmp / 'config', self.tmp / 'data', self.tmp / 'cache',
                       runtime):
            folder.mkdir(mode=0o700)
        self.program_dir.mkdir()
        shutil.copy2(self.executable, self.program_dir / 'corvane')
        shutil.copy2(self.executable.parent / ENGINE_LIBRARY, self.program_dir / ENGINE_LIBRARY)
        for name in SHIPPED_FILES:
            shutil.copy2(self.resources / name, self.program_dir / name)

        self._xserver = XServer(self.tmp / 'xvfb.log')
        self.display = self._xserver.display
        self.env = {
            'PATH': os.environ.get('PATH', '/usr/bin:/bin'),
            'HOME': str(self.home),
            'XDG_CONFIG_HOME': str(self.tmp / 'config'),
            'XDG_DATA_HOME': str(self.tmp / 'data'),
            'XDG_CACHE_HOME': str(self.tmp / 'cache'),
            'XDG_RUNTIME_DIR': str(runtime),
            'LANG': 'C.UTF-8',
            'DISPLAY': self.display,
            # The steps that failed and were skipped, in the program output a failure keeps.
            'QT_LOGGING_RULES': 'corvane.guarded.debug=true',
        }
        self._bus = SessionBus(self.env, self.tmp / 'dbus.log')
        self.env['DBUS_SESSION_BUS_ADDRESS'] = self._bus.address
        self.server = LoopbackServer()

        self._x = xdisplay.Display(self.display)
        # The accessibility library finds its bus through these, once, on first use.
        os.environ['DISPLAY'] = self.display
        os.environ['DBUS_SESSION_BUS_ADDRESS'] = self._bus.address
        self._registry = pyatspi.Registry.getDesktop(0)

    def start_corvane(self, timeout=60.0, env=None, wait=True):
        """Starts Corvane, again once it has ended, with `env` added to its environment (a name
        given None is left out); waits for its main window, shown and named on the accessibility
        bus, unless `wait` is false."""
        self._app = None
        self._found = {}
        env = {**self.env,
               'QT_QPA_PLATFORM': 'xcb',
               # Its accessibility on without a screen reader: the tests read it.
               'QT_LINUX_ACCESSIBILITY_ALWAYS_ON': '1',
               'QTWEBENGINE_CHROMIUM_FLAGS': '--no-sandbox --disable-gpu',
               'QTWEBENGINE_DISABLE_SANDBOX': '1',
               **(env or {})}
        env = {name: value for name, value in env.items() if value is not None}
        self.corvane_log = self.tmp / 'corvane.log'
        with open(self.corvane_log, 'wb') as log:
            self.corvane = subprocess.Popen([str(self.program_dir / 'corvane')],
                                            cwd=self.tmp, env=env, stdin=subprocess.DEVNULL,
                                            stdout=log, stderr=subprocess.STDOUT)
        self.watch = ProcessWatch(self.corvane.pid)
        if not wait:
            return None

        def shown():
            self._check_running()
            return self.window(MAIN_TITLE)

        window = wait_until(shown, timeout, 'the main window')
        self.focus_window(window)
        self.main = wait_until(lambda: self._main_frame(), timeout,
                               'the main window on the accessibility bus')
        return self.main

    def _check_running(self):
        if self.corvane.poll() is not None:
            raise HarnessError(f'corvane ended with {self.corvane.returncode}:\n' + self.log_tail())

    def log_tail(self, lines=40):
        try:
            text = self.corvane_log.read_text(errors='replace')
        except (OSError, AttributeError):
            return ''
        return '\n'.join(text.splitlines()[-lines:])

    def close_corvane(self, timeout=2.0):
        """Closes the main window as a window manager does; returns the seconds until the
        process ended, or fails if it has not within `timeout`."""
        window = self.window(MAIN_TITLE)
        if not window:
            raise AssertionError('no main window to close')
        self.watch.poll()
        sent = time.monotonic()
        self.send_delete(window)
        try:
            self.corvane.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f'corvane still runs {timeout:g} s after its window was closed')
        return time.monotonic() - sent

    def leftovers(self, timeout=2.0):
        """Processes Corvane started that are still there `timeout` seconds after it ended."""
        deadline = time.monotonic() + timeout
        while self.watch.alive() and time.monotonic() < deadline:
            time.sleep(POLL)
        return self.watch.alive()

    # The benchmarks use a desktop as a context.
    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        """Stops everything this desktop started, in reverse order (a Corvane still running is asked
        to close its window first), and removes its files."""
        if self.corvane and self.corvane.poll() is None:
            try:
                self.close_corvane(timeout=5.0)
            except Exception:  # it is ended below
                pass
        if self.corvane:
            stop_process(self.corvane, self.watch)
        if self._x:
            self._x.close()
        if self.server:
            self.server.stop()
        if self._bus:
            self._bus.stop()
        if self._xserver:
            self._xserver.stop()
        shutil.rmtree(self.tmp, ignore_errors=True)

    # -- files ------------------------------------------------------------------------------

    def read_file(self, name):
        """The bytes of a file in the program folder, or None when it is not there."""
        path = self.program_dir / name
        return path.read_bytes() if path.exists() else None

    # -- windows (X) ------------------------------------------------------------------------

    def windows(self):
        """The shown top-level windows as (X window, title)."""
        found = []
        for window in self._x.screen().root.query_tree().children:
            try:
                if window.get_attributes().map_state != X.IsViewable:
                    continue
                found.append((window, self._title(window)))
            except Exception:  # a window may go while it is looked at
                continue
        return found

    def _title(self, window):
        utf8 = self._x.intern_atom('UTF8_STRING')
        prop = window.get_full_property(self._x.intern_atom('_NET_WM_NAME'), utf8)
        if prop and prop.value:
            value = prop.value
            return value.decode('utf-8', 'replace') if isinstance(value, bytes) else str(value)
        return window.get_wm_name() or ''

    def window(self, title):
        """The shown top-level window with this title, or None."""
        return next((w for w, t in self.windows() if t == title), None)

    def window_rect(self, window):
        """Where a top-level window lies on the screen: for what the accessibility bus cannot
        tell."""
        geometry = window.get_geometry()
        at = window.translate_coords(self._x.screen().root, 0, 0)
        return Rect(-at.x, -at.y, geometry.width, geometry.height)

    def focus_window(self, window):
        """Gives the window the keyboard focus, as a window manager does when it is clicked."""
        window.set_input_focus(X.RevertToPointerRoot, X.CurrentTime)
        self._x.sync()

    def close_window(self, title):
        """Closes the window of this title as its close box does, and waits until it has gone."""
        self.send_delete(self.window(title))
        wait_until(lambda: self.window(title) is None, 10, f'{title!r} to close')

    def send_delete(self, window):
        """Asks the window to close, as a window manager does when its close box is clicked."""
        protocols = self._x.intern_atom('WM_PROTOCOLS')
        delete = self._x.intern_atom('WM_DELETE_WINDOW')
        message = xevent.ClientMessage(window=window, client_type=protocols,
                                      data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(message, event_mask=X.NoEventMask)
        self._x.sync()

    def cursor_serial(self):
        """The serial number of the mouse pointer's current shape: it changes with the shape."""
        self._x.xfixes_query_version()  # the server answers only once the version is agreed
        return self._x.xfixes_get_cursor_image(self._x.screen().root).cursor_serial

    def screenshot(self, path=None):
        """The whole screen; saved as PNG when a path is given."""
        root = self._x.screen().root
        geometry = root.get_geometry()
        image = root.get_image(0, 0, geometry.width, geometry.height, X.ZPixmap, 0xffffffff)
        shot = Screenshot(geometry.width, geometry.height, image.data)
        if path:
            shot.save(path)
        return shot

    # -- finding controls (AT-SPI) ----------------------------------------------------------

    def application(self):
        """Corvane on the accessibility bus: the application started here."""
        if self._app is not None:
            return self._app
        for i in range(self._registry.get_child_count()):
            app = self._registry.get_child_at_index(i)
            if app is not None and app.get_process_id() == self.corvane.pid:
                self._app = Control(app)
                return self._app
        return None

    def _main_frame(self):
        app = self.application()
        if app is None:
            return None
        return next((c for c in app.children if c.role == 'frame' and c.name == MAIN_TITLE
                     and c.showing), None)

    def find(self, label, role=None, within=None, timeout=10.0, showing=None):
        """The first control, breadth first, whose accessible name or description is `label`
        (and whose role is `role`, if given), within a control or the whole program."""
        def matches(control):
            try:
                return ((control.name == label or control.description == label) and
                        (role is None or control.role == role) and
                        (showing is None or control.showing == showing))
            except Gone:
                return False

        # A widget keeps its accessible object for its life: a control found once is asked
        # again before the whole tree is walked.
        key = (label, role, showing, within.acc if within else None)
        known = self._found.get(key)
        if known is not None and matches(known):
            return known

        def look():
            self._check_running()
            root = within or self.application()
            if root is None:
                return None
            return next((c for c in root.descendants() if matches(c)), None)

        control = wait_until(look, timeout,
                             f'a control {label!r}' + (f' ({role})' if role else ''))
        self._found[key] = control
        return control

    def dialog(self, title, timeout=10):
        """The window of this title once it is shown, as a dialog on the accessibility bus."""
        wait_until(lambda: self.window(title), timeout, f'the window {title!r}')
        return self.find(title, role='dialog', showing=True)

    def shown(self, condition, message, timeout=10):
        """The first control on the screen (web pages left out) that meets `condition`."""
        def look():
            for control in self.application().descendants():
                try:
                    if control.showing and condition(control):
                        return control
                except Gone:
                    continue
            return None
        return wait_until(look, timeout, message)

    def focused(self):
        """The named control of the program's own that has the keyboard focus (the pages'
        documents report focus whether or not their pane has it)."""
        return self.shown(lambda c: c.role != 'document web' and c.focused and c.name,
                          'a focused control', 5)

    def message(self, start, timeout=10):
        """The text on the screen that begins with `start`: a message box's or a question's."""
        return self.shown(lambda c: c.role == 'label' and c.name.startswith(start),
                          f'a message saying {start!r}', timeout)

    def close_tip_window(self, timeout=20):
        """Waits for the tip of the day that opens at start-up and puts it away with OK."""
        self.click(self.find('OK', role='push button', within=self.dialog(TIP_WINDOW, timeout)))
        wait_until(lambda: self.window(TIP_WINDOW) is None, 5, 'the tip window to close')

    def enter(self, pane, text, key='Return'):
        """Types `text` over what the pane's address box holds and presses `key`."""
        self.click(self.edit_field(f'{pane} address'))
        self.key('ctrl+a')
        self.type(text)
        self.key(key)

    def visit(self, pane, path, title):
        """Enters the loopback server's `path` in the pane's address box and waits for it."""
        self.enter(pane, self.server.url(path))
        self.arrive(pane, path, title)

    def arrive(self, pane, path, title):
        """Waits for the page's title in the pane's status line and its address in the box."""
        self.wait_for_text(f'{pane} status', f'Page Title: {title}')
        self.wait_for_text(f'{pane} address', self.server.url(path), 10)

    def into_page(self, pane):
        """Clicks a blank spot at the foot of the pane's page, which gives the page the focus."""
        area = self.find(f'{pane} browser').extents
        self.click((area.x + 6, area.bottom - 6))

    def stop_page_dialogs(self, sheet):
        """Answers a page's dialog loop with OK, and on the next dialog ticks the choice to stop
        the page's dialogs and answers OK again."""
        ok = self.find('OK', role='push button', within=sheet)
        self.click(ok)
        stop = self.find("Don't let this page show more dialogs", role='check box')
        wait_until(lambda: stop.showing, 10, 'the choice to stop the page')
        self.click(stop)
        wait_until(lambda: stop.checked, 5, 'the choice ticked')
        self.click(ok)

    def find_bar(self, pane):
        """The pane's find bar once it is up with the keyboard in it: its field and its result."""
        bar = self.find(f'{pane} find bar')
        field = self.find('Find text', role='text', within=bar)
        wait_until(lambda: field.showing and field.focused, 10, f'the {pane} find bar')
        return field, self.find('Find result', within=bar)

    def edge_colour(self, pane, inset=1):
        """The colour `inset` pixels inside the left edge of the pane's page, half way down:
        white unless the pane carries the focus mark that far in."""
        area = self.find(f'{pane} browser').extents
        return self.screenshot().pixel(area.x + inset, area.y + area.height // 2)

    def button(self, pane, name):
        """A button of the pane's toolbar."""
        return self.find(name, role='push button', within=self.find(f'{pane} toolbar'))

    def enabled(self, pane, name):
        """Whether the button of the pane's toolbar can be pressed."""
        return 'enabled' in self.button(pane, name).states

    def edit_field(self, label):
        """The edit field of the editable box called `label`."""
        box = self.find(label, role='combo box')
        return wait_until(lambda: box.child('text'), 5, f'the edit field of {label!r}')

    def text_of(self, label):
        return self.find(label).text

    # -- acting (X) -------------------------------------------------------------------------

    def toggle(self, control):
        """Toggles a check box or an option button as an assistive tool does, with no click."""
        names = [Atspi.Action.get_action_name(control.acc, i)
                 for i in range(Atspi.Action.get_n_actions(control.acc))]
        Atspi.Action.do_action(control.acc, names.index('Toggle'))

    def xdotool(self, *args):
        subprocess.run(['xdotool', *map(str, args)], env=self.env, check=True, timeout=30,
                       stdin=subprocess.DEVNULL)

    def click(self, target, button=1):
        """Clicks the centre of a control, or a point (x, y) on the screen."""
        x, y = target.extents.center if isinstance(target, Control) else target
        self.xdotool('mousemove', x, y, 'click', button)

    def drag(self, start, end, steps=5, button=1, pause=0):
        """Presses at `start`, moves to `end` in steps, releases there (screen points); with a
        `pause` in seconds after each step, for a drag that a page starts in its own time."""
        args = ['mousemove', *start, 'mousedown', button]
        for i in range(1, steps + 1):
            args += ['mousemove', start[0] + (end[0] - start[0]) * i // steps,
                     start[1] + (end[1] - start[1]) * i // steps]
            if pause:
                args += ['sleep', pause]
        self.xdotool(*args, 'mouseup', button)

    def type(self, text):
        """Types the text on the keyboard, key by key; at a key pace, ten keys a second."""
        self.xdotool('type', '--delay', 100 if self.key_pace else 15, '--', text)

    def key(self, *keys):
        """Presses keys by their X names, with modifiers joined by "+": "Return", "KP_Enter",
        "ctrl+e", "alt+Down". At a key pace, as a person presses them: each key goes down and
        up on its own, a modifier held over keys that follow with the same modifiers."""
        if not self.key_pace:
            self.xdotool('key', '--delay', 30, *keys)
            return
        pause = ['sleep', self.key_pace]
        args, held = [], []
        for chord in keys:
            *modifiers, last = chord.split('+')
            if modifiers != held:
                for modifier in reversed(held):
                    args += ['keyup', modifier, *pause]
                for modifier in modifiers:
                    args += ['keydown', modifier, *pause]
                held = modifiers
            args += ['keydown', last, *pause, 'keyup', last, *pause]
        for modifier in reversed(held):
            args += ['keyup', modifier, *pause]
        self.xdotool(*args)

    # -- composite actions --------------------------------------------------------------------

    def open_list(self, label):
        """Opens an editable box's list with a click on its arrow; returns the list."""
        box = self.find(label, role='combo box')
        field, outer = box.child('text').extents, box.extents
        self.click(((field.right + outer.right) // 2, outer.center[1]))
        return self.shown_list(box)

    def shown_list(self, box, timeout=5.0):
        listing = wait_until(lambda: box.child('list'), timeout, 'the list of the box')
        wait_until(lambda: listing.showing and listing.extents.height > 0, timeout,
                   'the list to open')
        return listing

    def pick(self, listing, entry):
        """Clicks an entry of an open list."""
        item = wait_until(lambda: next((c for c in listing.children if c.name == entry), None),
                          5, f'the list entry {entry!r}')
        wait_until(lambda: item.extents.height > 0, 5, f'the list entry {entry!r} shown')
        self.click(item)

    def choose_menu(self, menu, item):
        """Opens a menu of the menu bar with the mouse and clicks one of its items."""
        self.click(self.find(menu, role='menu item'))
        entry = self.find(item, role='menu item')
        wait_until(lambda: entry.showing and entry.extents.width > 0, 5, f'the item {item!r}')
        self.click(entry)

    def wait_for_text(self, label, expected, timeout=20.0):
        """Waits until the control called `label` shows `expected` (a string, or a function that
        judges the text)."""
        control = self.find(label)
        judge = expected if callable(expected) else (lambda text: text == expected)
        seen = []

        def check():
            self._check_running()
            seen[:] = [control.text]
            return judge(seen[0])

        wait_until(check, timeout,
                   lambda: f'{label!r} to show {expected!r}; it shows {seen[0] if seen else None!r}')
        return seen[0]
