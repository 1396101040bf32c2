"""Starting the processes a play needs and stopping every one of them by its id, whatever happens.

Each process is started in a session of its own (so Ctrl+C reaches only the test runner, which
then stops them in order), with a marker in its environment naming the play's private folder,
and set to be killed should the test runner itself die. The runner is made the reaper of any
process that daemonises under it, so nothing escapes to init while the play runs.
"""
import ctypes
import os
import signal
import subprocess
import time

_PR_SET_PDEATHSIG = 1
_PR_SET_CHILD_SUBREAPER = 36
_libc = ctypes.CDLL(None, use_errno=True)

# The environment variable that marks every process a play started, with the play's folder.
MARKER = "YACHT_E2E_WORK"


def become_reaper():
    """Orphans of the processes we start (daemons that fork away) become our children."""
    _libc.prctl(_PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)


def _die_with_runner():
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL, 0, 0, 0)


def _parent_of(pid):
    try:
        with open(f"/proc/{pid}/stat", "rb") as f:
            stat = f.read()
    except OSError:
        return None
    # The command name is in parentheses and may hold blanks; the fields after it are plain.
    return int(stat[stat.rindex(b")") + 2:].split()[1])


def _environ(pid):
    try:
        with open(f"/proc/{pid}/environ", "rb") as f:
            return f.read().split(b"\0")
    except OSError:
        return []


def _all_pids():
    return [int(name) for name in os.listdir("/proc") if name.isdigit()]


def process_name(pid):
    try:
        with open(f"/proc/{pid}/comm") as f:
            return f.read().strip()
    except OSError:
        return ""


def is_running(pid):
    """True while the process exists and is not a zombie."""
    try:
        with open(f"/proc/{pid}/stat", "rb") as f:
            stat = f.read()
    except OSError:
        return False
    return stat[stat.rindex(b")") + 2:][:1] not in (b"Z", b"X")


def descendants(root):
    """Every process below the given one, children first."""
    children = {}
    for pid in _all_pids():
        parent = _parent_of(pid)
        if parent is not None:
            children.setdefault(parent, []).append(pid)
    found, todo = [], [root]
    while todo:
        for child in children.get(todo.pop(), []):
            found.append(child)
            todo.append(child)
    return found


class Processes:
    """The processes one play started: started with its environment, stopped in reverse order."""

    def __init__(self, work, logs):
        self.work = work
        self.logs = logs
        self.started = []  # (name, Popen), in the order they were started
        self._marker = f"{MARKER}={work}".encode()

    def start(self, name, argv, env, *, user=None, log=None, **popen):
        """Starts argv with the given environment; its output goes to logs/NAME.log (or `log`)."""
        env = dict(env)
        env[MARKER] = self.work
        if log is None:
            log = os.path.join(self.logs, f"{name}.log")
        out = open(log, "ab")
        credentials = {}
        if user is not None:
            credentials = dict(user=user, group=_group_of(user), extra_groups=[])
        try:
            proc = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL, stdout=out,
                                    stderr=subprocess.STDOUT, start_new_session=True,
                                    preexec_fn=_die_with_runner, **credentials, **popen)
        finally:
            out.close()
        proc.name = name
        proc.log = log
        self.started.append((name, proc))
        return proc

    def stop(self, proc, grace=3.0):
        """Asks the process to end, then kills it after the grace period; returns its status."""
        if proc.poll() is None:
            try:
                proc.terminate()
                proc.wait(grace)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait(10)
        return proc.returncode

    def marked(self):
        """Every process that carries this play's marker, wherever it now lives."""
        me = os.getpid()
        return [pid for pid in _all_pids()
                if pid != me and is_running(pid) and self._marker in _environ(pid)]

    def stop_all(self):
        """Stops what was started, newest first, then whatever they started in turn (by the
        marker, or by descent from the test runner), each by its id."""
        below = set(descendants(os.getpid()))
        for _, proc in reversed(self.started):
            self.stop(proc)
        leftovers = {p for p in set(self.marked()) | below if is_running(p)}
        for pid in leftovers:
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        _reap(leftovers | below)
        return sorted(leftovers)


def _reap(pids, deadline_s=5.0):
    """Collects the ends of processes that had become our children, so no zombie stays."""
    deadline = time.monotonic() + deadline_s
    for pid in pids:
        while True:
            try:
                done, _ = os.waitpid(pid, os.WNOHANG)
            except ChildProcessError:
                break  # not our child: its own parent collects it
            if done or time.monotonic() > deadline:
                break
            time.sleep(0.02)


def _group_of(user):
    import pwd
    return pwd.getpwnam(user).pw_gid if isinstance(user, str) else pwd.getpwuid(user).pw_gid
