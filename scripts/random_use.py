#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Random use of the real program, as a careless person would use it.

Starts razaduvovi from a sanitizer build under its own Xvfb display, in a
temporary home, and for a given time sends a seeded random sequence of
clicks, double clicks, right clicks, wheel turns and keys to a random point
of a random visible window of the program. From time to time it presses the
main window's buttons, so that the pop-up, the interest window and the
settings are opened in every run, sends Escape to dialogs and closes other
windows. Meanwhile a second thread asks the program "ping" over its
single-instance socket twice a second; the answer comes from the program's
event loop. At the end the main window is closed as a user would close it,
so that the program ends and LeakSanitizer checks its memory.

The run fails when the program ends or dies before, when its standard error
holds a sanitizer report, when a ping goes unanswered for more than two
seconds, or when the program does not end after its main window closed.
The seed is printed at the start and on failure; the same seed gives the same
sequence of choices (the windows present at each step still depend on timing).

Nothing leaves the temporary home: the XDG folders and TMPDIR point into it,
web addresses reach a fake browser that only writes them down, the session
bus and the print server are addresses where nothing listens.

Called by scripts/random_use.sh; see there for the arguments.
"""

import argparse
import ctypes
import ctypes.util
import os
import random
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time

PING_TIMEOUT_S = 2.0
PING_INTERVAL_S = 0.5
# How long the program may take to end after its main window closed; the
# leak check of a sanitizer build takes a few seconds on its own.
QUIT_TIMEOUT_S = 60.0
SANITIZER_MARKS = ("ERROR: AddressSanitizer", "runtime error:", "LeakSanitizer",
                   "ERROR: UndefinedBehaviorSanitizer")

# Keys as xdotool names them: what a careless person hits.
KEYS = ([str(d) for d in range(10)] + [chr(c) for c in range(ord("a"), ord("z") + 1)] +
        ["A", "Z", "period", "comma", "minus", "space", "Tab", "shift+Tab", "Return",
         "Escape", "Left", "Right", "Up", "Down", "Prior", "Next", "Home", "End",
         "Delete", "BackSpace", "ctrl+c", "ctrl+v", "ctrl+a", "F1"])

# The main window's buttons in its normal size (app/calvrn.cpp: 184 x 26 at
# x 4, y 136, 164, 192 and 220), and the settings panel's "zurück" and
# "Speichern" below its ticks.
MAIN_SIZE = (192, 252)
MAIN_BUTTONS = {
    "Kalenderblatt": (96, 149),
    "Zinsen": (96, 177),
    "Einstellungen": (96, 205),
}
SETTINGS_TICKS = [(24, 28 + 26 + row * 18 + 10) for row in range(7)]
SETTINGS_BACK = (54, 28 + 26 + 7 * 18 + 3 + 37 + 13)
SETTINGS_SAVE = (138, 28 + 26 + 7 * 18 + 3 + 37 + 13)
# The date strip (88 x 20) opens the pop-up on a double click on the date; its
# move mode (130 x 46) shows "D" right of the date.
STRIP_SIZE = (88, 20)
MOVE_SIZE = (130, 46)


class X11:
    """The few Xlib calls xdotool of Debian 12 cannot chain: the program's
    windows with their geometry, names and dialog hint, and the close request
    of a window manager (there is none under Xvfb)."""

    class WindowAttributes(ctypes.Structure):
        _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                    ("height", ctypes.c_int), ("border_width", ctypes.c_int),
                    ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                    ("root", ctypes.c_ulong), ("c_class", ctypes.c_int),
                    ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                    ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                    ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                    ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                    ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                    ("your_event_mask", ctypes.c_long),
                    ("do_not_propagate_mask", ctypes.c_long),
                    ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                    ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                    ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5),
                    ("pad", ctypes.c_long * 12)]  # an XEvent is 24 longs

    IS_VIEWABLE = 2
    CLIENT_MESSAGE = 33

    def __init__(self, display_name):
        lib = ctypes.util.find_library("X11") or "libX11.so.6"
        self.x = ctypes.CDLL(lib)
        x = self.x
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XInternAtom.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                 ctypes.POINTER(ctypes.c_ulong),
                                 ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                 ctypes.POINTER(ctypes.c_uint)]
        x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                           ctypes.POINTER(X11.WindowAttributes)]
        x.XGetWindowProperty.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
            ctypes.c_int, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
        x.XGetTransientForHint.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                           ctypes.POINTER(ctypes.c_ulong)]
        x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                 ctypes.POINTER(X11.ClientMessage)]
        x.XFree.argtypes = [ctypes.c_void_p]
        x.XFlush.argtypes = [ctypes.c_void_p]
        x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        # Windows vanish between a listing and a question about them: an
        # error then only means "gone", never the end of this driver.
        handler_type = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
        self._handler = handler_type(lambda display, event: 0)
        x.XSetErrorHandler.argtypes = [handler_type]
        x.XSetErrorHandler(self._handler)
        self.display = x.XOpenDisplay(display_name.encode())
        if not self.display:
            raise RuntimeError("Anzeige %s nicht erreichbar" % display_name)
        self.root = x.XDefaultRootWindow(self.display)
        atom = lambda name: x.XInternAtom(self.display, name.encode(), 0)
        self.net_wm_pid = atom("_NET_WM_PID")
        self.net_wm_name = atom("_NET_WM_NAME")
        self.net_wm_state = atom("_NET_WM_STATE")
        self.net_wm_state_modal = atom("_NET_WM_STATE_MODAL")
        self.utf8_string = atom("UTF8_STRING")
        self.wm_protocols = atom("WM_PROTOCOLS")
        self.wm_delete_window = atom("WM_DELETE_WINDOW")

    def close(self):
        self.x.XCloseDisplay(self.display)

    def _property(self, window, atom, kind, length):
        actual_type = ctypes.c_ulong()
        actual_format = ctypes.c_int()
        items = ctypes.c_ulong()
        after = ctypes.c_ulong()
        data = ctypes.c_void_p()
        status = self.x.XGetWindowProperty(self.display, window, atom, 0, length, 0, kind,
                                           ctypes.byref(actual_type), ctypes.byref(actual_format),
                                           ctypes.byref(items), ctypes.byref(after),
                                           ctypes.byref(data))
        if status != 0 or not data.value:
            return None
        try:
            if actual_format.value == 32:
                values = ctypes.cast(data, ctypes.POINTER(ctypes.c_ulong))
                return [values[i] for i in range(items.value)]
            return ctypes.string_at(data, items.value)
        finally:
            self.x.XFree(data)

    def windows(self, pid):
        """The viewable top-level windows of the process, in stacking order
        (bottom first), each as a dict with id, x, y, width, height, name,
        dialog (a modal window over another) and popup (override-redirect:
        menus, tool tips, lists)."""
        self.x.XSync(self.display, 0)
        root = ctypes.c_ulong()
        parent = ctypes.c_ulong()
        children = ctypes.POINTER(ctypes.c_ulong)()
        count = ctypes.c_uint()
        if not self.x.XQueryTree(self.display, self.root, ctypes.byref(root), ctypes.byref(parent),
                                 ctypes.byref(children), ctypes.byref(count)):
            return []
        ids = [children[i] for i in range(count.value)]
        if children:
            self.x.XFree(children)
        found = []
        for window in ids:
            attributes = X11.WindowAttributes()
            if not self.x.XGetWindowAttributes(self.display, window, ctypes.byref(attributes)):
                continue
            if attributes.map_state != X11.IS_VIEWABLE or attributes.width < 2:
                continue
            if self._property(window, self.net_wm_pid, 6, 1) != [pid]:  # 6: CARDINAL
                continue
            name = self._property(window, self.net_wm_name, self.utf8_string, 256) or b""
            owner = ctypes.c_ulong()
            transient = bool(self.x.XGetTransientForHint(self.display, window,
                                                         ctypes.byref(owner)))
            states = self._property(window, self.net_wm_state, 4, 32) or []  # 4: ATOM
            dialog = transient and self.net_wm_state_modal in states
            found.append({"id": window, "x": attributes.x, "y": attributes.y,
                          "width": attributes.width, "height": attributes.height,
                          "name": name.decode("utf-8", "replace"), "dialog": dialog,
                          "popup": bool(attributes.override_redirect)})
        return found

    def request_close(self, window):
        """What a window manager sends when the user closes a window."""
        event = X11.ClientMessage()
        event.type = X11.CLIENT_MESSAGE
        event.window = window
        event.message_type = self.wm_protocols
        event.format = 32
        event.data[0] = self.wm_delete_window
        event.data[1] = 0  # CurrentTime
        self.x.XSendEvent(self.display, window, 0, 0, ctypes.byref(event))
        self.x.XFlush(self.display)


def describe(window):
    kind = "Dialog" if window["dialog"] else "Popup" if window["popup"] else "Fenster"
    return "%s 0x%x \"%s\" %dx%d" % (kind, window["id"], window["name"], window["width"],
                                     window["height"])


def is_main(window):
    size = (window["width"], window["height"])
    return (not window["dialog"] and not window["popup"] and
            window["name"] in ("Ra Zaduvovi – Datum", "verschieben") and
            size in (MAIN_SIZE, STRIP_SIZE, MOVE_SIZE))


class Pinger(threading.Thread):
    """Asks the program "ping" over its single-instance socket and notes the
    first question left without an answer for PING_TIMEOUT_S."""

    def __init__(self, socket_path, log):
        super().__init__(daemon=True)
        self.socket_path = socket_path
        self.log = log
        self.stop = threading.Event()
        self.failure = None
        self.answered = 0

    def ask(self):
        started = time.monotonic()
        connection = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        connection.settimeout(PING_TIMEOUT_S)
        try:
            connection.connect(self.socket_path)
            connection.sendall(b"ping\n")
            answer = b""
            while time.monotonic() - started < PING_TIMEOUT_S:
                connection.settimeout(max(0.01, PING_TIMEOUT_S - (time.monotonic() - started)))
                chunk = connection.recv(64)
                if not chunk:
                    break
                answer += chunk
            if answer == b"pong\n":
                return None
            return "falsche Antwort %r" % answer
        except socket.timeout:
            return "keine Antwort in %.1f s" % PING_TIMEOUT_S
        except OSError as error:
            return "Socket: %s" % error
        finally:
            connection.close()

    def run(self):
        while not self.stop.is_set():
            problem = self.ask()
            if problem is not None:
                self.failure = problem
                self.log("ping: %s" % problem)
                return
            self.answered += 1
            self.stop.wait(PING_INTERVAL_S)


class Run:
    def __init__(self, args, seed):
        self.args = args
        self.seed = seed
        self.rng = random.Random(seed)
        self.folder = tempfile.mkdtemp(prefix="raz-random-use-")
        self.log_folder = os.path.join(self.folder, "protokoll")
        os.makedirs(self.log_folder)
        self.action_log = open(os.path.join(self.log_folder, "aktionen.txt"), "w", buffering=1)
        self.stderr_path = os.path.join(self.log_folder, "stderr.txt")
        self.started = time.monotonic()
        self.xvfb = None
        self.program = None
        self.x11 = None
        self.pinger = None
        self.display = None
        self.seen = set()
        self.counts = {}
        self.failure = None

    # ---- log -------------------------------------------------------------------------

    def log(self, text):
        self.action_log.write("%8.3f %s\n" % (time.monotonic() - self.started, text))

    def count(self, what):
        self.counts[what] = self.counts.get(what, 0) + 1

    # ---- set-up ----------------------------------------------------------------------

    def environment(self):
        home = self.folder
        dirs = {}
        for name in ("home", "config", "data", "cache", "runtime", "tmp", "bin"):
            dirs[name] = os.path.join(home, name)
            os.makedirs(dirs[name], mode=0o700)
        opened = os.path.join(self.log_folder, "browser.txt")
        # Every way Qt and the desktop tools have to start a browser or a
        # file manager ends here, and only writes down what it was given.
        fake = "#!/bin/sh\nprintf '%%s %%s\\n' \"$(basename \"$0\")\" \"$*\" >> '%s'\n" % opened
        for tool in ("xdg-open", "x-www-browser", "sensible-browser", "www-browser", "firefox",
                     "chromium", "gio", "kde-open", "kde-open5", "kfmclient", "gnome-open",
                     "gvfs-open", "lp", "lpr"):
            path = os.path.join(dirs["bin"], tool)
            with open(path, "w") as script:
                script.write(fake)
            os.chmod(path, 0o755)
        env = {
            "PATH": dirs["bin"] + ":/usr/local/bin:/usr/bin:/bin",
            "HOME": dirs["home"],
            "XDG_CONFIG_HOME": dirs["config"],
            "XDG_DATA_HOME": dirs["data"],
            "XDG_CACHE_HOME": dirs["cache"],
            "XDG_RUNTIME_DIR": dirs["runtime"],
            "TMPDIR": dirs["tmp"],
            "BROWSER": os.path.join(dirs["bin"], "x-www-browser"),
            "DISPLAY": self.display,
            "QT_QPA_PLATFORM": "xcb",
            "LANG": "de_DE.UTF-8",
            # No session bus and no print server: nothing reaches a desktop
            # service or a printer of this machine.
            "DBUS_SESSION_BUS_ADDRESS": "unix:path=" + os.path.join(home, "kein-bus"),
            "CUPS_SERVER": os.path.join(home, "kein-cups"),
            "NO_AT_BRIDGE": "1",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "0",
            "ASAN_OPTIONS": "abort_on_error=1:detect_leaks=1",
            "UBSAN_OPTIONS": "halt_on_error=1:print_stacktrace=1",
            "LSAN_OPTIONS": "suppressions=%s:print_suppressions=0" % self.args.suppressions,
        }
        self.socket_path = os.path.join(dirs["runtime"], "razaduvovi.socket")
        self.opened_path = opened
        return env

    def start_display(self):
        reader, writer = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(writer), "-screen", "0", "1280x1024x24", "-nolisten",
             "tcp"],
            pass_fds=(writer,), stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(self.log_folder, "xvfb.txt"), "w"))
        os.close(writer)
        number = b""
        deadline = time.monotonic() + 30
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            chunk = os.read(reader, 16)
            if not chunk:
                break
            number += chunk
        os.close(reader)
        if not number.strip():
            raise RuntimeError("Xvfb startet nicht")
        self.display = ":" + number.decode().strip()

    def start_program(self, env):
        program = os.path.join(self.args.build, "bin", "razaduvovi")
        self.stderr_file = open(self.stderr_path, "w")
        self.program = subprocess.Popen([program], env=env, cwd=env["HOME"],
                                        stdin=subprocess.DEVNULL, stdout=self.stderr_file,
                                        stderr=subprocess.STDOUT)
        self.log("Programm gestartet, pid %d, Anzeige %s" % (self.program.pid, self.display))

    def wait_for_main(self):
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline:
            if self.program.poll() is not None:
                return False
            if any(is_main(w) for w in self.x11.windows(self.program.pid)) and \
                    os.path.exists(self.socket_path):
                return True
            time.sleep(0.2)
        return False

    # ---- actions ---------------------------------------------------------------------

    def xdotool(self, *arguments):
        started = time.monotonic()
        try:
            subprocess.run(["xdotool"] + [str(a) for a in arguments], env=self.xenv,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=10)
        except subprocess.TimeoutExpired:
            self.log("xdotool %s: nach 10 s abgebrochen" % " ".join(map(str, arguments)))
        took = time.monotonic() - started
        if took > 1:
            self.log("xdotool %s: %.1f s" % (" ".join(map(str, arguments)), took))

    def point_in(self, window, point=None):
        if point is None:
            point = (self.rng.randrange(window["width"]), self.rng.randrange(window["height"]))
        return window["x"] + point[0], window["y"] + point[1]

    def click(self, window, point, button=1, repeat=1, what="Klick"):
        x, y = self.point_in(window, point)
        self.log("%s %d,%d Taste %d x%d in %s" % (what, x - window["x"], y - window["y"], button,
                                                    repeat, describe(window)))
        # Without a window manager windows overlap where they open; the one
        # meant comes to the front first, as a click on its edge would do.
        # Menus and lists stay where they are: raising another would hide them.
        if not window["popup"]:
            self.xdotool("windowraise", window["id"], "mousemove", x, y, "click", "--repeat",
                         repeat, "--delay", 60, button)
        else:
            self.xdotool("mousemove", x, y, "click", "--repeat", repeat, "--delay", 60, button)

    def key(self, window, key):
        self.log("Taste %s in %s" % (key, describe(window)))
        # Without a window manager the keyboard goes where the focus was put.
        self.xdotool("windowfocus", window["id"], "key", "--clearmodifiers", key)

    def random_action(self, windows):
        # An open menu or list takes every other action: a careless person
        # picks something from it more often than beside it.
        popups = [w for w in windows if w["popup"]]
        window = self.rng.choice(popups if popups and self.rng.random() < 0.5 else windows)
        choice = self.rng.random()
        if choice < 0.30:
            self.count("Klick")
            self.click(window, None)
        elif choice < 0.38:
            self.count("Doppelklick")
            self.click(window, None, repeat=2, what="Doppelklick")
        elif choice < 0.46:
            self.count("Rechtsklick")
            self.click(window, None, button=3, what="Rechtsklick")
        elif choice < 0.54:
            self.count("Rad")
            self.click(window, None, button=self.rng.choice((4, 5)),
                       repeat=self.rng.randint(1, 3), what="Rad")
        elif choice < 0.94:
            self.count("Taste")
            self.key(window, self.rng.choice(KEYS))
        elif choice < 0.97:
            # Typing a whole date or number, as into a date field.
            self.count("Eingabe")
            text = self.rng.choice(["%02d.%02d.%04d" % (self.rng.randint(0, 40),
                                                         self.rng.randint(0, 14),
                                                         self.rng.randint(0, 9999)),
                                    str(self.rng.randint(0, 10 ** self.rng.randint(1, 12))),
                                    "-" + str(self.rng.randint(0, 99999)) + ",5"])
            self.log("Eingabe \"%s\" in %s" % (text, describe(window)))
            self.xdotool("windowfocus", window["id"], "type", "--delay", 20, text)
        else:
            self.count("Schließen")
            others = [w for w in windows if not is_main(w)]
            if others:
                target = self.rng.choice(others)
                self.log("Schließen %s" % describe(target))
                self.x11.request_close(target["id"])

    def known_action(self, windows, step):
        """A button of the main window, so that every run reaches the pop-up,
        the interest window and the settings."""
        mains = [w for w in windows if is_main(w)]
        if not mains:
            return
        main = mains[0]
        size = (main["width"], main["height"])
        if size == STRIP_SIZE:
            self.count("Streifen")
            self.click(main, (40, 10), repeat=2, what="Doppelklick aufs Datum")
            return
        if size == MOVE_SIZE:
            self.count("Streifen")
            self.click(main, (98, 10), what="\"D\"")
            return
        blocked = any(w["dialog"] for w in windows)
        if blocked:
            return
        names = list(MAIN_BUTTONS)
        name = names[step % len(names)]
        self.count(name)
        self.click(main, MAIN_BUTTONS[name], what="Knopf %s" % name)
        if name == "Einstellungen":
            # A few ticks, and either way out of the panel.
            time.sleep(0.2)
            for _ in range(self.rng.randint(0, 3)):
                self.click(main, self.rng.choice(SETTINGS_TICKS), what="Haken")
            if self.rng.random() < 0.5:
                self.click(main, self.rng.choice((SETTINGS_BACK, SETTINGS_SAVE)),
                           what="Einstellungen verlassen")

    def escape_dialogs(self, windows):
        for window in windows:
            if window["dialog"]:
                self.count("Escape an Dialog")
                self.key(window, "Escape")

    def close_extra(self, windows):
        # More than a few interest windows only cover the others.
        extra = [w for w in windows if not is_main(w) and not w["dialog"] and not w["popup"]]
        if len(extra) > 4:
            target = self.rng.choice(extra)
            self.log("Schließen (zu viele Fenster) %s" % describe(target))
            self.x11.request_close(target["id"])

    # ---- checks ----------------------------------------------------------------------

    def sanitizer_report(self):
        self.stderr_file.flush()
        with open(self.stderr_path, errors="replace") as text:
            for line in text:
                if any(mark in line for mark in SANITIZER_MARKS):
                    return line.strip()
        return None

    def check(self):
        code = self.program.poll()
        if code is not None:
            return "Programm beendet mit %s" % self.describe_exit(code)
        if self.pinger.failure:
            return "Programm antwortet nicht: %s" % self.pinger.failure
        report = self.sanitizer_report()
        if report:
            return "Sanitizer: %s" % report
        return None

    @staticmethod
    def describe_exit(code):
        if code < 0:
            return "Signal %s" % signal.Signals(-code).name
        return "Code %d" % code

    def screenshot(self):
        if shutil.which("import") is None or self.xvfb is None or self.xvfb.poll() is not None:
            return None
        path = os.path.join(self.log_folder, "bildschirm.png")
        try:
            subprocess.run(["import", "-display", self.display, "-window", "root", path],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
        except subprocess.TimeoutExpired:
            return None
        return path if os.path.exists(path) else None

    # ---- the run ---------------------------------------------------------------------

    def quit_program(self):
        """Closes dialogs and then the main window, as a user ends the
        program; the program must then end by itself."""
        deadline = time.monotonic() + QUIT_TIMEOUT_S
        asked = False
        while time.monotonic() < deadline:
            if self.program.poll() is not None:
                return None
            windows = self.x11.windows(self.program.pid)
            dialogs = [w for w in windows if w["dialog"] or w["popup"]]
            if dialogs:
                self.escape_dialogs(windows)
                for popup in (w for w in dialogs if w["popup"]):
                    self.key(popup, "Escape")
                time.sleep(0.3)
                continue
            mains = [w for w in windows if is_main(w)]
            if mains and not asked:
                self.log("Hauptfenster schließen %s" % describe(mains[0]))
                self.x11.request_close(mains[0]["id"])
                asked = True
            time.sleep(0.2)
        return "Programm endet nicht nach dem Schließen des Hauptfensters"

    def run(self):
        print("random_use: Startwert %d, %d s, Programm aus %s" %
              (self.seed, self.args.seconds, self.args.build), flush=True)
        self.start_display()
        self.xenv = dict(os.environ, DISPLAY=self.display)
        env = self.environment()
        self.x11 = X11(self.display)
        self.log("Startwert %d, Anzeige %s" % (self.seed, self.display))
        self.start_program(env)
        if not self.wait_for_main():
            return self.fail("Hauptfenster erscheint nicht (%s)" % (
                self.describe_exit(self.program.poll()) if self.program.poll() is not None
                else "nach 60 s"))
        self.pinger = Pinger(self.socket_path, self.log)
        self.pinger.start()
        end = time.monotonic() + self.args.seconds
        step = 0
        while time.monotonic() < end:
            problem = self.check()
            if problem:
                return self.fail(problem)
            windows = self.x11.windows(self.program.pid)
            for window in windows:
                if is_main(window):
                    self.seen.add("Hauptfenster %dx%d" % (window["width"], window["height"]))
                elif not window["popup"]:
                    self.seen.add(window["name"] or describe(window))
                else:
                    self.seen.add("Menü/Liste")
            if not windows:
                time.sleep(0.1)
                continue
            step += 1
            if step % 25 == 0:
                self.known_action(windows, step // 25)
            elif step % 40 == 0:
                self.escape_dialogs(windows)
            else:
                self.close_extra(windows)
                self.random_action(windows)
            time.sleep(self.rng.uniform(0.02, 0.15))
        problem = self.check()
        if problem:
            return self.fail(problem)
        self.pinger.stop.set()
        self.pinger.join()
        problem = self.quit_program()
        if problem:
            return self.fail(problem)
        self.program.wait()
        report = self.sanitizer_report()
        if report:
            return self.fail("Sanitizer beim Beenden: %s" % report)
        if self.program.returncode != 0:
            return self.fail("Programm endet mit %s" % self.describe_exit(self.program.returncode))
        opened = 0
        if os.path.exists(self.opened_path):
            with open(self.opened_path) as lines:
                opened = sum(1 for _ in lines)
        print("random_use: Startwert %d bestanden: %d Schritte, %d Pings beantwortet, "
              "%d Adressen an den Schein-Browser; %s; Fenster: %s" %
              (self.seed, step, self.pinger.answered, opened,
               ", ".join("%s %d" % item for item in sorted(self.counts.items())),
               " | ".join(sorted(self.seen))), flush=True)
        return True

    def fail(self, problem):
        self.failure = problem
        self.log("FEHLER: %s" % problem)
        picture = self.screenshot()
        print("random_use: FEHLER mit Startwert %d: %s" % (self.seed, problem), flush=True)
        print("random_use: Protokoll, stderr%s in %s" %
              (" und Bildschirmfoto" if picture else "", self.log_folder), flush=True)
        print("random_use: wiederholen mit scripts/random_use.sh --seed %d --seconds %d "
              "--build %s" % (self.seed, self.args.seconds, self.args.build), flush=True)
        report = self.sanitizer_report() if self.program else None
        if report:
            with open(self.stderr_path, errors="replace") as text:
                sys.stdout.write(text.read()[-6000:])
        return False

    def clean_up(self, keep):
        if self.pinger:
            self.pinger.stop.set()
        if self.program and self.program.poll() is None:
            self.program.kill()
            self.program.wait()
        if self.x11:
            self.x11.close()
        if self.xvfb and self.xvfb.poll() is None:
            self.xvfb.terminate()
            try:
                self.xvfb.wait(10)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
        self.action_log.close()
        if not keep:
            shutil.rmtree(self.folder, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--seed", type=int)
    parser.add_argument("--seconds", type=int, default=60)
    parser.add_argument("--build", default="build-asan")
    parser.add_argument("--suppressions", required=True)
    parser.add_argument("--keep", action="store_true", help="Ordner auch nach Erfolg behalten")
    args = parser.parse_args()
    args.build = os.path.abspath(args.build)
    seed = args.seed if args.seed is not None else random.SystemRandom().randrange(1, 1 << 31)
    run = Run(args, seed)
    passed = False
    try:
        passed = run.run()
    except KeyboardInterrupt:
        print("random_use: abgebrochen, Startwert %d, Protokoll in %s" % (seed, run.log_folder))
        run.clean_up(keep=True)
        return 130
    except Exception:
        print("random_use: Fehler im Treiber, Startwert %d, Protokoll in %s" %
              (seed, run.log_folder))
        run.clean_up(keep=True)
        raise
    run.clean_up(keep=args.keep or not passed)
    if args.keep and passed:
        print("random_use: Ordner %s" % run.folder)
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())
