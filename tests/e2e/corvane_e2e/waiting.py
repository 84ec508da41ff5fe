"""Waiting on conditions, never for a fixed time."""

import time

from .accessibility import Gone

POLL = 0.05


class HarnessError(AssertionError):
    """The test could not be run as intended (a program missing, or one that would not start)."""


def wait_until(condition, timeout=10.0, message=None):
    """Polls `condition` until it returns a true value, which is returned; fails at the timeout.

    A control that goes away while the condition looks at it only means "not yet"."""
    deadline = time.monotonic() + timeout
    gone = None
    while True:
        try:
            value = condition()
            if value:
                return value
        except Gone as error:
            gone = error
        if time.monotonic() >= deadline:
            what = message() if callable(message) else message
            raise AssertionError(f'timed out after {timeout:g} s waiting for '
                                 f'{what or getattr(condition, "__name__", "a condition")}'
                                 + (f' (last seen: {gone})' if gone else ''))
        time.sleep(POLL)

