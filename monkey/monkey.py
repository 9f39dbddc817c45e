#!/usr/bin/env python3
"""A monkey for the desktop program.

Starts the program under a private Xvfb and sends random clicks, drags, wheel turns,
typed keys, menu access keys, Escape, Enter, Tab, Ctrl+Z/O/S, F1 and window closes to
whatever windows it shows, closing file dialogs as they appear. Every choice comes from
one seeded generator, so a seed replays the same walk (the program's timing aside).

It fails when the program crashes (a signal or a non-zero status; a clean exit, as from
File > Exit, starts it again), when a window does not answer the window manager's ping
for 5 s (the user-interface thread is stuck, so nothing repaints), when the main
window's clock stops for 5 s while no diagram holds its timer (the gear no longer
turns on screen), or when its private resident memory keeps growing. On a failure it
prints the seed and the last actions.

Xvfb has no window manager, and a Qt window answers pings only to one, so the monkey is
that window manager too: it maps and places windows as asked, focuses the newest or
the clicked one, and closes them through WM_DELETE_WINDOW.
"""

import argparse
import collections
import os
import random
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

from Xlib import X, XK, display, error, protocol
from Xlib.ext import xtest

HANG_SECONDS = 5.0
PING_EVERY = 1.0
SCREEN = (1600, 1200)
# Diagram windows stop the main window's timer while they are shown.
TIMER_HOLDERS = re.compile(r"Sine Diagram|Oval Diagram|Steam Diagram|Port Open/Closed")
# File dialogs are closed, not played with: typed names would save files anywhere.
FILE_DIALOG = re.compile(r"^(Open|Save|Import|Export)\b")
TYPED = "0123456789012345678901234567890123456789.-.-eE +abcxyzABC"
SPECIAL_KEYS = ["Escape", "Return", "KP_Enter", "Tab", "BackSpace", "Delete", "Left", "Right",
                "Up", "Down", "Home", "End", "Prior", "Next", "space"]


class Failure(Exception):
    pass


class Xvfb:
    """A private X server on a display number it picks itself."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % SCREEN,
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], 10)
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                self.stop()
                raise Failure("Xvfb did not start")
            number += chunk
        os.close(read_end)
        self.name = ":" + number.decode().strip()

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(timeout=10)


class Program:
    """The desktop program, run in a scratch folder so nothing it saves lands elsewhere."""

    def __init__(self, path, display_name, folder):
        self.path = path
        self.folder = folder
        self.env = dict(os.environ, DISPLAY=display_name, QT_QPA_PLATFORM="xcb", HOME=folder,
                        XDG_RUNTIME_DIR=folder, XDG_CONFIG_HOME=folder)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.log_path = os.path.join(folder, "program.log")
        self.process = None
        self.starts = 0

    def start(self):
        self.log = open(self.log_path, "ab")
        self.process = subprocess.Popen([self.path], cwd=self.folder, env=self.env,
                                        stdout=self.log, stderr=self.log)
        self.starts += 1
        self.started = time.monotonic()

    def exit_status(self):
        return self.process.poll()

    def resident_kb(self):
        """Private resident memory (heap and other anonymous pages): the pages of libraries
        and fonts touched for the first time as new windows open are not growth."""
        try:
            with open("/proc/%d/status" % self.process.pid) as f:
                for line in f:
                    if line.startswith("RssAnon:"):
                        return int(line.split()[1])
        except OSError:
            pass
        return None

    def log_tail(self, lines=15):
        with open(self.log_path, "rb") as f:
            return b"\n".join(f.read().splitlines()[-lines:]).decode(errors="replace")

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


class MemoryWatch:
    """Resident memory of one run of the program, sampled once a second."""

    def __init__(self):
        self.samples = []

    def add(self, t, kb):
        if kb is not None and (not self.samples or t - self.samples[-1][0] >= 1.0):
            self.samples.append((t, kb))
        if kb is not None and kb > 2 * 1024 * 1024:
            raise Failure("private resident memory reached %d MB" % (kb // 1024))

    def check(self):
        """Keeps growing: after a warm-up of a third, the least memory of each third of the
        rest is higher than the one before, by 4 MB at least, and 16 MB in all."""
        if len(self.samples) < 60:
            return
        rest = self.samples[len(self.samples) // 3:]
        third = len(rest) // 3
        lows = [min(kb for _, kb in rest[k * third:(k + 1) * third]) for k in range(3)]
        if lows[1] - lows[0] > 4096 and lows[2] - lows[1] > 4096 and lows[2] - lows[0] > 16384:
            raise Failure("private resident memory keeps growing: least of each third %s MB"
                          % ", ".join("%.1f" % (kb / 1024) for kb in lows))


class Monkey:
    def __init__(self, program, seconds, seed):
        self.program = program
        self.seconds = seconds
        self.seed = seed
        self.rng = random.Random(seed)
        self.actions = collections.deque(maxlen=40)
        self.action_count = 0
        self.exits = 0
        self.longest_ping = 0.0
        self.seen = collections.Counter()
        self.memory_noted = 0.0
        self.log = open(os.path.join(program.folder, "actions.log"), "w", buffering=1)

    # ---- the X connection and the window manager's part ----

    def connect(self, name):
        self.d = display.Display(name)
        self.d.set_error_handler(lambda *args: None)  # windows vanish between look and act
        self.root = self.d.screen().root
        self.root.change_attributes(event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self.d.sync()
        atom = self.d.intern_atom
        self.WM_PROTOCOLS = atom("WM_PROTOCOLS")
        self.WM_DELETE = atom("WM_DELETE_WINDOW")
        self.PING = atom("_NET_WM_PING")
        self.NET_WM_NAME = atom("_NET_WM_NAME")
        self.UTF8 = atom("UTF8_STRING")
        self.pings = {}
        self.ping_stamp = 0
        self.last_ping = 0.0

    def handle_events(self):
        while self.d.pending_events():
            e = self.d.next_event()
            if e.type == X.MapRequest:
                e.window.map()
                self.focus(e.window)
            elif e.type == X.ConfigureRequest:
                values = {}
                for flag, key in ((X.CWX, "x"), (X.CWY, "y"), (X.CWWidth, "width"),
                                  (X.CWHeight, "height"), (X.CWBorderWidth, "border_width"),
                                  (X.CWStackMode, "stack_mode")):
                    if e.value_mask & flag:
                        values[key] = getattr(e, key)
                if e.value_mask & X.CWSibling and "stack_mode" in values:
                    values["sibling"] = e.sibling
                e.window.configure(**values)
            elif e.type == X.CirculateRequest:
                e.window.circulate(e.place)
            elif e.type == X.ClientMessage and e.client_type == self.WM_PROTOCOLS:
                if e.data[1][0] == self.PING:
                    sent = self.pings.pop(e.data[1][1], None)
                    if sent:
                        self.longest_ping = max(self.longest_ping, time.monotonic() - sent[1])
        self.d.flush()

    def focus(self, window):
        try:
            window.configure(stack_mode=X.Above)
            window.set_input_focus(X.RevertToParent, X.CurrentTime)
        except error.XError:
            pass

    def windows(self):
        """The program's visible windows, bottom to top: (window, x, y, w, h, title, popup)."""
        found = []
        try:
            children = self.root.query_tree().children
        except error.XError:
            return found
        for w in children:
            try:
                a = w.get_attributes()
                if a.map_state != X.IsViewable:
                    continue
                g = w.get_geometry()
                if g.width < 8 or g.height < 8:
                    continue
                found.append((w, g.x, g.y, g.width, g.height, self.title(w), bool(a.override_redirect)))
            except error.XError:
                continue
        return found

    def title(self, w):
        try:
            p = w.get_full_property(self.NET_WM_NAME, self.UTF8)
            if p:
                return p.value.decode("utf-8", "replace") if isinstance(p.value, bytes) else str(p.value)
            return w.get_wm_name() or ""
        except error.XError:
            return ""

    def protocol_message(self, w, what, stamp=X.CurrentTime):
        ev = protocol.event.ClientMessage(window=w, client_type=self.WM_PROTOCOLS,
                                          data=(32, [what, stamp, w.id, 0, 0]))
        w.send_event(ev, event_mask=X.NoEventMask)

    # ---- the checks ----

    def check(self, now, shown):
        status = self.program.exit_status()
        if status is not None:
            if status != 0:
                how = "signal %d" % -status if status < 0 else "status %d" % status
                raise Failure("the program ended with %s" % how)
            self.memory.check()
            self.exits += 1
            self.note("(the program exited cleanly; started again)")
            self.start_program()
            return
        kb = self.program.resident_kb()
        if kb is not None and now - self.memory_noted >= 10:
            self.memory_noted = now
            self.note("(private resident memory %.1f MB)" % (kb / 1024))
        self.memory.add(now, kb)
        normal = [s for s in shown if not s[6]]
        if now - self.last_ping >= PING_EVERY:
            self.last_ping = now
            for s in normal:
                self.ping_stamp += 1
                self.pings[self.ping_stamp] = (s[0].id, now, s[5])
                self.protocol_message(s[0], self.PING, self.ping_stamp)
        visible = {s[0].id for s in normal}
        for stamp, (wid, sent, title) in list(self.pings.items()):
            if wid not in visible:
                del self.pings[stamp]
            elif now - sent > HANG_SECONDS:
                raise Failure("window %r has not answered for %.0f s" % (title, now - sent))
        main = [s for s in normal if s[0].id == self.main_window]
        if not self.main_window:
            main = [s for s in normal if "Version" in s[5] and not TIMER_HOLDERS.search(s[5])]
            if main:
                self.main_window = main[0][0].id
        if any(TIMER_HOLDERS.search(s[5]) for s in normal) or not main:
            self.clock_since = now
            return
        title = main[0][5]
        if title != self.clock_title:
            self.clock_title, self.clock_since = title, now
        elif now - self.clock_since > HANG_SECONDS:
            stuck = any(now - sent > 1.5 for _, sent, _ in self.pings.values())
            raise Failure("the main window's clock has stood at %r for %.0f s with no diagram open (%s)"
                          % (title, now - self.clock_since,
                             "nor does the program answer pings" if stuck else "though it answers pings"))

    def start_program(self):
        self.program.start()
        self.memory = MemoryWatch()
        self.main_window = None
        self.clock_title, self.clock_since = None, time.monotonic()
        self.pings = {}

    # ---- input ----

    def keycode(self, name):
        return self.d.keysym_to_keycode(XK.string_to_keysym(name))

    def key(self, name, *modifiers):
        codes = [self.keycode(m) for m in modifiers] + [self.keycode(name)]
        for c in codes:
            xtest.fake_input(self.d, X.KeyPress, c)
        for c in reversed(codes):
            xtest.fake_input(self.d, X.KeyRelease, c)
        self.d.flush()

    def type_char(self, ch):
        names = {".": "period", "-": "minus", "+": "plus", " ": "space"}
        name = names.get(ch, ch)
        if ch.isupper():
            self.key(ch.lower(), "Shift_L")
        elif ch == "+":
            self.key("equal", "Shift_L")
        else:
            self.key(name)

    def move(self, x, y):
        xtest.fake_input(self.d, X.MotionNotify, x=max(0, min(SCREEN[0] - 1, x)),
                         y=max(0, min(SCREEN[1] - 1, y)))
        self.d.flush()

    def button(self, b, down):
        xtest.fake_input(self.d, X.ButtonPress if down else X.ButtonRelease, b)
        self.d.flush()

    def name(self, s):
        """A window as the log names it: the main window, or its title without the
        program's name and the date and time every title ends with."""
        if s[0].id == self.main_window:
            return "the main window"
        words = re.split(r"\s{2,}", s[5].replace("LINKMOTION Inside Admission", "").strip())[0]
        return repr(words or s[5]) + (" (pop-up)" if s[6] else "")

    def note(self, text):
        line = "%7.2f s  %s" % (time.monotonic() - self.began, text)
        self.actions.append(line)
        self.log.write(line + "\n")

    def point_in(self, s):
        return s[1] + self.rng.randrange(s[3]), s[2] + self.rng.randrange(s[4])

    def act(self, shown):
        """One random action on one of the windows shown (the newest most often)."""
        rng = self.rng
        dialogs = [s for s in shown if not s[6] and FILE_DIALOG.search(s[5])]
        if dialogs:
            s = dialogs[-1]
            self.focus(s[0])
            self.key("Escape")
            self.note("closed the file dialog %r" % s[5])
            return
        target = shown[-1] if rng.random() < 0.6 else shown[rng.randrange(len(shown))]
        w, title = target[0], self.name(target)
        self.seen[title] += 1
        kind = rng.choices(["click", "double", "right", "drag", "wheel", "type", "special",
                            "access", "control", "help", "close"],
                           [34, 4, 4, 10, 3, 14, 15, 8, 4, 2, 2])[0]
        if kind in ("type", "special", "access", "control", "help") and not target[6]:
            self.focus(w)
        self.action_count += 1
        if kind in ("click", "double", "right"):
            x, y = self.point_in(target)
            if not target[6]:
                self.focus(w)
            self.move(x, y)
            b = 3 if kind == "right" else 1
            for _ in range(2 if kind == "double" else 1):
                self.button(b, True)
                self.button(b, False)
            self.note("%s at (%d, %d) in %s" % (kind, x, y, title))
        elif kind == "drag":
            x, y = self.point_in(target)
            x2, y2 = self.point_in(target)
            self.move(x, y)
            self.button(1, True)
            steps = rng.randint(2, 6)
            for k in range(1, steps + 1):
                self.move(x + (x2 - x) * k // steps, y + (y2 - y) * k // steps)
                self.pause(0.01)
            self.button(1, False)
            self.note("drag (%d, %d) -> (%d, %d) in %s" % (x, y, x2, y2, title))
        elif kind == "wheel":
            x, y = self.point_in(target)
            self.move(x, y)
            b = rng.choice([4, 5])
            for _ in range(rng.randint(1, 4)):
                self.button(b, True)
                self.button(b, False)
            self.note("wheel %s at (%d, %d) in %s" % ("up" if b == 4 else "down", x, y, title))
        elif kind == "type":
            text = "".join(rng.choice(TYPED) for _ in range(rng.randint(1, 6)))
            for ch in text:
                self.type_char(ch)
            self.note("typed %r into %s" % (text, title))
        elif kind == "special":
            name = rng.choice(SPECIAL_KEYS + ["Tab+Shift"])
            if name == "Tab+Shift":
                self.key("Tab", "Shift_L")
            else:
                self.key(name)
            self.note("key %s in %s" % (name, title))
        elif kind == "access":
            letter = rng.choice("abcdefghijklmnopqrstuvwxyz")
            self.key(letter, "Alt_L")
            self.note("Alt+%s in %s" % (letter.upper(), title))
        elif kind == "control":
            letter = rng.choice("zos")
            self.key(letter, "Control_L")
            self.note("Ctrl+%s in %s" % (letter.upper(), title))
        elif kind == "help":
            self.key("F1")
            self.note("F1 in %s" % title)
        elif kind == "close" and not target[6] and (w.id != self.main_window or rng.random() < 0.03):
            self.protocol_message(w, self.WM_DELETE)
            self.note("closed %s from its title bar" % title)

    # ---- the run ----

    def pause(self, seconds):
        end = time.monotonic() + seconds
        while True:
            self.handle_events()
            left = end - time.monotonic()
            if left <= 0:
                return
            select.select([self.d.fileno()], [], [], min(left, 0.02))

    def run(self, display_name):
        self.connect(display_name)
        self.began = time.monotonic()
        self.start_program()
        self.pause(3.0)  # the first window
        while time.monotonic() - self.began < self.seconds:
            self.handle_events()
            shown = self.windows()
            self.check(time.monotonic(), shown)
            if shown:
                self.act(shown)
            self.pause(self.rng.uniform(0.02, 0.15))
        self.check(time.monotonic(), self.windows())
        self.memory.check()

    def report(self, out):
        out.write("monkey: %d actions in %.0f s, %d clean exits, longest ping answer %.2f s\n"
                  % (self.action_count, time.monotonic() - self.began, self.exits, self.longest_ping))
        out.write("monkey: actions by window: %s\n" % ", ".join("%s %d" % kv for kv in self.seen.most_common()))
        samples = self.memory.samples
        if samples:
            out.write("monkey: private resident memory of the last run %.1f MB at first, %.1f MB at most, %.1f MB at the end\n"
                      % (samples[0][1] / 1024, max(kb for _, kb in samples) / 1024, samples[-1][1] / 1024))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--program", required=True, help="the desktop program to run")
    parser.add_argument("--seconds", type=float, default=120)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--replay", default="", help="the command that replays a run, for the report")
    args = parser.parse_args()

    print("monkey: seed %d, %g s" % (args.seed, args.seconds), flush=True)
    server = Xvfb()
    folder = tempfile.mkdtemp(prefix="linkmotion-monkey-")
    program = Program(os.path.abspath(args.program), server.name, folder)
    monkey = Monkey(program, args.seconds, args.seed)
    failed = None
    try:
        monkey.run(server.name)
    except Failure as f:
        failed = str(f)
    except Exception as e:  # the monkey's own fault: shown, and the run fails
        traceback.print_exc()
        failed = "the monkey itself failed: %s" % e
    finally:
        program.stop()
        server.stop()
    monkey.report(sys.stdout)
    if failed:
        print("monkey: FAILED: %s" % failed)
        print("monkey: seed %d; replay with: %s" % (args.seed, args.replay or "--seed %d" % args.seed))
        print("monkey: the last actions:")
        for line in monkey.actions:
            print("  " + line)
        print("monkey: the program's last output (%s):" % program.log_path)
        print(program.log_tail())
        print("monkey: every action is in %s" % monkey.log.name)
        return 1
    monkey.log.close()
    shutil.rmtree(folder, ignore_errors=True)
    print("monkey: passed")
    return 0


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, lambda *a: sys.exit(3))
    sys.exit(main())
