#!/usr/bin/env python3
"""Every piece of third-party code that Klotix for Windows ships comes with
its notice, as its licence asks of a binary distribution:

    licences_test.py BUILD-FOLDER QT-RECORD COMPONENT...

Installs the build into a fresh folder as the packages do, then checks:
- every third-party folder of Qt's sources (src/3rdparty/NAME) from which
  a shipped DLL took a file is a component of THIRD-PARTY.txt;
- every component listed there names a notice that is in licenses/ and not
  empty;
- every DLL shipped is held by some component (Qt's, or a Debian package's);
- the COMPONENT ids given, the ones known to be built in, are all listed.
"""

import json
import os
import pathlib
import re
import subprocess
import sys
import tempfile


def components(summary):
    """THIRD-PARTY.txt's entries: {id: {field: value}}."""
    found = {}
    for block in summary.split("\n\n")[1:]:
        fields = dict(re.findall(r"^  (\w+): +(.*)$", block, re.M))
        found[fields["Id"]] = fields
    return found


def third_party_folders(record, dll):
    listing = record / "inputs" / (dll.stem + ".txt")
    if not listing.is_file():
        return set()
    return {"/".join(line.split("/")[:3]) for line in listing.read_text().splitlines()
            if line.startswith("src/3rdparty/")}


def attribution_folders(record):
    """{component id: the folder its attribution file lies in}."""
    root = record / "attribution"
    found = {}
    for path in root.rglob("qt_attribution.json"):
        entries = json.loads(path.read_text(encoding="utf-8"), strict=False)
        for entry in entries if isinstance(entries, list) else [entries]:
            found[entry["Id"]] = path.parent.relative_to(root).as_posix()
    return found


def main():
    build, record, expected = sys.argv[1], pathlib.Path(sys.argv[2]), sys.argv[3:]
    faults = []
    with tempfile.TemporaryDirectory() as stage:
        subprocess.run(["cmake", "--install", build, "--prefix", stage], check=True, capture_output=True)
        stage = pathlib.Path(stage)
        licenses = stage / "licenses"
        listed = components((licenses / "THIRD-PARTY.txt").read_text(encoding="utf-8").replace("\r\n", "\n"))
        folders = attribution_folders(record)
        dlls = sorted(stage.rglob("*.dll"))

        for dll in dlls:
            if not any(dll.name in fields["In"].split(", ") for fields in listed.values()):
                faults.append("%s is shipped, but THIRD-PARTY.txt names nothing in it" % dll.name)
            for folder in sorted(third_party_folders(record, dll)):
                if not any(folders.get(ident, "").startswith(folder) for ident in listed):
                    faults.append("%s holds code of %s, which THIRD-PARTY.txt does not list" % (dll.name, folder))

        for ident, fields in listed.items():
            for notice in fields["Notice"].split(", "):
                path = licenses / notice
                files = [p for p in path.rglob("*") if p.is_file()] if path.is_dir() else [path]
                if not files or not all(p.is_file() and p.stat().st_size > 0 for p in files):
                    faults.append("%s's notice %s is missing or empty" % (ident, notice))
        for ident in expected:
            if ident not in listed:
                faults.append("%s is built into Qt's DLLs, but THIRD-PARTY.txt does not list it" % ident)

    for fault in faults:
        print("FAIL: " + fault)
    if not faults:
        print("%d components, their notices in licenses/" % len(listed))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
