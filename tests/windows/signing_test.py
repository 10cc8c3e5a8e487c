"""cmake/windows/sign: signing gives the same bytes on any day; a kept
signature serves only the bytes it was made for; a release's detached
signature attached to an unsigned rebuild gives the published file, and
one of other bytes is refused.

    python3 signing_test.py SIGN PE_FILE
"""

import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

SIGN = PROGRAM = None


class Signing(unittest.TestCase):
    def setUp(self):
        scratch = tempfile.TemporaryDirectory(prefix="klotix-signing-")
        self.addCleanup(scratch.cleanup)
        self.root = pathlib.Path(scratch.name)
        self.bundle = self.root / "klotix.p12"
        for command in (["req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=Klotix test",
                         "-keyout", "key.pem", "-out", "cert.pem"],
                        ["pkcs12", "-export", "-inkey", "key.pem", "-in", "cert.pem", "-out", self.bundle,
                         "-passout", "pass:secret"]):
            subprocess.run(["openssl", *command], cwd=self.root, check=True, capture_output=True, timeout=120)

    def sign(self, name, store, last_byte=None, clock=(), **env):
        """A copy of the program, its last byte changed if asked, run
        through the sign script; (its path, the script's result)."""
        path = self.root / name
        shutil.copy(PROGRAM, path)
        if last_byte is not None:
            with open(path, "r+b") as changed:
                changed.seek(-1, os.SEEK_END)
                changed.write(last_byte)
        key = {} if env else {"KLOTIX_SIGN_PKCS12": str(self.bundle), "KLOTIX_SIGN_PASSWORD": "secret"}
        done = subprocess.run([*clock, SIGN, str(path), "probe.exe", "Klotix", "https://klotix.example.org",
                               str(self.root / store)], capture_output=True, text=True, timeout=120,
                              env=dict(os.environ, SOURCE_DATE_EPOCH="1765180800", **key, **env))
        return path, done

    def test_signing_is_the_same_on_any_day_and_kept_signatures_serve_their_bytes_only(self):
        first, done = self.sign("first.exe", "kept")
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertNotEqual(first.read_bytes(), PROGRAM.read_bytes())
        second, done = self.sign("second.exe", "other", clock=("faketime", "-f", "+3d"))
        self.assertEqual((done.returncode, second.read_bytes()), (0, first.read_bytes()), done.stderr)
        # Other bytes, the same store: signed anew, not given the kept one.
        changed, done = self.sign("changed.exe", "kept", last_byte=b"\x01")
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertNotEqual(changed.read_bytes()[-2000:], first.read_bytes()[-2000:])

    def test_a_release_signature_attached_to_the_rebuild_gives_the_signed_file(self):
        published, _ = self.sign("published.exe", "release")
        release = {"KLOTIX_SIGNATURES": str(self.root / "release")}
        rebuilt, done = self.sign("rebuilt.exe", "unused", **release)
        self.assertEqual((done.returncode, rebuilt.read_bytes()), (0, published.read_bytes()), done.stderr)
        other, done = self.sign("other.exe", "unused", last_byte=b"\x01", **release)
        self.assertNotEqual(done.returncode, 0)
        self.assertIn("is not a signature of", done.stderr)


if __name__ == "__main__":
    SIGN, PROGRAM = sys.argv.pop(1), pathlib.Path(sys.argv.pop(1))
    unittest.main()
