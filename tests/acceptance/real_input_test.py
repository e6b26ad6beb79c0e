#!/usr/bin/env python3
"""The real program driven by real input: X pointer and key events (XTest, through
xdotool) on the test display, as a user's mouse and keyboard make them, and pictures of
what the screen shows (the root window's). Each scenario copies the built program into a
fresh folder, starts it under Wine in a music folder and waits on what can be seen from
outside: its windows, the files it writes and its exit code; every wait has a time-out
that fails the scenario.

Run by CTest in the Windows build, with the display and Wine prefix of scripts/wine-env.sh:
    real_input_test.py PROGRAM_FOLDER SCREENSHOT_FOLDER [unittest arguments]
Wine shows its windows unmanaged (no window manager), so the keyboard goes to the window
under the pointer: the pointer rests on the window a key is meant for.
"""

import contextlib
import ctypes
import ctypes.util
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

MAIN_CAPTION = "Velorandquistmar 0.4.8"
EDITOR_CAPTION = "ID3v1 + ID3v2 Editor"
PROGRAM_CLASS = "velorandquistmar.exe"
DEFAULT_SIZE = (740, 540)
TIMEOUT = 20.0  # generous for a loaded machine; a working program answers in well under a second

PROGRAM_FOLDER = ""
REPOSITORY = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SCREENSHOT_FOLDER = ""


def poll(condition, timeout):
    """Polls condition until it gives something true, which is returned; None after timeout."""
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            return None
        time.sleep(0.03)


def wait_until(condition, what, timeout=TIMEOUT):
    """Polls condition until it gives something true, which is returned; fails after timeout."""
    value = poll(condition, timeout)
    if not value:
        try:
            shot = save_picture("timed-out")
        except Exception:  # the picture only helps; the failure is the time-out
            shot = "no picture"
        raise AssertionError("timed out waiting for %s (the screen then: %s)" % (what, shot))
    return value


# --- The X display ---------------------------------------------------------------------------

def run(*command, check=True):
    """A command's output; one that does not end within the time-out fails the scenario."""
    try:
        return subprocess.run(command, check=check, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                              text=True, timeout=TIMEOUT).stdout
    except subprocess.TimeoutExpired:
        raise AssertionError("%s did not end" % " ".join(command)) from None


def xdotool(*arguments):
    run("xdotool", *[str(a) for a in arguments])


class Window:
    """A mapped top-level X window of the program: its id, name and place on the screen."""

    def __init__(self, wid):
        self.id = wid
        self.name = run("xdotool", "getwindowname", wid, check=False).strip()
        shape = dict(line.split("=", 1) for line in
                     run("xdotool", "getwindowgeometry", "--shell", wid, check=False).split())
        self.x, self.y = int(shape.get("X", 0)), int(shape.get("Y", 0))
        self.width, self.height = int(shape.get("WIDTH", 0)), int(shape.get("HEIGHT", 0))

    def size(self):
        return (self.width, self.height)

    def point(self, x, y):
        """A point given from the window's top-left corner (negative: from its right or bottom)."""
        return (self.x + (x if x >= 0 else self.width + x), self.y + (y if y >= 0 else self.height + y))

    def __repr__(self):
        return "%s %r %dx%d+%d+%d" % (self.id, self.name, self.width, self.height, self.x, self.y)


def program_windows():
    """The program's mapped windows that have a size (the application's own 1x1 window aside)."""
    ids = run("xdotool", "search", "--onlyvisible", "--classname", "^%s$" % PROGRAM_CLASS, check=False).split()
    windows = [Window(wid) for wid in ids]
    return [w for w in windows if w.width > 1 and w.height > 1]


def window_named(name):
    found = [w for w in program_windows() if w.name == name]
    return found[0] if found else None


def popups():
    """The unnamed windows: open menus."""
    return [w for w in program_windows() if not w.name]


def move_to(point):
    xdotool("mousemove", point[0], point[1])


def click(point, button=1):
    xdotool("mousemove", point[0], point[1], "click", button)


def double_click(point):
    xdotool("mousemove", point[0], point[1], "click", "--repeat", 2, "--delay", 60, 1)


def drag(start, end, followed):
    """Presses the left button at start, moves to end and releases the button there, each
    step once followed(point) says the program has taken the move (a move it missed is
    made again, from one pixel short). Whether the program followed to the end: a press
    that came while it was busy, or a sizing loop that ended early, leaves it short."""
    xdotool("mousemove", start[0], start[1], "mousedown", 1)
    reached = False
    for point in [((start[0] + end[0]) // 2, (start[1] + end[1]) // 2), end]:
        for _ in range(3):
            xdotool("mousemove", point[0] - (point[0] > start[0]), point[1] - (point[1] > start[1]))
            xdotool("mousemove", point[0], point[1])
            reached = poll(lambda: followed(point), 1.0)
            if reached:
                break
        if not reached:
            break
    xdotool("mouseup", 1)
    return reached


def act_until(action, condition, what, attempts=3, each=3.0):
    """Acts until condition gives something true, which is returned: input the program
    never took (it came while the program was busy) is given again after a while."""
    for _ in range(attempts - 1):
        action()
        value = poll(condition, each)
        if value:
            return value
    action()
    return wait_until(condition, what)


def keys(*names):
    """Presses and releases each key (or combination such as alt+space) in turn."""
    xdotool("key", "--delay", 30, *names)


def type_text(text):
    xdotool("type", "--delay", 20, text)


def save_picture(name, window=None):
    """Saves what the screen shows of a window (the whole screen when none is given) as
    SCREENSHOT_FOLDER/real-input-<name>.png and gives its path."""
    os.makedirs(SCREENSHOT_FOLDER, exist_ok=True)
    path = os.path.join(SCREENSHOT_FOLDER, "real-input-%s.png" % name)
    area = None if window is None else (window.x, window.y, window.width, window.height)
    picture = settled(lambda: screen_picture(area))
    with open(path, "wb") as out:
        subprocess.run(["pnmtopng"], input=pnm(picture), stdout=out, stderr=subprocess.DEVNULL, check=True)
    return path


def settled(take, attempts=40):
    """A picture once two looks 50 ms apart agree: a window that has just been resized or
    shown is still painting its parts."""
    picture = take()
    for _ in range(attempts):
        time.sleep(0.05)
        again = take()
        if again == picture:
            break
        picture = again
    return picture


def screen_picture(area=None):
    """What the screen shows: the root window's picture, of an area (left, top, width,
    height; cut to the screen) or of the whole screen, as (width, height, RGB bytes). One
    GetImage of the root: xwd -root instead reads each window by its colormap and takes a
    window that lies within a lower one of the same colormap (a menu, list or dialog over
    the main window) from the lower one, which gives black there, or under a compositor
    what the lower window holds."""
    display = X.display()
    if area is None:
        area = (0, 0, X.lib.XDisplayWidth(display, 0), X.lib.XDisplayHeight(display, 0))
    left, top, width, height = area
    right = min(left + width, X.lib.XDisplayWidth(display, 0))
    bottom = min(top + height, X.lib.XDisplayHeight(display, 0))
    left, top = max(left, 0), max(top, 0)
    return X.picture(X.lib.XDefaultRootWindow(display), left, top, right - left, bottom - top)


def own_picture(window):
    """A window's own picture (GetImage of the window itself), as screen_picture gives one;
    None once the window is gone."""
    return X.picture(int(window.id), 0, 0, window.width, window.height)


def colours(picture):
    """The distinct colours of a picture."""
    rgb = picture[2]
    return set(zip(rgb[0::3], rgb[1::3], rgb[2::3]))


def pnm(picture):
    width, height, rgb = picture
    return b"P6\n%d %d\n255\n" % (width, height) + rgb


def picture_bytes(window, area):
    """What the screen shows of a window's rectangle (left, top, width, height)."""
    left, top, width, height = area
    return screen_picture((window.x + left, window.y + top, width, height))[2]


class X:
    """GetImage through Xlib, on one connection to the test display."""

    class Image(ctypes.Structure):
        _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                    ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                    ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                    ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int),
                    ("red_mask", ctypes.c_ulong), ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]

    lib = ctypes.CDLL(ctypes.util.find_library("X11"))
    lib.XOpenDisplay.restype = ctypes.c_void_p
    lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    lib.XDefaultRootWindow.restype = ctypes.c_ulong
    lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    lib.XDisplayWidth.argtypes = lib.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
    lib.XGetImage.restype = ctypes.POINTER(Image)
    lib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                              ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    lib.XDestroyImage.argtypes = [ctypes.POINTER(Image)]
    lib.XInternAtom.restype = ctypes.c_ulong
    lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    lib.XGetSelectionOwner.restype = ctypes.c_ulong
    lib.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    # A window that went away answers GetImage with an error, which must not end the test.
    ErrorHandler = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
    ignore_errors = ErrorHandler(lambda display, event: 0)
    lib.XSetErrorHandler.argtypes = [ErrorHandler]
    _display = None

    @classmethod
    def display(cls):
        if cls._display is None:
            cls.lib.XSetErrorHandler(cls.ignore_errors)
            cls._display = cls.lib.XOpenDisplay(None)
            if not cls._display:
                raise AssertionError("no X display")
        return cls._display

    @classmethod
    def picture(cls, drawable, left, top, width, height):
        """(width, height, RGB bytes) of a drawable's area; None when X refuses it."""
        image = cls.lib.XGetImage(cls.display(), drawable, left, top, width, height, 0xFFFFFFFF, 2)  # ZPixmap
        if not image:
            return None
        try:
            i = image.contents
            if (i.bits_per_pixel, i.byte_order, i.red_mask, i.green_mask, i.blue_mask) != (32, 0, 0xFF0000, 0xFF00, 0xFF):
                raise AssertionError("a picture in a pixel format other than the test display's 32-bit BGRX")
            rows = ctypes.string_at(i.data, i.bytes_per_line * height)
            pixels = b"".join(rows[y * i.bytes_per_line:y * i.bytes_per_line + width * 4] for y in range(height))
            rgb = bytearray(width * height * 3)
            rgb[0::3], rgb[1::3], rgb[2::3] = pixels[2::4], pixels[1::4], pixels[0::4]
            return (width, height, bytes(rgb))
        finally:
            cls.lib.XDestroyImage(image)

    @classmethod
    def composited(cls):
        """Whether a compositing manager runs on the display (it owns _NET_WM_CM_S0)."""
        atom = cls.lib.XInternAtom(cls.display(), b"_NET_WM_CM_S0", 0)
        return cls.lib.XGetSelectionOwner(cls.display(), atom) != 0


# --- Files -----------------------------------------------------------------------------------

def mp3(title, artist, album, frames=150, track=1):
    """Silent MPEG-1 Layer III frames (128 kbit/s, 44.1 kHz; enough for the tag editor to take
    the file for audio) with an ID3v1.1 tag."""
    frame = b"\xff\xfb\x90\x64" + bytes(413)
    field = lambda text, size: text.encode("cp1252")[:size].ljust(size, b"\0")
    tag = b"TAG" + field(title, 30) + field(artist, 30) + field(album, 30) + b"2003" + bytes(28) + \
        b"\0" + bytes([track]) + b"\x0d"
    return frame * frames + tag


def read_bytes(path):
    with open(path, "rb") as file:
        return file.read()


def id3v1_title(data):
    return data[-125:-95].rstrip(b"\0 ").decode("cp1252")


def settings_values(path):
    """'Section/Key' -> value of an INI file."""
    values, section = {}, ""
    with open(path, encoding="cp1252") as text:
        for line in text.read().splitlines():
            line = line.strip()
            if line.startswith("["):
                section = line[1:-1]
            elif "=" in line:
                key, value = line.split("=", 1)
                values[section + "/" + key] = value
    return values


# --- The scenarios ---------------------------------------------------------------------------

class RealInput(unittest.TestCase):
    """Each scenario starts the program in a fresh copy; the music folder has the name a user's
    would have, on the Wine prefix's drive C (its pictures show it in the status bar)."""

    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="real-input-")
        self.prog = os.path.join(self.root, "prog")
        os.makedirs(self.prog)
        shutil.copy(os.path.join(PROGRAM_FOLDER, "Velorandquistmar.exe"), self.prog)
        shutil.copytree(os.path.join(PROGRAM_FOLDER, "languages"), os.path.join(self.prog, "languages"))
        self.music = os.path.join(os.environ["WINEPREFIX"], "drive_c", "Music", "Northern Lights - Coastline")
        shutil.rmtree(self.music, ignore_errors=True)
        os.makedirs(self.music)
        for number, title in enumerate(["Harbour Song", "Tidewater", "Lantern"], 1):
            self.write_music("%02d - Northern Lights - %s.mp3" % (number, title),
                             mp3(title, "Northern Lights", "Coastline"))
        self.processes = []
        self.log = open(os.path.join(self.root, "wine.log"), "wb")

    def tearDown(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
                process.wait()
        self.log.close()
        shutil.rmtree(self.root, ignore_errors=True)
        shutil.rmtree(self.music, ignore_errors=True)

    def write_music(self, name, data):
        with open(os.path.join(self.music, name), "wb") as file:
            file.write(data)

    def music_files(self):
        return sorted(os.listdir(self.music))

    @property
    def settings_path(self):
        return os.path.join(self.prog, "Settings.ini")

    def settings(self):
        return settings_values(self.settings_path)

    def start_without_waiting(self):
        self.processes.append(subprocess.Popen(["wine", os.path.join(self.prog, "Velorandquistmar.exe")],
                                               cwd=self.music, stdin=subprocess.DEVNULL, stdout=self.log,
                                               stderr=self.log))

    def start(self):
        """Starts the program; its main window, once shown (None for a second start)."""
        self.start_without_waiting()
        if len(self.processes) > 1:
            return None
        main = wait_until(lambda: window_named(MAIN_CAPTION), "the main window")
        wait_until(lambda: os.path.exists(self.settings_path), "the settings written at the first start")
        return main

    def main(self):
        return wait_until(lambda: window_named(MAIN_CAPTION), "the main window")

    def start_over_the_file_limit(self):
        """Starts the program in a folder of 1,000 files; the file limit warning, once shown."""
        frame = mp3("Sea", "Northern Lights", "Coastline", frames=2)
        for number in range(4, 1001):
            self.write_music("%04d - Northern Lights - Sea.mp3" % number, frame)
        self.start_without_waiting()
        return wait_until(lambda: window_named("Warning"), "the file limit warning")

    def start_by_the_run_command(self, folder):
        """Starts the built program as a user does, by the README's run command on this
        display, in folder; its exit code."""
        run = os.path.join(REPOSITORY, "scripts", "run.sh")
        return subprocess.run([run, folder], stdin=subprocess.DEVNULL, stdout=self.log, stderr=self.log,
                              timeout=300).returncode

    def exit_code(self, process=None):
        process = process or self.processes[0]
        try:
            return process.wait(TIMEOUT)
        except subprocess.TimeoutExpired:
            self.fail("the program did not end (a crash waits in the debugger): " + self.wine_log())

    def wine_log(self):
        self.log.flush()
        with open(self.log.name, "rb") as log:
            return log.read().decode("latin-1")[-2000:]

    def rest_pointer_on(self, window):
        """The pointer on the window's status bar, where it touches nothing, so that keys go to it."""
        move_to(window.point(window.width // 3, -10))

    def preview_a_replacement(self, main, text, by):
        """Types a replacement into the rename panel and previews it: Rename is enabled."""
        click(main.point(215, 361))  # "replace :"
        type_text(text)
        click(main.point(215, 385))  # "by :"
        type_text(by)
        rename_button = (280, 482, 180, 24)
        disabled = picture_bytes(main, rename_button)
        click(main.point(67, 493))  # Preview
        wait_until(lambda: picture_bytes(main, rename_button) != disabled, "Rename enabled by the preview")

    def open_the_tag_editor(self, main):
        """Selects every file (F2) and opens the tag editor by Read ID3Tags; the editor."""
        self.rest_pointer_on(main)
        keys("F2")
        click(main.point(370, 493))  # Read ID3Tags
        return wait_until(lambda: window_named(EDITOR_CAPTION), "the tag editor")

    def close_the_settings_and_exit(self, settings, main):
        """Closes the settings dialog by Escape, then the program by Escape: code 0."""
        self.rest_pointer_on(settings)
        keys("Escape")
        wait_until(lambda: window_named("Settings") is None, "the settings dialog closed by Escape")
        self.rest_pointer_on(main)
        keys("Escape")
        self.assertEqual(self.exit_code(), 0, self.wine_log())

    def close_the_tag_editor_and_exit(self, editor, main):
        """Closes the tag editor by its button, then the program by Escape: code 0."""
        click(editor.point(752, 531))  # Close
        wait_until(lambda: window_named(EDITOR_CAPTION) is None, "the tag editor closed")
        self.rest_pointer_on(main)
        keys("Escape")
        self.assertEqual(self.exit_code(), 0, self.wine_log())

    def resize_by_edges(self, main, dx, dy):
        """Drags the right edge by dx and the bottom edge by dy (again from where the edge is,
        when a drag fell short); the resized main window."""
        width, height = main.width + dx, main.height + dy
        for _ in range(3):
            main = self.main()
            if main.width != width:
                right = main.point(-2, main.height // 2)
                drag(right, (right[0] + width - main.width, right[1]),
                     lambda at, left=main.x: self.main().width == at[0] + 2 - left)
            main = self.main()
            if main.height != height:
                bottom = main.point(main.width // 2, -2)
                drag(bottom, (bottom[0], bottom[1] + height - main.height),
                     lambda at, top=main.y: self.main().height == at[1] + 2 - top)
            main = self.main()
            if main.size() == (width, height):
                return main
        self.fail("the edges' drags left the window at %s, not %s" % (main.size(), (width, height)))

    def maximize(self, main):
        return act_until(lambda: click(main.point(-51, 13)),  # the caption's maximize button
                         lambda: (w := self.main()).width > main.width and w.x <= 0 and w, "the maximized window")

    def drag_frame(self, window, at, by, caption=MAIN_CAPTION):
        """Drags a window's frame from point at (given from its top-left corner) by (dx, dy):
        by the caption it moves, by the top border its top edge goes; the window after,
        which must have followed to the end."""
        start = window.point(*at)
        end = (start[0] + by[0], start[1] + by[1])
        now = lambda: wait_until(lambda: window_named(caption), "the window " + caption)
        followed = lambda point: (w := now()).x == window.x + point[0] - start[0] and \
            w.y == window.y + point[1] - start[1]
        self.assertTrue(drag(start, end, followed), "the window did not follow the drag")
        return now()

    def assert_no_press_left(self, main, name):
        """After a drag by the frame: nothing opens; a click on a panel lands on the control
        under it (a check box there is ticked or cleared, which shows once the pointer has
        left it), and Down, Return then open nothing: the window keeps its place, size and
        state."""
        self.assertIsNone(poll(lambda: popups(), 1.0), "a menu opened after the drag by the " + name)
        check_box = (26, main.height - 139, 14, 14)  # "Multiple" on the rename panel
        before = picture_bytes(main, check_box)
        click(main.point(33, -132))
        self.rest_pointer_on(main)
        wait_until(lambda: window_named(MAIN_CAPTION) is None or picture_bytes(main, check_box) != before,
                   "the click on the panel after the drag by the %s to land there" % name)
        self.assertIsNotNone(window_named(MAIN_CAPTION), "the click after the drag by the %s closed the window" % name)
        keys("Down", "Return")
        self.assert_nothing_opens_and_the_window_stays(main, MAIN_CAPTION, "Down, Return after the drag by the " + name)

    def assert_nothing_opens_and_the_window_stays(self, window, caption, what):
        """No menu opens for a while, and the window keeps its place, size and state."""
        kept = lambda: (w := window_named(caption)) is not None and \
            (w.x, w.y, w.size()) == (window.x, window.y, window.size())
        self.assertIsNone(poll(lambda: popups() or not kept(), 1.0),
                          "%s: menus %s, window %s" % (what, popups(), window_named(caption)))

    def assert_ended_with_placement(self, size, replaced_from):
        """The program ended with code 0, having written the placement: the settings file was
        replaced (it is written whole to a stand-in) and holds size."""
        self.assertEqual(self.exit_code(), 0, self.wine_log())
        self.assertNotEqual(os.stat(self.settings_path).st_ino, replaced_from, "the placement was not written")
        values = self.settings()
        self.assertEqual((int(values["FileEditor/WindowWidth"]), int(values["FileEditor/WindowHeight"])), size)

    # Ways out after a resize or a maximize: the placement is written, the exit code is 0.

    def test_an_edge_resize_then_escape_writes_the_size_and_ends_with_code_zero(self):
        main = self.start()
        written = os.stat(self.settings_path).st_ino
        main = self.resize_by_edges(main, 90, 40)
        self.rest_pointer_on(main)
        keys("Escape")
        self.assert_ended_with_placement((DEFAULT_SIZE[0] + 90, DEFAULT_SIZE[1] + 40), written)
        # The next start comes back in that size.
        self.processes.clear()
        main = self.start()
        self.assertEqual(main.size(), (DEFAULT_SIZE[0] + 90, DEFAULT_SIZE[1] + 40))
        self.rest_pointer_on(main)
        keys("Escape")
        self.assertEqual(self.exit_code(), 0)

    def test_maximize_then_program_exit_from_the_menu_by_the_mouse(self):
        main = self.start()
        written = os.stat(self.settings_path).st_ino
        main = self.resize_by_edges(main, 60, 0)
        main = self.maximize(main)
        save_picture("maximized", main)
        click(main.point(40, 40))  # Program
        menu = wait_until(lambda: popups(), "the Program menu")[0]
        click(menu.point(menu.width // 2, -12))  # its last item: Exit
        self.assert_ended_with_placement((DEFAULT_SIZE[0] + 60, DEFAULT_SIZE[1]), written)

    def test_maximize_restore_then_the_close_button_and_a_second_start_on_the_way(self):
        main = self.start()
        written = os.stat(self.settings_path).st_ino
        main = self.resize_by_edges(main, 0, 50)
        restored = main.size()
        main = self.maximize(main)
        main = act_until(lambda: click(main.point(-51, 13)),  # the same button restores
                         lambda: (w := self.main()).size() == restored and w, "the restored window")
        # A second start hands over to this one and ends at once.
        second = self.start()
        self.assertEqual(self.exit_code(self.processes[1]), 0)
        self.assertIsNone(second)
        self.assertEqual(len([w for w in program_windows() if w.name == MAIN_CAPTION]), 1)
        click(self.main().point(-20, 13))  # the caption's close button
        self.assert_ended_with_placement(restored, written)

    def test_the_system_menu_by_alt_space_down_and_enter_maximizes_and_its_close_ends(self):
        main = self.start()
        written = os.stat(self.settings_path).st_ino
        main = self.resize_by_edges(main, 40, 30)
        self.rest_pointer_on(main)
        # At typing speed: Alt comes up while the menu opens; Down then steps in the system
        # menu (Minimize, Maximize, Close) and Enter runs its command.
        keys("alt+space")
        menu = wait_until(lambda: popups(), "the system menu")[0]
        save_picture("system-menu", menu)
        keys("Down")
        time.sleep(0.1)  # nothing to wait on: Down must open no other menu
        self.assertEqual([(m.x, m.y) for m in popups()], [(menu.x, menu.y)], "Down left the system menu")
        keys("Return")
        maximized = wait_until(lambda: (w := self.main()).x <= 0 and w.width > main.width and w,
                               "the system menu's Maximize")
        self.assertEqual(popups(), [], "a menu stays open")
        self.assertEqual(self.music_files(), sorted(os.listdir(self.music)))
        # The system menu once more, Close chosen by its accelerator.
        self.rest_pointer_on(maximized)
        keys("alt+space")
        wait_until(lambda: popups(), "the system menu")
        keys("c")
        self.assert_ended_with_placement((DEFAULT_SIZE[0] + 40, DEFAULT_SIZE[1] + 30), written)

    def test_the_end_of_the_windows_session_writes_the_placement_first(self):
        main = self.start()
        written = os.stat(self.settings_path).st_ino
        main = self.resize_by_edges(main, 70, 0)
        run("wine", "wineboot", "--end-session")
        self.assert_ended_with_placement((DEFAULT_SIZE[0] + 70, DEFAULT_SIZE[1]), written)

    # Drags by the frame: the system's move and size loop takes the press that starts it.

    def test_drags_by_the_caption_both_ways_and_the_top_border_press_no_caption_button(self):
        main = self.start()
        # Each press point lies, in the window that the drag moved or sized, on a caption
        # button: the system-menu button, the close button, the close button again.
        main = self.drag_frame(main, (300, 13), (283, 0))
        self.assert_no_press_left(main, "caption to the right")
        main = self.drag_frame(main, (main.width - 150, 13), (-130, 0))
        self.assert_no_press_left(main, "caption to the left")
        main = self.drag_frame(main, (main.width - 20, 1), (0, -12))
        self.assertEqual(main.size(), (DEFAULT_SIZE[0], DEFAULT_SIZE[1] + 12))
        self.assert_no_press_left(main, "top border")
        save_picture("after-frame-drags", main)
        self.rest_pointer_on(main)
        keys("Escape")
        self.assertEqual(self.exit_code(), 0, self.wine_log())

    def test_a_double_click_in_the_client_area_below_a_caption_button_runs_nothing(self):
        main = self.start()
        editor = self.open_the_tag_editor(main)
        # After a move (the frame stops following the pointer), on the tag editor's own
        # client area right of its panels: in the frame's coordinates the close button
        # lies there.
        editor = self.drag_frame(editor, (300, 13), (-40, 0), EDITOR_CAPTION)
        double_click(editor.point(-6, 40))
        self.assert_nothing_opens_and_the_window_stays(editor, EDITOR_CAPTION, "the double-click")
        self.close_the_tag_editor_and_exit(editor, main)

    # What the screen shows of the windows that open over the main window, with and without a
    # compositing manager.

    def test_a_menu_a_drop_down_list_and_a_dialog_show_on_the_screen_with_and_without_a_compositor(self):
        main = self.start()
        pages = (8, 330, main.width - 16, 140)
        change_page = picture_bytes(main, pages)
        click(main.point(158, 318))  # the Switch page, with its section lists
        wait_until(lambda: picture_bytes(main, pages) != change_page, "the Switch page")
        combo_arrow = main.point(279, 378)  # the first "Filename before switching"
        self.assert_opened_windows_on_the_screen(main, combo_arrow, "")
        with self.compositor():
            self.assert_opened_windows_on_the_screen(main, combo_arrow, " under a compositor")
        self.rest_pointer_on(main)
        keys("Escape")
        self.assertEqual(self.exit_code(), 0, self.wine_log())

    def assert_opened_windows_on_the_screen(self, main, combo_arrow, how):
        """The system menu, a section list and the settings dialog, each opened by real input,
        show on the screen what they drew."""
        self.rest_pointer_on(main)
        keys("alt+space")
        menu = wait_until(lambda: popups(), "the system menu")[0]
        self.assert_on_the_screen(menu, "the system menu" + how)
        keys("Escape")
        wait_until(lambda: popups() == [], "the system menu closed by Escape")
        drop_down = act_until(lambda: click(combo_arrow), lambda: popups(), "the section list")[0]
        self.assert_on_the_screen(drop_down, "the section list" + how)
        click(combo_arrow)
        wait_until(lambda: popups() == [], "the section list closed by its button")
        self.rest_pointer_on(main)
        keys("alt", "Right", "Right", "Return", "Down", "Return")  # Configuration, its first item
        settings = wait_until(lambda: window_named("Settings"), "the settings dialog")
        self.assert_on_the_screen(settings, "the settings dialog" + how)
        self.rest_pointer_on(settings)
        keys("Escape")
        wait_until(lambda: window_named("Settings") is None, "the settings dialog closed by Escape")

    def assert_on_the_screen(self, window, what):
        """The screen shows, where the window is, the window's own picture, which is drawn (of
        several colours). Outside the window's shape (its rounded corners) its own picture
        is black and the screen shows what lies under it."""
        area = (window.x, window.y, window.width, window.height)

        def shown():
            own, screen = own_picture(window), screen_picture(area)
            if own is None or len(colours(own)) < 3:
                return False
            return all(own[2][i:i + 3] in (screen[2][i:i + 3], b"\0\0\0") for i in range(0, len(own[2]), 3))

        if not poll(shown, TIMEOUT):
            self.fail("%s (%r) is not on the screen: %s" % (what, window, save_picture("not-shown")))

    @contextlib.contextmanager
    def compositor(self):
        """xcompmgr running on the display, once it has taken the compositing manager's place."""
        process = subprocess.Popen(["xcompmgr"], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        try:
            wait_until(lambda: X.composited(), "xcompmgr to start compositing")
            yield
        finally:
            process.kill()
            process.wait()
            wait_until(lambda: not X.composited(), "xcompmgr gone")

    # Keys and typing.

    def test_alt_then_the_arrows_walk_the_main_menus_and_enter_opens_the_settings(self):
        main = self.start()
        self.rest_pointer_on(main)
        keys("alt")
        keys("Down")
        program = wait_until(lambda: popups(), "the Program menu by Alt and Down")
        lefts = [program[0].x]
        for menu in ["Selection", "Configuration"]:
            keys("Right")
            moved = wait_until(lambda: (p := popups()) and p[0].x > lefts[-1] and p, "the %s menu by Right" % menu)
            self.assertEqual(len(moved), 1, "more than one menu open")
            lefts.append(moved[0].x)
        save_picture("configuration-menu")
        for menu, left in [("Selection", lefts[1]), ("Program", lefts[0])]:
            keys("Left")
            wait_until(lambda: (p := popups()) and len(p) == 1 and p[0].x == left, "the %s menu by Left" % menu)
        keys("Escape", "Escape")
        wait_until(lambda: popups() == [], "the menus closed by Escape")
        # Configuration's first item by its keys: the settings dialog.
        keys("alt", "Right", "Right", "Return", "Down", "Return")
        settings = wait_until(lambda: window_named("Settings"), "the settings dialog")
        save_picture("settings", settings)
        self.close_the_settings_and_exit(settings, main)

    def test_typing_into_the_rename_panel_renames_the_selected_file(self):
        main = self.start()
        self.assertEqual(main.size(), DEFAULT_SIZE)
        self.preview_a_replacement(main, "Northern", "Southern")
        # The preview touches no file; Rename does (the first row is the one selected).
        self.assertIn("01 - Northern Lights - Harbour Song.mp3", self.music_files())
        save_picture("main-window", self.main())
        click(main.point(370, 493))  # Rename
        renamed = "01 - Southern Lights - Harbour Song.mp3"
        wait_until(lambda: renamed in self.music_files(), "the typed rename on disk")
        self.assertEqual(self.music_files(), sorted([renamed, "02 - Northern Lights - Tidewater.mp3",
                                                     "03 - Northern Lights - Lantern.mp3", "List.txt"]))
        pages = (8, 330, main.width - 16, 140)
        change_page = picture_bytes(main, pages)
        click(main.point(158, 318))  # the Switch page
        wait_until(lambda: picture_bytes(main, pages) != change_page, "the Switch page")
        save_picture("main-window-switch", self.main())
        self.rest_pointer_on(main)
        keys("Escape")
        self.assertEqual(self.exit_code(), 0, self.wine_log())

    def test_a_rename_that_moves_the_file_down_the_list_shows_its_row_alone_selected(self):
        main = self.start()
        # Each row's look at the right end of its name, away from the text: the first row is
        # selected at the start.
        rows = lambda: [picture_bytes(main, (700, 108 + 16 * row, 1, 1)) for row in range(3)]
        selected, unselected, _ = settled(rows)
        self.assertNotEqual(selected, unselected)
        self.preview_a_replacement(main, "01 -", "04 -")
        click(main.point(370, 493))  # Rename
        wait_until(lambda: "04 - Northern Lights - Harbour Song.mp3" in self.music_files(), "the rename on disk")
        # The renamed file's row, now the last, alone shows selected; the focused row went
        # with it, off the file that took the first place.
        wait_until(lambda: settled(rows) == [unselected, unselected, selected], "the last row alone selected")
        save_picture("renamed-row-selected", main)
        self.rest_pointer_on(main)
        keys("Escape")
        self.assertEqual(self.exit_code(), 0, self.wine_log())

    def test_no_tag_chosen_in_the_settings_by_keys_and_by_the_mouse_is_saved_as_zero(self):
        main = self.start()
        self.rest_pointer_on(main)
        keys("alt", "Right", "Right", "Return", "Down", "Return")  # Configuration, Settings
        settings = wait_until(lambda: window_named("Settings"), "the settings dialog")
        page = (10, 60, settings.width - 20, 150)
        rename_page = picture_bytes(settings, page)
        click(settings.point(157, 43))  # the ID3Tags tab
        wait_until(lambda: picture_bytes(settings, page) != rename_page, "the ID3Tags page")
        # "-------" for ID3v1 by keys: from the tabs to its combo box, then the item above.
        self.rest_pointer_on(settings)
        id3v1 = (172, 148, 95, 20)
        shown = picture_bytes(settings, id3v1)
        keys("Tab", "Tab", "Tab", "Up")
        wait_until(lambda: picture_bytes(settings, id3v1) != shown, "the ID3v1 combo box changed")
        # "-------" for ID3v2 by the mouse: its list opened by the button, then its first item.
        drop_down = act_until(lambda: click(settings.point(256, 189)), lambda: popups(), "the ID3v2 list")[0]
        click(drop_down.point(20, 8))
        wait_until(lambda: popups() == [], "the ID3v2 list closed by the click on its item")
        save_picture("settings-no-tags", settings)
        click(settings.point(187, 253))  # Save
        wait_until(lambda: window_named("Settings") is None, "the settings dialog closed by Save")
        values = self.settings()
        self.assertEqual((values["TagEditor/DefaultID3v1"], values["TagEditor/DefaultID3v2"]), ("0", "0"))
        self.rest_pointer_on(main)
        keys("Escape")
        self.assertEqual(self.exit_code(), 0, self.wine_log())

    # Numbers in "Settings.ini" that the program has no meaning for (a hand-edited file, one
    # of another version) read as their defaults: the settings dialog opens whole and Save
    # writes the defaults.

    SETTINGS_OUT_OF_RANGE = {
        "FileEditor": {"WindowHeight": "0", "WindowWidth": "40000", "ActionOnExistingFile": "77"},
        "TagEditor": {"WindowHeight": "-1", "WindowWidth": "99999", "DefaultSaveActionForLog": "3",
                      "DefaultTagLanguage": "429", "DefaultID3v1": "5", "DefaultID3v2": "1"},
    }
    SETTINGS_DEFAULTS = {
        "FileEditor": {"WindowHeight": "540", "WindowWidth": "740", "ActionOnExistingFile": "0"},
        "TagEditor": {"WindowHeight": "569", "WindowWidth": "800", "DefaultSaveActionForLog": "1",
                      "DefaultTagLanguage": "108", "DefaultID3v1": "2", "DefaultID3v2": "7"},
    }

    def write_settings(self, sections):
        """A "Settings.ini" of the language line and these sections' keys (the others missing)."""
        text = "[Program]\r\nLanguage=1\r\n" + "".join(
            "[%s]\r\n" % section + "".join("%s=%s\r\n" % item for item in keys.items())
            for section, keys in sections.items())
        with open(self.settings_path, "w", encoding="cp1252", newline="") as file:
            file.write(text)

    def windows_besides(self, main, *names):
        """The program's windows but the main window and those of these names (an error box
        has the main window's caption)."""
        return [w for w in program_windows() if w.id != main.id and w.name not in names]

    def assert_no_window_besides(self, main, *names):
        """For a while, no window shows besides the main window and those named: no error
        box, no menu."""
        others = lambda: self.windows_besides(main, *names)
        self.assertIsNone(poll(others, 1.0), "windows besides the main window and %s: %s" % (names, others()))

    def settings_pages(self, main, pictures=None):
        """Opens the settings dialog by keys, with no other window coming up; the dialog, and
        what the screen shows of it on its Rename page and on its ID3Tags page (left open),
        each saved as a picture named after pictures when given."""
        self.rest_pointer_on(main)
        keys("alt", "Right", "Right", "Return", "Down", "Return")  # Configuration, Settings
        opened = wait_until(lambda: [w for w in self.windows_besides(main) if w.name], "a window over the main one")
        self.assertEqual([w.name for w in opened], ["Settings"], "the settings dialog alone")
        settings = opened[0]
        self.assert_no_window_besides(main, "Settings")
        whole = (0, 0, settings.width, settings.height)
        rest = settings.point(20, 250)  # left of Save, on nothing that lights up
        shown = []
        for page, tab in [("rename", None), ("id3tags", (157, 43))]:
            if tab:
                click(settings.point(*tab))
                wait_until(lambda: picture_bytes(settings, whole) != shown[-1], "the %s page" % page)
            move_to(rest)
            shown.append(settled(lambda: picture_bytes(settings, whole)))
            if pictures:
                save_picture("%s-%s" % (pictures, page), settings)
        return settings, shown

    def test_numbers_out_of_range_in_the_settings_show_and_save_as_the_defaults(self):
        self.write_settings(self.SETTINGS_OUT_OF_RANGE)
        main = self.start()
        self.assert_no_window_besides(main)
        self.assertEqual(main.size(), DEFAULT_SIZE)
        settings, shown = self.settings_pages(main, "settings-out-of-range")
        click(settings.point(187, 253))  # Save
        wait_until(lambda: window_named("Settings") is None, "the settings dialog closed by Save")
        self.assert_no_window_besides(main)
        values = self.settings()
        for section, defaults in self.SETTINGS_DEFAULTS.items():
            for key, value in defaults.items():
                self.assertEqual(values.get(section + "/" + key), value, section + "/" + key)
        self.rest_pointer_on(main)
        keys("Escape")
        self.assertEqual(self.exit_code(), 0, self.wine_log())
        # Started again over the defaults it wrote, the dialog shows the same.
        self.processes.clear()
        main = self.start()
        settings, shown_again = self.settings_pages(main, "settings-defaults")
        self.assertTrue(shown_again == shown, "the dialog showed other values than the defaults")
        self.close_the_settings_and_exit(settings, main)

    def test_typing_into_the_tag_editors_fields_saves_the_title(self):
        main = self.start()
        editor = self.open_the_tag_editor(main)
        click(editor.point(650, 145))  # the title's edit
        keys("End")
        type_text(" Live")
        click(editor.point(497, 531))  # Change
        click(editor.point(581, 531))  # Save
        path = os.path.join(self.music, "01 - Northern Lights - Harbour Song.mp3")
        wait_until(lambda: id3v1_title(read_bytes(path)) == "Harbour Song Live", "the typed title saved")
        save_picture("tag-editor", editor)
        click(editor.point(150, 77), button=3)  # the grid's context menu on the first row
        wait_until(lambda: popups(), "the grid's context menu")
        self.rest_pointer_on(editor)
        keys("Escape")
        wait_until(lambda: popups() == [], "the context menu closed by Escape")
        self.close_the_tag_editor_and_exit(editor, main)

    # Edits scrolled by keys show their text whole.

    def shown_over_a_caret_blink(self, window, area):
        """The pictures the screen shows of a window's rectangle over more than one blink of a
        caret in it (it shows and hides every half second)."""
        pictures, end = set(), time.monotonic() + 0.7
        while True:
            pictures.add(picture_bytes(window, area))
            if time.monotonic() > end:
                return pictures
            time.sleep(0.04)

    def assert_home_and_end_show_the_text_whole(self, window, field, name):
        """Home and End scroll the focused edit over field (a rectangle of the window, the
        text typed into it wider than it): after each the screen shows what the edit shows
        once repainted whole, as the pointer crossing it has it repainted. Some picture of
        it over a blink of its caret before the crossing is one after it."""
        self.rest_pointer_on(window)
        shown = self.shown_over_a_caret_blink(window, field)
        centre = (window.x + field[0] + field[2] // 2, window.y + field[1] + field[3] // 2)
        for key in ["Home", "End"]:
            keys(key)
            wait_until(lambda: picture_bytes(window, field) not in shown, "%s to scroll the %s" % (key, name))
            settled(lambda: picture_bytes(window, field))
            scrolled = self.shown_over_a_caret_blink(window, field)
            save_picture("%s-after-%s" % (name.replace(" ", "-"), key.lower()), window)
            move_to(centre)
            time.sleep(0.3)  # nothing to wait on: a sound edit shows no change
            self.rest_pointer_on(window)
            time.sleep(0.3)
            shown = self.shown_over_a_caret_blink(window, field)
            self.assertTrue(scrolled & shown, "after %s the %s shows other text than once repainted whole" % (key, name))

    def test_home_and_end_in_the_rename_panels_replace_field_and_the_tag_editors_title_show_the_text_whole(self):
        main = self.start()
        click(main.point(215, 361))  # "replace :"
        type_text("Northern Lights - Coastline - Harbour Song (Live at the Lantern)")
        self.assert_home_and_end_show_the_text_whole(main, (102, 351, 226, 21), "replace field")
        editor = self.open_the_tag_editor(main)
        click(editor.point(650, 145))  # the title's edit
        keys("End")
        type_text(" - Live at the Lantern, Coastline Tour")
        self.assert_home_and_end_show_the_text_whole(editor, (540, 136, 218, 20), "tag editor title")
        self.close_the_tag_editor_and_exit(editor, main)

    def test_alt_space_over_the_main_window_opens_the_system_menu_not_the_focused_buttons_command(self):
        main = self.start()
        self.rest_pointer_on(main)
        keys("F2")
        click(main.point(370, 493))  # Read ID3Tags, which keeps the focus
        editor = wait_until(lambda: window_named(EDITOR_CAPTION), "the tag editor")
        self.rest_pointer_on(editor)
        keys("alt+F4")
        wait_until(lambda: window_named(EDITOR_CAPTION) is None, "the tag editor closed by Alt+F4")
        self.rest_pointer_on(main)
        # Space comes up before Alt, then after it.
        for press in [lambda: keys("alt+space"),
                      lambda: xdotool("keydown", "alt", "keydown", "space", "keyup", "alt", "keyup", "space")]:
            press()
            wait_until(lambda: popups() or window_named(EDITOR_CAPTION), "the system menu by Alt+Space")
            self.assertIsNone(poll(lambda: window_named(EDITOR_CAPTION), 1.0), "Alt+Space pressed Read ID3Tags")
            self.assertEqual(len(popups()), 1, "the system menu did not stay open")
            keys("Escape")
            wait_until(lambda: popups() == [], "the system menu closed by Escape")
        keys("Escape")
        self.assertEqual(self.exit_code(), 0, self.wine_log())

    def assert_the_menu_and_window_stay(self, menu, window, what):
        """The open menu and the window keep their places, sizes and states for a while."""
        kept = lambda: [(m.x, m.y, m.size()) for m in popups()] == [(menu.x, menu.y, menu.size())] and \
            (w := window_named(MAIN_CAPTION)) is not None and (w.x, w.y, w.size()) == (window.x, window.y, window.size())
        self.assertIsNone(poll(lambda: not kept(), 1.0),
                          "%s: menus %s, window %s" % (what, popups(), window_named(MAIN_CAPTION)))

    def test_keys_that_type_no_letter_run_no_item_of_the_system_menu(self):
        main = self.start()
        self.rest_pointer_on(main)
        keys("alt+space")
        menu = wait_until(lambda: popups(), "the system menu")[0]
        # Keys that type no letter: F9, F5, F3, the keypad's point and 3 (NumLock on) have the
        # codes of "x", "t", "r", "n" and "c" (Maximize, Minimize to Tray, Restore, Minimize,
        # Close); the main keys' point has a code of no letter.
        xdotool("key", "Num_Lock")
        try:
            for key in ["F9", "F5", "F3", "KP_Decimal", "period", "KP_3"]:
                keys(key)
                self.assert_the_menu_and_window_stay(menu, main, key + " in the system menu")
        finally:
            xdotool("key", "Num_Lock")
        keys("x")
        maximized = wait_until(lambda: (w := self.main()).x <= 0 and w.width > main.width and w, "Maximize by x")
        # Maximized, the menu has Restore, whose "r" is F3's code.
        self.rest_pointer_on(maximized)
        keys("alt+space")
        menu = wait_until(lambda: popups(), "the system menu of the maximized window")[0]
        for key in ["F3", "F9"]:
            keys(key)
            self.assert_the_menu_and_window_stay(menu, maximized, key + " in the maximized window's system menu")
        keys("Escape")
        wait_until(lambda: popups() == [], "the system menu closed by Escape")
        keys("Escape")
        self.assertEqual(self.exit_code(), 0, self.wine_log())

    def test_a_language_change_while_running_takes_effect_and_the_program_goes_on(self):
        main = self.start()
        buttons = (0, 480, main.width, 28)  # Preview, Rename and Undo
        english = picture_bytes(main, buttons)
        self.rest_pointer_on(main)
        keys("alt", "Right", "Right", "Down", "Down", "Down", "Right", "Return")  # Configuration, Language, Deutsch
        wait_until(lambda: self.settings().get("Program/Language") == "0", "German kept in the settings")
        wait_until(lambda: picture_bytes(self.main(), buttons) != english, "the German captions shown")
        save_picture("main-window-de", self.main())
        # The program goes on in German: the menus open, and it ends as before.
        keys("alt", "Down")
        wait_until(lambda: popups(), "the first menu in German")
        keys("Escape", "Escape")
        wait_until(lambda: popups() == [], "the menu closed")
        keys("Escape")
        self.assertEqual(self.exit_code(), 0, self.wine_log())

    # The track total typed beside the track number, taken when its edit is left.

    def saved_track(self, path):
        """The saved ID3v2 tag's TRCK as python3-mutagen of the system reads it; None without
        a tag that can be read (also one still being written)."""
        script = "import sys, mutagen.id3 as m\nprint(m.ID3(sys.argv[1], load_v1=False)['TRCK'].text[0])"
        read = subprocess.run(["/usr/bin/python3", "-c", script, path], stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, text=True, timeout=TIMEOUT)
        return read.stdout.strip() if read.returncode == 0 else None

    def saved_track_after(self, path, earlier):
        """The TRCK a save writes over earlier, once two reads agree."""
        return wait_until(lambda: (t := self.saved_track(path)) not in (None, earlier) and
                          t == self.saved_track(path) and t, "a TRCK other than %r saved" % earlier)

    def test_a_track_total_is_typed_as_typed_and_raised_to_the_track_only_once_taken(self):
        name = "01 - Northern Lights - Harbour Song.mp3"
        self.write_music(name, mp3("Harbour Song", "Northern Lights", "Coastline", track=3))
        path = os.path.join(self.music, name)
        main = self.start()
        editor = self.open_the_tag_editor(main)
        total = editor.point(627, 218)  # the track total's edit, beside the track number 3
        # Below the number and left by Tab: raised to the number.
        click(total)
        type_text("2")
        keys("Tab")
        click(editor.point(497, 531))  # Change
        click(editor.point(581, 531))  # Save
        self.assertEqual(self.saved_track_after(path, None), "3/3")
        # Above it, typed digit by digit and left by a click on Change: as typed.
        click(total)
        keys("Delete")
        type_text("12")
        save_picture("tag-editor-track-total", editor)
        click(editor.point(497, 531))  # Change
        click(editor.point(581, 531))  # Save
        self.assertEqual(self.saved_track_after(path, "3/3"), "3/12")
        self.close_the_tag_editor_and_exit(editor, main)

    # Alt with a main menu's letter: a translator may give the main menus accelerators.

    def give_the_main_menus_accelerators(self):
        """The English language file of this copy of the program, with "&" in the main menus'
        captions (texts 140, 144, 134 and 138): "&Program", "&Selection", "&Configuration",
        "&Info". The shipped files carry none."""
        path = os.path.join(self.prog, "languages", "EN.lng")
        lines = read_bytes(path).split(b"\r\n")
        for number in [b"140", b"144", b"134", b"138"]:
            at = next(i for i, line in enumerate(lines) if line.startswith(number + b"="))
            lines[at] = number + b"=&" + lines[at][len(number) + 1:]
        with open(path, "wb") as file:
            file.write(b"\r\n".join(lines))

    def test_alt_with_a_main_menus_letter_leaves_its_menu_open_whichever_key_comes_up_first(self):
        self.give_the_main_menus_accelerators()
        main = self.start()
        self.rest_pointer_on(main)
        # Alt comes up before P: the Program menu opens and stays; Right moves to Selection,
        # Alt alone then leaves the menus.
        xdotool("keydown", "alt", "keydown", "p", "keyup", "alt", "keyup", "p")
        program = wait_until(lambda: popups(), "the Program menu by Alt+P")[0]
        self.assert_the_menu_and_window_stay(program, main, "Alt up before P")
        save_picture("alt-p-program-menu", main)
        keys("Right")
        wait_until(lambda: (p := popups()) and len(p) == 1 and p[0].x > program.x, "the Selection menu by Right")
        keys("alt")
        wait_until(lambda: popups() == [], "the menus left by Alt")
        # S comes up before Alt: the Selection menu opens and stays; Left moves to Program.
        xdotool("keydown", "alt", "keydown", "s", "keyup", "s", "keyup", "alt")
        selection = wait_until(lambda: popups(), "the Selection menu by Alt+S")[0]
        self.assertGreater(selection.x, program.x)
        self.assert_the_menu_and_window_stay(selection, main, "S up before Alt")
        keys("Left")
        wait_until(lambda: (p := popups()) and len(p) == 1 and p[0].x == program.x, "the Program menu by Left")
        keys("Escape", "Escape")
        wait_until(lambda: popups() == [], "the menus closed by Escape")
        # Alt alone still drives the menus from the keyboard, and Alt+Space still opens the
        # system menu, which stays whichever key comes up first.
        keys("alt", "Down")
        self.assertEqual(wait_until(lambda: popups(), "the Program menu by Alt and Down")[0].x, program.x)
        keys("Escape", "Escape")
        wait_until(lambda: popups() == [], "the menus closed by Escape")
        for press in [lambda: keys("alt+space"),
                      lambda: xdotool("keydown", "alt", "keydown", "space", "keyup", "alt", "keyup", "space")]:
            press()
            menu = wait_until(lambda: popups(), "the system menu by Alt+Space")[0]
            self.assertLess(menu.y, program.y, "Alt+Space opened a main menu, not the system menu")
            self.assert_the_menu_and_window_stay(menu, main, "Alt+Space")
            keys("Escape")
            wait_until(lambda: popups() == [], "the system menu closed by Escape")
        keys("Escape")
        self.assertEqual(self.exit_code(), 0, self.wine_log())

    # Minimizing: the windows leave the screen with the application, and come back as they were.

    def window_shown(self, window):
        """The window itself (by its X id), mapped on the screen as it was: place and size."""
        now = [w for w in program_windows() if w.id == window.id]
        return bool(now) and (now[0].x, now[0].y, now[0].size()) == (window.x, window.y, window.size())

    def icon_bar(self):
        """The minimized application's caption bar, which Wine shows at the screen's bottom left."""
        return next((w for w in program_windows() if w.name == MAIN_CAPTION and w.height < 40 and w.x == 0), None)

    def assert_minimized(self, main, how):
        """The main window is off the screen, nothing of it left where it was (above the icon
        bar, which shows instead)."""
        bar = wait_until(lambda: self.icon_bar(), "the icon bar after " + how)
        area = (main.x, main.y, main.width, min(main.height, bar.y - main.y))
        wait_until(lambda: not self.window_shown(main) and len(colours(screen_picture(area))) == 1,
                   "the main window off the screen after " + how)
        save_picture("minimized")

    def assert_back(self, main, how):
        """The main window is on the screen again at its place and size, the icon bar gone."""
        wait_until(lambda: self.window_shown(main), "the main window back after " + how)
        self.assert_on_the_screen(main, "the main window after " + how)
        self.assertIsNone(self.icon_bar(), "the icon bar stays after " + how)

    def minimize_by_alt_space_n(self, main):
        self.rest_pointer_on(main)
        keys("alt+space")
        wait_until(lambda: popups(), "the system menu")
        keys("n")
        self.assert_minimized(main, "Alt+Space n")

    def minimize_by_the_caption_button(self, main):
        # Right after a maximize the program may still be busy with it (as maximize() knows).
        act_until(lambda: click(main.point(-82, 13)),  # the caption's minimize button
                  lambda: self.icon_bar(), "the icon bar after the minimize button")
        self.assert_minimized(main, "the minimize button")

    def restore_by_the_icon_bar(self, main):
        bar = self.icon_bar()
        click(bar.point(40, bar.height // 2))
        self.assert_back(main, "a click on the icon bar")

    def restore_by_a_second_start(self, main):
        self.assertIsNone(self.start())
        self.assertEqual(self.exit_code(self.processes[-1]), 0)
        self.assert_back(main, "a second start")

    def assert_keys_reach(self, main):
        """Keys go to the main window: F2 shows the ID3 tags panel, F1 the rename panel again."""
        panels = (8, main.height - 230, main.width - 16, 200)
        self.rest_pointer_on(main)
        for key in ["F2", "F1"]:
            before = picture_bytes(main, panels)
            keys(key)
            wait_until(lambda: picture_bytes(main, panels) != before, key + " to switch the panel")

    def test_minimize_by_alt_space_n_and_the_caption_button_and_back_by_the_icon_bar_and_a_second_start(self):
        main = self.start()
        main = self.drag_frame(main, (300, 13), (-150, -100))  # away from where it opened
        self.minimize_by_alt_space_n(main)
        self.restore_by_the_icon_bar(main)
        save_picture("restored-by-the-icon-bar", main)
        self.assert_keys_reach(main)
        self.minimize_by_the_caption_button(main)
        self.restore_by_a_second_start(main)
        self.assert_keys_reach(main)
        keys("Escape")
        self.assertEqual(self.exit_code(), 0, self.wine_log())

    def test_a_maximized_window_minimized_comes_back_maximized(self):
        main = self.maximize(self.start())
        self.minimize_by_the_caption_button(main)
        self.restore_by_the_icon_bar(main)
        self.assert_keys_reach(main)
        self.minimize_by_alt_space_n(main)
        self.restore_by_a_second_start(main)
        save_picture("restored-maximized-by-a-second-start", main)
        self.assert_keys_reach(main)
        # Still maximized: the caption's middle button restores the size it had before.
        click(main.point(-51, 13))
        wait_until(lambda: (w := self.main()).size() == DEFAULT_SIZE and w, "the maximized window restored")
        self.rest_pointer_on(self.main())
        keys("Escape")
        self.assertEqual(self.exit_code(), 0, self.wine_log())

    # The tag editor closed maximized and opened again after the main window moved.

    def maximize_the_tag_editor(self, editor):
        return act_until(lambda: click(editor.point(-51, 13)),  # the caption's maximize button
                         lambda: (w := window_named(EDITOR_CAPTION)) and w.width > editor.width and w,
                         "the maximized tag editor")

    def test_the_tag_editor_reopens_maximized_on_the_screen_and_restores_centred_on_the_main_window(self):
        main = self.start()
        editor = self.open_the_tag_editor(main)
        normal = editor.size()
        close_from_right = 752 - editor.width  # its Close button keeps to the right edge
        editor = self.maximize_the_tag_editor(editor)
        click(editor.point(close_from_right, 531))
        wait_until(lambda: window_named(EDITOR_CAPTION) is None, "the maximized tag editor closed")
        main = self.drag_frame(main, (300, 13), (86, 111))
        # Maximized, it fills the screen (less the frame's pixel on each side) from its
        # corner, wherever the main window is.
        editor = self.open_the_tag_editor(main)
        display = X.display()
        screen = (X.lib.XDisplayWidth(display, 0), X.lib.XDisplayHeight(display, 0))
        self.assertEqual((editor.x, editor.y), (0, 0), editor)
        self.assertTrue(editor.width >= screen[0] - 2 and editor.height >= screen[1] - 2, editor)
        self.assert_on_the_screen(editor, "the tag editor opened maximized again")
        save_picture("tag-editor-maximized-again")
        click(editor.point(close_from_right, 531))
        wait_until(lambda: window_named(EDITOR_CAPTION) is None, "the reopened tag editor closed by its Close button")
        # Restored, it takes its size back, centred on the main window.
        editor = self.open_the_tag_editor(main)
        editor = act_until(lambda: click(editor.point(-51, 13)),  # the same button restores
                           lambda: (w := window_named(EDITOR_CAPTION)) and w.size() == normal and w,
                           "the tag editor restored")
        centred = (main.x + main.width // 2 - normal[0] // 2, main.y + main.height // 2 - normal[1] // 2)
        self.assertEqual((editor.x, editor.y), centred)
        save_picture("tag-editor-restored-centred")
        self.close_the_tag_editor_and_exit(editor, main)

    # Escape on a message: Ok where it stands alone, Cancel where a Cancel shows.

    def test_escape_answers_the_file_limit_warning_and_leaves_the_main_window(self):
        warning = self.start_over_the_file_limit()
        self.rest_pointer_on(warning)
        keys("Escape")
        wait_until(lambda: window_named("Warning") is None, "Escape to answer the warning")
        main = self.main()
        self.assertIsNone(poll(lambda: window_named(MAIN_CAPTION) is None or popups(), 1.0),
                          "Escape on the warning reached the main window")
        self.assert_keys_reach(main)
        keys("Escape")
        self.assertEqual(self.exit_code(), 0, self.wine_log())

    def test_escape_on_the_question_of_an_existing_name_cancels_the_renaming(self):
        with open(self.settings_path, "w", newline="\r\n") as settings:  # English; ask what to do
            settings.write("[Program]\nLanguage=1\n[FileEditor]\nActionOnExistingFile=3\n")
        self.write_music("01 - Southern Lights - Harbour Song.mp3", mp3("Harbour Song", "Southern Lights", "Coastline"))
        main = self.start()
        self.rest_pointer_on(main)
        keys("alt", "Right", "Return", "Return")  # Selection, its first item: Select all
        self.preview_a_replacement(main, "Northern", "Southern")
        before = self.music_files()
        click(main.point(370, 493))  # Rename: the first file's new name exists
        question = wait_until(lambda: window_named("Error"), "the question of the existing name")
        save_picture("existing-name-question", question)
        self.rest_pointer_on(question)
        keys("Escape")
        wait_until(lambda: window_named("Error") is None, "Escape to answer the question")
        # Cancel ends the renaming: no file after it is renamed (Skip would go on). Its
        # report, an Ok message, goes by Escape too.
        report = wait_until(lambda: window_named("Info"), "the report of the existing name")
        self.rest_pointer_on(report)
        keys("Escape")
        wait_until(lambda: window_named("Info") is None, "Escape to answer the report")
        mp3s = lambda files: [f for f in files if f.endswith(".mp3")]
        self.assertEqual(mp3s(self.music_files()), mp3s(before))
        self.rest_pointer_on(self.main())
        keys("Escape")
        self.assertEqual(self.exit_code(), 0, self.wine_log())

    # The grid's menu from the keyboard, in the tag editor; the main window's list has none.

    def test_the_menu_key_and_shift_f10_open_the_tag_editors_grid_menu_below_the_focused_row(self):
        main = self.start()
        click(main.point(200, 116))  # the first file in the list
        self.rest_pointer_on(main)
        keys("Menu")
        self.assert_nothing_opens_and_the_window_stays(main, MAIN_CAPTION, "the menu key on the file list")
        editor = self.open_the_tag_editor(main)
        # An edit's menu goes below its caret: at the text's start, then at its end.
        click(editor.point(650, 145))  # the title's edit
        places = []
        for key in ["Home", "End"]:
            keys(key, "Menu")
            places.append(wait_until(lambda: popups(), "the title's menu by the menu key")[0])
            keys("Escape")
            wait_until(lambda: popups() == [], "the title's menu closed by Escape")
        self.assertEqual(places[0].y, places[1].y)
        self.assertGreater(places[1].x - places[0].x, 40, places)  # "Harbour Song" lies between
        row = editor.point(150, 77)  # the first row, selected alone by the click
        click(row)
        self.rest_pointer_on(editor)
        for key in ["shift+F10", "Menu"]:
            keys(key)
            menu = wait_until(lambda: popups(), "the grid's menu by " + key)[0]
            # Below the row, from the left of its first column after the number.
            self.assertTrue(editor.x + 30 <= menu.x <= editor.x + 50 and row[1] < menu.y <= row[1] + 17,
                            "%s: the menu at %r, the row's point %r" % (key, menu, row))
            self.assert_on_the_screen(menu, "the grid's menu by " + key)
            save_picture("tag-editor-grid-menu-by-" + key.replace("+", "-").lower())
            if key == "Menu":
                break
            keys("Escape")
            wait_until(lambda: popups() == [], "the grid's menu closed by Escape")
        # The first item (Tag -> Filename) is hot as the menu opens; two steps down, Remove
        # Tags, chosen by Return, then saved: the file keeps its name and loses its tags.
        keys("Down", "Down", "Return")
        wait_until(lambda: popups() == [], "the grid's menu closed by Return")
        click(editor.point(581, 531))  # Save
        path = os.path.join(self.music, "01 - Northern Lights - Harbour Song.mp3")
        wait_until(lambda: not os.path.exists(path) or read_bytes(path)[-128:-125] != b"TAG", "the save")
        self.assertIn(os.path.basename(path), self.music_files())
        self.assertNotEqual(read_bytes(path)[-128:-125], b"TAG")
        self.close_the_tag_editor_and_exit(editor, main)

    # A second start while a modal window is up.

    def test_a_second_start_by_the_run_command_while_the_file_limit_warning_is_up_leaves_it_the_keyboard(self):
        warning = self.start_over_the_file_limit()
        # From another folder over the limit, as the run command's second start ends.
        other = os.path.join(self.root, "more music")
        os.makedirs(other)
        frame = mp3("Sea", "Northern Lights", "Coastline", frames=2)
        for number in range(1200):
            with open(os.path.join(other, "%04d.mp3" % number), "wb") as file:
                file.write(frame)
        self.assertEqual(self.start_by_the_run_command(other), 0, self.wine_log())
        self.assertIsNone(self.processes[0].poll(), "the first program ended with the second start")
        self.assertEqual(getattr(window_named("Warning"), "id", None), warning.id, "the warning is still up")
        self.rest_pointer_on(warning)
        keys("Return")
        wait_until(lambda: window_named("Warning") is None, "Return to close the warning")
        main = self.main()
        save_picture("after-the-warning", main)
        self.assert_keys_reach(main)
        keys("Escape")
        self.assertEqual(self.exit_code(), 0, self.wine_log())


if __name__ == "__main__":
    PROGRAM_FOLDER, SCREENSHOT_FOLDER = sys.argv[1], sys.argv[2]
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
