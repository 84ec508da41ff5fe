"""The screen reader Orca on the private desktop, silent, with its debug log as the record of what
it speaks.

Orca runs on the desktop's own session and accessibility bus, with preferences of its own in the
desktop's temp folder and no speech server (the one it would start refuses to): it then writes
each utterance to its debug log ("SPEECH OUTPUT: '...'") instead of saying it. A test marks the
log before it acts and waits for what Orca speaks after the mark.
"""

import json
import os
import re
import shutil
import subprocess

from .processes import ProcessWatch, stop_process
from .waiting import HarnessError, wait_until

# An utterance, then the voice it is spoken in.
_SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\S+)?(?:\[?\{.*\}\]?|None)?$", re.M)
# Orca's desktop key layout with Insert as its key; no key echo, sounds or braille, which would
# only slow it down.
_PREFERENCES = {
    'general': {
        'enableSpeech': True,
        'enableBraille': False,
        'enableSound': False,
        'keyboardLayout': 1,
        'orcaModifierKeys': ['Insert', 'KP_Insert'],
        'enableKeyEcho': False,
        'enableEchoByCharacter': False,
        'enableEchoByWord': False,
        'firstStartCompleted': True,
        'enableTutorialMessages': False,
    },
    'keybindings': {},
    'pronunciations': {},
    'profiles': {'default': {'profile': ['Default', 'default']}},
}


# Orca, with its debug log written line by line: it opens the log block-buffered, and what it has
# spoken would reach the file only kilobytes later. Orca also keeps to one instance per user: it
# refuses to start beside another one, or (with --replace) kills every process of its name. This
# one, on a private desktop of its own, neither takes that name nor looks for others, so that test
# runs side by side never end each other.
_PRIVATE_ORCA = """
import builtins, runpy, sys
_open = builtins.open
def _open_log(file, mode='r', buffering=-1, *args, **kwargs):
    if file == sys.argv[-1] and 'w' in mode:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)
builtins.open = _open_log
sys.argv[0] = sys.argv.pop(1)
launcher = runpy.run_path(sys.argv[0], run_name='orca_launcher')['main']
launcher.__globals__.update(otherOrcas=lambda: [], setProcessName=lambda name: None)
sys.exit(launcher())
"""


# Qt hands every key event to the screen reader and holds it until the answer, for at most 100 ms;
# keys held past that on a busy machine reach the program out of their order (a held Alt lets the
# menu bar take the Alt of Alt+A). And a reader that falls a hundred events behind drops what
# comes next, a page's "loaded" among them. A person's keys come farther apart than either.
KEY_PACE = 0.15


def _ahead_of_the_rest():
    """Orca is the judge here, not the one judged: starved by other work on the machine, it
    drops what it is told once it falls a hundred events behind, and answers keys past the
    toolkit's patience. It runs ahead of other processes where it may (as root)."""
    try:
        os.nice(-10)
    except OSError:
        pass


class ScreenReader:
    """Orca, started on a Desktop before or after Corvane, and what it has spoken since a mark.
    While it runs, the desktop's keys go at a person's pace."""

    def __init__(self, desktop, timeout=30.0):
        orca = shutil.which('orca')
        if not orca:
            raise HarnessError('missing for the screen reader test: orca; '
                               'scripts/install-deps.sh installs it')
        self.desktop = desktop
        self.log_path = desktop.tmp / 'orca-debug.log'
        prefs = desktop.tmp / 'orca'
        prefs.mkdir()
        (prefs / 'user-settings.conf').write_text(json.dumps(_PREFERENCES))
        with open(desktop.tmp / 'orca.out', 'wb') as out:
            self.popen = subprocess.Popen(
                ['/usr/bin/python3', '-c', _PRIVATE_ORCA, orca, '-u', str(prefs),
                 '--debug-file', str(self.log_path)],
                env=dict(desktop.env, SPEECHD_CMD='/bin/false'), stdin=subprocess.DEVNULL,
                stdout=out, stderr=subprocess.STDOUT, start_new_session=True,
                preexec_fn=_ahead_of_the_rest)
        self.watch = ProcessWatch(self.popen.pid)
        self._mark = 0
        desktop.key_pace = KEY_PACE
        try:
            wait_until(lambda: self._running() and 'SCRIPT MANAGER: Activating' in self._log(),
                       timeout, 'Orca to start')
        except BaseException:
            self.stop()
            raise

    def _running(self):
        if self.popen.poll() is not None:
            raise HarnessError(f'orca ended with {self.popen.returncode}:\n' + self._log()[-3000:])
        return True

    def _log(self):
        try:
            return self.log_path.read_text(errors='replace')
        except OSError:
            return ''

    def spoken(self):
        """Every utterance since the last mark, in order."""
        return _SPOKEN.findall(self._log()[self._mark:])

    def mark(self):
        """Forgets what was spoken so far: what comes after is what the next act made Orca say."""
        self._mark = len(self._log())

    def wait_for(self, judge, timeout=20.0, what=None):
        """Waits until Orca has spoken, since the mark, an utterance that `judge` accepts (a string
        it contains, or a function of the utterance); returns that utterance."""
        accept = judge if callable(judge) else (lambda said: judge in said)

        def heard():
            self._running()
            return next((said for said in self.spoken() if accept(said)), None)

        return wait_until(heard, timeout,
                          lambda: f'Orca to speak {what or judge!r}; it spoke {self.spoken()!r}')

    def stop(self):
        self.desktop.key_pace = None
        stop_process(self.popen, self.watch)
