#!/usr/bin/env python3
"""Checks tools/gbk_literals, which compiles the messages as GBK.

Every character of GB2312 that the tool takes must come out as escapes that
decode back to it (decoded here with Python's own GBK codec, not the
system's converter that the tool uses); what must stay as written (comments,
u8 literals, escapes, a digit after a character) must; and a character
outside the range, or where escapes cannot stand, must be refused with the
file and line.
"""

import argparse
import os
import re
import subprocess
import sys
import tempfile

OCTAL = re.compile(rb"\\([0-7]{3})")


def gb2312_characters():
    """Every character of GB2312 but the two codes decoders disagree on."""
    characters = []
    for lead in range(0xA1, 0xF8):
        for trail in range(0xA1, 0xFF):
            if lead == 0xA1 and trail in (0xA4, 0xAA):
                continue
            try:
                characters.append(bytes([lead, trail]).decode("gb2312"))
            except UnicodeDecodeError:
                pass
    return characters


def run(tool, text, folder):
    source, copy = os.path.join(folder, "source.cpp"), os.path.join(folder, "copy.cpp")
    with open(source, "w", encoding="utf-8") as f:
        f.write(text)
    done = subprocess.run([tool, source, copy], capture_output=True, text=True)
    copied = None
    if done.returncode == 0:
        with open(copy, "rb") as f:
            copied = f.read()
    return done, copied, source


def unescape(literal):
    """The bytes a C++ literal body of octal escapes and ASCII stands for."""
    return OCTAL.sub(lambda m: bytes([int(m.group(1), 8)]), literal)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("tool")
    args = parser.parse_args()
    problems, checks = [], 0

    characters = gb2312_characters()
    lines = ["// 注释里的中文留在原处", 'const char* keep = u8"请选择";']
    for start in range(0, len(characters), 64):  # 64 characters a literal
        lines.append('const char* s%d = "%s";' % (start, "".join(characters[start:start + 64])))
    lines.append('const char* mixed = "\\t\\t第" "1个\\"元素\\"是\\n";')
    lines.append("int separated = 1'000;")
    text = "\n".join(lines) + "\n"
    with tempfile.TemporaryDirectory() as folder:
        done, copied, source = run(args.tool, text, folder)
        checks += 1
        if copied is None:
            problems.append(f"refused the characters of GB2312: {done.stderr.strip()}")
        else:
            first, _, rest = copied.partition(b"\n")
            if first != b'#line 1 "' + source.encode() + b'"':
                problems.append(f"the copy starts {first!r}, not a #line naming the source")
            if rest.count(b"\n") != text.count("\n"):
                problems.append("the copy's lines do not stand where the source's do")
            for kept in (lines[0], 'u8"请选择"'):
                if kept not in rest.decode("utf-8", "replace"):
                    problems.append(f"{kept!r} was changed")
            for number, (written, made) in enumerate(zip(text.split("\n"), rest.split(b"\n")), 1):
                wanted = re.findall(r'(?<!u8)"((?:[^"\\]|\\.)*)"', written)
                got = re.findall(rb'(?<!u8)"((?:[^"\\]|\\.)*)"', made)
                for want, have in zip(wanted, got):
                    if want.isascii():
                        if have.decode("ascii") != want:
                            problems.append(
                                f"line {number}: ASCII literal {want!r} came out {have!r}")
                        continue
                    checks += 1
                    try:
                        decoded = unescape(have).decode("gbk")
                    except UnicodeDecodeError as error:
                        problems.append(f"line {number}: escapes that are no GBK: {error}")
                        continue
                    # The source's own escapes (\t, \") are still escapes in the copy.
                    if decoded != want:
                        problems.append(f"line {number}: {want!r} came out as {decoded!r}")
            if b"1'000" not in rest:
                problems.append("a digit separator was taken for a character literal")

        refusals = {
            "a character outside GB2312 (the euro sign)": 'const char* a = "€";\n',
            "a character of GBK outside GB2312": 'int x;\nconst char* a = "丂";\n',
            "a character GBK puts in a cell GB2312 leaves empty": 'const char* a = "ⅰ";\n',
            "a character literal": "int x;\nint y;\nchar c = '请';\n",
            "a raw string literal": 'int x;\nconst char* a = R"(请)";\n',
        }
        for what, refused in refusals.items():
            checks += 1
            done, copied, source = run(args.tool, refused, folder)
            line = refused.count("\n")
            if done.returncode == 0:
                problems.append(f"{what} was not refused")
            elif f"{source}:{line}:" not in done.stderr:
                problems.append(f"{what}: the refusal does not name {source}:{line}:"
                                f" {done.stderr.strip()!r}")

    for problem in problems:
        print(problem)
    print(f"{max(0, checks - len(problems))} passed, {len(problems)} failed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
