"""Installs a build into a temporary prefix and checks the installed tree:
exactly the expected files, a runnable executable that finds its skin in
share/klotix even from a moved prefix, its command line, a desktop entry
and software-centre metadata that validate, the icon at the sizes its
folders promise, and a Debian package that lintian accepts.

    python3 install_test.py --cmake CMAKE --cpack CPACK --build-dir BUILD
                            --source-dir SOURCE --project-version X.Y.Z
"""

import argparse
import contextlib
import gzip
import os
import pathlib
import shutil
import stat
import subprocess
import sys
import tempfile
import time
import unittest
import xml.etree.ElementTree as ElementTree

import png_file

ICON_SIZES = (32, 64, 128)
APP_ID = "org.example.klotix"


def shared_files(languages):
    return ({
        "share/klotix/winaqua.skn",
        "share/klotix/translations/klotix_qtbase_sv.qm",
        "share/applications/%s.desktop" % APP_ID,
        "share/metainfo/%s.metainfo.xml" % APP_ID,
        "share/man/man6/klotix.6.gz",
        "share/doc/klotix/copyright",
        "share/doc/klotix/changelog.gz",
        "share/icons/hicolor/scalable/apps/klotix.svg",
    } | {"share/icons/hicolor/%dx%d/apps/klotix.png" % (size, size) for size in ICON_SIZES}
      | {"share/klotix/translations/klotix_%s.qm" % language for language in languages})


ARGS = None


def read_desktop_entry(path):
    """Groups of a desktop entry file as {group: {key: value}}; raises
    ValueError on a line that is neither a comment, a group nor key=value,
    on a key before the first group and on a key given twice in a group."""
    groups, current = {}, None
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        if line.startswith("[") and line.endswith("]"):
            current = groups.setdefault(line[1:-1], {})
            continue
        key, sep, value = line.partition("=")
        key = key.strip()
        if not sep or not key:
            raise ValueError("line %d is not key=value: %r" % (number, line))
        if current is None:
            raise ValueError("line %d comes before the first group" % number)
        if key in current:
            raise ValueError("line %d repeats the key %s" % (number, key))
        current[key] = value.strip()
    return groups


class InstalledTree(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory(prefix="klotix-install-")
        cls.prefix = pathlib.Path(cls.scratch.name) / "prefix"
        result = subprocess.run(
            [ARGS.cmake, "--install", ARGS.build_dir, "--prefix", str(cls.prefix)],
            stdout=subprocess.PIPE,
            stderr=subprocess.STDOUT,
            text=True,
        )
        if result.returncode != 0:
            cls.scratch.cleanup()
            raise AssertionError("cmake --install failed:\n" + result.stdout)

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def package(self):
        """The Debian package CPack builds from this build, made once."""
        cls = type(self)
        if not hasattr(cls, "deb"):
            out = pathlib.Path(cls.scratch.name) / "package"
            result = run([ARGS.cpack, "--config", str(pathlib.Path(ARGS.build_dir) / "CPackConfig.cmake"),
                          "-B", str(out)])
            self.assertEqual(result.returncode, 0, "cpack failed:\n" + result.stdout)
            debs = list(out.glob("klotix_%s_*.deb" % ARGS.project_version))
            self.assertEqual(len(debs), 1, "packages made: %s" % debs)
            cls.deb = debs[0]
        return cls.deb

    def installed(self, relative):
        path = self.prefix / relative
        self.assertTrue(path.is_file(), "%s is not installed" % relative)
        return path

    def test_installs_exactly_the_program_and_its_data_files(self):
        files = {
            path.relative_to(self.prefix).as_posix()
            for path in self.prefix.rglob("*")
            if not path.is_dir()
        }
        self.assertEqual(files, {"bin/klotix"} | shared_files(ARGS.languages))

    def test_executable_is_an_elf_program_everyone_may_run(self):
        path = self.installed("bin/klotix")
        with path.open("rb") as file:
            self.assertEqual(file.read(4), b"\x7fELF")
        mode = path.stat().st_mode
        self.assertEqual(mode & 0o555, 0o555, "mode %o" % stat.S_IMODE(mode))

    def test_skin_is_installed_unchanged_in_the_programs_data_folder(self):
        path = self.installed("share/klotix/winaqua.skn")
        source = pathlib.Path(ARGS.source_dir) / "data" / "winaqua.skn"
        self.assertEqual(path.read_bytes(), source.read_bytes())
        self.assertEqual(path.stat().st_mode & 0o444, 0o444)

    def test_desktop_entry_starts_klotix_with_its_icon(self):
        groups = read_desktop_entry(self.installed("share/applications/%s.desktop" % APP_ID))
        self.assertEqual(list(groups), ["Desktop Entry"])
        entry = groups["Desktop Entry"]
        self.assertEqual(entry.get("Type"), "Application")
        self.assertEqual(entry.get("Name"), "Klotix")
        self.assertEqual(entry.get("Terminal"), "false")
        self.assertTrue(entry.get("Comment"), "no Comment")
        # Exec names the installed program and Icon the installed icon,
        # both by bare name so that PATH and the icon theme find them.
        self.assertEqual(entry.get("Exec"), "klotix")
        self.assertTrue((self.prefix / "bin" / entry["Exec"]).is_file())
        self.assertEqual(entry.get("Icon"), "klotix")
        # The class of the program's windows on X11: a dock matches them to
        # this entry and shows its icon.
        self.assertEqual(entry.get("StartupWMClass"), "Klotix")
        for size in ICON_SIZES:
            self.installed("share/icons/hicolor/%dx%d/apps/%s.png" % (size, size, entry["Icon"]))
        categories = entry.get("Categories", "")
        self.assertTrue(categories.endswith(";"), "Categories must end with ';': %r" % categories)
        self.assertIn("Game", categories.split(";"))
        self.assertIn("BlocksGame", categories.split(";"))

    def test_desktop_entry_and_metainfo_validate(self):
        checks = (("desktop-file-validate", "share/applications/%s.desktop" % APP_ID),
                  ("appstreamcli validate --no-net --pedantic", "share/metainfo/%s.metainfo.xml" % APP_ID))
        for command, relative in checks:
            with self.subTest(command=command):
                result = run(command.split() + [str(self.installed(relative))])
                self.assertEqual(result.returncode, 0, result.stdout)
                self.assertNotRegex(result.stdout, r"(?m)^\s*[EW]: ", "errors or warnings")

    def test_metainfo_and_changelog_name_this_release_and_the_desktop_entry(self):
        root = ElementTree.parse(self.installed("share/metainfo/%s.metainfo.xml" % APP_ID)).getroot()
        self.assertEqual(root.findtext("launchable[@type='desktop-id']"), APP_ID + ".desktop")
        self.assertEqual(root.find("releases/release").get("version"), ARGS.project_version)
        changelog = gzip.decompress(self.installed("share/doc/klotix/changelog.gz").read_bytes()).decode()
        self.assertTrue(changelog.startswith("klotix (%s) " % ARGS.project_version), changelog[:40])

    def test_command_line_answers_without_a_display(self):
        program = str(self.installed("bin/klotix"))
        env = {"PATH": os.environ.get("PATH", ""), "LC_ALL": "C.UTF-8"}  # no DISPLAY: no window possible
        usage = "Try 'klotix --help' for more information.\n"
        # arguments, more environment, exit status, text expected on stdout (a part), all text expected on stderr
        cases = ((["--version"], {}, 0, "Klotix %s\n" % ARGS.project_version, ""),
                 (["--help"], {}, 0, "Usage: klotix [options]", ""),
                 # German from the catalogues in share/klotix/translations
                 (["--help"], {"LANGUAGE": "de"}, 0, "Ein Spiel mit fallenden Blöcken.", ""),
                 # the C locale passes LANGUAGE over
                 (["--help"], {"LANGUAGE": "de", "LC_ALL": "C"}, 0, "Usage: klotix [options]", ""),
                 # the first messages locale that is set is the one: LANG comes after it
                 (["--help"], {"LC_ALL": "de_DE.UTF-8", "LANG": "C"}, 0, "Ein Spiel mit fallenden Blöcken.", ""),
                 (["--bogus"], {}, 2, "", "klotix: Unknown option 'bogus'.\n" + usage),
                 (["extra"], {}, 2, "", "klotix: Unexpected argument 'extra'.\n" + usage),
                 ([], {}, 1, "", "klotix: cannot open a display (DISPLAY and WAYLAND_DISPLAY are not set)\n"))
        # --help in every shipped language, from the catalogues in share/klotix/translations
        blurb = "A falling-blocks game. Started without arguments, it opens its main window."
        for language in ARGS.languages:
            catalogue = ElementTree.parse(pathlib.Path(ARGS.source_dir, "translations", "klotix_%s.ts" % language))
            translated = next(m.findtext("translation") for m in catalogue.iter("message") if m.findtext("source") == blurb)
            cases += ((["--help"], {"LANGUAGE": language}, 0, translated, ""),)
        for arguments, more, status, out, err in cases:
            with self.subTest(arguments=arguments, env=more):
                result = subprocess.run([program] + arguments, env=dict(env, **more), capture_output=True,
                                        encoding="utf-8", timeout=20)
                self.assertEqual(result.returncode, status, result.stderr)
                if out:
                    self.assertIn(out, result.stdout)
                else:
                    self.assertEqual(result.stdout, "")
                self.assertEqual(result.stderr, err)

    def test_moved_prefix_still_skins_the_main_window(self):
        """The End button of the main window, started from a copy of the
        prefix at another place, differs from that of the program alone in
        a folder, which finds no skin and keeps the plain look."""
        scratch = pathlib.Path(self.scratch.name)
        moved = scratch / "moved" / "klotix"
        shutil.copytree(self.prefix, moved)
        (scratch / "alone").mkdir()
        alone = shutil.copy2(moved / "bin" / "klotix", scratch / "alone")
        skinned, plain = end_button_colours([moved / "bin" / "klotix", alone], scratch)
        self.assertNotEqual(skinned, plain, "the main window shows its plain look from the moved prefix")

    def test_records_go_to_the_players_folder_even_when_root_could_write_beside_the_program(self):
        """The installed program keeps the records of whoever runs it in
        that player's data folder, even where it could write beside itself,
        as root can in /usr/games: nothing of one player is left there for
        the next, or after the package is purged."""
        program = self.installed("bin/klotix")
        self.assertTrue(os.access(program.parent, os.W_OK))
        home = pathlib.Path(self.scratch.name) / "player"
        home.mkdir()
        play_shortest_game(program, home, "Root")
        self.assertEqual(sorted(path.name for path in program.parent.iterdir()), ["klotix"])
        records = (home / ".local" / "share" / "Klotix" / "Klotix.dat").read_bytes()
        self.assertTrue(records.startswith(b" 0 \r\n 1 \r\n 0 \r\nRoot\r\n"), records)

    def test_debian_package_holds_the_installed_tree_with_the_game_in_usr_games(self):
        listing = run(["dpkg-deb", "--contents", str(self.package())]).stdout.splitlines()
        # Debian keeps games in /usr/games.
        self.assertEqual({line.split()[-1][2:] for line in listing if line[0] != "d"},
                         {"usr/games/klotix"} | {"usr/" + name for name in shared_files(ARGS.languages)})

    def test_debian_package_passes_lintian(self):
        lintian = shutil.which("lintian")
        if lintian is None:
            self.skipTest("lintian is not installed; scripts/install-deps installs it")
        result = run([lintian, "--fail-on", "error,warning", str(self.package())])
        self.assertEqual(result.returncode, 0, result.stdout)

    def test_each_png_icon_has_the_size_of_its_theme_folder(self):
        for size in ICON_SIZES:
            with self.subTest(size=size):
                data = self.installed("share/icons/hicolor/%dx%d/apps/klotix.png" % (size, size)).read_bytes()
                width, height, _, _ = png_file.header(data)
                self.assertEqual((width, height), (size, size))
                self.assertEqual(len(png_file.rgba_rows(data)), size)

    def test_scalable_icon_is_a_square_svg(self):
        root = ElementTree.parse(self.installed("share/icons/hicolor/scalable/apps/klotix.svg")).getroot()
        self.assertEqual(root.tag, "{http://www.w3.org/2000/svg}svg")
        _, _, width, height = root.get("viewBox").split()
        self.assertEqual(width, height)


def run(command):
    """Runs a command to its end; its output and errors together as text."""
    return subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, timeout=300)


def e2e_helpers():
    """The X server, window and screen helpers of the end-to-end test."""
    sys.path.insert(0, str(pathlib.Path(ARGS.source_dir) / "tests" / "e2e"))
    import e2e_test
    return e2e_test


@contextlib.contextmanager
def private_display(home):
    """An X server of its own and a session on it, for programs run with
    `home` as their home folder; yields the session, whose env runs them."""
    x = e2e_helpers()
    # In English, the language of the titles the helpers look for.
    env = {k: v for k, v in os.environ.items()
           if not k.startswith(("QT_", "DISPLAY", "WAYLAND", "XDG_", "LANG", "LC_"))}
    env.update(HOME=str(home), XDG_RUNTIME_DIR=str(home), QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8")
    with open(home / "xvfb.log", "wb") as log:
        xvfb, env["DISPLAY"] = x.start_xvfb(env, lambda message: None, log)
    try:
        yield x.Session(env, lambda message: None)
    finally:
        x.stop(xvfb)


@contextlib.contextmanager
def running(program, session):
    x = e2e_helpers()
    proc = subprocess.Popen([str(program)], env=session.env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, preexec_fn=x.die_with_parent)
    try:
        yield proc
    finally:
        x.stop(proc)


def end_button_colours(programs, scratch):
    """Starts each program in turn on a private X server and returns the
    colour of one pixel of its main window's End button, left of the
    caption, once it has stayed the same for half a second."""
    x, colours = e2e_helpers(), []
    with private_display(scratch) as session:
        for program in programs:
            with running(program, session):
                left, top, _, _ = session.geometry(session.wait_window("main window", x.MAIN_TITLE))
                seen = []
                while len(seen) < 5 or len(set(seen[-5:])) > 1:
                    seen.append(session.capture().rgb(left + 18, top + x.END_BUTTON_CENTRE[1]))
                    time.sleep(0.1)
                colours.append(seen[-1])
    return colours


def play_shortest_game(program, home, name):
    """Runs `program` on a private X server with `home` as its home
    folder: starts a game as `name`, quits it at once and waits for the
    main window to come back."""
    x = e2e_helpers()
    with private_display(home) as session, running(program, session):
        session.key(session.wait_window("main window", x.MAIN_TITLE), "alt+s")
        session.focus(session.wait_window("name box", x.NAME_TITLE))
        session.run("xdotool", "type", "--delay", "30", name)
        session.run("xdotool", "key", "Return")
        session.key(session.wait_window("game window", x.GAME_TITLE), "ctrl+q")
        session.key(session.wait_window("quit box", x.QUIT_TITLE), "Return")
        session.key(session.wait_window("game over box", x.GAME_OVER_TITLE), "Return")
        session.wait_window("main window after the game", x.MAIN_TITLE)


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--cmake", required=True)
    parser.add_argument("--cpack", required=True)
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--source-dir", required=True)
    parser.add_argument("--project-version", required=True)
    parser.add_argument("--languages", required=True, type=lambda names: names.split(";"))
    ARGS, rest = parser.parse_known_args()
    os.environ.pop("DESTDIR", None)  # would move the tree away from the prefix
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
