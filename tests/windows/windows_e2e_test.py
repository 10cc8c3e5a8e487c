#!/usr/bin/env python3
"""Klotix for Windows as a Windows player meets it, under Wine.

In a private Wine prefix, with Wine's menu builder off so that nothing is
written into $HOME:

  setup.exe /S -> Program Files\\Klotix holding exactly the installed tree,
  a Start-menu shortcut, an uninstall entry -> the installed klotix.exe: main window (client area
  483 x 337, asked from inside Windows) -> Alt+S, a name -> game window
  (client area 280 x 432) -> Ctrl+Q, Yes -> "Game Over!" -> main window ->
  End -> the records are in %APPDATA%\\Klotix\\Klotix.dat with CR LF lines,
  and nothing was written under Program Files -> the quiet uninstall
  string leaves no file, shortcut or registry entry, only the records and
  a file of the player's
  -> the portable zip, unpacked into a folder of the player's, plays a
  game too and keeps its records beside klotix.exe.

Runs on the X server named by DISPLAY (make test-windows starts one); keys
go in through XTEST (xdotool), window sizes come from window_probe.exe.

    windows_e2e_test.py --setup SETUP.EXE --stage INSTALLED-TREE --version X.Y.Z --zip PORTABLE.ZIP --probe window_probe.exe
                        --wine WINE --wineserver WINESERVER [--keep]
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import installer_check  # noqa: E402

MAIN_TITLE = re.compile(r"^Klotix \(.+\) v\. \d+\.\d+\.\d+$")
GAME_TITLE = "Klotix (klotix.example.org)"
MAIN_CLIENT = "483x337"
GAME_CLIENT = "280x432"
PROGRAM = r"C:\Program Files\Klotix\bin\klotix.exe"
TAHOMA_FOLDER = "/usr/share/wine/fonts"
WAIT = 60.0  # Wine starts slowly on a loaded machine


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


class Wine:
    """A private prefix and the programs run in it."""

    def __init__(self, args, root, log):
        self.args = args
        self.prefix = os.path.join(root, "prefix")
        self.log = log
        self.env = dict(os.environ, WINEPREFIX=self.prefix, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d",
                        LC_ALL="C.UTF-8", KLOTIX_WINE=args.wine, KLOTIX_WINESERVER=args.wineserver)
        for name in ("LANGUAGE", "LANG", "LC_MESSAGES", "QT_QPA_PLATFORM", "WINEPATH"):
            self.env.pop(name, None)

    def run(self, *command, timeout=WAIT):
        """Runs a Windows program and returns what it printed. Its output
        goes through a file: Wine's server and services, started by the
        first program, would hold a pipe open long after it ended."""
        with tempfile.TemporaryFile() as out:
            subprocess.run([self.args.wine, *command], env=self.env, stdin=subprocess.DEVNULL,
                           stdout=out, stderr=subprocess.DEVNULL, timeout=timeout)
            out.seek(0)
            return out.read()

    def start(self, program, log_path):
        with open(log_path, "wb") as out:
            return subprocess.Popen([self.args.wine, program], env=self.env, stdin=subprocess.DEVNULL,
                                    stdout=out, stderr=subprocess.STDOUT)

    def windows(self):
        """The visible top-level windows inside Windows: {title: "WxH"}."""
        lines = self.run(self.args.probe).decode("utf-8", "replace").splitlines()
        return {title: size for size, _, title in (line.partition("\t") for line in lines)}

    def wait_window(self, what, match):
        """Waits for a window whose title matches; returns (title, client size)."""
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline:
            for title, size in self.windows().items():
                if (match.match(title) if hasattr(match, "match") else title == match):
                    self.log("%s: %r, client %s" % (what, title, size))
                    return title, size
            time.sleep(0.2)
        raise Failure("timed out waiting for %s; open: %s" % (what, self.windows()))

    def unix(self, windows_path):
        return os.path.join(self.prefix, "drive_c", *windows_path[3:].split("\\"))

    def stop(self):
        subprocess.run([self.args.wineserver, "-k"], env=self.env, capture_output=True, timeout=WAIT)


def give_tahoma(prefix):
    """Tahoma, the game's font, as every Windows has it: Wine's own copy
    (Debian's fonts-wine), among the prefix's fonts."""
    fonts = os.path.join(prefix, "drive_c", "windows", "Fonts")
    for name in ("tahoma.ttf", "tahomabd.ttf"):
        shutil.copy(os.path.join(TAHOMA_FOLDER, name), fonts)


def x_window(title):
    """The X window Wine shows the Windows window `title` in."""
    out = subprocess.run(["xdotool", "search", "--name", "^%s$" % re.escape(title)],
                         capture_output=True, timeout=WAIT).stdout.split()
    check(out, "no X window for %r" % title)
    return out[-1].decode()


def keys(title, *names):
    """Gives the window the keyboard and presses `names` through XTEST."""
    window = x_window(title)
    subprocess.run(["xdotool", "windowactivate", "--sync", window], capture_output=True, timeout=WAIT)
    subprocess.run(["xdotool", "windowfocus", "--sync", window], capture_output=True, timeout=WAIT)
    time.sleep(0.3)
    subprocess.run(["xdotool", "key", "--delay", "80", *names], check=True, timeout=WAIT)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "80", text], check=True, timeout=WAIT)


def shoot(title, path):
    """Saves the X window that shows `title` as a picture (for the README)."""
    if path:
        window = x_window(title)
        subprocess.run(["xdotool", "windowraise", window], capture_output=True, timeout=WAIT)
        time.sleep(1.0)  # painted on top
        subprocess.run(["import", "-window", window, path], check=True, timeout=WAIT)


def play_one_game(wine, program, player, log_path, shots=None):
    """Starts `program`, plays a game on the level shown to its quick end
    and ends the program; checks both windows' client sizes. With `shots`,
    a folder, saves a picture of each window there."""
    proc = wine.start(program, log_path)
    try:
        main_title, size = wine.wait_window("main window", MAIN_TITLE)
        check(size == MAIN_CLIENT, "main window's client area %s, not %s" % (size, MAIN_CLIENT))
        shoot(main_title, shots and os.path.join(shots, "windows-main-window.png"))
        keys(main_title, "alt+s")
        wine.wait_window("name box", "Your name")
        type_text(player)
        keys("Your name", "Return")
        _, size = wine.wait_window("game window", GAME_TITLE)
        check(size == GAME_CLIENT, "game window's client area %s, not %s" % (size, GAME_CLIENT))
        time.sleep(1.0)  # a piece or two fall
        shoot(GAME_TITLE, shots and os.path.join(shots, "windows-game-window.png"))
        keys(GAME_TITLE, "ctrl+q")
        wine.wait_window("quit question", "Klotix")
        keys("Klotix", "Return")  # Yes
        wine.wait_window("game over box", "Game Over!")
        keys("Game Over!", "Return")
        main_title, _ = wine.wait_window("main window again", MAIN_TITLE)
        # From the first record list: six lists, Start new game, then End.
        keys(main_title, *["Tab"] * 7, "space")
        proc.wait(timeout=WAIT)
        check(proc.returncode == 0, "klotix.exe ended with %d" % proc.returncode)
    finally:
        if proc.poll() is None:
            proc.kill()


def check_records(path, player):
    check(os.path.isfile(path), "no record file at %s" % path)
    data = open(path, "rb").read()
    lines = data.split(b"\r\n")
    check(lines[-1] == b"" and b"\n" not in data.replace(b"\r\n", b""),
          "%s has lines not ended by CR LF: %r" % (path, data))
    check(player.encode() in lines, "%s holds no entry for %s: %r" % (path, player, data))
    points = lines[lines.index(player.encode()) + 1]
    check(re.fullmatch(rb" \d+ ", points), "%s's points line is %r" % (player, points))


def snapshot(folder):
    return {os.path.relpath(os.path.join(top, name), folder): os.stat(os.path.join(top, name)).st_mtime_ns
            for top, _, names in os.walk(folder) for name in names}


def walk(args, root, log):
    home_before = snapshot(os.path.expanduser("~/.local/share/applications")) \
        if os.path.isdir(os.path.expanduser("~/.local/share/applications")) else {}
    wine = Wine(args, root, log)
    log("installing %s" % args.setup)
    installer_check.install(wine.prefix, args.setup)
    give_tahoma(wine.prefix)
    faults = installer_check.installed_faults(wine.prefix, args.stage, args.version)
    check(not faults, "; ".join(faults))

    program_files = wine.unix(r"C:\Program Files\Klotix")
    before = snapshot(program_files)
    started = time.monotonic()
    play_one_game(wine, PROGRAM, "Wine Player", os.path.join(root, "installed.log"), args.screenshots)
    log("installed game played in %.1f s" % (time.monotonic() - started))
    check(snapshot(program_files) == before, "the game wrote under Program Files")
    user = wine.run("cmd", "/c", "echo %APPDATA%").decode().strip()
    records = wine.unix(user + r"\Klotix\Klotix.dat")
    check_records(records, "Wine Player")
    kept = open(records, "rb").read()

    log("uninstalling")
    faults = installer_check.uninstall_faults(wine.prefix)
    check(not faults, "; ".join(faults))
    check(open(records, "rb").read() == kept, "the uninstaller changed the records")

    # The portable copy, in a folder of the player's.
    games = wine.unix(user.rsplit("\\", 2)[0] + r"\Documents\Games")
    os.makedirs(games, exist_ok=True)
    with zipfile.ZipFile(args.zip) as archive:
        archive.extractall(games)
        top = archive.namelist()[0].split("/")[0]
    portable = os.path.join(games, top)
    play_one_game(wine, os.path.join(portable, "klotix.exe"), "Zip Player", os.path.join(root, "portable.log"))
    check_records(os.path.join(portable, "Klotix.dat"), "Zip Player")
    check(open(records, "rb").read() == kept, "the portable copy wrote into %APPDATA%")
    wine.stop()

    home_after = snapshot(os.path.expanduser("~/.local/share/applications")) \
        if os.path.isdir(os.path.expanduser("~/.local/share/applications")) else {}
    check(home_after == home_before, "Wine wrote menu entries into $HOME")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    for name in ("--setup", "--stage", "--version", "--zip", "--probe", "--wine", "--wineserver"):
        parser.add_argument(name, required=True)
    parser.add_argument("--keep", action="store_true", help="keep the prefix and the programs' output")
    parser.add_argument("--screenshots", help="a folder to save pictures of the installed program's windows in")
    args = parser.parse_args()
    check(os.environ.get("DISPLAY"), "no DISPLAY: run under an X server (make test-windows starts one)")

    started = time.monotonic()

    def log(message):
        print("[%6.2f] %s" % (time.monotonic() - started, message), flush=True)

    root = tempfile.mkdtemp(prefix="klotix-windows-e2e-")
    failed = True
    try:
        walk(args, root, log)
        failed = False
        log("passed")
    except (Failure, RuntimeError, subprocess.SubprocessError) as e:
        print("FAIL: %s" % e, flush=True)
        for name in ("installed.log", "portable.log"):
            path = os.path.join(root, name)
            if os.path.exists(path):
                print("--- %s\n%s" % (name, open(path, "rb").read().decode(errors="replace")), flush=True)
    finally:
        subprocess.run([args.wineserver, "-k"], env=dict(os.environ, WINEPREFIX=os.path.join(root, "prefix")),
                       capture_output=True)
        if args.keep or failed:
            print("kept: %s" % root)
        else:
            shutil.rmtree(root, ignore_errors=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
