#!/usr/bin/env python3
"""Checks a program's manual pages, English and Chinese, against the program.

Each page must list every choice of the program's menu, as the menu numbers
and names it ("1.initStack"), and no choice the menu lacks; the English page
must have its sections in the usual order, and the Chinese page as many;
and man must render each without a warning.
"""

import argparse
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "harness"))
import menus  # noqa: E402

LISTED = re.compile(r"^\.B (\d+)\.(.+)$", re.MULTILINE)
SECTION = re.compile(r"^\.SH (.+)$", re.MULTILINE)
SECTIONS = ["NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "MENU", "INPUT", "TERMINAL",
            "EXIT STATUS", "ENVIRONMENT", "EXAMPLES", "SEE ALSO"]


def check_page(page, menu):
    """The problems of one page, and how many checks were made."""
    with open(page, encoding="utf-8") as f:
        text = f.read()
    listed = {label: int(number) for number, label in LISTED.findall(text)}
    problems = []
    for label, number in sorted(menu.items(), key=lambda item: item[1]):
        if listed.get(label) != number:
            problems.append(f"the menu's {number}.{label} is not listed as such")
    for label, number in listed.items():
        if menu.get(label) != number:
            problems.append(f"the page lists {number}.{label}, which the menu lacks")
    sections = [name.strip('"') for name in SECTION.findall(text)]
    if page.endswith(os.path.join("zh_CN", os.path.basename(page))):
        if len(sections) != len(SECTIONS):
            problems.append(f"{len(sections)} sections, where the English page has {len(SECTIONS)}")
    elif sections != SECTIONS:
        problems.append(f"sections {sections}, expected {SECTIONS}")
    # A UTF-8 locale, so that man renders the Chinese page for a terminal
    # that reads it (C.UTF-8 is on every Debian system).
    rendered = subprocess.run(["man", "--warnings", "-l", page], capture_output=True, text=True,
                              env=dict(os.environ, MANWIDTH="80", MAN_KEEP_FORMATTING="0",
                                       LC_ALL="C.UTF-8"))
    if rendered.returncode != 0 or rendered.stderr:
        problems.append(
            f"man --warnings: status {rendered.returncode}, {rendered.stderr.strip()!r}")
    if not rendered.stdout.strip():
        problems.append("man rendered nothing")
    return problems, len(menu) + 2  # each choice, the sections and the rendering


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program")
    parser.add_argument("--pages", required=True, help="the folder of the built pages")
    args = parser.parse_args()

    menu = menus.choices(args.program)
    checks = failed = 0
    for page in (os.path.join(args.pages, args.program + ".1"),
                 os.path.join(args.pages, "zh_CN", args.program + ".1")):
        problems, made = check_page(page, menu)
        for problem in problems:
            print(f"{page}: {problem}")
        checks += made
        failed += len(problems)
    print(f"{max(0, checks - failed)} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
