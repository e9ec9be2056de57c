#!/usr/bin/env python3
# Every text the program adds has a finished translation in every language.
#
# Usage: tests/translations-check.py LUPDATE TS_FOLDER SOURCE...
#
# lupdate reads the sources into a copy of the .ts files: a text that is new, unfinished, vanished
# or obsolete fails, as does a translation that is empty, loses or gains a placeholder (%1, %n),
# or drops or adds the accelerator its source has.
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

lupdate, folder, sources = sys.argv[1], pathlib.Path(sys.argv[2]), sys.argv[3:]
marks = lambda text: sorted(re.findall(r"%(?:\d|n)", text)) + [re.sub("&&", "", text).count("&")]
problems = []
with tempfile.TemporaryDirectory() as work:
    copies = [shutil.copy(ts, work) for ts in sorted(folder.glob("*.ts"))]
    subprocess.run([lupdate, "-silent", "-locations", "none", *sources, "-ts", *copies], check=True)
    for ts in copies:
        for context in ET.parse(ts).getroot().iter("context"):
            for message in context.iter("message"):
                source = message.findtext("source")
                translation = message.find("translation")
                forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
                where = f"{pathlib.Path(ts).name} {context.findtext('name')} {source!r}"
                if translation.get("type"):
                    problems.append(f"{where}: {translation.get('type')}")
                elif not all(forms) or any(marks(f) != marks(source) for f in forms):
                    problems.append(f"{where}: empty, or placeholders or accelerator differ")
    count = len(list(ET.parse(copies[0]).getroot().iter("message")))
print("\n".join(problems + [f"{len(copies)} languages, {count} texts each: {len(problems)} problems"]))
sys.exit(1 if problems or not copies else 0)
