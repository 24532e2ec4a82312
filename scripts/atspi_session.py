# SPDX-License-Identifier: GPL-3.0-or-later
"""What scripts/atspi-check and the orca-speech scripts share: a private X server
and session bus with the accessibility bus, the program started in it, its
accessibility tree, key presses through XTest and the events it sends."""
import ctypes
import os
import re
import shutil
import subprocess
import sys
import time

SKIP = 77
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
# The distribution's Python, which has its pyatspi; a python3 found first on
# PATH (a virtual environment, a newer build) often lacks it.
SYSTEM_PYTHON = "/usr/bin/python3"


def python_with_pyatspi():
    """This interpreter where it has pyatspi, else the system's where that
    has it, else None."""
    try:
        import pyatspi  # noqa: F401  (only whether it is there)
        return sys.executable
    except ImportError:
        pass
    if os.access(SYSTEM_PYTHON, os.X_OK) and subprocess.run(
            [SYSTEM_PYTHON, "-c", "import pyatspi"], stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL).returncode == 0:
        return SYSTEM_PYTHON
    return None


def run_inside_session(script, arguments, timeout, tools=()):
    """Re-runs script with --inner inside dbus-run-session and xvfb-run; SKIP
    when a tool is missing."""
    needed = ["dbus-run-session", "xvfb-run", "Xvfb", "xwininfo", *tools]
    missing = [tool for tool in needed if shutil.which(tool) is None]
    if missing or not os.access(BUS_LAUNCHER, os.X_OK):
        print("SKIP: needs", ", ".join(missing or ["at-spi2-core"]))
        return SKIP
    python = python_with_pyatspi()
    if python is None:
        print("SKIP: needs python3-pyatspi")
        return SKIP
    command = ["dbus-run-session", "--", "xvfb-run", "-a", "-s", "-screen 0 1280x1024x24",
               python, os.path.abspath(script), "--inner", *arguments]
    try:
        return subprocess.run(command, timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        print(f"FAIL: no answer within {timeout} s")
        return 1


class AccessibilityBus:
    """The accessibility bus, for as long as the with-block runs."""

    def __enter__(self):
        self.launcher = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"],
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1)
        return self

    def __exit__(self, *_):
        stop(self.launcher)


def stop(process):
    process.terminate()
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def write_settings(home, text):
    config = os.path.join(home, "config", "Vantrel")
    os.makedirs(config, exist_ok=True)
    with open(os.path.join(config, "Vantrel.conf"), "w", encoding="utf-8") as settings:
        settings.write(text)


def start_program(executable, path, home):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"), LANG="C.UTF-8")
    env.pop("QT_QPA_PLATFORM", None)
    return subprocess.Popen([executable, path], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def walk(node, depth=0):
    """Every accessible below node, without entering tables, trees and lists."""
    if node is None or depth > 64:
        return
    yield node
    if node.getRoleName() in ("table", "tree", "tree table", "list"):
        return
    for i in range(node.childCount):
        yield from walk(node.getChildAtIndex(i), depth + 1)


def find_app(pyatspi, pid, deadline):
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid and app.childCount > 0:
                    return app
            except Exception:  # an application going away while asked
                continue
        time.sleep(0.5)
    return None


def find_showing(pyatspi, app, roles, deadline, with_children=False):
    """The first showing accessible of one of the roles, or None."""
    while time.monotonic() < deadline:
        for node in walk(app):
            try:
                if (node.getRoleName() in roles
                        and node.getState().contains(pyatspi.STATE_SHOWING)
                        and (node.childCount > 0 or not with_children)):
                    return node
            except Exception:
                continue
        time.sleep(0.5)
    return None


def _x_display():
    x11 = ctypes.CDLL("libX11.so.6")
    xtst = ctypes.CDLL("libXtst.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XStringToKeysym.restype = ctypes.c_ulong
    return x11, xtst, ctypes.c_void_p(x11.XOpenDisplay(None))


def activate_window(pid_name="vantrel"):
    """Gives the program's main window the keyboard, as a window manager
    would when it maps it: this X server has none, and until Qt hears that
    its window is active it sends no focus events."""
    listing = subprocess.run(["xwininfo", "-root", "-children"], capture_output=True,
                             text=True, check=False).stdout
    windows = [line.split()[0] for line in listing.splitlines()
               if f'("{pid_name}"' in line and re.search(r" \d{3,}x\d{3,}\+", line)]
    if not windows:
        return False
    x11, _, display = _x_display()
    x11.XSetInputFocus(display, ctypes.c_ulong(int(windows[0], 16)), 2, 0)  # RevertToParent
    x11.XFlush(display)
    x11.XCloseDisplay(display)
    time.sleep(0.5)
    return True


def press(*keys):
    """Key presses through the XTest extension, as a user's keyboard sends
    them: "Down", "space", "Control+z"."""
    x11, xtst, display = _x_display()
    aliases = {"Control": "Control_L", "Shift": "Shift_L"}
    for combination in keys:
        names = [aliases.get(name, name) for name in combination.split("+")]
        codes = [x11.XKeysymToKeycode(display, ctypes.c_ulong(x11.XStringToKeysym(name.encode())))
                 for name in names]
        for code in codes:
            xtst.XTestFakeKeyEvent(display, code, True, 0)
        for code in reversed(codes):
            xtst.XTestFakeKeyEvent(display, code, False, 0)
        x11.XFlush(display)
        time.sleep(0.15)
    x11.XCloseDisplay(display)


class EventLog:
    """The program's events of the given types, as (type, role, name, detail1)."""

    def __init__(self, pyatspi, types):
        from gi.repository import GLib
        self.pyatspi = pyatspi
        self.context = GLib.MainContext.default()
        self.types = types
        self.events = []
        pyatspi.Registry.registerEventListener(self.record, *types)

    def record(self, event):
        try:
            source = event.source
            self.events.append((event.type, source.getRoleName(), source.name or "",
                                event.detail1))
        except Exception:  # the object went away before it was asked
            pass

    def wait(self, seconds):
        """Lets the events of the next seconds arrive."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            while self.context.iteration(False):
                pass
            time.sleep(0.05)

    def take(self):
        taken, self.events = self.events, []
        return taken

    def close(self):
        self.pyatspi.Registry.deregisterEventListener(self.record, *self.types)
