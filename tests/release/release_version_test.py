"""scripts/release-version: the three places a release names its version
must agree, or there is no release, said in one line.

    python3 release_version_test.py SOURCE_DIR
"""

import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

SOURCE = None
METAINFO = "data/org.example.klotix.metainfo.xml"
FILES = ("CMakeLists.txt", "data/debian/changelog", METAINFO)


class ReleaseVersion(unittest.TestCase):
    def test_the_three_places_must_agree(self):
        # (file, text replaced, replacement, agrees afterwards); no file: as it is
        rows = (
            (None, "", "", True),
            ("CMakeLists.txt", "Klotix VERSION ", "Klotix VERSION 9", False),
            ("data/debian/changelog", "klotix (", "klotix (9", False),
            (METAINFO, "<releases>", '<releases><release version="9.9.9" date="2999-01-01"/>', False),
            (METAINFO, "</releases>", '<release version="0.1.0" date="2001-01-01"/></releases>', True),
        )
        for name, old, new, agrees in rows:
            with self.subTest(file=name, new=new), tempfile.TemporaryDirectory() as scratch:
                copy = pathlib.Path(scratch)
                for each in FILES:
                    (copy / each).parent.mkdir(parents=True, exist_ok=True)
                    shutil.copy(SOURCE / each, copy / each)
                if name:
                    text = (copy / name).read_text()
                    self.assertIn(old, text)
                    (copy / name).write_text(text.replace(old, new, 1))
                done = subprocess.run([sys.executable, str(SOURCE / "scripts/release-version"), str(copy)],
                                      capture_output=True, text=True, timeout=60)
                self.assertEqual(done.returncode == 0, agrees, done.stderr)
                if agrees:
                    self.assertRegex(done.stdout, r"^\d+\.\d+\.\d+\n$")
                else:
                    self.assertEqual((done.stdout, len(done.stderr.splitlines())), ("", 1), done.stderr)


if __name__ == "__main__":
    SOURCE = pathlib.Path(sys.argv.pop(1)).resolve()
    unittest.main()
