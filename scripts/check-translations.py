#!/usr/bin/env python3
"""Checks the windows' translations (translations/kvr27_<language>.ts).

  check-translations.py LUPDATE SOURCE_DIR TS_FILE... [-- LUPDATE_OPTION...]

Fails (exit 1, a line per fault) when a .ts file is not what lupdate makes of the
code (a text added, changed or removed in the code and not brought over: run
`cmake --build build --target update_translations`), when an entry is unfinished,
obsolete or vanished, or when a translation drops or adds a placeholder (%1) or the
accelerator mark (&) of its English text. With --self-test it first shows that a
stale file, an unfinished entry and a lost placeholder are caught. Run by CTest
(test "translations") and so by every CI run.
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%\d")


def accelerators(text: str) -> int:
    return len(re.findall(r"&(?!&)\S", text.replace("&&", "")))


def entry_faults(ts: pathlib.Path):
    root = ElementTree.parse(ts).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            # A line break is a <byte> element inside the text: read all of it.
            source = "".join(message.find("source").itertext())
            translation = message.find("translation")
            where = f"{ts.name}: {name}: \"{source}\""
            kind = translation.get("type") if translation is not None else "missing"
            if kind:
                yield f"{where} is {kind}"
                continue
            text = "".join(translation.itertext())
            if sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(source)):
                yield f"{where}: the translation's placeholders differ: \"{text}\""
            if accelerators(source) != accelerators(text):
                yield f"{where}: the translation's accelerator marks differ: \"{text}\""


def stale_faults(lupdate: str, sources: pathlib.Path, ts_files, options):
    with tempfile.TemporaryDirectory() as folder:
        for ts in ts_files:
            copy = pathlib.Path(folder) / ts.name
            shutil.copyfile(ts, copy)
            subprocess.run([lupdate, *options, "-silent", str(sources), "-ts", str(copy)], check=True,
                           stdout=subprocess.DEVNULL)
            if copy.read_bytes() != ts.read_bytes():
                yield f"{ts.name} is not up to date with the code (cmake --build build --target update_translations)"


def faults(lupdate, sources, ts_files, options):
    found = list(stale_faults(lupdate, sources, ts_files, options))
    for ts in ts_files:
        found.extend(entry_faults(ts))
    return found


def self_test(lupdate, options) -> bool:
    """A stale file, an unfinished entry and a lost placeholder are each caught."""
    with tempfile.TemporaryDirectory() as folder:
        source = pathlib.Path(folder) / "src"
        source.mkdir()
        (source / "a.cpp").write_text('const char* t = QT_TRANSLATE_NOOP("c", "Saved %1");\n')
        ts = pathlib.Path(folder) / "kvr27_de.ts"
        subprocess.run([lupdate, *options, "-silent", str(source), "-ts", str(ts)], check=True,
                       stdout=subprocess.DEVNULL)
        unfinished = ts.read_text()
        done = unfinished.replace('<translation type="unfinished"></translation>',
                                  "<translation>Gespeichert: %1</translation>")
        lost = unfinished.replace('<translation type="unfinished"></translation>',
                                  "<translation>Gespeichert</translation>")
        cases = [("a translated file", done, False), ("an unfinished entry", unfinished, True),
                 ("a lost placeholder", lost, True)]
        for name, text, expected in cases:
            ts.write_text(text)
            if bool(faults(lupdate, source, [ts], options)) != expected:
                print(f"self-test: {name} was {'not ' if expected else ''}caught")
                return False
        ts.write_text(done)
        (source / "a.cpp").write_text('const char* t = QT_TRANSLATE_NOOP("c", "Loaded %1");\n')
        if not faults(lupdate, source, [ts], options):
            print("self-test: a text changed in the code was not caught")
            return False
    return True


def main() -> int:
    arguments = sys.argv[1:]
    test = "--self-test" in arguments
    arguments = [a for a in arguments if a != "--self-test"]
    options = arguments[arguments.index("--") + 1:] if "--" in arguments else []
    arguments = arguments[:arguments.index("--")] if "--" in arguments else arguments
    lupdate, sources, ts_files = arguments[0], pathlib.Path(arguments[1]), [pathlib.Path(a) for a in arguments[2:]]
    if test and not self_test(lupdate, options):
        return 1
    found = faults(lupdate, sources, ts_files, options)
    for fault in found:
        print(fault)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
