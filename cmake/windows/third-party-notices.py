#!/usr/bin/env python3
"""Gives every shipped DLL's third-party code its notice, as the licences of
that code ask of a binary distribution:

    third-party-notices.py RECORD LICENSES QT_VERSION DLL...

RECORD is what scripts/qt-build-record kept beside Qt: the files that went
into each DLL Qt built, and Qt's attribution files with the notices they
name. For a DLL that Qt built, every component whose files went into it
gets its notices copied into LICENSES/third-party/ID/; a component whose
attribution names no licence file gets one written from its attribution
(its licence and copyright). A DLL from elsewhere (the compiler's runtime)
gets the copyright file of the Debian package that holds it. LICENSES/
THIRD-PARTY.txt lists every component with its version, licence, the DLLs
that hold it and where its notice is.

Fails when a shipped DLL has no record and no Debian package, or when an
attribution names a notice that is not there.
"""
import os
import shutil
import subprocess
import sys

sys.dont_write_bytecode = True  # nothing written beside the scripts
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
import qt_attribution  # noqa: E402


def fail(message):
    sys.exit("third-party-notices: " + message)


def covered_paths(folder, entry):
    """The source paths a component consists of: its Path, its Files, or
    else the whole folder of its attribution file."""
    if "Path" in entry:
        return [os.path.normpath(os.path.join(folder, entry["Path"]))]
    if "Files" in entry:
        return [os.path.normpath(os.path.join(folder, name)) for name in entry["Files"].split()]
    return [folder]


def holds(inputs, paths):
    return any(source == path or source.startswith(path + "/") for source in inputs for path in paths)


def debian_copyright(dll):
    """The copyright file of the Debian package that holds `dll`."""
    found = subprocess.run(["dpkg-query", "-S", os.path.realpath(dll)], capture_output=True, text=True)
    if found.returncode != 0:
        fail("%s comes from no Debian package and was not built with Qt: its licence is unknown" % dll)
    package = found.stdout.split(":")[0]
    path = "/usr/share/doc/%s/copyright" % package
    if not os.path.isfile(path):
        fail("the Debian package %s, which holds %s, has no copyright file" % (package, dll))
    return package, path


def main():
    if len(sys.argv) < 5:
        fail("usage: third-party-notices.py RECORD LICENSES QT_VERSION DLL...")
    record, licenses, qt_version, dlls = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    inputs = {}
    packages = {}
    summary = []
    for dll in dlls:
        name = os.path.splitext(os.path.basename(dll))[0]
        listing = os.path.join(record, "inputs", name + ".txt")
        if os.path.isfile(listing):
            with open(listing, encoding="utf-8") as text:
                inputs[os.path.basename(dll)] = [line.rstrip("\n") for line in text]
            continue
        package, path = debian_copyright(dll)
        shutil.copyfile(path, os.path.join(licenses, "%s-copyright.txt" % package))
        packages.setdefault(package, []).append(os.path.basename(dll))
    for package, held in packages.items():
        summary.append((package, "Debian package " + package, "", "see the copyright file", sorted(held),
                        "%s-copyright.txt" % package))

    # Building a DLL builds the DLLs it links first, so its record holds
    # theirs too: each DLL is credited only with what is its own.
    own = {dll: set(read) - set().union(*(set(other) for name, other in inputs.items()
                                            if name != dll and set(other) <= set(read)))
           for dll, read in inputs.items()}
    if inputs:
        summary.append(("qt", "Qt", qt_version, "GNU Lesser General Public License v3.0 only (LGPL-3.0-only)",
                        sorted(inputs), "LGPL-3.0-only.txt, QT-SOURCE.txt"))
    for folder, entry in qt_attribution.entries(os.path.join(record, "attribution")):
        holders = sorted(dll for dll, read in own.items() if holds(read, covered_paths(folder, entry)))
        if not holders:
            continue
        ident = entry["Id"]
        target = os.path.join(licenses, "third-party", ident)
        os.makedirs(target, exist_ok=True)
        notices = qt_attribution.notice_files(folder, entry)
        for notice in notices:
            origin = os.path.join(record, "attribution", notice)
            if not os.path.isfile(origin):
                fail("%s (%s) is shipped in %s, but its notice %s is missing" % (
                    entry["Name"], ident, ", ".join(holders), notice))
            shutil.copyfile(origin, os.path.join(target, os.path.basename(notice)))
        if not notices:
            with open(os.path.join(target, "NOTICE.txt"), "w", encoding="utf-8") as text:
                text.write("%s\nLicence: %s\n\n%s\n" % (entry["Name"], entry.get("License", ""),
                                                        entry.get("Copyright", "")))
        summary.append((ident, entry["Name"], entry.get("Version", ""),
                        "%s (%s)" % (entry.get("License", ""), entry.get("LicenseId", "")),
                        holders, "third-party/" + ident + "/"))

    with open(os.path.join(licenses, "THIRD-PARTY.txt"), "w", encoding="utf-8", newline="\r\n") as text:
        text.write("Third-party code in Klotix for Windows, and where its licence notice is.\n"
                   "Gathered from Qt's own attribution files for the parts of Qt that are\n"
                   "shipped, and from Debian's copyright files for the compiler's runtime.\n")
        for ident, name, version, licence, holders, notice in sorted(summary, key=lambda row: row[0].lower()):
            text.write("\n%s\n" % name)
            text.write("  Id:       %s\n" % ident)
            if version:
                text.write("  Version:  %s\n" % version)
            text.write("  Licence:  %s\n" % licence)
            text.write("  In:       %s\n" % ", ".join(holders))
            text.write("  Notice:   %s\n" % notice)


if __name__ == "__main__":
    main()
