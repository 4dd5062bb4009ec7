#!/usr/bin/env python3
"""Start-up time, key latency and peak memory of Vellmarch in a pseudo-terminal.

Starts the game in a 122 x 61 pseudo-terminal with a fresh temporary archive,
again and again, and prints medians beside their targets:

  - the time from exec to the last byte of the first complete screen (the
    output has gone quiet after the status panel appeared);
  - the time from writing an arrow key to the last byte of its answer;
  - the peak resident memory of the process (VmHWM, read just before it is
    asked to quit: the exit path allocates nothing worth counting).

The first start with an empty archive also draws the talent and saves it
(one file written and flushed to disk); later starts only read the archive.
Both are measured.

In the same run it measures `true` (what an exec of a program that prints
nothing costs here), a raw `cat` that echoes the key (the pseudo-terminal's
own round trip, which no program answers faster) and, when it is
installed, NetHack's first screen (/usr/games/nethack, Debian package
nethack-console), the comparison the start-up target is set against.
Standard library only.

Usage: scripts/pty-bench.py [--binary build/vellmarch] [--runs 20] [--keys 20]
"""

import argparse
import fcntl
import os
import select
import shutil
import signal
import statistics
import struct
import sys
import tempfile
import termios
import time

ROWS, COLS = 61, 122
NETHACK = "/usr/games/nethack"
RIGHT, LEFT = b"\x1b[C", b"\x1b[D"
CTRL_C = b"\x03"
# The status panel is drawn last in the first frame, and the frame is one
# write: output going quiet after it is the end of the first screen.
PANEL_MARK = b"HP:"
TIMEOUT = 10.0  # seconds; a program that takes this long is reported as stuck
KEY_QUIET = 0.02  # seconds of silence that end the answer to a key
READY = b"ready"

# Targets of the figures (milliseconds and megabytes).
KEY_LATENCY_TARGET_MS = 0.2
PEAK_MEMORY_TARGET_MB = 4.0


class Child:
    """A program started in its own session on a fresh 122 x 61 terminal."""

    def __init__(self, argv, env):
        self.master, slave = os.openpty()
        fcntl.ioctl(slave, termios.TIOCSWINSZ, struct.pack("HHHH", ROWS, COLS, 0, 0))
        # The child opens the terminal by name after setsid, which makes it
        # its controlling terminal, as a login shell's would be.
        actions = [
            (os.POSIX_SPAWN_OPEN, 0, os.ttyname(slave), os.O_RDWR, 0),
            (os.POSIX_SPAWN_DUP2, 0, 1),
            (os.POSIX_SPAWN_DUP2, 0, 2),
        ]
        self.started = time.perf_counter()
        self.pid = os.posix_spawn(argv[0], argv, env, file_actions=actions, setsid=True)
        os.close(slave)

    def read_until_quiet(self, quiet, mark=None):
        """Reads output until none came for `quiet` seconds (counted only
        once `mark` has been seen, when one is given). Returns the time the
        last byte arrived, or None when nothing came."""
        data = bytearray()
        last = None
        seen = mark is None
        deadline = time.perf_counter() + TIMEOUT
        while True:
            waiting = last is not None and seen
            timeout = quiet if waiting else max(0.0, deadline - time.perf_counter())
            ready, _, _ = select.select([self.master], [], [], timeout)
            if not ready:
                if waiting:
                    return last
                raise TimeoutError("no complete screen within %.0f s" % TIMEOUT)
            try:
                chunk = os.read(self.master, 65536)
            except OSError:  # EIO: the child has closed the terminal
                chunk = b""
            if not chunk:
                return last
            last = time.perf_counter()
            data += chunk
            if not seen and mark in data[-(len(chunk) + len(mark)) :]:
                seen = True

    def write(self, data):
        os.write(self.master, data)

    def time_keys(self, keys):
        """Milliseconds from writing each key to the last byte of its answer."""
        latencies = []
        for key in keys:
            sent = time.perf_counter()
            self.write(key)
            answered = self.read_until_quiet(KEY_QUIET)
            if answered is not None:
                latencies.append(ms(answered - sent))
        return latencies

    def peak_megabytes(self):
        """The peak resident set of the running program. (The rusage of a
        reaped child would count the pages of this script it was spawned
        from as well.)"""
        with open("/proc/%d/status" % self.pid) as status:
            for line in status:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1]) / 1024.0
        return float("nan")

    def finish(self, data=None):
        """Sends `data` (a way out), drains the output and reaps the child;
        one that does not end within a second is terminated, then killed."""
        if data:
            self.write(data)
        deadline = time.perf_counter() + 1.0
        for sig in (None, signal.SIGTERM, signal.SIGKILL):
            if sig is not None:
                os.kill(self.pid, sig)
                deadline = time.perf_counter() + 1.0
            while time.perf_counter() < deadline:
                done, _ = os.waitpid(self.pid, os.WNOHANG)
                if done == self.pid:
                    os.close(self.master)
                    return
                ready, _, _ = select.select([self.master], [], [], 0.01)
                if ready:
                    try:
                        os.read(self.master, 65536)
                    except OSError:
                        pass
        raise RuntimeError("process %d did not end" % self.pid)


def environment(home):
    env = {"PATH": "/usr/bin:/bin:/usr/games", "TERM": "xterm-256color", "LANG": "C.UTF-8", "HOME": home}
    env["USER"] = env["LOGNAME"] = os.environ.get("USER", "player")
    return env


def ms(seconds):
    return seconds * 1000.0


def measure_vellmarch(binary, keys, quiet_ms, talent_saved):
    """First screen, key latencies and peak memory of one start. With
    `talent_saved` the archive already holds a talent ("none"), as on every
    start after the first."""
    with tempfile.TemporaryDirectory(prefix="vellmarch-pty-") as home:
        archive = os.path.join(home, "archive")
        if talent_saved:
            os.mkdir(archive)
            with open(os.path.join(archive, "system_tf.wxov"), "w") as f:
                f.write("3")
        child = Child([binary, "--archive", archive], environment(home))
        first = child.read_until_quiet(quiet_ms / 1000.0, PANEL_MARK) - child.started
        # Right and Left in turn: the start cell has floor on its right.
        latencies = child.time_keys([RIGHT if i % 2 == 0 else LEFT for i in range(keys)])
        peak = child.peak_megabytes()
        child.finish(CTRL_C)
        return ms(first), latencies, peak


def measure_true():
    with tempfile.TemporaryDirectory(prefix="vellmarch-pty-") as home:
        child = Child([shutil.which("true") or "/bin/true"], environment(home))
        os.waitpid(child.pid, 0)
        ended = time.perf_counter()
        os.close(child.master)
        return ms(ended - child.started)


def measure_echo(keys):
    """A raw-mode `cat` echoing the arrow keys back."""
    with tempfile.TemporaryDirectory(prefix="vellmarch-pty-") as home:
        script = "stty raw -echo && printf %s && exec cat" % READY.decode()
        child = Child(["/bin/sh", "-c", script], environment(home))
        child.read_until_quiet(KEY_QUIET, READY)
        latencies = child.time_keys([RIGHT] * keys)
        child.finish(CTRL_C)
        return latencies


def measure_nethack(quiet_ms):
    # A fresh home each time, so every start shows the same first screen
    # (the offer to pick a character), which "q" answers by quitting.
    with tempfile.TemporaryDirectory(prefix="vellmarch-pty-") as home:
        child = Child([NETHACK], environment(home))
        first = child.read_until_quiet(quiet_ms / 1000.0) - child.started
        peak = child.peak_megabytes()
        child.finish(b"q")
        return ms(first), peak


def verdict(ok):
    return "met" if ok else "MISSED"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--binary", default="build/vellmarch", help="the game (a Release build)")
    parser.add_argument("--runs", type=int, default=20, help="starts of each program")
    parser.add_argument("--keys", type=int, default=20, help="arrow keys timed per start of the game")
    parser.add_argument("--quiet-ms", type=float, default=50.0, help="silence that ends a screen")
    args = parser.parse_args()
    if not os.access(args.binary, os.X_OK):
        sys.exit("pty-bench: %s is not built (run scripts/bench.sh)" % args.binary)
    have_nethack = os.access(NETHACK, os.X_OK)

    figures = {name: [] for name in ("first", "later", "keys", "peak", "true", "echo", "nethack", "nethack_peak")}
    # Interleaved, so that a disturbance of the machine touches all alike.
    for _ in range(args.runs):
        figures["true"].append(measure_true())
        first, keys, peak = measure_vellmarch(args.binary, args.keys, args.quiet_ms, talent_saved=False)
        figures["first"].append(first)
        figures["keys"].extend(keys)
        figures["peak"].append(peak)
        later, keys, peak = measure_vellmarch(args.binary, args.keys, args.quiet_ms, talent_saved=True)
        figures["later"].append(later)
        figures["keys"].extend(keys)
        figures["peak"].append(peak)
        figures["echo"].extend(measure_echo(args.keys))
        if have_nethack:
            first, peak = measure_nethack(args.quiet_ms)
            figures["nethack"].append(first)
            figures["nethack_peak"].append(peak)

    med = statistics.median
    print("Pseudo-terminal %d x %d, %d starts of each program, medians (min-max)" % (COLS, ROWS, args.runs))
    print()
    row = "%-52s %9s %15s  %-24s %s"
    print(row % ("figure", "median", "min-max", "target", ""))

    def line(name, values, unit, target="", ok=None):
        spread = "%.2f-%.2f" % (min(values), max(values))
        print(row % (name, "%.2f %s" % (med(values), unit), spread, target, "" if ok is None else verdict(ok)))

    if have_nethack:
        nethack = med(figures["nethack"])
        target = "<= nethack (%.2f ms)" % nethack
        line("first complete screen, first start", figures["first"], "ms", target, med(figures["first"]) <= nethack)
        line("first complete screen, later start", figures["later"], "ms", target, med(figures["later"]) <= nethack)
        line("first complete screen, nethack", figures["nethack"], "ms")
    else:
        line("first complete screen, first start", figures["first"], "ms", "<= nethack (not installed)")
        line("first complete screen, later start", figures["later"], "ms", "<= nethack (not installed)")
    line("exec of `true`, to its exit", figures["true"], "ms")
    target = "< %.1f ms" % KEY_LATENCY_TARGET_MS
    keys = figures["keys"]
    line("arrow key to last byte of its answer (%d keys)" % len(keys), keys, "ms", target, med(keys) < KEY_LATENCY_TARGET_MS)
    line("arrow key echoed by a raw `cat` (%d keys)" % len(figures["echo"]), figures["echo"], "ms")
    target = "< %.0f MB" % PEAK_MEMORY_TARGET_MB
    line("peak resident memory", figures["peak"], "MB", target, med(figures["peak"]) < PEAK_MEMORY_TARGET_MB)
    if have_nethack:
        line("peak resident memory, nethack (first screen)", figures["nethack_peak"], "MB")
    else:
        print("\n%s is not installed (Debian package nethack-console): no comparison." % NETHACK)


if __name__ == "__main__":
    main()
