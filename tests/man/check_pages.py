#!/usr/bin/env python3
"""Checks a program's manual page against the program.

The page must list every choice of the program's menu, as the menu numbers
and names it ("1.initStack"), and no choice the menu lacks; and man must
render it without a warning.
"""

import argparse
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "harness"))
import menus  # noqa: E402

LISTED = re.compile(r"^\.B (\d+)\.(.+)$", re.MULTILINE)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program")
    parser.add_argument("--pages", required=True, help="the folder of the built pages")
    args = parser.parse_args()

    page = os.path.join(args.pages, args.program + ".1")
    with open(page, encoding="ascii") as f:
        listed = {label: int(number) for number, label in LISTED.findall(f.read())}
    problems = []
    menu = menus.choices(args.program)
    for label, number in sorted(menu.items(), key=lambda item: item[1]):
        if listed.get(label) != number:
            problems.append(f"the menu's {number}.{label} is not listed as such")
    for label, number in listed.items():
        if menu.get(label) != number:
            problems.append(f"the page lists {number}.{label}, which the menu lacks")
    rendered = subprocess.run(["man", "--warnings", "-l", page], capture_output=True, text=True,
                              env=dict(os.environ, MANWIDTH="80", MAN_KEEP_FORMATTING="0"))
    if rendered.returncode != 0 or rendered.stderr:
        problems.append(f"man --warnings: status {rendered.returncode}, {rendered.stderr.strip()!r}")
    if not rendered.stdout.strip():
        problems.append("man rendered nothing")
    for problem in problems:
        print(f"{page}: {problem}")
    checks = len(menu) + 1  # each choice, and the rendering
    print(f"{max(0, checks - len(problems))} passed, {len(problems)} failed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
