"""Processes: only those started here, followed through /proc by their parent links."""

import os
import signal
import subprocess
import threading
import time
from dataclasses import dataclass

from .waiting import POLL


@dataclass(frozen=True)
class Proc:
    pid: int
    start: int  # start time in clock ticks since boot: a reused PID has another
    name: str

    def alive(self):
        stat = _read_stat(self.pid)
        return stat is not None and stat[2] == self.start and stat[1] != 'Z'


def _read_stat(pid):
    """(ppid, state, start time, name) of a process, or None when it is gone."""
    try:
        with open(f'/proc/{pid}/stat', 'rb') as f:
            data = f.read().decode('utf-8', 'replace')
    except OSError:
        return None
    # The name stands in parentheses and may itself hold blanks or parentheses.
    name = data[data.index('(') + 1:data.rindex(')')]
    fields = data[data.rindex(')') + 2:].split()
    return int(fields[1]), fields[0], int(fields[19]), name


def descendants(pid):
    """Every living process below `pid`, found through the parent links in /proc."""
    children = {}
    stats = {}
    for entry in os.listdir('/proc'):
        if entry.isdigit():
            stat = _read_stat(int(entry))
            if stat:
                stats[int(entry)] = stat
                children.setdefault(stat[0], []).append(int(entry))
    found, todo = [], list(children.get(pid, []))
    while todo:
        child = todo.pop()
        ppid, state, start, name = stats[child]
        if state != 'Z':
            found.append(Proc(child, start, name))
        todo.extend(children.get(child, []))
    return found


def renderers(pid):
    """The web engine's page processes below `pid`, oldest first: each is forked from a zygote,
    which the engine's main process started."""
    below = {proc.pid: proc for proc in descendants(pid)}

    def parent(child):
        stat = _read_stat(child)
        return stat[0] if stat else None

    def is_zygote(child):
        try:
            with open(f'/proc/{child}/cmdline', 'rb') as f:
                return b'--type=zygote' in f.read() and parent(child) not in below
        except OSError:
            return False

    zygotes = {child for child in below if is_zygote(child)}
    return sorted((proc for child, proc in below.items() if parent(child) in zygotes),
                  key=lambda proc: proc.start)


class ProcessWatch:
    """Remembers every process that ever appeared below one started process.

    A child whose parent has ended is handed to another parent, so it can no longer be found
    below the process that started it; the watch still knows it.
    """

    def __init__(self, pid, interval=0.1):
        self.pid = pid
        self._seen = {}
        self._lock = threading.Lock()
        self._stop = threading.Event()
        self.poll()
        self._thread = threading.Thread(target=self._run, args=(interval,), daemon=True)
        self._thread.start()

    def _run(self, interval):
        while not self._stop.wait(interval):
            self.poll()

    def poll(self):
        found = descendants(self.pid)
        with self._lock:
            for proc in found:
                self._seen[(proc.pid, proc.start)] = proc
        return found

    def seen(self):
        with self._lock:
            return list(self._seen.values())

    def alive(self):
        return [proc for proc in self.seen() if proc.alive()]

    def stop(self):
        self._stop.set()
        self._thread.join()


def stop_process(popen, watch=None, grace=3.0):
    """Ends a started process and whatever it started: SIGTERM, then SIGKILL after `grace`."""
    if watch:
        watch.poll()
    if popen.poll() is None:
        popen.terminate()
        try:
            popen.wait(grace)
        except subprocess.TimeoutExpired:
            popen.kill()
            popen.wait()
    if not watch:
        return []
    watch.stop()
    left = watch.alive()
    for proc in left:
        _signal(proc, signal.SIGTERM)
    deadline = time.monotonic() + grace
    while any(p.alive() for p in left) and time.monotonic() < deadline:
        time.sleep(POLL)
    for proc in left:
        _signal(proc, signal.SIGKILL)
    return left


def _signal(proc, sig):
    if proc.alive():
        try:
            os.kill(proc.pid, sig)
        except ProcessLookupError:
            pass
