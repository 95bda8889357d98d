#!/usr/bin/env python3
"""Start-up benchmark: each program meets the end of its input at once.

It starts, writes its first menu to /dev/null, finds no input and ends with
status 0. The floor is /bin/true, started the same way in the same run,
alternating with the program; each figure is the median of many starts.
Targets: at most 1.4 times the floor, and 0.7 of it for a program linked
statically, which the dynamic loader never has to link. With --against,
the programs of another build (before a change, say) are started in turn
with these and shown beside them. With --runtime, a
program built and linked the same way that only writes a line with
std::cout is timed too, as a last row: what the C++ runtime's own start
costs, which no target counts.
"""

import argparse
import os
import statistics
import struct
import sys
import time

PROGRAMS = ["stackcon", "objstack", "recstack", "pairqueue", "heirqueue"]
TARGET_DYNAMIC = 1.4
TARGET_STATIC = 0.7
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


def linked_statically(path):
    """Whether path is an ELF program that names no dynamic loader (no PT_INTERP)."""
    with open(path, "rb") as f:
        header = f.read(64)
        if header[:4] != b"\x7fELF" or header[4] != 2 or header[5] != 1:
            return False  # only 64-bit little-endian programs are looked into
        phoff, = struct.unpack_from("<Q", header, 32)
        phentsize, phnum = struct.unpack_from("<HH", header, 54)
        f.seek(phoff)
        table = f.read(phentsize * phnum)
    pt_interp = 3
    return all(struct.unpack_from("<I", table, i * phentsize)[0] != pt_interp
               for i in range(phnum))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin-dir", required=True)
    parser.add_argument("--starts", type=int, default=300, help="starts of each command")
    parser.add_argument("--runtime", help="a program that only writes a line with std::cout")
    parser.add_argument("--against", metavar="BIN_DIR",
                        help="another build's programs, started in turn with these")
    args = parser.parse_args()

    if hasattr(os, "sched_setaffinity"):  # as the session benchmark does
        os.sched_setaffinity(0, {min(os.sched_getaffinity(0))})
    static = linked_statically(os.path.join(args.bin_dir, PROGRAMS[0]))
    target = TARGET_STATIC if static else TARGET_DYNAMIC
    print(f"{'program':<10} {'start us':>9} {'true us':>8} {'ratio':>6}  target"
          + ("  against us" if args.against else ""))
    met = True
    rows = [(name, os.path.join(args.bin_dir, name)) for name in PROGRAMS]
    if args.runtime:
        rows.append(("std::cout", args.runtime))
    for name, program in rows:
        ours, floor, rival = [], [], []
        against = os.path.join(args.against, name) if args.against and name in PROGRAMS else None
        for _ in range(args.starts):  # alternate, so that all see the same machine
            ours.append(start(program))
            floor.append(start(FLOOR))
            if against:
                rival.append(start(against))
        ours, floor = statistics.median(ours), statistics.median(floor)
        ok = ours / floor <= target
        if name in PROGRAMS:
            met &= ok
            verdict = "met" if ok else "MISSED"
        else:
            verdict = "(the runtime's own start, for reference)"
        if against:
            verdict = f"{verdict:<6}  {statistics.median(rival) * 1e6:>10,.0f}"
        print(f"{name:<10} {ours * 1e6:>9,.0f} {floor * 1e6:>8,.0f} {ours / floor:>6.2f}  "
              f"{verdict}")
    print(f"target: at most {target:g}x the start and end of {FLOOR}"
          f"{' (linked statically)' if static else ''}")
    return 0 if met else 1


if __name__ == "__main__":
    sys.exit(main())
