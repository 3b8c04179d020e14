#!/usr/bin/env python3
"""Refuses an include that runs upward between the program's layers.

Each folder of src/ is a layer and may include only itself and the layers below it;
the tools on top may include any layer. Below platform, no Qt header. Prints every
offending include as "file:line: layer includes upper/Header.h" and exits 1 when
there is one; with --self-test it first shows that a planted upward include is
caught. Run by CTest (test "layers") and so by every CI run.
"""
import pathlib
import re
import sys
import tempfile

# Each layer and the layers it may include besides itself.
ALLOWED = {
    "core": set(),
    "image": {"core"},
    "editors": {"core", "image"},
    "link": {"core", "image"},
    "files": {"core", "image", "editors"},
    "commands": {"core", "image", "editors", "link", "files"},
    "platform": {"core", "image", "editors", "link", "files", "commands"},
    "app": {"core", "image", "editors", "link", "files", "commands", "platform"},
}
QT_FREE = {"core", "image", "editors", "link", "files", "commands"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')


def offences(src: pathlib.Path):
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        layer = path.relative_to(src).parts[0]
        if layer not in ALLOWED:
            yield f"{path}: folder {layer} is no known layer"
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            quote, header = match.groups()
            first = header.split("/")[0]
            if quote == "<" and layer in QT_FREE and first.startswith("Q"):
                yield f"{path}:{number}: {layer} includes the Qt header {header}"
            elif quote == '"' and "/" in header and first in ALLOWED and first != layer \
                    and first not in ALLOWED[layer]:
                yield f"{path}:{number}: {layer} includes {header}"


def self_test() -> bool:
    with tempfile.TemporaryDirectory() as folder:
        src = pathlib.Path(folder)
        (src / "image").mkdir()
        (src / "image" / "Upward.h").write_text('#include "commands/AppState.h"\n')
        return len(list(offences(src))) == 1


def main() -> int:
    if "--self-test" in sys.argv and not self_test():
        print("check-layers: a planted upward include was not caught")
        return 1
    src = pathlib.Path(__file__).resolve().parent.parent / "src"
    found = list(offences(src))
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
