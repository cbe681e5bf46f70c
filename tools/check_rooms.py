#!/usr/bin/env python3
"""Checks that the core's includes run one way, from the rooms above to the
rooms below:

    platform <- store <- calc <- help, scheduler <- files <- print, scenarios

A file may include headers of its own room and of rooms lower down, never of
a room at its own level or above.  Prints every include that runs the wrong
way and exits 1 when there is one.

    python3 tools/check_rooms.py [src/core]
"""
import pathlib
import re
import sys

RANKS = {
    "platform": 0,
    "store": 1,
    "calc": 2,
    "help": 3,
    "scheduler": 3,
    "files": 4,
    "print": 5,
    "scenarios": 5,
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/[^"]+"')


def wrong_way(core: pathlib.Path):
    for path in sorted(core.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        room = path.relative_to(core).parts[0]
        if room not in RANKS:
            yield f"{path}: the folder {room} is no room of the core; give it its place in tools/check_rooms.py"
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match or match.group(1) == room:
                continue
            used = match.group(1)
            if used not in RANKS:
                yield f"{path}:{number}: includes {used}/, which is no room of the core"
            elif RANKS[used] >= RANKS[room]:
                yield f"{path}:{number}: {room} includes {used}/, a room at its own level or above"


def main() -> int:
    core = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src/core")
    problems = list(wrong_way(core))
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} include(s) run back up; the rooms must lean one way.")
        return 1
    print("The core's includes run one way.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
