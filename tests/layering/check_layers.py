#!/usr/bin/env python3
"""Checks that the sources' includes point only downward through the layers.

    core/ <- data/ <- forms/ <- Parts <- hosts/ <- ui/, probe/

A folder may include its own headers and those of any lower layer. A Part may
also include another Part's pure-logic headers (headers that include nothing
of forms/, directly or through other headers), as long as the folders form no
cycle. The two hosts do not include each other, nor do ui/ and probe/.
Prints every offending include and exits 1; exits 0 when the layout holds.

usage: check_layers.py SOURCE_ROOT
"""

import re
import sys
from pathlib import Path

PARTS = ["scene", "operation", "sound", "navigation", "album", "info"]
RANKS = {"core": 0, "data": 1, "forms": 2}
RANKS.update({part: 3 for part in PARTS})
RANKS.update({"hosts/real": 4, "hosts/recording": 4, "ui": 5, "probe": 5})
# Folders of the project that are no layer: nothing layered includes them.
OUTSIDE = {"tools", "tests", "bench", "fuzz", "build", "scripts"}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc"}


def folder_of(path):
    """The layer folder of a path relative to the root ("hosts/real", "scene"), or None."""
    parts = Path(path).parts
    if len(parts) >= 2 and parts[0] == "hosts":
        key = "hosts/" + parts[1]
        return key if key in RANKS else "hosts/?"
    if parts and parts[0] in RANKS:
        return parts[0]
    if parts and parts[0] in OUTSIDE:
        return parts[0]
    return None


def includes_of(root, relative):
    try:
        text = (root / relative).read_text(encoding="utf-8", errors="replace")
    except OSError:
        return []
    return INCLUDE.findall(text)


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    root = Path(argv[1]).resolve()
    sources = []
    for folder in RANKS:
        base = root / folder
        if base.is_dir():
            sources += [p.relative_to(root).as_posix() for p in sorted(base.rglob("*"))
                        if p.suffix in SOURCE_SUFFIXES and p.is_file()]
    if not sources:
        print(f"no layered sources under {root}", file=sys.stderr)
        return 2

    includes = {source: includes_of(root, source) for source in sources}

    # A header reaches forms/ when it or anything it includes does.
    reaches_forms = {}

    def touches_forms(header, seen=()):
        if header in reaches_forms:
            return reaches_forms[header]
        if header in seen:
            return False
        result = False
        for target in includes.get(header, includes_of(root, header)):
            if folder_of(target) == "forms" or touches_forms(target, seen + (header,)):
                result = True
                break
        reaches_forms[header] = result
        return result

    problems = []
    edges = {}
    for source in sources:
        own = folder_of(source)
        for target in includes[source]:
            other = folder_of(target)
            if other is None:
                continue  # not a project path (a generated file, a system header)
            where = f"{source}: #include \"{target}\""
            if other == own:
                continue
            edges.setdefault(own, set()).add(other)
            if other in OUTSIDE or other == "hosts/?":
                problems.append(f"{where}: {other}/ is not a layer")
            elif RANKS[other] > RANKS[own]:
                problems.append(f"{where}: upward ({own}/ is below {other}/)")
            elif RANKS[other] == RANKS[own]:
                if own not in PARTS:
                    problems.append(f"{where}: sideways between {own}/ and {other}/")
                elif touches_forms(target):
                    problems.append(f"{where}: another Part's header that reaches forms/")

    # Folder cycles (the Parts among themselves are the only place one can form
    # without an upward include, but look everywhere).
    state = {}
    stack = []

    def visit(folder):
        state[folder] = "open"
        stack.append(folder)
        for nxt in sorted(edges.get(folder, ())):
            if state.get(nxt) == "open":
                cycle = stack[stack.index(nxt):] + [nxt]
                problems.append("folder cycle: " + " -> ".join(f"{f}/" for f in cycle))
            elif nxt not in state:
                visit(nxt)
        stack.pop()
        state[folder] = "done"

    for folder in sorted(edges):
        if folder not in state:
            visit(folder)

    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} layering problem(s)", file=sys.stderr)
        return 1
    print(f"layers hold: {len(sources)} files, includes point downward, no folder cycle")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
