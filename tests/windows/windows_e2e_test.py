#!/usr/bin/env python3
"""Klotix for Windows as a Windows player meets it, under Wine.

In a private Wine prefix (Wine's menu builder off, so that nothing is
written into $HOME), one step after the other (STEPS):

  pack: this version signed with a throwaway certificate, as a
    maintainer's would be, and an unsigned older version that ships one
    file more
  install the older version, with records in %APPDATA%\\Klotix
  nothing changes while Klotix runs: this version's setup.exe /S and the
    quiet uninstall both end with the exit code for that
  update to this version: exactly the files `cmake --install` installs
    (the retired one gone), one uninstall entry with this version and
    size, the shortcut on the new klotix.exe, every signature in place,
    the records kept
  play the installed game: main window (client area 483 x 337, asked from
    inside Windows) -> Alt+S, a name -> game window (280 x 432) -> Ctrl+Q,
    Yes -> "Game Over!" -> main window -> End; the result is in the
    records, with CR LF lines, and nothing was written under Program Files
  the zip ships the installer's bytes, file for file
  repair a missing file with the same setup.exe
  uninstall refused while a DLL is held open by another program, the
    entry kept
  uninstall keeps the player's files: only the records and a file of the
    player's stay
  play the portable copy: the zip, unpacked into Documents\\Games, is one
    folder "Klotix" that plays a game and keeps its records beside
    klotix.exe, also when the zip is unpacked over it again

Runs on the X server named by DISPLAY (make test-windows starts one); keys
go in through XTEST (xdotool), window sizes come from window_probe.exe.

    windows_e2e_test.py --cmake CMAKE --cpack CPACK --build-dir BUILD
                        --cpack-config CPackConfig.cmake --identity klotix-identity.json
                        --probe window_probe.exe --holder hold_file.exe --runner run-under-wine
                        --wine WINE --wineserver WINESERVER [--keep] [--screenshots FOLDER]
"""

import argparse
import json
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
OLD_VERSION = "1.0.0"
RECORDS = b" 1 \r\n 0 \r\n 0 \r\nOld Player\r\n 70 \r\n"
WAIT = 60.0  # Wine starts slowly on a loaded machine
ARGS = None  # the command line, parsed


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def windows(wine, probe):
    """The visible top-level windows inside Windows: {title: "WxH"}."""
    _, out = wine.run(probe, timeout=WAIT)
    return {title: size for size, _, title in (line.partition("\t") for line in out.splitlines())}


def wait_window(wine, probe, log, what, match):
    """Waits for a window whose title matches; returns (title, client size)."""
    deadline = time.monotonic() + WAIT
    while time.monotonic() < deadline:
        for title, size in windows(wine, probe).items():
            if (match.match(title) if hasattr(match, "match") else title == match):
                log("%s: %r, client %s" % (what, title, size))
                return title, size
        time.sleep(0.2)
    raise Failure("timed out waiting for %s; open: %s" % (what, windows(wine, probe)))


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


def end_from_main_window(title):
    # From the first record list: six lists, Start new game, then End.
    keys(title, *["Tab"] * 7, "space")


def play_one_game(wine, args, log, program, player, log_path, shots=None):
    """Starts `program`, plays a game on the level shown to its quick end
    and ends the program; checks both windows' client sizes. With `shots`,
    a folder, saves a picture of each window there."""
    with open(log_path, "wb") as out:
        proc = wine.start(program, stdout=out)
    try:
        main_title, size = wait_window(wine, args.probe, log, "main window", MAIN_TITLE)
        check(size == MAIN_CLIENT, "main window's client area %s, not %s" % (size, MAIN_CLIENT))
        shoot(main_title, shots and os.path.join(shots, "windows-main-window.png"))
        keys(main_title, "alt+s")
        wait_window(wine, args.probe, log, "name box", "Your name")
        type_text(player)
        keys("Your name", "Return")
        _, size = wait_window(wine, args.probe, log, "game window", GAME_TITLE)
        check(size == GAME_CLIENT, "game window's client area %s, not %s" % (size, GAME_CLIENT))
        time.sleep(1.0)  # a piece or two fall
        shoot(GAME_TITLE, shots and os.path.join(shots, "windows-game-window.png"))
        keys(GAME_TITLE, "ctrl+q")
        wait_window(wine, args.probe, log, "quit question", "Klotix")
        keys("Klotix", "Return")  # Yes
        wait_window(wine, args.probe, log, "game over box", "Game Over!")
        keys("Game Over!", "Return")
        main_title, _ = wait_window(wine, args.probe, log, "main window again", MAIN_TITLE)
        end_from_main_window(main_title)
        proc.wait(timeout=WAIT)
        check(proc.returncode == 0, "klotix.exe ended with %d" % proc.returncode)
    finally:
        if proc.poll() is None:
            proc.kill()


def check_records(path, *players):
    check(os.path.isfile(path), "no record file at %s" % path)
    data = open(path, "rb").read()
    lines = data.split(b"\r\n")
    check(lines[-1] == b"" and b"\n" not in data.replace(b"\r\n", b""),
          "%s has lines not ended by CR LF: %r" % (path, data))
    for player in players:
        check(player.encode() in lines, "%s holds no entry for %s: %r" % (path, player, data))
        points = lines[lines.index(player.encode()) + 1]
        check(re.fullmatch(rb" \d+ ", points), "%s's points line is %r" % (player, points))


def snapshot(folder):
    return {os.path.relpath(os.path.join(top, name), folder): os.stat(os.path.join(top, name)).st_mtime_ns
            for top, _, names in os.walk(folder) for name in names}


def signed(path):
    """Whether `path` carries an Authenticode signature whose digest matches
    the file. The throwaway certificate is trusted by nobody, which is all
    osslsigncode then complains of."""
    out = subprocess.run(["osslsigncode", "verify", "-in", str(path)], capture_output=True, text=True,
                         timeout=WAIT)
    digests = re.findall(r"^(?:Current|Calculated) message digest *: *(\w+)", out.stdout, re.M)
    return len(digests) == 2 and digests[0] == digests[1]


def cpack(arguments, env):
    done = subprocess.run([ARGS.cpack, *arguments], env=env, capture_output=True, text=True, timeout=600)
    check(done.returncode == 0, "cpack %s failed:\n%s%s" % (" ".join(arguments), done.stdout, done.stderr))


def installed_tree(folder):
    """{path: size} of this build installed as the packages install it."""
    done = subprocess.run([ARGS.cmake, "--install", ARGS.build_dir, "--prefix", folder, "--strip"],
                          capture_output=True, text=True, timeout=600)
    check(done.returncode == 0, "cmake --install failed:\n%s%s" % (done.stdout, done.stderr))
    return {os.path.relpath(os.path.join(top, name), folder).replace(os.sep, "/"):
            os.path.getsize(os.path.join(top, name)) for top, _, names in os.walk(folder) for name in names}


class Walk:
    """What the steps share: the packages, the prefix, the records."""

    def __init__(self, root, log):
        self.root, self.log = root, log
        self.identity = ARGS.identity
        self.layout = installer_check.Layout(self.identity)
        self.wine = installer_check.Wine(ARGS.runner, os.path.join(root, "prefix"), ARGS.wine, ARGS.wineserver)


def pack(walk):
    """This version signed, and an older one with a file more, unsigned."""
    keys_folder = os.path.join(walk.root, "signing")
    os.makedirs(keys_folder)
    key, certificate, bundle = (os.path.join(keys_folder, name) for name in ("key.pem", "cert.pem", "klotix.p12"))
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                    "/CN=Klotix test signing", "-keyout", key, "-out", certificate],
                   check=True, capture_output=True, timeout=WAIT)
    subprocess.run(["openssl", "pkcs12", "-export", "-inkey", key, "-in", certificate, "-out", bundle,
                    "-passout", "pass:throwaway secret"], check=True, capture_output=True, timeout=WAIT)
    env = dict(os.environ, KLOTIX_SIGN_PKCS12=bundle, KLOTIX_SIGN_PASSWORD="throwaway secret")
    for name in ("KLOTIX_SIGN_TIMESTAMP_URL", "KLOTIX_SIGNATURES"):
        env.pop(name, None)
    current = os.path.join(walk.root, "packages")
    started = time.monotonic()
    cpack(["--config", ARGS.cpack_config, "-B", current], env)
    walk.log("packed and signed in %.1f s" % (time.monotonic() - started))

    retired = os.path.join(walk.root, "retired")
    os.makedirs(os.path.join(retired, "bin"))
    with open(os.path.join(retired, "bin", "retired.txt"), "w") as text:
        text.write("only in the older version\n")
    older = os.path.join(walk.root, "older")
    env = {name: value for name, value in os.environ.items() if not name.startswith("KLOTIX_SIGN")}
    cpack(["--config", ARGS.cpack_config, "-G", "NSIS", "-B", older, "-D", "CPACK_PACKAGE_VERSION=" + OLD_VERSION,
           "-D", "CPACK_NSIS_COMPRESSOR=zlib", "-D", "CPACK_INSTALLED_DIRECTORIES=%s;/" % retired], env)
    version = walk.identity["version"]
    walk.setup = os.path.join(current, "klotix-%s-setup.exe" % version)
    walk.portable_zip = os.path.join(current, "klotix-%s-windows.zip" % version)
    walk.older_setup = os.path.join(older, "klotix-%s-setup.exe" % OLD_VERSION)
    walk.expected = installed_tree(os.path.join(walk.root, "installed-tree"))
    check(signed(walk.setup), "setup.exe is not signed")
    check(not signed(walk.older_setup), "a package made without a certificate is signed")


def install_the_older_version(walk):
    wine = walk.wine
    check(installer_check.install(wine, walk.older_setup) == 0, "the older setup.exe failed")
    check(installer_check.uninstall_entry(wine, walk.layout.key).get("DisplayVersion") == OLD_VERSION,
          "the older version's entry is not there")
    _, user = wine.run("cmd", "/c", "echo %APPDATA%")
    walk.user = user.strip()
    walk.records = wine.unix(walk.user + "\\%s\\Klotix.dat" % walk.identity["records_folder"])
    os.makedirs(os.path.dirname(walk.records))
    with open(walk.records, "wb") as out:
        out.write(RECORDS)


def nothing_changes_while_klotix_runs(walk):
    wine, layout, identity = walk.wine, walk.layout, walk.identity
    with open(os.path.join(walk.root, "running.log"), "wb") as out:
        running = wine.start(layout.program, stdout=out)
    try:
        main_title, _ = wait_window(wine, ARGS.probe, walk.log, "main window", MAIN_TITLE)
        before = installer_check.state(wine, layout)
        code = installer_check.install(wine, walk.setup)
        check(code == identity["exit_klotix_runs"], "setup.exe /S beside a running Klotix ended with %d" % code)
        check(installer_check.state(wine, layout) == before, "setup.exe changed the installation while Klotix ran")
        code = installer_check.uninstall(wine, layout.key)
        check(code == identity["exit_klotix_runs"], "the quiet uninstall beside a running Klotix ended with %d" % code)
        check(installer_check.state(wine, layout) == before, "the uninstaller removed files while Klotix ran")
        end_from_main_window(main_title)
        running.wait(timeout=WAIT)
    finally:
        if running.poll() is None:
            running.kill()


def update_to_this_version(walk):
    wine = walk.wine
    check(installer_check.install(wine, walk.setup) == 0, "setup.exe over the older version failed")
    faults = installer_check.installed_faults(wine, walk.expected, walk.identity)
    check(not faults, "; ".join(faults))
    for path in (wine.unix(walk.layout.program), wine.unix(walk.layout.uninstaller)):
        check(signed(path), "%s is not signed" % path)
    check(open(walk.records, "rb").read() == RECORDS, "the update changed the records")


def play_the_installed_game(walk):
    program_files = walk.wine.unix(walk.layout.folder)
    before = snapshot(program_files)
    started = time.monotonic()
    play_one_game(walk.wine, ARGS, walk.log, walk.layout.program, "Wine Player",
                  os.path.join(walk.root, "installed.log"), ARGS.screenshots)
    walk.log("installed game played in %.1f s" % (time.monotonic() - started))
    check(snapshot(program_files) == before, "the game wrote under Program Files")
    check_records(walk.records, "Old Player", "Wine Player")
    walk.kept = open(walk.records, "rb").read()


def the_zip_ships_the_installers_bytes(walk):
    """A file that both packages ship is the same bytes in each: the zip's
    one folder holds bin/ and share/klotix/ together, and licenses/."""
    installed = walk.wine.unix(walk.layout.folder)
    folder = walk.identity["portable_folder"]
    with zipfile.ZipFile(walk.portable_zip) as archive:
        for name in walk.expected:
            inside = re.sub(r"^(bin|share/klotix)/", "", name)
            with open(os.path.join(installed, name), "rb") as file:
                check(archive.read("%s/%s" % (folder, inside)) == file.read(),
                      "the zip's %s differs from the one setup.exe installs" % inside)


def repair_a_missing_file(walk):
    missing = os.path.join(walk.wine.unix(walk.layout.folder), "bin", "translations", "qtbase_de.qm")
    os.remove(missing)
    check(installer_check.install(walk.wine, walk.setup) == 0, "setup.exe over the same version failed")
    faults = installer_check.installed_faults(walk.wine, walk.expected, walk.identity)
    check(not faults, "after the repair: " + "; ".join(faults))


def uninstall_refused_while_a_dll_is_held(walk):
    wine, layout = walk.wine, walk.layout
    holder = wine.start(ARGS.holder, layout.folder + r"\bin\Qt6Core.dll", stdin=subprocess.PIPE,
                        stdout=subprocess.PIPE)
    try:
        check(holder.stdout.readline().strip() == b"held", "hold_file.exe could not hold Qt6Core.dll")
        code = installer_check.uninstall(wine, layout.key)
        check(code == walk.identity["exit_files_held"], "the uninstall with a held file ended with %d" % code)
        check(installer_check.uninstall_entry(wine, layout.key), "the uninstall entry went with a file left")
    finally:
        holder.communicate(timeout=WAIT)


def uninstall_keeps_the_players_files(walk):
    notes = os.path.join(walk.wine.unix(walk.layout.folder), "bin", "my notes.txt")
    with open(notes, "w") as text:
        text.write("kept\n")
    code = installer_check.uninstall(walk.wine, walk.layout.key)
    check(code == 0, "the uninstall ended with %d" % code)
    left = installer_check.leftovers(walk.wine, walk.layout)
    check(left == [walk.layout.install_dir + "/bin/my notes.txt"], "left after uninstalling: %s" % left)
    check(open(walk.records, "rb").read() == walk.kept, "the uninstaller changed the records")


def play_the_portable_copy(walk):
    """In a folder of the player's, the zip's one folder plays and keeps
    its records beside klotix.exe, also when unpacked over again."""
    folder = walk.identity["portable_folder"]
    games = walk.wine.unix(walk.user.rsplit("\\", 2)[0] + r"\Documents\Games")
    os.makedirs(games, exist_ok=True)
    with zipfile.ZipFile(walk.portable_zip) as archive:
        tops = {name.split("/")[0] for name in archive.namelist()}
        check(tops == {folder}, "the zip holds %s, not one folder %s" % (sorted(tops), folder))
        archive.extractall(games)
    portable = os.path.join(games, folder)
    check(signed(os.path.join(portable, "klotix.exe")), "the portable klotix.exe is not signed")
    play_one_game(walk.wine, ARGS, walk.log, os.path.join(portable, "klotix.exe"), "Zip Player",
                  os.path.join(walk.root, "portable.log"))
    check_records(os.path.join(portable, "Klotix.dat"), "Zip Player")
    portable_records = open(os.path.join(portable, "Klotix.dat"), "rb").read()
    with zipfile.ZipFile(walk.portable_zip) as archive:
        archive.extractall(games)  # the next version, unpacked over this one
    check(open(os.path.join(portable, "Klotix.dat"), "rb").read() == portable_records,
          "unpacking the zip again lost the portable copy's records")
    check(open(walk.records, "rb").read() == walk.kept, "the portable copy wrote into %APPDATA%")


STEPS = (pack, install_the_older_version, nothing_changes_while_klotix_runs, update_to_this_version,
         play_the_installed_game, the_zip_ships_the_installers_bytes, repair_a_missing_file,
         uninstall_refused_while_a_dll_is_held, uninstall_keeps_the_players_files, play_the_portable_copy)


def walk_all(root, log):
    home_applications = os.path.expanduser("~/.local/share/applications")
    home_before = snapshot(home_applications) if os.path.isdir(home_applications) else {}
    walk = Walk(root, log)
    for step in STEPS:
        log(step.__name__.replace("_", " "))
        step(walk)
    walk.wine.stop()
    home_after = snapshot(home_applications) if os.path.isdir(home_applications) else {}
    check(home_after == home_before, "Wine wrote menu entries into $HOME")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    for name in ("--cmake", "--cpack", "--build-dir", "--cpack-config", "--identity", "--probe", "--holder",
                 "--runner", "--wine", "--wineserver"):
        parser.add_argument(name, required=True)
    parser.add_argument("--keep", action="store_true", help="keep the prefix and the programs' output")
    parser.add_argument("--screenshots", help="a folder to save pictures of the installed program's windows in")
    global ARGS
    args = ARGS = parser.parse_args()
    with open(args.identity, encoding="utf-8") as text:
        args.identity = json.load(text)
    check(os.environ.get("DISPLAY"), "no DISPLAY: run under an X server (make test-windows starts one)")

    started = time.monotonic()

    def log(message):
        print("[%6.2f] %s" % (time.monotonic() - started, message), flush=True)

    root = tempfile.mkdtemp(prefix="klotix-windows-e2e-")
    failed = True
    try:
        walk_all(root, log)
        failed = False
        log("passed")
    except (Failure, RuntimeError, subprocess.SubprocessError) as e:
        print("FAIL: %s" % e, flush=True)
        for name in ("running.log", "installed.log", "portable.log"):
            path = os.path.join(root, name)
            if os.path.exists(path):
                print("--- %s\n%s" % (name, open(path, "rb").read().decode(errors="replace")), flush=True)
    finally:
        installer_check.Wine(args.runner, os.path.join(root, "prefix"), args.wine, args.wineserver).stop()
        if args.keep or failed:
            print("kept: %s" % root)
        else:
            shutil.rmtree(root, ignore_errors=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
