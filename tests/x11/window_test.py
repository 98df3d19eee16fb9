"""The built program on a real X server under openbox, used as a person would use it."""

import sys
import time
import unittest

from Xlib import X, Xatom

from xsession import XSession, wait_until

PROGRAM = sys.argv.pop(1)

CLIENT = (457, 248)
DISPLAY_STRIP = (0, 8, 457, 41)
LABEL = (0, 208, 465, 33)
FACES = {"green": (0, 255, 0), "orange": (255, 128, 0), "grey": (128, 128, 128)}
ORANGE = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36}
STRIP_BACKGROUND = (192, 255, 255)
RED = (255, 0, 0)
BLUE = (0, 0, 255)


def button_rect(value):
    """A number button's rectangle in the client area, from the frame's origin at (0, 48)."""
    if value == 0:
        return (16, 48 + 32, 33, 89)
    column, row = (value - 1) // 3, 2 - (value - 1) % 3
    return (56 + 32 * column, 48 + 32 + 32 * row, 25, 25)


def face_of(value):
    return FACES["green" if value == 0 else "orange" if value in ORANGE else "grey"]


class RunningProgram:
    """The program started on the session, its window found and first painted."""

    def __init__(self, session, program=PROGRAM):
        self.session = session
        self.process = session.start([program])
        self.window = session.window_of(self.process)
        wait_until(lambda: self.pixel(4, DISPLAY_STRIP[1] + 4) == STRIP_BACKGROUND,
                   what="the first frame")

    def origin(self):
        left, top, _, _ = self.session.geometry(self.window)
        return left, top

    def shot(self):
        left, top = self.origin()
        return self.session.screenshot(left, top, CLIENT[0], CLIENT[1]), left, top

    def pixel(self, x, y):
        left, top = self.origin()
        return self.session.screenshot(left + x, top + y, 1, 1).pixel(left + x, top + y)

    def red_in_display(self):
        shot, left, top = self.shot()
        x, y, width, height = DISPLAY_STRIP
        return shot.count(RED, left + x, top + y, width, height)

    def click_number(self, value):
        left, top = self.origin()
        x, y, width, height = button_rect(value)
        self.session.click(left + x + width // 2, top + y + height // 2)

    def end(self):
        return self.session.end(self.process)


class WindowOnX11(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = XSession(window_manager="openbox")

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def setUp(self):
        self.program = RunningProgram(self.session)
        self.addCleanup(self.program.end)

    def test_fixed_client_area_and_frame_hints(self):
        session, window = self.session, self.program.window
        self.assertEqual(session.geometry(window)[2:], CLIENT)

        hints = window.get_wm_normal_hints()
        self.assertEqual((hints.min_width, hints.min_height), CLIENT)
        self.assertEqual((hints.max_width, hints.max_height), CLIENT)

        flags, functions, decorations = session.property(window, "_MOTIF_WM_HINTS")[:3]
        resize, move, minimize, maximize, close = 1 << 1, 1 << 2, 1 << 3, 1 << 4, 1 << 5
        self.assertEqual(flags & 3, 3)
        self.assertEqual(functions, move | close)
        self.assertFalse(decorations & (1 << 0 | 1 << 2 | 1 << 5 | 1 << 6))  # all, resize, min, max
        self.assertFalse(functions & (resize | minimize | maximize))

        allowed = session.atoms(window, "_NET_WM_ALLOWED_ACTIONS")
        self.assertIn("_NET_WM_ACTION_CLOSE", allowed)
        self.assertNotIn("_NET_WM_ACTION_RESIZE", allowed)
        self.assertNotIn("_NET_WM_ACTION_MAXIMIZE_HORZ", allowed)
        self.assertEqual(session.property(window, "WM_NAME"), b"KORVEX-DUVIDU RIVOVIV")

    def test_screen_shows_the_exact_colours(self):
        shot, left, top = self.program.shot()
        for value in range(37):
            x, y, width, height = button_rect(value)
            for px, py in ((x + 4, y + 4), (x + width - 5, y + height - 5), (x + 4, y + height - 5)):
                with self.subTest(value=value, point=(px, py)):
                    self.assertEqual(shot.pixel(left + px, top + py), face_of(value))
        x, y, width, height = DISPLAY_STRIP
        for px, py in ((x, y), (x + width - 1, y), (x + width // 2, y + height // 2),
                       (x, y + height - 2), (x + width - 1, y + height - 2)):
            self.assertEqual(shot.pixel(left + px, top + py), STRIP_BACKGROUND, (px, py))
        self.assertEqual(shot.count(RED, left + x, top + y, width, height), 0)

        x, y, width, height = LABEL
        blue = shot.count(BLUE, left + x, top + y, CLIENT[0], height)
        self.assertGreater(blue, 200)
        # The line begins with eight blanks: nothing is drawn at its very start.
        self.assertEqual(shot.count(BLUE, left, top + y, 30, height), 0)
        print("pixel samples: zero %s, one %s, two %s, strip %s, blue line pixels %d" % (
            shot.pixel(left + 20, top + 90), shot.pixel(left + 60, top + 148),
            shot.pixel(left + 60, top + 116), shot.pixel(left + 4, top + 12), blue))

    def test_a_real_click_on_17_shows_its_line_in_red_centred(self):
        self.program.click_number(17)
        red = wait_until(self.program.red_in_display, what="red text")
        shot, left, top = self.program.shot()
        x, y, width, height = DISPLAY_STRIP
        columns = [px for px in range(width)
                   if any(shot.pixel(left + px, top + py) == RED for py in range(y, y + height))]
        middle = (columns[0] + columns[-1]) / 2
        self.assertLess(abs(middle - width / 2), 4, "the line is not centred: %s" % middle)
        self.assertEqual(shot.pixel(left + 4, top + y + 4), STRIP_BACKGROUND)
        print("after a click on 17: %d red pixels, columns %d to %d" % (red, columns[0], columns[-1]))

    def test_window_manager_cannot_resize_minimize_or_maximize_it(self):
        session, window = self.session, self.program.window
        before = session.geometry(window)
        window.configure(width=800, height=600)
        session.display.sync()
        maximize = ["_NET_WM_STATE_MAXIMIZED_HORZ", "_NET_WM_STATE_MAXIMIZED_VERT"]
        session.client_message(window, "_NET_WM_STATE", [1] + [session.atom(a) for a in maximize])
        session.client_message(window, "_NET_WM_STATE", [1, session.atom("_NET_WM_STATE_FULLSCREEN")])
        time.sleep(0.5)
        self.assertEqual(session.geometry(window)[2:], CLIENT)
        self.assertEqual(session.geometry(window), before)

        iconic = 3
        session.client_message(window, "WM_CHANGE_STATE", [iconic])
        time.sleep(0.3)
        wait_until(lambda: window.get_attributes().map_state == X.IsViewable,
                   what="the window to return")
        self.assertEqual(session.geometry(window)[2:], CLIENT)
        self.assertNotIn("_NET_WM_STATE_HIDDEN", session.atoms(window, "_NET_WM_STATE"))

    def test_close_through_the_window_manager_ends_with_status_0(self):
        self.session.client_message(self.program.window, "_NET_CLOSE_WINDOW", [X.CurrentTime, 2])
        self.assertEqual(self.program.process.wait(10), 0)

    def test_alt_f4_ends_with_status_0(self):
        self.session.activate(self.program.window)
        wait_until(lambda: self.session.active_window() == self.program.window.id,
                   what="activation")
        self.session.key("F4", "Alt_L")
        self.assertEqual(self.program.process.wait(10), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
