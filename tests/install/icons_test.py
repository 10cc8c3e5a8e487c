"""The committed icons in data/icons/ are what scripts/make-icons draws:
a change to the drawing that was not followed by a new run of the script,
or a hand-edited icon file, fails here.

    python3 icons_test.py --source-dir SOURCE
"""

import argparse
import pathlib
import subprocess
import sys
import tempfile
import unittest

import png_file

ARGS = None


class CommittedIcons(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.source = pathlib.Path(ARGS.source_dir)
        cls.scratch = tempfile.TemporaryDirectory(prefix="klotix-icons-")
        cls.drawn = pathlib.Path(cls.scratch.name)
        subprocess.run(
            [sys.executable, str(cls.source / "scripts" / "make-icons"), "--out", str(cls.drawn)], check=True
        )

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def test_script_draws_the_same_files_as_are_committed(self):
        drawn = sorted(path.name for path in self.drawn.iterdir())
        committed = sorted(path.name for path in (self.source / "data" / "icons").iterdir())
        self.assertEqual(committed, drawn)

    def test_png_icons_have_the_drawn_pixels(self):
        # Pixels, not bytes: another zlib may compress the same image differently.
        for path in sorted(self.drawn.glob("*.png")):
            with self.subTest(icon=path.name):
                committed = (self.source / "data" / "icons" / path.name).read_bytes()
                self.assertEqual(png_file.header(committed), png_file.header(path.read_bytes()))
                self.assertTrue(
                    png_file.rgba_rows(committed) == png_file.rgba_rows(path.read_bytes()),
                    "%s differs from what scripts/make-icons draws; run the script" % path.name,
                )

    def test_svg_icon_is_the_drawn_text(self):
        committed = (self.source / "data" / "icons" / "klotix.svg").read_text(encoding="ascii")
        self.assertEqual(committed, (self.drawn / "klotix.svg").read_text(encoding="ascii"))

    def test_icon_has_opaque_blocks_and_a_transparent_background(self):
        rows = png_file.rgba_rows((self.source / "data" / "icons" / "klotix-32.png").read_bytes())
        alphas = {row[i] for row in rows for i in range(3, len(row), 4)}
        self.assertEqual(alphas, {0, 255})


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--source-dir", required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
