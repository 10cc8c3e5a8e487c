"""Installs a build into a temporary prefix and checks the installed tree:
exactly the expected files, a runnable executable with its skin beside it
(the main window looks for the skin in the executable's folder), a desktop
entry that a menu can use, and the icon at the sizes its folders promise.

    python3 install_test.py --cmake CMAKE --build-dir BUILD --source-dir SOURCE
"""

import argparse
import os
import pathlib
import shutil
import stat
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

import png_file

ICON_SIZES = (32, 64, 128)
EXPECTED_FILES = {
    "bin/klotix",
    "bin/winaqua.skn",
    "share/applications/klotix.desktop",
    "share/icons/hicolor/scalable/apps/klotix.svg",
} | {"share/icons/hicolor/%dx%d/apps/klotix.png" % (size, size) for size in ICON_SIZES}

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

    def installed(self, relative):
        path = self.prefix / relative
        self.assertTrue(path.is_file(), "%s is not installed" % relative)
        return path

    def test_installs_exactly_the_program_its_skin_desktop_entry_and_icons(self):
        files = {
            path.relative_to(self.prefix).as_posix()
            for path in self.prefix.rglob("*")
            if not path.is_dir()
        }
        self.assertEqual(files, EXPECTED_FILES)

    def test_executable_is_an_elf_program_everyone_may_run(self):
        path = self.installed("bin/klotix")
        with path.open("rb") as file:
            self.assertEqual(file.read(4), b"\x7fELF")
        mode = path.stat().st_mode
        self.assertEqual(mode & 0o555, 0o555, "mode %o" % stat.S_IMODE(mode))

    def test_skin_is_installed_unchanged_beside_the_executable(self):
        path = self.installed("bin/winaqua.skn")
        source = pathlib.Path(ARGS.source_dir) / "data" / "winaqua.skn"
        self.assertEqual(path.read_bytes(), source.read_bytes())
        self.assertEqual(path.stat().st_mode & 0o444, 0o444)

    def test_desktop_entry_starts_klotix_with_its_icon(self):
        groups = read_desktop_entry(self.installed("share/applications/klotix.desktop"))
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
        for size in ICON_SIZES:
            self.installed("share/icons/hicolor/%dx%d/apps/%s.png" % (size, size, entry["Icon"]))
        categories = entry.get("Categories", "")
        self.assertTrue(categories.endswith(";"), "Categories must end with ';': %r" % categories)
        self.assertIn("Game", categories.split(";"))
        self.assertIn("BlocksGame", categories.split(";"))

    def test_desktop_entry_passes_desktop_file_validate_when_available(self):
        validator = shutil.which("desktop-file-validate")
        if validator is None:
            self.skipTest("desktop-file-validate is not installed")
        path = self.installed("share/applications/klotix.desktop")
        result = subprocess.run([validator, str(path)], stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
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


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--cmake", required=True)
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--source-dir", required=True)
    ARGS, rest = parser.parse_known_args()
    os.environ.pop("DESTDIR", None)  # would move the tree away from the prefix
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
