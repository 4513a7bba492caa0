"""Every shipped language is complete: lupdate, run over the sources into a
copy of each .ts file, finds no text untranslated and none the sources no
longer have, and each translation keeps its text's %1 ... %9, whose loss
would drop a number or a name from what the window says.

Usage: translations_test.py LUPDATE TS_FOLDER SOURCE...
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

LANGUAGES = ("de", "fr", "es")


def main():
    lupdate, folder, sources = sys.argv[1], pathlib.Path(sys.argv[2]), sys.argv[3:]
    faults = []
    with tempfile.TemporaryDirectory() as work:
        copies = []
        for language in LANGUAGES:
            shipped = folder / f"rigid-body_{language}.ts"
            if not shipped.is_file():
                faults.append(f"{shipped}: missing")
                continue
            copies.append(shutil.copy(shipped, pathlib.Path(work) / shipped.name))
        subprocess.run([lupdate, "-silent", "-locations", "none", *sources, "-ts", *copies], check=True)
        for copy in map(pathlib.Path, copies):
            for context in ET.parse(copy).getroot().iter("context"):
                name = context.findtext("name")
                for message in context.iter("message"):
                    source = message.findtext("source")
                    translation = message.find("translation")
                    kind = translation.get("type")
                    where = f"{copy.name}: {name}: {source!r}"
                    if kind in ("unfinished", "vanished", "obsolete"):
                        faults.append(f"{where} is {kind}")
                    elif sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", translation.text or "")):
                        faults.append(f"{where} has other placeholders: {translation.text!r}")
    for fault in faults:
        print(fault)
    if faults:
        print("bring the translations up to the sources: cmake --build --preset ci --target update_translations")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
