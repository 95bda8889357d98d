"""The menu choices of each program, read from the transcripts' definitions.

A program's menu lists its choices as "N.label" ("1.initStack", "10.destroy");
choices() gives them as {label: N}, so that a script names a choice by what
the menu calls it rather than keeping its own copy of the menu.
"""

import os
import re

from transcript import Renderer, read_definitions

DEFINITIONS = os.path.join(os.path.dirname(__file__), "..", "transcripts", "definitions.txt")
CHOICE = re.compile(r"(\d+)\.([^\t\n]+)")


def choices(program):
    menu = Renderer(read_definitions(DEFINITIONS), program, b"").definition("menu", 0).decode("gbk")
    return {label: int(number) for number, label in CHOICE.findall(menu)}
