#!/usr/bin/env python3
"""Fails when the source folders stop depending one way.

Each folder has its own level, from the bottom of the flow of a key to the top:
    rules < strategy < engine < narration < persist < speech < screen < terminal < app
A file includes only its own folder and folders below it. Two folders that include each other
fail even when one of the includes is listed as a debt: a debt excuses an upward include, never
a loop. Qt adapters (qt_* files) and Qt's own headers are included only by qt_* files and app/,
which wires the adapters; the core links no Qt. A folder with no level fails until it is given one.

Upward includes the code still has are listed in scripts/include_debts.txt, one
"file -> included" a line; the list may only shrink: a new upward include fails, and so does a
listed one that is gone (take it off the list).

usage: check_includes.py [SOURCE_ROOT]   (the tree's own src/ when none is given)"""
import pathlib
import re
import sys

FOLDERS = ["rules", "strategy", "engine", "narration", "persist", "speech", "screen", "terminal",
           "app"]
LEVELS = {folder: rank for rank, folder in enumerate(FOLDERS)}

root = pathlib.Path(__file__).resolve().parent.parent
local_include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
qt_header = re.compile(r'^\s*#\s*include\s+<(Q[A-Za-z]*|Qt[A-Za-z]*/[^>]*)>', re.M)


def folder(path: str) -> str:
    return pathlib.PurePosixPath(path).parts[0]


def is_adapter(path: str) -> bool:
    return pathlib.PurePosixPath(path).name.startswith("qt_")


def source_files(src: pathlib.Path):
    for file in sorted(src.rglob("*")):
        if file.suffix in (".h", ".cpp") and file.is_file():
            yield file.relative_to(src).as_posix(), file.read_text(encoding="utf-8")


def check(src: pathlib.Path):
    """Returns the upward includes found ("file -> included"), the faults no debt can excuse, and
    the includes between folders as {(from, to): [one example "file -> included"]}."""
    upward = set()
    faults = []
    crossings = {}
    for name, text in source_files(src):
        here = folder(name)
        if "/" not in name:
            faults.append(f"source file outside any folder: {name}")
            continue
        if here not in LEVELS:
            faults.append(f"folder has no level in check_includes.py: {here}/ ({name})")
        if not is_adapter(name) and here != "app" and qt_header.search(text):
            faults.append(f"Qt header outside a qt_* file or app/: {name}")
        for target in local_include.findall(text):
            if "/" not in target:
                continue
            there = folder(target)
            if is_adapter(target) and not is_adapter(name) and here != "app":
                faults.append(f"Qt adapter included outside a qt_* file or app/: {name} -> {target}")
            if there == here:
                continue
            crossings.setdefault((here, there), f"{name} -> {target}")
            if there not in LEVELS:
                faults.append(f"include of a folder with no level: {name} -> {target}")
            elif here in LEVELS and LEVELS[there] > LEVELS[here]:
                upward.add(f"{name} -> {target}")
    return upward, faults, crossings


def folder_loops(crossings):
    """Each loop of folders including each other, as a list of folders starting and ending at
    the same one, found once."""
    graph = {}
    for here, there in crossings:
        graph.setdefault(here, set()).add(there)
    loops = []
    seen = set()

    def walk(path):
        for there in sorted(graph.get(path[-1], ())):
            if there == path[0]:
                cycle = path + [there]
                key = frozenset(path)
                if key not in seen:
                    seen.add(key)
                    loops.append(cycle)
            elif there not in path and there > path[0]:
                walk(path + [there])

    for start in sorted(graph):
        walk([start])
    return loops


def main(argv) -> int:
    if len(argv) > 2:
        print(__doc__.splitlines()[-1], file=sys.stderr)
        return 2
    src = pathlib.Path(argv[1]) if len(argv) == 2 else root / "src"
    if not src.is_dir():
        print(f"no source folder at {src}", file=sys.stderr)
        return 2
    debts_file = root / "scripts" / "include_debts.txt"
    debts = set()
    if debts_file.exists():
        for line in debts_file.read_text(encoding="utf-8").splitlines():
            if line.strip() and not line.startswith("#"):
                debts.add(line.strip())
    upward, faults, crossings = check(src)
    loops = folder_loops(crossings)
    new = sorted(upward - debts)
    gone = sorted(debts - upward)
    for item in faults:
        print(item, file=sys.stderr)
    for loop in loops:
        steps = ", ".join(crossings[(a, b)] for a, b in zip(loop, loop[1:]))
        print(f"folders include each other: {' -> '.join(loop)} ({steps})", file=sys.stderr)
    for item in new:
        print(f"include runs upward: {item}", file=sys.stderr)
    for item in gone:
        print(f"no longer included, take it off {debts_file.name}: {item}", file=sys.stderr)
    if faults or loops or new or gone:
        return 1
    print(f"includes run one way ({len(upward)} older upward includes still listed)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
