#!/usr/bin/env python3
"""End-to-end walk through the real Klotix program on a private X server.

The test copies the program and its skin into a fresh folder together with
a prepared record file, starts its own Xvfb, drives the program through
XTEST key presses and mouse clicks (xdotool) and reads the game from the
screen's pixels (ImageMagick's ``import``).  It plays one short game on the
default level (Medium):

  main window -> Alt+S -> blank name is refused (the box comes back)
  -> "E2E Player" -> game window -> a piece enters at the top and falls
  -> Left shifts it one column -> Down drops it to its resting place
  -> P and Ctrl+P each open exactly one pause box -> Ctrl+Q, Yes
  -> "Game Over!" -> main window with the new record -> End, exit code 0.

The record file is then compared byte for byte with the expected one; the
points of the game are read off the frozen playfield while the quit box is
open (no row can be completed in this walk, so the points are 10 for every
piece that has settled).

Beside its X server the test has a session bus of its own, with the AT-SPI
bus launcher, and reads the program with pyatspi as a screen reader would.

Any line the program prints on stderr fails the test.  On failure a
screenshot and the program's output are kept and their paths printed.

Only the Python standard library is used, plus Xvfb, xdotool, import,
dbus-daemon, at-spi2-core and the system Python's pyatspi (the helpers
need no pyatspi).
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

# --------------------------------------------------------------------------
# What the walk expects of the program.

MAIN_TITLE = re.compile(r"^Klotix \(.+\) v\. 1\.1\.0$")
GAME_TITLE = "Klotix (klotix.example.org)"
NAME_TITLE = "Your name"
PAUSE_TITLE = "Game Paused"
QUIT_TITLE = "Klotix"  # the quit box has no title of its own
GAME_OVER_TITLE = "Game Over!"
PLAYER = "E2E Player"

# The prepared record file: Slow has two players (one name with an inner
# blank, one with 0 points), Medium is empty, Quick has one player with
# negative points.  The game is played on Medium, so its count goes from 0
# to 1 and the new entry lands between the Slow and the Quick entries.
RECORDS_BEFORE = (
    b" 2 \r\n"
    b" 0 \r\n"
    b" 1 \r\n"
    b"Anna Maria\r\n"
    b" 900 \r\n"
    b"Bob\r\n"
    b" 0 \r\n"
    b"Carl\r\n"
    b"-10 \r\n"
)


def records_after(points):
    number = (" %d " % points) if points >= 0 else ("%d " % points)
    return (
        b" 2 \r\n"
        b" 1 \r\n"
        b" 1 \r\n"
        b"Anna Maria\r\n"
        b" 900 \r\n"
        b"Bob\r\n"
        b" 0 \r\n"
        + PLAYER.encode("ascii") + b"\r\n"
        + number.encode("ascii") + b"\r\n"
        b"Carl\r\n"
        b"-10 \r\n"
    )


# Game window geometry in pixels (15 twips per pixel).  The client area is
# 4200 x 6195 twips; the menu bar sits above it inside the window.
GAME_CLIENT_HEIGHT = 6195 // 15          # 413
PLAYFIELD_LINE_X = (110, 111)            # Line1, 2 px wide, from y 8 down
PLAYFIELD_LINE_TOP = 120 // 15           # 8
# Medium ticks every 125 ms; no two ticks come closer than this, with room
# for a timer that fires a little early.
FASTEST_TICK = 0.1


def cell_centre(index):
    """Client pixel at the centre of playfield cell `index` (0..249)."""
    return (112 + 16 * (index % 10) + 8, 392 - 16 * (index // 10) + 8)


WHITE = (255, 255, 255)
CELL_BORDER = (224, 224, 224)
PIECE_COLOURS = {
    (255, 0, 0): 1,
    (0, 180, 0): 2,
    (255, 150, 0): 3,
    (100, 100, 100): 4,
    (200, 0, 200): 5,
    (100, 100, 255): 6,
    (0, 200, 200): 7,
}

# Main window: End button (twips 180,120 975x615) and the Medium record
# lists (frame at 120,1740; lists at 2580/3300,540 inside it).
END_BUTTON_CENTRE = (12 + 65 // 2, 8 + 41 // 2)
# Areas are x0, y0, x1, y1 (exclusive) in client pixels, the top row of a
# list, kept 3 px inside its border.
MEDIUM_POINTS_TOP_ROW = (183, 155, 226, 170)
MEDIUM_NAMES_TOP_ROW = (231, 155, 306, 170)
SLOW_NAMES_TOP_ROW = (79, 155, 154, 170)
MEDIUM_LIST_COLOUR = (192, 192, 255)

WAIT = 15.0  # seconds to wait for anything the program should show


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


# --------------------------------------------------------------------------
# Screen and windows.

class Screen:
    """One capture of the X root window, decoded from binary PPM."""

    def __init__(self, data, taken_before, taken_after):
        self.taken_before = taken_before
        self.taken_after = taken_after
        fields = []
        pos = 0
        while len(fields) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            if data[pos:pos + 1] == b"#":
                pos = data.index(b"\n", pos) + 1
                continue
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        pos += 1  # the single blank after maxval
        if fields[0] != b"P6":
            raise Failure("screen capture is not a binary PPM: %r" % fields[0])
        self.width, self.height, maxval = int(fields[1]), int(fields[2]), int(fields[3])
        self.sample = 1 if maxval < 256 else 2
        self.pixels = data[pos:]

    def rgb(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise Failure("pixel (%d, %d) is off the screen" % (x, y))
        s = self.sample
        at = (y * self.width + x) * 3 * s
        p = self.pixels
        if s == 1:
            return (p[at], p[at + 1], p[at + 2])
        return (p[at], p[at + 2], p[at + 4])  # high bytes of 16-bit samples


class Session:
    def __init__(self, env, log):
        self.env = env
        self.log = log

    def run(self, *args, check_rc=True, timeout=20):
        result = subprocess.run(list(args), env=self.env, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, timeout=timeout)
        if check_rc and result.returncode != 0:
            raise Failure("%s failed (%d): %s" % (" ".join(args), result.returncode,
                                                   result.stderr.decode(errors="replace").strip()))
        return result.stdout

    def capture(self):
        before = time.monotonic()
        data = self.run("import", "-window", "root", "-depth", "8", "ppm:-")
        return Screen(data, before, time.monotonic())

    def windows(self):
        """Visible windows as a list of (id, title)."""
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "."],
                             env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                             timeout=20).stdout.decode()
        found = []
        for wid in out.split():
            name = subprocess.run(["xdotool", "getwindowname", wid], env=self.env,
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                  timeout=20)
            if name.returncode == 0:  # the window may be gone by now
                found.append((wid, name.stdout.decode(errors="replace").rstrip("\n")))
        return found

    def titled(self, match):
        if isinstance(match, str):
            return [w for w, t in self.windows() if t == match]
        return [w for w, t in self.windows() if match.match(t)]

    def geometry(self, wid):
        out = self.run("xdotool", "getwindowgeometry", "--shell", wid).decode()
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def focus(self, wid):
        self.run("xdotool", "windowfocus", "--sync", wid)

    def key(self, wid, *keys):
        """Focuses `wid` and presses `keys` through XTEST (no --window: Qt
        does not take synthetic events as shortcuts)."""
        self.focus(wid)
        self.run("xdotool", "key", "--delay", "30", *keys)

    def wait_for(self, what, probe, timeout=WAIT, interval=0.05):
        """Polls `probe` until it returns something true, and returns that."""
        deadline = time.monotonic() + timeout
        while True:
            value = probe()
            if value:
                return value
            if time.monotonic() > deadline:
                raise Failure("timed out after %.0f s waiting for %s" % (timeout, what))
            time.sleep(interval)

    def wait_window(self, what, match, exclude=(), instead=None):
        """Waits until exactly one visible window matches and returns it;
        fails at once if a window titled `instead` shows up."""
        def probe():
            windows = self.windows()
            if instead is not None:
                check(not [w for w, t in windows if t == instead],
                      "%s opened instead of %s" % (instead, what))
            found = [w for w, t in windows if w not in exclude and
                     (t == match if isinstance(match, str) else match.match(t))]
            check(len(found) <= 1, "%d windows at once for %s" % (len(found), what))
            return found[0] if found else None
        wid = self.wait_for(what, probe)
        self.log("%s is window %s" % (what, wid))
        return wid

    def wait_gone(self, what, wid):
        self.wait_for(what + " to close", lambda: wid not in [w for w, _ in self.windows()])


# --------------------------------------------------------------------------
# What a screen reader reads.

class ScreenReader:
    """Reads the program over AT-SPI, on the session's buses, as Orca does."""

    def __init__(self, session):
        self.s = session
        os.environ.update({k: session.env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")})
        import pyatspi
        from gi.repository import GLib
        self.atspi, self.context = pyatspi, GLib.MainContext.default()

    def focus_moves(self, act):
        """(parent's name, name) of each object that takes the focus in the
        half second after `act`."""
        moves = []
        def on_focus(event):
            if event.detail1:
                moves.append((event.source.parent.name, event.source.name))
        def listen():
            deadline = time.monotonic() + 0.5
            while time.monotonic() < deadline:
                self.context.iteration(False) or time.sleep(0.01)
        self.atspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
        listen()  # until the program has heard of the listener
        del moves[:]
        act()
        listen()
        self.atspi.Registry.deregisterEventListener(on_focus, "object:state-changed:focused")
        return moves

    def objects(self, role):
        """The program's objects of `role`, read afresh."""
        def walk(node):
            node.clearCache()
            kids = (node.getChildAtIndex(i) for i in range(node.childCount))
            return [node] * (node.getRole() == role) + [o for k in kids if k is not None for o in walk(k)]
        return [o for a in self.atspi.Registry.getDesktop(0) if a is not None and a.name == "Klotix" for o in walk(a)]

    def wait_named(self, what, role, name):
        return self.s.wait_for(what, lambda: next((o for o in self.objects(role) if o.name == name), None))


# --------------------------------------------------------------------------
# The playfield as seen on the screen.

class Board:
    """The 250 cells of one capture.  `colours` is None unless every cell
    shows its grey border and is white or in a piece colour inside: a box
    in front or a repaint under way makes the capture useless."""

    def __init__(self, screen, origin):
        self.screen = screen
        self.colours = {}
        ox, oy = origin
        for i in range(250):
            cx, cy = cell_centre(i)
            if screen.rgb(ox + cx - 8, oy + cy - 8) != CELL_BORDER:
                self.colours = None
                return
            rgb = screen.rgb(ox + cx, oy + cy)
            if rgb == WHITE:
                continue
            if rgb not in PIECE_COLOURS:
                self.colours = None
                return
            self.colours[(i % 10 + 1, i // 10 + 1)] = rgb

    @property
    def clean(self):
        return self.colours is not None

    def filled(self):
        return set(self.colours)


def shape(cells):
    """The cells moved so that their lowest row and leftmost column are 0."""
    if not cells:
        return frozenset()
    x0 = min(x for x, _ in cells)
    y0 = min(y for _, y in cells)
    return frozenset((x - x0, y - y0) for x, y in cells)


def columns(cells):
    return sorted({x for x, _ in cells})


def bottom(cells):
    return min(y for _, y in cells)


def resting_place(cells, settled):
    """Where `cells` come to rest when dropped straight down onto `settled`."""
    cells = set(cells)
    while all(y > 1 and (x, y - 1) not in settled for x, y in cells):
        cells = {(x, y - 1) for x, y in cells}
    return cells


class Game:
    """Follows the falling piece over a known set of settled cells."""

    def __init__(self, session, wid):
        self.s = session
        self.wid = wid
        x, y, width, height = session.geometry(wid)
        menu = height - GAME_CLIENT_HEIGHT
        check(menu >= 0, "game window is %dx%d, lower than its client area" % (width, height))
        self.origin = (x, y + menu)
        # The playfield's left line must be where the client origin says.
        screen = self.s.wait_for("the playfield to be painted", lambda: self._painted())
        top = None
        for py in range(y, y + height):
            if screen.rgb(x + PLAYFIELD_LINE_X[0], py) == (0, 0, 0):
                top = py
                break
        check(top == self.origin[1] + PLAYFIELD_LINE_TOP,
              "playfield line starts at y %s, expected %d (window %d,%d %dx%d)"
              % (top, self.origin[1] + PLAYFIELD_LINE_TOP, x, y, width, height))
        self.settled = set()

    def _painted(self):
        screen = self.s.capture()
        ox, oy = self.origin
        for lx in PLAYFIELD_LINE_X:
            if screen.rgb(ox + lx, oy + 200) != (0, 0, 0):
                return None
        return screen

    def board(self):
        """The next capture that shows the whole playfield."""
        def probe():
            b = Board(self.s.capture(), self.origin)
            return b if b.clean else None
        return self.s.wait_for("an unobstructed playfield", probe, interval=0.0)

    def piece(self, board):
        """The falling piece: the cells beyond the settled ones, if they are
        four cells of one piece colour; else None."""
        filled = board.filled()
        if not self.settled <= filled:
            return None
        cells = filled - self.settled
        if len(cells) != 4 or len({board.colours[c] for c in cells}) != 1:
            return None
        return frozenset(cells)

    def wait_piece(self, what, accept, timeout=WAIT):
        """Polls until the falling piece satisfies accept(cells, board)."""
        def probe():
            board = self.board()
            cells = self.piece(board)
            if cells is not None and accept(cells, board):
                return cells, board
            return None
        return self.s.wait_for(what, probe, timeout=timeout, interval=0.0)


# --------------------------------------------------------------------------
# The walk.

def main_window_opens(s, reader, proc):
    main = s.wait_window("main window", MAIN_TITLE)
    check(proc.poll() is None, "program ended at start")
    main_window_read_as_frame(s, reader)
    mx, my, _, _ = s.geometry(main)
    # The Slow list shows the prepared names once the window is painted.
    screen = s.wait_for("the prepared Slow records in the main window",
                        lambda: (lambda sc: sc if has_text(sc, (mx, my), SLOW_NAMES_TOP_ROW) else None)(
                            s.capture()))
    for name, area in (("points", MEDIUM_POINTS_TOP_ROW), ("names", MEDIUM_NAMES_TOP_ROW)):
        check(not has_text(screen, (mx, my), area), "Medium %s list is not empty at start" % name)
    return main


def main_window_read_as_frame(s, reader):
    """A screen reader announces a frame by its title when it opens."""
    read = []
    def probe():
        apps = [a for a in reader.atspi.Registry.getDesktop(0) if a is not None and a.name == "Klotix"]
        read[:] = [(w.getRoleName(), w.name) for a in apps if not a.clearCache() for w in a if w is not None]
        return [role for role, name in read if MAIN_TITLE.match(name)] == ["frame"]
    try:
        s.wait_for("the main window read as a frame", probe)
    except Failure:
        raise Failure("the program's windows read as %s" % read)


def record_lists_read_aloud(s, reader, main):
    # A screen reader reads the lists by level and content, a row of either
    # list whole, and one move in the first list as one focus, in that list;
    # the other list's row, which moves with it, is not focused.
    lists = reader.objects(reader.atspi.ROLE_LIST)
    read = [l.name for l in lists] + [l.getChildAtIndex(0).name for l in lists[:2]]
    check(read == ["%s, %s" % (level, content) for level in ("Slow", "Medium", "Quick")
                   for content in ("points", "names")] + ["Anna Maria, 900 points"] * 2, "lists read as %s" % read)
    s.focus(main)
    moves = reader.focus_moves(lambda: s.key(main, "Down"))
    check(moves == [("Slow, points", "Bob, 0 points")], "one move in a list told of the focus on %s" % moves)
    focused = [l.name for l in lists[:2] if l.getChildAtIndex(1).getState().contains(reader.atspi.STATE_FOCUSED)]
    check(focused == ["Slow, points"], "the second Slow rows report the focus in %s" % focused)


def start_game(s, main):
    """Start: a blank name is refused and the box comes back."""
    s.key(main, "alt+s")
    first = s.wait_window("name box", NAME_TITLE)
    s.key(first, "ctrl+a", "BackSpace", "Return")
    second = s.wait_window("name box asked again after a blank name", NAME_TITLE, exclude=(first,),
                           instead=GAME_TITLE)
    s.focus(second)
    s.run("xdotool", "type", "--delay", "30", PLAYER)
    s.run("xdotool", "key", "Return")
    game_wid = s.wait_window("game window", GAME_TITLE)
    s.wait_for("main window to close when the game starts", lambda: not s.titled(MAIN_TITLE))
    check(not s.titled(NAME_TITLE), "name box still open in the game")
    return game_wid


def first_piece_enters_and_falls(s, reader, game, log):
    # A piece enters at the top (rows 23..25) with nothing settled above
    # row 14 and then falls straight down.  Settled pieces from earlier
    # ticks, if any, stay below.
    def spawn_probe():
        board = game.board()
        top = {c for c in board.filled() if c[1] >= 15}
        if len(top) == 4 and max(y for _, y in top) >= 23 and \
                len({board.colours[c] for c in top}) == 1:
            game.settled = board.filled() - top
            return frozenset(top), board
        return None
    start, board = s.wait_for("a piece at the top of the playfield", spawn_probe, interval=0.0)
    colour = board.colours[next(iter(start))]
    log("piece of kind %d entered at %s over %d settled cells"
        % (PIECE_COLOURS[colour], sorted(start), len(game.settled)))
    check(set(columns(start)) <= {4, 5, 6, 7}, "piece entered outside columns 4..7: %s" % sorted(start))

    # After the first tick, and before anything settles: 0 points.
    reader.wait_named("the points label read with its caption", reader.atspi.ROLE_LABEL, "Points: 0")
    frame = reader.wait_named("the game window", reader.atspi.ROLE_FRAME, GAME_TITLE)
    read = [o.name for o in reader.objects(reader.atspi.ROLE_IMAGE)] + ["Ctrl+Q" in frame.description]
    check(read == ["Next piece", "Playfield", True], "pictures and keys read as %s" % read)

    fallen, _ = game.wait_piece(
        "the piece to fall",
        lambda cells, b: shape(cells) == shape(start) and columns(cells) == columns(start)
        and bottom(cells) < bottom(start))
    log("piece fell from row %d to row %d" % (bottom(start), bottom(fallen)))
    return colour


def left_shifts_the_piece(s, game, game_wid, log):
    """Left: the piece moves one column and keeps falling in that column."""
    before, _ = game.wait_piece("the piece before Left", lambda c, b: True)
    s.key(game_wid, "Left")
    shifted, _ = game.wait_piece(
        "the piece to move one column left",
        lambda cells, b: shape(cells) == shape(before) and columns(cells) != columns(before))
    check(columns(shifted) == [x - 1 for x in columns(before)],
          "Left moved the piece from columns %s to %s" % (columns(before), columns(shifted)))
    check(bottom(shifted) <= bottom(before), "the piece rose on Left")
    log("Left moved the piece from columns %s to %s" % (columns(before), columns(shifted)))


def down_drops_the_piece(s, game, game_wid, colour, log):
    """Down: the piece lands at once on its resting place."""
    before, board = game.wait_piece("the piece before Down", lambda c, b: True)
    landing = resting_place(before, game.settled)
    distance = bottom(before) - bottom(landing)
    check(distance >= 10, "piece too low to tell a drop from a fall (%d rows above its resting place)"
          % distance)
    s.key(game_wid, "Down")
    # Falling there by itself would take at least distance - 1 ticks after
    # the capture that saw the piece; a drop is there long before.
    board_before_down = board.screen.taken_before
    latest = board_before_down + (distance - 1) * FASTEST_TICK

    def landed():
        b = game.board()
        filled = b.filled()
        if not landing <= filled or any(b.colours[c] != colour for c in landing):
            return None
        # The cells it left are empty again; at most the next piece has
        # come in above it.
        rest = filled - game.settled - landing
        if rest and (len(rest) != 4 or len({b.colours[c] for c in rest}) != 1
                     or bottom(rest) <= max(y for _, y in landing)):
            return None
        return b
    board = s.wait_for("the piece to land", landed, interval=0.0)
    check(board.screen.taken_after < latest,
          "piece took %.2f s to fall %d rows after Down, as slow as falling tick by tick"
          % (board.screen.taken_after - board_before_down, distance))
    log("piece dropped %d rows to %s" % (distance, sorted(landing)))
    game.settled |= landing

    # The next tick settles the dropped piece and brings in the next one.
    game.wait_piece("the next piece after the drop", lambda c, b: True)


def p_and_ctrl_p_pause_once(s, game, game_wid):
    # P and Ctrl+P: each opens exactly one pause box, and the game runs on
    # once it is closed.
    for keys in ("p", "ctrl+p"):
        s.key(game_wid, keys)
        box = s.wait_window("pause box after %s" % keys, PAUSE_TITLE)
        s.key(box, "Return")
        s.wait_gone("pause box after %s" % keys, box)
        resume_game(s, game, "after the pause box of %s" % keys)


def quit_ends_the_game(s, proc, reader, game, game_wid, folder, log):
    # Ctrl+Q: the quit box stops the game; the playfield is frozen while it
    # is open, so the points can be counted off the screen.
    s.key(game_wid, "ctrl+q")
    quit_box = s.wait_window("quit box", QUIT_TITLE)
    move_aside(s, quit_box, game_wid)
    board = game.board()
    filled = len(board.filled())
    check(filled % 4 == 0, "%d filled cells on a playfield without completed rows" % filled)
    # Every settled piece scored 10; the piece still on the way did not.
    points = 10 * (filled // 4 - 1)
    log("%d cells filled at quit: %d points" % (filled, points))
    check(proc.poll() is None, "program ended while the quit box was open")
    s.key(quit_box, "Return")  # Yes is the default button

    # The game stays frozen until the game-over box comes.
    frozen = dict(board.colours)

    def game_over_box():
        found = s.titled(GAME_OVER_TITLE)
        if len(found) == 1:
            return found[0]
        now = Board(s.capture(), game.origin)
        check(not now.clean or now.colours == frozen,
              "the game went on after Enter in the quit box (Yes should be the default)")
        return None
    over = s.wait_for("game over box", game_over_box)
    log("game over box is window %s" % over)
    box = reader.wait_named("the game over box", reader.atspi.ROLE_ALERT, GAME_OVER_TITLE)
    result = "%s: %d points on Medium" % (PLAYER, points)
    check(box.description == result, "the game over box describes %r, not %r" % (box.description, result))
    check_records(folder, points)
    s.key(over, "Return")
    return points


def main_window_shows_the_new_record(s, reader, folder, points):
    main = s.wait_window("main window after the game", MAIN_TITLE)
    s.wait_for("game window to close", lambda: not s.titled(GAME_TITLE))
    main_window_read_as_frame(s, reader)
    mx, my, _, _ = s.geometry(main)

    # The player's new record is shown, selected, in both Medium lists.
    def shows_new_record():
        screen = s.capture()
        return all(has_text(screen, (mx, my), area)
                   and background(screen, (mx, my), area) != MEDIUM_LIST_COLOUR
                   for area in (MEDIUM_POINTS_TOP_ROW, MEDIUM_NAMES_TOP_ROW))
    s.wait_for("the new Medium record, selected, in the main window", shows_new_record)
    check_records(folder, points)
    leftovers = sorted(set(os.listdir(folder)) - {"klotix", "winaqua.skn", "Klotix.dat"})
    check(not leftovers, "unexpected files beside the program: %s" % leftovers)
    return main


def end_ends_the_program(s, proc, main):
    """End: the process ends with exit code 0."""
    mx, my, _, _ = s.geometry(main)
    s.focus(main)
    s.run("xdotool", "mousemove", str(mx + END_BUTTON_CENTRE[0]), str(my + END_BUTTON_CENTRE[1]))
    s.run("xdotool", "click", "1")
    try:
        rc = proc.wait(timeout=WAIT)
    except subprocess.TimeoutExpired:
        raise Failure("program still running %.0f s after End" % WAIT)
    check(rc == 0, "program ended with exit code %d after End" % rc)


def walk(s, proc, folder, log):
    reader = ScreenReader(s)
    main = main_window_opens(s, reader, proc)
    record_lists_read_aloud(s, reader, main)
    game_wid = start_game(s, main)
    game = Game(s, game_wid)
    colour = first_piece_enters_and_falls(s, reader, game, log)
    left_shifts_the_piece(s, game, game_wid, log)
    down_drops_the_piece(s, game, game_wid, colour, log)
    p_and_ctrl_p_pause_once(s, game, game_wid)
    points = quit_ends_the_game(s, proc, reader, game, game_wid, folder, log)
    main = main_window_shows_the_new_record(s, reader, folder, points)
    end_ends_the_program(s, proc, main)


def resume_game(s, game, when):
    """Waits for two further ticks of the game (any change of the playfield
    counts), failing if a pause box shows up meanwhile: one keystroke must
    not pause twice."""
    last = None
    changes = 0
    deadline = time.monotonic() + WAIT
    while changes < 2:
        check(not s.titled(PAUSE_TITLE), "a pause box opened again %s" % when)
        check(time.monotonic() < deadline, "the game did not go on %s" % when)
        board = Board(s.capture(), game.origin)
        if not board.clean:
            continue
        filled = dict(board.colours)
        if last is not None and filled != last:
            changes += 1
        last = filled


def move_aside(s, box, game_wid):
    """Moves a box off the playfield if it covers it, so the frozen game can
    be read; the box itself stays open and modal."""
    gx, gy, gw, gh = s.geometry(game_wid)
    bx, by, bw, bh = s.geometry(box)
    if bx >= gx + gw or by >= gy + gh or bx + bw <= gx or by + bh <= gy:
        return
    s.run("xdotool", "windowmove", "--sync", box, str(gx + gw + 10), str(gy))
    s.log("moved the box off the playfield")


def area_pixels(screen, origin, area):
    ox, oy = origin
    x0, y0, x1, y1 = area
    return [screen.rgb(x, y) for y in range(oy + y0, oy + y1) for x in range(ox + x0, ox + x1)]


def background(screen, origin, area):
    """The commonest colour of an area."""
    pixels = area_pixels(screen, origin, area)
    return max(set(pixels), key=pixels.count)


def has_text(screen, origin, area):
    """Whether an area holds pixels far from its background: dark text on
    a list, or light text on a selected row."""
    back = background(screen, origin, area)
    return any(sum(abs(a - b) for a, b in zip(rgb, back)) > 250 for rgb in area_pixels(screen, origin, area))


def check_records(folder, points):
    with open(os.path.join(folder, "Klotix.dat"), "rb") as f:
        actual = f.read()
    expected = records_after(points)
    if actual != expected:
        raise Failure("record file differs\nexpected: %r\nactual:   %r" % (expected, actual))


# --------------------------------------------------------------------------
# Processes.

def die_with_parent():
    """Runs in the child before exec: if the test itself is killed (a ctest
    timeout sends SIGKILL), the child gets SIGTERM instead of staying."""
    try:
        import ctypes
        ctypes.CDLL(None, use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG
    except Exception:
        pass


def start_xvfb(env, log, log_file):
    """Starts Xvfb on the first free display of :90..:150 and returns it
    once the server accepts clients (it writes its display number to a pipe
    when it is ready).  -noreset: the server must not reset when the last
    client leaves, or the program could connect in the middle of a reset
    after one of the test's own short xdotool connections."""
    for number in range(90, 151):
        if os.path.exists("/tmp/.X%d-lock" % number) or os.path.exists("/tmp/.X11-unix/X%d" % number):
            continue
        read_fd, write_fd = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", ":%d" % number, "-displayfd", str(write_fd), "-noreset", "-nolisten", "tcp",
             "-screen", "0", "800x600x24"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=log_file,
            env=env, preexec_fn=die_with_parent)
        os.close(write_fd)
        try:
            ready = wait_ready(xvfb, read_fd)
        except BaseException:
            stop(xvfb)
            raise
        finally:
            os.close(read_fd)
        if ready:
            log("Xvfb pid %d on display :%d" % (xvfb.pid, number))
            return xvfb, ":%d" % number
        # Taken meanwhile by another server: try the next number.
        stop(xvfb)
    raise Failure("no free X display in :90..:150")


def start_session_bus(env, log_file):
    """Starts a session bus of the test's own and on it, through the bus's
    own activation of at-spi2-core, the AT-SPI bus launcher, whose screen
    reader flag it turns on, as Orca does: a Qt program started with `env`
    then speaks AT-SPI."""
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--nosyslog", "--print-address=1"],
                           stdout=subprocess.PIPE, stderr=log_file, preexec_fn=die_with_parent,
                           env=dict(env, GSETTINGS_BACKEND="memory"))  # for the launcher
    env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
    subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                    "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status",
                    "string:ScreenReaderEnabled", "variant:boolean:true"],
                   env=env, stdout=subprocess.DEVNULL, stderr=log_file, check=True, timeout=WAIT)
    return bus


def wait_ready(xvfb, read_fd):
    """True once Xvfb has written its display number, False if it ended."""
    os.set_blocking(read_fd, False)
    received = b""
    deadline = time.monotonic() + WAIT
    while not received.endswith(b"\n"):
        try:
            chunk = os.read(read_fd, 16)
        except BlockingIOError:
            if xvfb.poll() is not None:
                return False
            if time.monotonic() > deadline:
                raise Failure("Xvfb did not get ready within %.0f s" % WAIT)
            time.sleep(0.05)
            continue
        if not chunk:
            return False
        received += chunk
    return True


def stop(proc):
    if proc is None or proc.poll() is not None:
        return
    proc.terminate()
    try:
        proc.wait(timeout=5)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait(timeout=5)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--binary", required=True)
    parser.add_argument("--skin", required=True)
    parser.add_argument("--keep", action="store_true", help="keep the temporary folder")
    args = parser.parse_args()

    started = time.monotonic()

    def log(message):
        print("[%6.2f] %s" % (time.monotonic() - started, message), flush=True)

    root = tempfile.mkdtemp(prefix="klotix-e2e-")
    folder = os.path.join(root, "program")
    home = os.path.join(root, "home")
    runtime = os.path.join(root, "runtime")
    os.mkdir(folder)
    os.mkdir(home)
    os.mkdir(runtime, 0o700)
    shutil.copy2(args.binary, os.path.join(folder, "klotix"))
    shutil.copy2(args.skin, os.path.join(folder, "winaqua.skn"))
    with open(os.path.join(folder, "Klotix.dat"), "wb") as f:
        f.write(RECORDS_BEFORE)

    # A clean environment: nothing of the caller's Qt settings (platform,
    # logging rules), of its home folder or of its language: the program
    # speaks English, the language of the titles the walk looks for.
    env = {k: v for k, v in os.environ.items()
           if not k.startswith(("QT_", "QML", "DISPLAY", "WAYLAND", "XDG_", "XAUTHORITY", "LANG", "LC_",
                                "DBUS_", "AT_SPI"))}
    env.update(HOME=home, XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_CACHE_HOME=os.path.join(home, ".cache"), XDG_DATA_HOME=os.path.join(home, ".local"),
               LC_ALL="C.UTF-8", QT_QPA_PLATFORM="xcb")

    stderr_path = os.path.join(root, "klotix.stderr")
    stdout_path = os.path.join(root, "klotix.stdout")
    xvfb = proc = bus = None
    session = None
    failed = True
    try:
        with open(os.path.join(root, "xvfb.log"), "wb") as xvfb_log:
            xvfb, display = start_xvfb(env, log, xvfb_log)
        env["DISPLAY"] = display
        with open(os.path.join(root, "bus.log"), "wb") as bus_log:
            bus = start_session_bus(env, bus_log)
        session = Session(env, log)
        with open(stdout_path, "wb") as out, open(stderr_path, "wb") as err:
            proc = subprocess.Popen([os.path.join(folder, "klotix")], cwd=root, env=env,
                                    stdout=out, stderr=err, stdin=subprocess.DEVNULL,
                                    preexec_fn=die_with_parent)
        log("klotix pid %d" % proc.pid)
        walk(session, proc, folder, log)
        with open(stderr_path, "rb") as f:
            lines = [l for l in f.read().decode(errors="replace").splitlines() if l.strip()]
        check(not lines, "the program printed on stderr:\n  " + "\n  ".join(lines))
        check(not os.path.exists(os.path.join(home, ".local", "share", "Klotix"))
              and not any("Klotix.dat" in files for _, _, files in os.walk(home)),
              "records were written outside the program's folder")
        failed = False
        log("passed")
    except Failure as e:
        print("FAIL: %s" % e, flush=True)
    except Exception as e:  # a broken tool or a crash of the walk itself
        print("FAIL: %s: %s" % (type(e).__name__, e), flush=True)
    finally:
        if failed:
            save_evidence(session, root, stderr_path, stdout_path, folder)
        stop(proc)
        stop(bus)
        stop(xvfb)
        if failed and not args.keep:
            # Keep the evidence, not the copy of the program.
            for name in ("klotix", "winaqua.skn"):
                try:
                    os.remove(os.path.join(folder, name))
                except OSError:
                    pass
        if not failed and not args.keep:
            shutil.rmtree(root, ignore_errors=True)
        elif args.keep:
            print("temporary folder kept: %s" % root)
    return 1 if failed else 0


def save_evidence(session, root, stderr_path, stdout_path, folder):
    """Keeps a screenshot and the program's output for the CI log."""
    where = os.getcwd() if os.access(os.getcwd(), os.W_OK) else root
    shot = os.path.join(where, "e2e_failure_screenshot.png")
    if session is not None:
        try:
            session.run("import", "-window", "root", "png:" + shot, timeout=20)
            print("screenshot: %s" % shot)
        except Exception as e:
            print("no screenshot: %s" % e)
    for path, name in ((stderr_path, "e2e_failure_stderr.txt"), (stdout_path, "e2e_failure_stdout.txt")):
        if os.path.exists(path):
            target = os.path.join(where, name)
            shutil.copyfile(path, target)
            with open(path, "rb") as f:
                content = f.read().decode(errors="replace")
            print("program %s: %s%s" % (name.split("_")[-1].split(".")[0], target,
                                        (":\n" + content) if content else " (empty)"))
    records = os.path.join(folder, "Klotix.dat")
    if os.path.exists(records):
        with open(records, "rb") as f:
            print("record file now: %r" % f.read())
    print("temporary folder kept: %s" % root)


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))  # ctest timeout: still clean up
    sys.exit(main())
