"""Installs Klotix's setup.exe silently into a Wine prefix and takes it out
again, for the Windows tests:

    install(prefix, setup_exe)   setup.exe /S, and waits for it
    installed_files(prefix)      {relative path: bytes} in Program Files\\Klotix
    uninstall_entry(prefix)      the values of the uninstall entry, as a dict
    uninstall(prefix)            runs its QuietUninstallString, and waits
    leftovers(prefix)            what is left in Program Files, the Start
                                 menu and the registry
    installed_faults(...)        an install checked against its stage
    uninstall_faults(prefix)     an uninstall that must keep a player's file

Only the standard library is used, plus Debian's Wine (64-bit).
"""

import os
import pathlib
import re
import subprocess

WINE = os.environ.get("KLOTIX_WINE", "/usr/lib/wine/wine64")
WINESERVER = os.environ.get("KLOTIX_WINESERVER", "/usr/lib/wine/wineserver")
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Klotix"
INSTALL_DIR = "drive_c/Program Files/Klotix"
SHORTCUT = "drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Klotix.lnk"
TIMEOUT = 600


def _run(prefix, *command):
    # No menu entries or file associations written into the user's home.
    env = dict(os.environ, WINEPREFIX=str(prefix), WINEDEBUG="-all",
               WINEDLLOVERRIDES="winemenubuilder.exe=d")
    return subprocess.run(command, env=env, stdin=subprocess.DEVNULL, capture_output=True,
                          text=True, errors="replace", timeout=TIMEOUT, check=False)


def _wine_and_wait(prefix, *arguments):
    """Runs a Windows program and waits for everything it started to end:
    the uninstaller goes on in a copy of itself after its first process
    ends, and wineboot leaves services running."""
    done = _run(prefix, WINE, *arguments)
    _run(prefix, WINESERVER, "-w")
    return done


def install(prefix, setup_exe):
    """Installs silently into the prefix, which is set up first if new;
    raises RuntimeError if the installer fails."""
    prefix = pathlib.Path(prefix)
    if not (prefix / "system.reg").exists():
        _wine_and_wait(prefix, "wineboot", "--init")
    done = _run(prefix, WINE, str(setup_exe), "/S")
    if done.returncode != 0:
        raise RuntimeError("setup.exe /S exited with %d: %s" % (done.returncode, done.stderr))


def installed_files(prefix):
    """{path relative to the install folder, with /: size in bytes}."""
    root = pathlib.Path(prefix) / INSTALL_DIR
    return {path.relative_to(root).as_posix(): path.stat().st_size
            for path in root.rglob("*") if path.is_file()}


def uninstall_entry(prefix):
    """The uninstall entry's values, REG_DWORD ones as int; {} if none."""
    done = _run(prefix, WINE, "reg", "query", UNINSTALL_KEY, "/reg:64")
    values = {}
    for line in done.stdout.splitlines():
        match = re.match(r"^\s+(.+?)\s+(REG_\w+)(?:\s+(.*))?$", line)
        if match:
            name, kind, value = match.group(1), match.group(2), match.group(3) or ""
            values[name] = int(value, 0) if kind == "REG_DWORD" else value
    return values


def uninstall(prefix):
    """Runs the entry's QuietUninstallString; raises RuntimeError if there is
    none or the uninstaller fails."""
    command = uninstall_entry(prefix).get("QuietUninstallString", "")
    match = re.fullmatch(r'"([^"]+)"\s*(.*)', command)
    if not match:
        raise RuntimeError("no usable QuietUninstallString: %r" % command)
    done = _wine_and_wait(prefix, match.group(1), *match.group(2).split())
    if done.returncode != 0:
        raise RuntimeError("the uninstaller exited with %d: %s" % (done.returncode, done.stderr))


def leftovers(prefix):
    """Sorted paths, relative to the prefix, of the files and empty folders
    left in the install folder, the Start-menu shortcut if still there, and
    the uninstall entry's registry key if still there."""
    prefix = pathlib.Path(prefix)
    root = prefix / INSTALL_DIR
    left = [path for path in [root, *root.rglob("*")]
            if path.is_file() or (path.is_dir() and not any(path.iterdir()))]
    left = [path.relative_to(prefix).as_posix() for path in left]
    if (prefix / SHORTCUT).exists():
        left.append(SHORTCUT)
    if uninstall_entry(prefix):
        left.append(UNINSTALL_KEY)
    return sorted(left)


def installed_faults(prefix, stage, version):
    """What is wrong with a silent install made from `stage`: files other
    than the stage's, no shortcut, uninstall entry values off."""
    stage = pathlib.Path(stage)
    faults = []
    expected = {path.relative_to(stage).as_posix(): path.stat().st_size
                for path in stage.rglob("*") if path.is_file()}
    files = installed_files(prefix)
    if files.pop("uninstall.exe", None) is None:
        faults.append("no uninstall.exe")
    if files != expected:
        faults.append("installed files differ from the stage: missing %s, extra %s, other sizes %s" % (
            sorted(expected.keys() - files.keys()), sorted(files.keys() - expected.keys()),
            sorted(name for name in files.keys() & expected.keys() if files[name] != expected[name])))
    if not (pathlib.Path(prefix) / SHORTCUT).is_file():
        faults.append("no Start-menu shortcut " + SHORTCUT)
    folder = r"C:\Program Files\Klotix"
    wanted = {
        "DisplayName": "Klotix",
        "DisplayVersion": version,
        "Publisher": "Klotix developers",
        "DisplayIcon": folder + r"\bin\klotix.exe",
        "InstallLocation": folder,
        "UninstallString": '"%s\\uninstall.exe"' % folder,
        "QuietUninstallString": '"%s\\uninstall.exe" /S' % folder,
        "URLInfoAbout": "https://klotix.example.org",
        "EstimatedSize": (sum(expected.values()) + 1023) // 1024,
        "NoModify": 1,
        "NoRepair": 1,
    }
    entry = uninstall_entry(prefix)
    faults += ["%s is %r, not %r" % (name, entry.get(name), value)
               for name, value in wanted.items() if entry.get(name) != value]
    return faults


def uninstall_faults(prefix):
    """Uninstalls with a file of the player's in the game's folder; what is
    left but that file (which must stay)."""
    notes = pathlib.Path(prefix) / INSTALL_DIR / "bin" / "my notes.txt"
    notes.write_text("kept\n")
    uninstall(prefix)
    left = leftovers(prefix)
    return [] if left == [INSTALL_DIR + "/bin/my notes.txt"] else ["left after uninstalling: %s" % left]
