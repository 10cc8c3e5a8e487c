"""Klotix's setup.exe and uninstaller run in a Wine prefix, made and run
through cmake/run-under-wine, for the Windows tests. Only the standard
library is used, plus Debian's Wine (64-bit).
"""

import os
import pathlib
import re
import subprocess
import tempfile
import time

TIMEOUT = 600


class Layout:
    """Where the installer puts Klotix, as klotix-identity.json (written
    from cmake/identity.cmake) says: Windows paths, and the install folder
    and shortcut relative to a prefix."""

    def __init__(self, identity):
        self.key = identity["uninstall_key"]
        self.folder = "C:\\Program Files\\" + identity["install_folder"]
        self.program = self.folder + r"\bin\klotix.exe"
        self.uninstaller = self.folder + r"\uninstall.exe"
        self.install_dir = "drive_c/Program Files/" + identity["install_folder"]
        self.shortcut = "drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/%s.lnk" % identity["name"]


class Wine:
    """A private prefix, and programs run in it as the tests run them all."""

    def __init__(self, runner, prefix, wine, wineserver):
        self.prefix = pathlib.Path(prefix)
        self.command = [runner, str(prefix), wine, wineserver]
        self.env = dict(os.environ, LC_ALL="C.UTF-8")
        for name in ("LANGUAGE", "LANG", "LC_MESSAGES", "QT_QPA_PLATFORM", "KLOTIX_DLL_FOLDERS"):
            self.env.pop(name, None)

    def run(self, *command, timeout=TIMEOUT):
        """Runs a Windows program; returns its exit code and what it
        printed. Its output goes through a file: Wine's server and services,
        started by the first program, would hold a pipe open long after it
        ended."""
        with open(os.devnull, "rb") as nothing, tempfile.TemporaryFile() as out:
            done = subprocess.run(self.command + list(command), env=self.env, stdin=nothing,
                                  stdout=out, stderr=subprocess.DEVNULL, timeout=timeout)
            out.seek(0)
            return done.returncode, out.read().decode("utf-8", "replace")

    def start(self, *command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL):
        """Starts a Windows program and returns at once."""
        return subprocess.Popen(self.command + list(command), env=self.env, stdin=stdin, stdout=stdout,
                                stderr=subprocess.STDOUT)

    def stop(self):
        subprocess.run(self.command + ["--server", "-k"], env=self.env, capture_output=True, timeout=TIMEOUT)

    def unix(self, windows_path):
        return self.prefix / "drive_c" / pathlib.PureWindowsPath(windows_path[3:])


def install(wine, setup_exe):
    """setup.exe /S; its exit code."""
    code, _ = wine.run(str(setup_exe), "/S")
    return code


def installed_files(wine, layout):
    """{path relative to the install folder, with /: size in bytes}."""
    root = wine.prefix / layout.install_dir
    return {path.relative_to(root).as_posix(): path.stat().st_size
            for path in root.rglob("*") if path.is_file()}


def uninstall_entry(wine, key):
    """The uninstall entry's values, REG_DWORD ones as int; {} if none."""
    _, out = wine.run("reg", "query", r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall" "\\" + key,
                      "/reg:64")
    values = {}
    for line in out.splitlines():
        match = re.match(r"^\s+(.+?)\s+(REG_\w+)(?:\s+(.*))?$", line)
        if match:
            name, kind, value = match.group(1), match.group(2), match.group(3) or ""
            values[name] = int(value, 0) if kind == "REG_DWORD" else value
    return values


def uninstall(wine, key):
    """Runs the entry's QuietUninstallString as Windows would; its exit
    code."""
    command = uninstall_entry(wine, key).get("QuietUninstallString", "")
    match = re.fullmatch(r'"([^"]+)"\s*(.*)', command)
    if not match:
        raise RuntimeError("no usable QuietUninstallString: %r" % command)
    # Wine joins the words with blanks again, unquoted, as the entry has them.
    code, _ = wine.run(match.group(1), *match.group(2).split())
    # Its own file goes a moment after it ended, removed by a copy of it.
    uninstaller = match.group(1)
    deadline = time.monotonic() + 30
    while code == 0 and wine.unix(uninstaller).exists() and time.monotonic() < deadline:
        time.sleep(0.1)
    return code


def leftovers(wine, layout):
    """Sorted paths, relative to the prefix, of the files and empty folders
    left in the install folder, the Start-menu shortcut if still there, and
    the uninstall entry if still there."""
    root = wine.prefix / layout.install_dir
    left = [path for path in [root, *root.rglob("*")]
            if path.is_file() or (path.is_dir() and not any(path.iterdir()))]
    left = [path.relative_to(wine.prefix).as_posix() for path in left]
    if (wine.prefix / layout.shortcut).exists():
        left.append(layout.shortcut)
    if uninstall_entry(wine, layout.key):
        left.append("uninstall entry")
    return sorted(left)


def state(wine, layout):
    """Everything an install or uninstall may change, to compare."""
    root = wine.prefix / layout.install_dir
    files = {path.relative_to(root).as_posix(): path.stat().st_mtime_ns
             for path in root.rglob("*") if path.is_file()} if root.exists() else {}
    return files, uninstall_entry(wine, layout.key), (wine.prefix / layout.shortcut).exists()


def installed_faults(wine, expected, identity):
    """What is wrong with a silent install: files other than `expected`
    ({path: size}, the installed tree of the build; the signed program's
    size is not compared), a shortcut missing or not leading to the
    program, or uninstall entry values off."""
    layout = Layout(identity)
    faults = []
    files = installed_files(wine, layout)
    uninstaller = files.pop("uninstall.exe", None)
    if uninstaller is None:
        faults.append("no uninstall.exe")
    signed = "bin/klotix.exe"
    if files.keys() != expected.keys() or any(files[name] != expected[name] for name in files if name != signed):
        faults.append("installed files differ from the build's: missing %s, extra %s, other sizes %s" % (
            sorted(expected.keys() - files.keys()), sorted(files.keys() - expected.keys()),
            sorted(name for name in files.keys() & expected.keys()
                   if name != signed and files[name] != expected[name])))
    shortcut = wine.prefix / layout.shortcut
    program = layout.program
    if not shortcut.is_file():
        faults.append("no Start-menu shortcut " + layout.shortcut)
    elif program.encode("utf-16-le") not in shortcut.read_bytes() and program.encode() not in shortcut.read_bytes():
        faults.append("the shortcut does not lead to " + program)
    folder = layout.folder
    size = sum(files.values()) + (uninstaller or 0)
    wanted = {
        "DisplayName": identity["name"],
        "DisplayVersion": identity["version"],
        "Publisher": identity["publisher"],
        "DisplayIcon": program,
        "InstallLocation": folder,
        "UninstallString": '"%s\\uninstall.exe" _?=%s' % (folder, folder),
        "QuietUninstallString": '"%s\\uninstall.exe" /S _?=%s' % (folder, folder),
        "URLInfoAbout": identity["homepage"],
        "NoModify": 1,
        "NoRepair": 1,
    }
    entry = uninstall_entry(wine, identity["uninstall_key"])
    faults += ["%s is %r, not %r" % (name, entry.get(name), value)
               for name, value in wanted.items() if entry.get(name) != value]
    if entry.get("EstimatedSize") not in (size // 1024, (size + 1023) // 1024):
        faults.append("EstimatedSize is %r KiB for %d bytes" % (entry.get("EstimatedSize"), size))
    return faults
