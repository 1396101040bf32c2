#!/usr/bin/env python3
"""Fails when a source file includes a folder above its own, so the core's folders depend one way:
rules/ < strategy/ < engine/ (with speech/, the engine's ports and speech helpers) < persist/ <
screen/, and above them the Qt adapters (qt_* files, wherever they live) and app/. No core file
may include an adapter.

Upward includes the code still has are listed in scripts/include_debts.txt, one
"file -> included" a line; the list may only shrink: a new upward include fails, and so does a
listed one that is gone (take it off the list)."""
import pathlib
import re
import sys

LEVELS = {"rules": 0, "strategy": 1, "engine": 2, "speech": 2, "persist": 3, "screen": 4, "app": 6}
ADAPTER = 5

root = pathlib.Path(__file__).resolve().parent.parent
src = root / "src"
include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def level(path: str) -> int:
    parts = pathlib.PurePosixPath(path).parts
    if parts[-1].startswith("qt_") and parts[0] != "app":
        return ADAPTER
    return LEVELS.get(parts[0], ADAPTER)


def upward_includes():
    found = set()
    for file in sorted(src.rglob("*")):
        if file.suffix not in (".h", ".cpp"):
            continue
        name = file.relative_to(src).as_posix()
        for target in include.findall(file.read_text(encoding="utf-8")):
            if "/" in target and level(target) > level(name):
                found.add(f"{name} -> {target}")
    return found


def main() -> int:
    debts_file = root / "scripts" / "include_debts.txt"
    debts = set()
    if debts_file.exists():
        for line in debts_file.read_text(encoding="utf-8").splitlines():
            if line.strip() and not line.startswith("#"):
                debts.add(line.strip())
    found = upward_includes()
    new = sorted(found - debts)
    gone = sorted(debts - found)
    for item in new:
        print(f"include runs upward: {item}", file=sys.stderr)
    for item in gone:
        print(f"no longer included, take it off {debts_file.name}: {item}", file=sys.stderr)
    if new or gone:
        return 1
    print(f"includes run one way ({len(found)} older upward includes still listed)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
