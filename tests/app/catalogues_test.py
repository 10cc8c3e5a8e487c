"""Every shipped catalogue is complete: lupdate, run over the sources into a
copy of it, finds no text that is new, gone or unfinished, and every
translation keeps its source's placeholders, access key and closing blank.

    catalogues_test.py LUPDATE SOURCES CATALOGUES [LUPDATE OPTIONS...]
"""
import pathlib, re, shutil, subprocess, sys, tempfile
import xml.etree.ElementTree as ElementTree

lupdate, sources, folder, options = sys.argv[1], sys.argv[2], pathlib.Path(sys.argv[3]), sys.argv[4:]
shape = lambda text: (sorted(re.findall(r"%\d", text)), "&" in text.replace("&&", ""), text.endswith(" "))
faults = []
with tempfile.TemporaryDirectory() as scratch:
    for catalogue in sorted(folder.glob("*.ts")):
        copy = shutil.copy(catalogue, scratch)
        if not catalogue.name.startswith("klotix_qtbase_"):  # Qt's own texts, kept by hand
            plurals = ["-pluralonly"] * (catalogue.name == "klotix_en.ts")  # English: its plural forms alone
            subprocess.run([lupdate, "-silent", "-I", sources, *options, *plurals, sources, "-ts", copy], check=True)
        for message in ElementTree.parse(copy).iter("message"):
            source, translation = message.findtext("source"), message.find("translation")
            forms = [form.text for form in translation.iter("numerusform")] or [translation.text]
            if translation.get("type") or not all(forms) or any(shape(form) != shape(source) for form in forms):
                faults.append("%s: %s %r" % (catalogue.name, translation.get("type") or "wrong", source))
print("\n".join(faults) or "every catalogue is complete")
sys.exit(1 if faults else 0)
