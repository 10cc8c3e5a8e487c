"""Qt's attribution files (qt_attribution.json), which say what third-party
code Qt's sources hold and which notices come with it. Read by
scripts/qt-build-record, which keeps them beside Qt for Windows, and by
cmake/windows/third-party-notices.py, which ships the notices of what the
packages' DLLs hold.
"""

import json
import os


def entries(root):
    """Every entry of the attribution files under `root`, in a fixed
    order, as (the file's folder relative to `root`, the entry)."""
    for folder, folders, names in os.walk(root):
        folders.sort()
        if "qt_attribution.json" not in names:
            continue
        with open(os.path.join(folder, "qt_attribution.json"), encoding="utf-8") as text:
            # Qt's attribution files hold line breaks inside strings, which
            # strict JSON refuses; a file holds one entry or a list of them.
            found = json.loads(text.read(), strict=False)
        for entry in found if isinstance(found, list) else [found]:
            yield os.path.relpath(folder, root), entry


def notice_files(folder, entry):
    """The notices an entry names, relative to the same root as `folder`."""
    names = list(entry.get("LicenseFiles", []))
    names += [entry[key] for key in ("LicenseFile", "CopyrightFile") if key in entry]
    return [os.path.normpath(os.path.join(folder, name)) for name in names]
