#!/usr/bin/env python3
"""Session benchmark: each program runs a scripted session of 100,000 menu passes.

The session is a realistic mix (creating, filling to capacity, draining,
printing, assigning, asking sizes, destroying and re-creating; never an
overflow or underflow) and ends with choice 0. It is read from a file and the
output goes to a pipe. The floor is cat copying the same output bytes through
the same kind of pipe, measured in the same run; each figure is the best of
several runs. The benchmark and the commands it times share one CPU: spread
over two, the figures swing with where the scheduler puts the two ends of the
pipe (cat alone between 9 and 35 ms here). The write system calls (write
and writev) are counted with strace, against the target of one per 4096
bytes of output plus 16.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

PASSES = 100_000
SPEED_TARGET = 2.0  # at most this many times the floor, unless --target says otherwise


sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "harness"))
import menus  # noqa: E402


class Menu:
    """A program's choices by what they do, numbered as its menu numbers them
    (None where the menu lacks one), and what the program asks and holds."""

    def __init__(self, program, source_capacity, asks_numbers):
        numbered = menus.choices(program)

        def find(test):
            return next((n for label, n in numbered.items() if test(label)), None)

        self.create = find(lambda label: label.startswith("init") and " from " not in label)
        self.copy = find(lambda label: label.startswith("init") and " from " in label)
        self.size = find(lambda label: label.startswith("size of"))
        self.pos = find(lambda label: label.startswith("pos of"))
        self.get = find(lambda label: label == "get one elem")
        self.push, self.pop, self.assign, self.print, self.destroy = (
            numbered[label] for label in ("push", "pop", "assign", "print", "destroy"))
        self.source_capacity = source_capacity
        self.asks_numbers = asks_numbers  # recstack asks for no capacity or index


MENUS = {
    "stackcon": Menu("stackcon", 5, True),
    "objstack": Menu("objstack", 5, True),
    "recstack": Menu("recstack", 10, False),
    "pairqueue": Menu("pairqueue", 15, True),
    "heirqueue": Menu("heirqueue", 15, True),
}


def session(menu):
    """PASSES passes, then choice 0: repeated cycles of create or copy, queries,
    fill to capacity, drain, assign, print, half a drain and destroy, in which
    the working container never overflows or underflows."""
    passes = []

    def choose(choice, answer=None):
        passes.append(f"{choice}\n" + (f"{answer}\n" if answer is not None else "") + "\n")

    cycle = 0
    while len(passes) < PASSES:
        cycle += 1
        if cycle % 2:
            capacity = 4 + cycle % 9 if menu.asks_numbers else 10
            choose(menu.create, capacity if menu.asks_numbers else None)
            count = 0
        else:
            capacity = count = menu.source_capacity
            choose(menu.copy)
        for query in (menu.size, menu.pos, menu.print):
            if query is not None:
                choose(query)
        for _ in range(capacity - count):
            choose(menu.push)
        if menu.get is not None:
            choose(menu.get, 2 if menu.asks_numbers else None)
        for _ in range(capacity):
            choose(menu.pop)
        choose(menu.assign)
        count = menu.source_capacity
        choose(menu.print)
        for _ in range(count // 2):
            choose(menu.pop)
        choose(menu.pos)
        choose(menu.destroy)
    return "".join(passes[:PASSES]) + "0\n"


# The reader's one buffer, for every read: a read that made an object of
# its own would map and fault in fresh memory each time, which on a virtual
# machine at times cost more than the program measured.
DRAIN = bytearray(1 << 20)


def drain(pipe):
    """Reads pipe to its end; the number of bytes read."""
    size = 0
    with open(pipe.fileno(), "rb", buffering=0, closefd=False) as reader:
        while count := reader.readinto(DRAIN):
            size += count
    return size


def timed(command, stdin_path):
    """Wall time of command with stdin from a file and stdout drained from a pipe."""
    with open(stdin_path, "rb") as stdin:
        start = time.perf_counter()
        child = subprocess.Popen(command, stdin=stdin, stdout=subprocess.PIPE)
        size = drain(child.stdout)
        child.wait()
        elapsed = time.perf_counter() - start
    if child.returncode != 0:
        sys.exit(f"{command[0]} ended with status {child.returncode}")
    return elapsed, size


def writes(command, stdin_path):
    """The write and writev system calls of command, stdout a pipe, counted by
    strace."""
    if not shutil.which("strace"):
        return None
    with tempfile.NamedTemporaryFile() as summary, open(stdin_path, "rb") as stdin:
        strace = ["strace", "-c", "-e", "trace=write,writev", "-o", summary.name]
        child = subprocess.Popen(strace + command, stdin=stdin, stdout=subprocess.PIPE)
        drain(child.stdout)
        child.wait()
        row = r"^\s*[\d.]+\s+[\d.]+\s+\d+\s+(\d+)\s+(?:\d+\s+)?writev?$"
        return sum(int(calls) for calls in re.findall(row, open(summary.name).read(), re.M))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin-dir", required=True)
    parser.add_argument("--runs", type=int, default=15,
                        help="runs of each command; the best counts")
    parser.add_argument("--target", type=float, default=SPEED_TARGET,
                        help="the most times the floor a session may take (default: %(default)g)")
    parser.add_argument("--against", metavar="BIN_DIR",
                        help="another build's programs (before a change, say), timed in turn "
                             "with these, run by run, and shown beside them")
    args = parser.parse_args()

    print(f"{'program':<10} {'passes/s':>12} {'output MB':>10} {'time ms':>8} {'cat ms':>7} "
          f"{'ratio':>6} {'writes':>7} {'allowed':>8}  target"
          + ("  against ms" if args.against else ""))
    met = True
    if hasattr(os, "sched_setaffinity"):  # children inherit it
        os.sched_setaffinity(0, {min(os.sched_getaffinity(0))})
    with tempfile.TemporaryDirectory() as scratch:
        files = {}
        for name, menu in MENUS.items():
            typed = os.path.join(scratch, name + ".in")
            written = os.path.join(scratch, name + ".out")
            with open(typed, "w") as f:
                f.write(session(menu))
            # Written here in one piece, not by the program: how a file was
            # written (in what pieces) decides how fast cat reads it back.
            with open(typed, "rb") as stdin:
                program = os.path.join(args.bin_dir, name)
                output = subprocess.run([program], stdin=stdin, stdout=subprocess.PIPE,
                                        check=True).stdout
            with open(written, "wb") as f:
                f.write(output)
            files[name] = typed, written
        os.sync()  # no write-back of these files while the clock runs

        for name, (typed, written) in files.items():
            program = os.path.join(args.bin_dir, name)
            # Alternate them, so that all see the same machine: it has spells
            # in which everything runs slower.
            best = floor = rival = float("inf")
            for _ in range(args.runs):
                best = min(best, timed([program], typed)[0])
                if args.against:
                    rival = min(rival, timed([os.path.join(args.against, name)], typed)[0])
                floor = min(floor, timed(["cat", written], typed)[0])
            size = os.path.getsize(written)
            calls, allowed = writes([program], typed), size // 4096 + 16
            ok = best / floor <= args.target and (calls is None or calls <= allowed)
            met &= ok
            verdict = "met" if ok else "MISSED"
            if args.against:
                verdict = f"{verdict:<6}  {rival * 1e3:>10.1f}"
            print(f"{name:<10} {PASSES / best:>12,.0f} {size / 1e6:>10.1f} {best * 1e3:>8.1f} "
                  f"{floor * 1e3:>7.1f} {best / floor:>6.2f} "
                  f"{calls if calls is not None else 'n/a':>7} {allowed:>8}  {verdict}")
    print(f"targets: at most {args.target:g}x the cat floor;"
          " writes at most output bytes / 4096 + 16")
    return 0 if met else 1


if __name__ == "__main__":
    sys.exit(main())
