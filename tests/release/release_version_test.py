"""scripts/release-version: the three places a release names its version
must agree, or there is no release.

    python3 release_version_test.py SOURCE_DIR
"""

import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

SOURCE = None
FILES = ("CMakeLists.txt", "data/debian/changelog", "data/org.example.klotix.metainfo.xml")


def run(source):
    return subprocess.run([sys.executable, str(SOURCE / "scripts/release-version"), str(source)],
                          capture_output=True, text=True, timeout=60)


class ReleaseVersion(unittest.TestCase):
    def test_this_tree_agrees(self):
        done = run(SOURCE)
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertRegex(done.stdout, r"^\d+\.\d+\.\d+\n$")

    def test_one_place_disagreeing_is_refused_in_one_line(self):
        version = run(SOURCE).stdout.strip()
        # (file, text replaced, replacement, agrees afterwards)
        rows = (
            ("CMakeLists.txt", "VERSION " + version, "VERSION 9.9.9", False),
            ("data/debian/changelog", "klotix (%s)" % version, "klotix (9.9.9)", False),
            ("data/org.example.klotix.metainfo.xml", "<releases>",
             '<releases>\n    <release version="9.9.9" date="2999-01-01"/>', False),
            ("data/org.example.klotix.metainfo.xml", "</releases>",
             '  <release version="0.1.0" date="2001-01-01"/>\n  </releases>', True),
        )
        for name, old, new, agrees in rows:
            with self.subTest(file=name, new=new), tempfile.TemporaryDirectory() as scratch:
                copy = pathlib.Path(scratch)
                for each in FILES:
                    (copy / each).parent.mkdir(parents=True, exist_ok=True)
                    shutil.copy(SOURCE / each, copy / each)
                text = (copy / name).read_text()
                self.assertIn(old, text)
                (copy / name).write_text(text.replace(old, new, 1))
                done = run(copy)
                self.assertEqual(done.returncode == 0, agrees, done.stderr)
                if not agrees:
                    self.assertEqual(done.stdout, "")
                    self.assertEqual(len(done.stderr.splitlines()), 1, done.stderr)
                    self.assertIn("9.9.9", done.stderr)


if __name__ == "__main__":
    SOURCE = pathlib.Path(sys.argv.pop(1)).resolve()
    unittest.main()
