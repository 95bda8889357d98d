#!/usr/bin/env python3
"""Start-up benchmark: each program meets the end of its input at once.

It starts, writes its first menu to /dev/null, finds no input and ends with
status 0. The floor is /bin/true, started the same way in the same run,
alternating with the program; each figure is the median of many starts.
Target: at most 1.5 times the floor.
"""

import argparse
import os
import statistics
import sys
import time

PROGRAMS = ["stackcon", "objstack", "recstack", "pairqueue", "heirqueue"]
SPEED_TARGET = 1.5
FLOOR = "/bin/true"
NO_INPUT = [(os.POSIX_SPAWN_OPEN, 0, os.devnull, os.O_RDONLY, 0),
            (os.POSIX_SPAWN_OPEN, 1, os.devnull, os.O_WRONLY, 0)]


def start(path):
    """Seconds from the start of path to its end."""
    began = time.perf_counter()
    pid = os.posix_spawn(path, [path], os.environ, file_actions=NO_INPUT)
    _, status = os.waitpid(pid, 0)
    elapsed = time.perf_counter() - began
    if status != 0:
        sys.exit(f"{path} ended with status {status:#x}")
    return elapsed


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin-dir", required=True)
    parser.add_argument("--starts", type=int, default=300, help="starts of each command")
    args = parser.parse_args()

    if hasattr(os, "sched_setaffinity"):  # as the session benchmark does
        os.sched_setaffinity(0, {min(os.sched_getaffinity(0))})
    print(f"{'program':<10} {'start us':>9} {'true us':>8} {'ratio':>6}  target")
    met = True
    for name in PROGRAMS:
        program = os.path.join(args.bin_dir, name)
        ours, floor = [], []
        for _ in range(args.starts):  # alternate, so that both see the same machine
            ours.append(start(program))
            floor.append(start(FLOOR))
        ours, floor = statistics.median(ours), statistics.median(floor)
        ok = ours / floor <= SPEED_TARGET
        met &= ok
        print(f"{name:<10} {ours * 1e6:>9,.0f} {floor * 1e6:>8,.0f} {ours / floor:>6.2f}  "
              f"{'met' if ok else 'MISSED'}")
    print(f"target: at most {SPEED_TARGET:g}x the start and end of {FLOOR}")
    return 0 if met else 1


if __name__ == "__main__":
    sys.exit(main())
