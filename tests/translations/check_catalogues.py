#!/usr/bin/env python3
"""Every text of the window has a translation in every catalogue, and no catalogue keeps a text
the program no longer has.

  check_catalogues.py LUPDATE SOURCE_DIR

1. lupdate extracts the marked texts (tx, TX_NOOP, translate) into a scratch copy of each
   catalogue: nothing may come out new, unfinished or vanished, and the translations must keep
   each %N of their source.
2. Every Japanese string literal of the product's sources must be one of those texts (or part of
   one, for literals split over lines), so that a text nobody marked cannot hide.
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

# The program's folders, every diagram's folder (one with a ui/ beside its core/) among them.
NOT_PRODUCT = {"tests", "fuzz", "bench", "tools"}
OPTIONS = ["-locations", "none", "-no-ui-lines", "-no-obsolete",
           "-tr-function-alias", "translate+=tx,QT_TRANSLATE_NOOP+=TX_NOOP"]
# Japanese literals that are no text for a person: font faces, arrows drawn on buttons, and the
# route file's heading, which is the same in every language.
NOT_TEXTS = {"ＭＳ ゴシック", "ＭＳ Ｐゴシック", "↑", "←", "→", "↓"}
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')


def messages(ts):
    found = {}
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            found[(name, message.findtext("source"))] = (
                translation.text or "", translation.get("type"))
    return found


def code_without_comments(text):
    text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
    return "\n".join(re.sub(r'//(?=(?:[^"]*"[^"]*")*[^"]*$).*', "", line)
                     for line in text.splitlines())


def folders(root):
    diagrams = sorted(ui.parent.name for ui in root.glob("*/ui")
                      if ui.parent.name not in NOT_PRODUCT and not ui.parent.name.startswith("build"))
    return ["app", "data", *diagrams, "mainwnd", "res", "export"]


def main():
    lupdate, root = sys.argv[1], Path(sys.argv[2])
    sources_folders = folders(root)
    failures = []
    catalogues = sorted((root / "translations").glob("tracelet_*.ts"))
    if not catalogues:
        failures.append("no catalogue in translations/")
    sources = set()
    with tempfile.TemporaryDirectory() as scratch:
        for ts in catalogues:
            copy = Path(scratch) / ts.name
            shutil.copy(ts, copy)
            subprocess.run([lupdate, *OPTIONS, *sources_folders, "-ts", str(copy)], cwd=root,
                           check=True, capture_output=True)
            kept, extracted = messages(ts), messages(copy)
            sources |= {source for _, source in extracted}
            for key in sorted(set(extracted) - set(kept)):
                failures.append(f"{ts.name}: not in the catalogue: {key}")
            for key in sorted(set(kept) - set(extracted)):
                failures.append(f"{ts.name}: no longer in the program: {key}")
            for key, (text, state) in sorted(extracted.items()):
                if key in kept and (state or not text):
                    failures.append(f"{ts.name}: not translated ({state or 'empty'}): {key}")
                slots = sorted(set(re.findall(r"%\d", key[1])))
                if text and sorted(set(re.findall(r"%\d", text))) != slots:
                    failures.append(f"{ts.name}: placeholders {slots} differ in {text!r}")

    for folder in sources_folders:
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            for literal in LITERAL.findall(code_without_comments(path.read_text())):
                literal = literal.replace("\\n", "\n")
                if all(ord(c) < 0x80 for c in literal) or literal.strip() in NOT_TEXTS:
                    continue
                if not any(literal.strip() in source for source in sources):
                    failures.append(f"{path.relative_to(root)}: a text nobody marked: {literal!r}")

    for failure in failures:
        print(failure)
    print(f"{len(sources)} texts checked in {len(catalogues)} catalogue(s): "
          f"{'ok' if not failures else f'{len(failures)} problem(s)'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
