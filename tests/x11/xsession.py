"""A private X server, an optional window manager and the programs under test, for tests that
use the program as a person would: real X input, real window-manager requests, screenshots.

Every process is started here and ended here by its own id; the X server picks its own display
number (-displayfd), so other X servers on the machine are never touched."""

import os
import shutil
import signal
import subprocess
import tempfile
import time

from Xlib import X, Xatom, XK, display, error, protocol
from Xlib.ext import xtest


class Timeout(AssertionError):
    pass


def wait_until(predicate, timeout=10.0, what="condition"):
    deadline = time.monotonic() + timeout
    while True:
        result = predicate()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Timeout("timed out waiting for " + what)
        time.sleep(0.02)


class Screenshot:
    def __init__(self, x, y, width, height, data):
        self.x, self.y, self.width, self.height, self.data = x, y, width, height, data

    def pixel(self, x, y):
        """The colour at screen point (x, y) as (red, green, blue)."""
        offset = ((y - self.y) * self.width + (x - self.x)) * 4
        blue, green, red = self.data[offset], self.data[offset + 1], self.data[offset + 2]
        return (red, green, blue)

    def count(self, colour, left, top, width, height):
        return sum(1 for y in range(top, top + height) for x in range(left, left + width)
                   if self.pixel(x, y) == colour)


class XSession:
    def __init__(self, screen="1024x768", dpi=96, window_manager="openbox"):
        self.processes = []
        self.scratch = tempfile.mkdtemp(prefix="project1-x-")
        os.chmod(self.scratch, 0o700)
        self.env = dict(os.environ)
        for name in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "QT_SCALE_FACTOR", "XAUTHORITY"):
            self.env.pop(name, None)
        self.env["XDG_RUNTIME_DIR"] = self.scratch
        self.env["XDG_CONFIG_HOME"] = os.path.join(self.scratch, "config")
        self.env["HOME"] = self.scratch
        try:
            self._start_server(screen, dpi)
            if window_manager:
                self.start_window_manager(window_manager)
        except BaseException:
            self.close()
            raise

    # --- processes ---------------------------------------------------------------------------

    def _start_server(self, screen, dpi):
        reader, writer = os.pipe()
        server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(writer), "-screen", "0", screen + "x24", "-dpi", str(dpi),
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(writer,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=self.env)
        os.close(writer)
        self.processes.append(server)
        self.server = server
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(reader, 16)
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            number += chunk
        os.close(reader)
        self.name = ":" + number.decode().strip()
        self.env["DISPLAY"] = self.name
        self.display = display.Display(self.name)
        self.root = self.display.screen().root

    def start(self, argv, **options):
        options.setdefault("stdout", subprocess.DEVNULL)
        options.setdefault("stderr", subprocess.PIPE)
        process = subprocess.Popen(argv, env=options.pop("env", self.env), **options)
        self.processes.append(process)
        return process

    def start_window_manager(self, kind):
        if kind == "openbox":
            self.window_manager = self.start(["openbox", "--sm-disable"])
            wait_until(lambda: self.supporting_wm(), what="openbox")
        else:
            self.window_manager = self.start([kind])
            wait_until(self._redirect_taken, what=kind)

    def _redirect_taken(self):
        """True once some client (a window manager) holds the root's substructure redirect."""
        probe = display.Display(self.name)
        try:
            probe.screen().root.change_attributes(event_mask=X.SubstructureRedirectMask)
            probe.sync()
            return False
        except error.BadAccess:
            return True
        finally:
            probe.close()

    def end(self, process, timeout=10):
        """Ends one process by its id; gives its exit status."""
        if process.poll() is None:
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(timeout)
            except subprocess.TimeoutExpired:
                process.kill()
        return process.wait()

    def close(self):
        for process in reversed(self.processes):
            self.end(process, timeout=5)
        for process in self.processes:
            for stream in (process.stdout, process.stderr):
                if stream:
                    stream.close()
        self.processes = []
        try:
            self.display.close()
        except Exception:
            pass
        shutil.rmtree(self.scratch, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.close()

    # --- properties --------------------------------------------------------------------------

    def atom(self, name):
        return self.display.intern_atom(name)

    def atom_name(self, atom):
        return self.display.get_atom_name(atom)

    def property(self, window, name, kind=X.AnyPropertyType):
        try:
            value = window.get_full_property(self.atom(name), kind)
        except error.BadWindow:
            return None
        return None if value is None else value.value

    def atoms(self, window, name):
        value = self.property(window, name, Xatom.ATOM)
        return [] if value is None else [self.atom_name(atom) for atom in value]

    def supporting_wm(self):
        value = self.property(self.root, "_NET_SUPPORTING_WM_CHECK", Xatom.WINDOW)
        return value[0] if value is not None and len(value) else None

    def stacking(self):
        value = self.property(self.root, "_NET_CLIENT_LIST_STACKING", Xatom.WINDOW)
        return [] if value is None else list(value)

    def active_window(self):
        value = self.property(self.root, "_NET_ACTIVE_WINDOW", Xatom.WINDOW)
        return value[0] if value is not None and len(value) else 0

    # --- windows -----------------------------------------------------------------------------

    def client_windows(self, window=None):
        window = window or self.root
        for child in window.query_tree().children:
            if self.property(child, "WM_STATE") is not None or self.property(child, "_NET_WM_PID"):
                yield child
            else:
                yield from self.client_windows(child)

    def window_of(self, process, timeout=15):
        """The top-level window of a started process, once it is mapped."""
        def find():
            if process.poll() is not None:
                raise AssertionError("the program ended early with status %s: %s" % (
                    process.returncode, process.stderr.read().decode(errors="replace")))
            for window in self.client_windows():
                pid = self.property(window, "_NET_WM_PID", Xatom.CARDINAL)
                try:
                    viewable = window.get_attributes().map_state == X.IsViewable
                except error.BadWindow:
                    continue
                if pid is not None and pid[0] == process.pid and viewable:
                    return window
            return None
        return wait_until(find, timeout, "the window of process %d" % process.pid)

    def geometry(self, window):
        """The client area's (left, top, width, height) on the screen."""
        size = window.get_geometry()
        origin = window.translate_coords(self.root, 0, 0)
        return (-origin.x, -origin.y, size.width, size.height)

    def make_window(self, left, top, width, height, colour=0xff00ff, title="other"):
        window = self.root.create_window(left, top, width, height, 0, X.CopyFromParent,
                                         background_pixel=colour,
                                         event_mask=X.ExposureMask | X.StructureNotifyMask)
        window.set_wm_name(title)
        window.map()
        self.display.sync()
        return window

    def client_message(self, window, name, data, to=None):
        event = protocol.event.ClientMessage(window=window, client_type=self.atom(name),
                                             data=(32, (list(data) + [0] * 5)[:5]))
        mask = X.SubstructureRedirectMask | X.SubstructureNotifyMask
        (to or self.root).send_event(event, event_mask=mask if to is None else 0)
        self.display.sync()

    def activate(self, window):
        self.client_message(window, "_NET_ACTIVE_WINDOW", [1, X.CurrentTime, 0])

    # --- pixels and input --------------------------------------------------------------------

    def screenshot(self, left=0, top=0, width=None, height=None):
        screen = self.display.screen()
        width = width or screen.width_in_pixels - left
        height = height or screen.height_in_pixels - top
        image = self.root.get_image(left, top, width, height, X.ZPixmap, 0xffffffff)
        return Screenshot(left, top, width, height, image.data)

    def click(self, x, y, button=1):
        xtest.fake_input(self.display, X.MotionNotify, x=x, y=y)
        xtest.fake_input(self.display, X.ButtonPress, button)
        xtest.fake_input(self.display, X.ButtonRelease, button)
        self.display.sync()

    def key(self, name, *modifiers):
        codes = [self.display.keysym_to_keycode(XK.string_to_keysym(m)) for m in modifiers]
        code = self.display.keysym_to_keycode(XK.string_to_keysym(name))
        for modifier in codes:
            xtest.fake_input(self.display, X.KeyPress, modifier)
        xtest.fake_input(self.display, X.KeyPress, code)
        xtest.fake_input(self.display, X.KeyRelease, code)
        for modifier in reversed(codes):
            xtest.fake_input(self.display, X.KeyRelease, modifier)
        self.display.sync()
