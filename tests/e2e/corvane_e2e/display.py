"""The private X server and D-Bus session bus."""

import os
import select
import subprocess
import time

from .processes import ProcessWatch, stop_process
from .waiting import HarnessError

SCREEN = (1280, 1024)


def _read_line(fd, timeout, what):
    """Reads one line from a pipe that a starting program writes to, within `timeout`."""
    data = b''
    deadline = time.monotonic() + timeout
    while b'\n' not in data:
        left = deadline - time.monotonic()
        if left <= 0 or not select.select([fd], [], [], left)[0]:
            raise HarnessError(f'{what} did not start within {timeout:g} s')
        chunk = os.read(fd, 256)
        if not chunk:
            raise HarnessError(f'{what} ended while starting')
        data += chunk
    return data.split(b'\n', 1)[0].decode().strip()


class XServer:
    """An Xvfb on a display number it picks itself, so parallel runs never meet.

    Its keys never repeat: on a busy machine a key's release can reach the server late, and a
    person's key would not have repeated."""

    def __init__(self, log_path, size=SCREEN):
        self.size = size
        read_fd, write_fd = os.pipe()
        log = open(log_path, 'wb')
        try:
            self.popen = subprocess.Popen(
                # No key repeats: on a busy machine the release of a typed key can come late
                # enough to repeat it.
                ['Xvfb', '-displayfd', str(write_fd), '-screen', '0', f'{size[0]}x{size[1]}x24',
                 '-nolisten', 'tcp', '-noreset', '-r'],
                pass_fds=[write_fd], stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                start_new_session=True)
        finally:
            os.close(write_fd)
            log.close()
        try:
            self.display = ':' + _read_line(read_fd, 20, 'Xvfb')
        except HarnessError:
            stop_process(self.popen)
            raise
        finally:
            os.close(read_fd)

    def stop(self):
        stop_process(self.popen)


class SessionBus:
    """A D-Bus session bus of its own; it starts the accessibility bus when first asked for it."""

    def __init__(self, env, log_path):
        log = open(log_path, 'wb')
        try:
            self.popen = subprocess.Popen(
                ['dbus-daemon', '--session', '--nofork', '--nosyslog', '--print-address=1'],
                env=env, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=log,
                start_new_session=True)
        finally:
            log.close()
        self.watch = ProcessWatch(self.popen.pid)
        try:
            self.address = _read_line(self.popen.stdout.fileno(), 20, 'dbus-daemon')
        except HarnessError:
            self.stop()
            raise

    def stop(self):
        stop_process(self.popen, self.watch)
        self.popen.stdout.close()
