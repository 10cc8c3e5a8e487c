"""cmake/windows/sign: signing a file twice gives the same bytes, and the
detached signature of a release, attached to an unsigned rebuild, gives
the published file; a signature of other bytes is refused.

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


def sign(path, store, clock=(), **env):
    """Runs the sign script; `clock` may start it under faketime."""
    return subprocess.run([*clock, SIGN, str(path), "probe.exe", "Klotix", "https://klotix.example.org", str(store)],
                          env=dict(os.environ, SOURCE_DATE_EPOCH="1765180800", **env), capture_output=True,
                          text=True, timeout=120)


class Signing(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory(prefix="klotix-signing-")
        cls.root = pathlib.Path(cls.scratch.name)
        key, certificate, cls.bundle = (cls.root / name for name in ("key.pem", "cert.pem", "klotix.p12"))
        subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                        "/CN=Klotix test signing", "-keyout", key, "-out", certificate], check=True,
                       capture_output=True, timeout=120)
        subprocess.run(["openssl", "pkcs12", "-export", "-inkey", key, "-in", certificate, "-out", cls.bundle,
                        "-passout", "pass:secret"], check=True, capture_output=True, timeout=120)

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def copy(self, name, source=None):
        path = self.root / name
        shutil.copy(source or PROGRAM, path)
        return path

    def signed(self, name, store, clock=()):
        path = self.copy(name)
        done = sign(path, self.root / store, clock, KLOTIX_SIGN_PKCS12=str(self.bundle),
                    KLOTIX_SIGN_PASSWORD="secret")
        self.assertEqual(done.returncode, 0, done.stderr)
        return path

    def test_signing_twice_gives_the_same_bytes(self):
        first = self.signed("first.exe", "store-1")
        second = self.signed("second.exe", "store-2", clock=("faketime", "-f", "+3d"))
        self.assertNotEqual(first.read_bytes(), PROGRAM.read_bytes())
        self.assertEqual(first.read_bytes(), second.read_bytes())

    def test_a_detached_signature_attached_to_the_rebuild_gives_the_signed_file(self):
        published = self.signed("published.exe", "release")
        rebuilt = self.copy("rebuilt.exe")
        done = sign(rebuilt, self.root / "unused", KLOTIX_SIGNATURES=str(self.root / "release"))
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertEqual(rebuilt.read_bytes(), published.read_bytes())

        other = self.copy("other.exe")
        with open(other, "r+b") as changed:
            changed.seek(-1, os.SEEK_END)
            changed.write(b"\x01")
        before = other.read_bytes()
        done = sign(other, self.root / "unused", KLOTIX_SIGNATURES=str(self.root / "release"))
        self.assertNotEqual(done.returncode, 0)
        self.assertIn("is not a signature of", done.stderr)
        self.assertEqual(other.read_bytes(), before)


if __name__ == "__main__":
    SIGN, PROGRAM = sys.argv.pop(1), pathlib.Path(sys.argv.pop(1))
    unittest.main()
