#!/usr/bin/env python3
"""Seeded random sessions: whatever is typed, a program must end on its own.

Each generated input mixes valid choices, text that is not a number, blank
lines, numbers out of range or of the wrong sign, bare signs, lines without
their end and inputs that stop without choice 0. Every run must end (a
generous time limit only guards against a hang) with status 0 or 255,
leave standard error empty (so no sanitizer report either) and write text
that is GBK and has no terminal control sequences, since its output is a
pipe.

A failure prints the seed of the input and the input itself; --seed S
--count 1 runs that one input again.
"""

import argparse
import concurrent.futures
import os
import random
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "harness"))
import menus  # noqa: E402

# The choices, by their names in each menu, that ask for a number.
PROMPTING = {
    "stackcon": {"initStack", "get one elem"},
    "objstack": {"initStack", "get one elem"},
    "recstack": set(),
    "pairqueue": {"initQUE2S"},
    "heirqueue": {"initQUEIS"},
}


def menu(program):
    """The highest choice of the program's menu, and the choices that prompt."""
    choices = menus.choices(program)
    return max(choices.values()), {choices[label] for label in PROMPTING[program]}


JUNK = ["abc", "x7", "?", "one", "\xff\xfe", "#", "1.5", "0x10", "--3", "+-1", "- 4", "\t", "  "]
SIGNS = ["+", "-", "+3", "-0", "+0", "-5"]
EXTREMES = ["2147483647", "2147483648", "-2147483648", "-2147483649", "99999999999999999999",
            "4294967297"]


def number(r, wide):
    """A typed number: mostly small, sometimes extreme or malformed."""
    roll = r.random()
    if roll < 0.6:
        return str(r.randint(-3, wide))
    if roll < 0.75:
        return r.choice(EXTREMES + ["2000000000"])
    if roll < 0.9:
        return r.choice(SIGNS)
    return r.choice(JUNK)


def session(r, highest, prompting):
    parts = []
    for _ in range(r.randint(1, 60)):
        roll = r.random()
        if roll < 0.7:
            choice = r.randint(1, highest) if r.random() < 0.97 else 0
            parts.append(r.choice(["", " ", "\n"]) if r.random() < 0.1 else "")
            parts.append(str(choice))
            parts.append(r.choice(["\n"] * 8 + ["x\n", " \n", ""]))
            if choice in prompting:
                parts.append(number(r, 20) + r.choice(["\n"] * 6 + ["abc\n", ""]))
        elif roll < 0.8:
            parts.append(r.choice(JUNK) + "\n")
        elif roll < 0.9:
            parts.append("\n" * r.randint(1, 3))
        else:
            parts.append(number(r, 30) + "\n")
        parts.append(r.choice(["\n"] * 5 + ["", "\n\n", "zz\n"]))
    ending = r.random()
    if ending < 0.4:
        parts.append("0\n")
    elif ending < 0.5:
        parts.append("0")
    text = "".join(parts)
    if r.random() < 0.2 and text:
        text = text[: r.randint(0, len(text) - 1)]  # cut anywhere, mid-line too
    return text.encode("latin-1")


def run(command, data, time_limit):
    try:
        done = subprocess.run(command, input=data, capture_output=True, timeout=time_limit)
    except subprocess.TimeoutExpired:
        return f"no exit within {time_limit:g} s"
    problems = []
    if done.returncode not in (0, 255):
        problems.append(f"exit status {done.returncode}")
    if done.stderr:
        problems.append("standard error: " + done.stderr[:3000].decode("utf-8", "replace"))
    try:
        done.stdout.decode("gbk")
    except UnicodeDecodeError as error:
        problems.append(f"output is not GBK text: {error}")
    if b"\x1b" in done.stdout:
        problems.append("a control sequence went to the pipe")
    return "; ".join(problems)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program", choices=sorted(PROMPTING))
    parser.add_argument("--bin-dir", required=True)
    parser.add_argument("--seed", type=int, default=20261207)
    parser.add_argument("--count", type=int, default=300)
    parser.add_argument("--time-limit", type=float, default=60.0,
                        help="seconds for one run: only a guard against a hang")
    parser.add_argument("--wrapper", default="",
                        help="command that runs a program, e.g. an emulator")
    parser.add_argument("--suffix", default="", help="file name suffix of the programs")
    args = parser.parse_args()

    highest, prompting = menu(args.program)
    command = args.wrapper.split() + [os.path.join(args.bin_dir, args.program + args.suffix)]
    seeds = [args.seed + i for i in range(args.count)]
    inputs = {seed: session(random.Random(f"{args.program}:{seed}"), highest, prompting)
              for seed in seeds}
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        runs = pool.map(lambda seed: run(command, inputs[seed], args.time_limit), seeds)
        outcomes = dict(zip(seeds, runs))

    failed = [seed for seed in seeds if outcomes[seed]]
    for seed in failed:
        print(f"FAIL {args.program} --seed {seed}: {outcomes[seed]}\n    input: {inputs[seed]!r}")
    print(f"{len(seeds) - len(failed)} passed, {len(failed)} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
