#!/usr/bin/env python3
"""Runs console transcripts: typed input, the exact bytes and exit status it gives.

docs/testing.md describes the transcript format and what each field asks
of the harness. Each case's program is run as the case says (on pipes, a
pseudo-terminal or, for Windows programs with --console-driver, a console),
and its output, standard error and exit status compared with the case's.
Where a case needs the program in a state, the harness watches for it
through /proc; its time limit only guards against a hang.

With --windows the programs are Windows executables run through --wrapper
(wine): their text-mode output ends lines in \\r\\n, and the cases that need
a pseudo-terminal or an address-space limit are skipped. Linux programs for
another processor run through --wrapper too (qemu-user), all cases but those
that limit the address space, which would limit the emulator. With --wasi
the programs are WebAssembly run by Node.js, on plain pipes only: a web
page is their terminal and their only input and output, so the cases of
terminals and of odd descriptors, feeds and write counts are skipped too.
"""

import argparse
import codecs
import os
import pty
import re
import resource
import shlex
import select
import subprocess
import signal
import sys
import tempfile
import termios
import threading
import time

LINUX = sys.platform.startswith("linux")
SKIPPED = 77  # the exit status when every case had to be skipped here
# No verdict depends on how fast the machine is: the harness waits for the
# state a case needs (the program asleep in its read, a screen showing what
# is expected), and the time limit only guards against a hang, generously.
TIME_LIMIT = 60.0  # seconds for one run by default; a hang fails instead of blocking ctest
IDLE_WATCH = 0.5  # seconds for which a program waiting at a prompt is watched for work
IDLE_TICKS = 2  # the most clock ticks of processor time it may use meanwhile
SLOW_READ = 4096  # the bytes a slow terminal takes at a time,
SLOW_PAUSE = 0.02  # and the seconds for which it then takes nothing
TERMINAL_WAYS = {"hung-up", "slow", "idle"}  # what "output:" or "input:" a terminal case may have
TERMINAL = "xterm"  # the TERM of a terminal case, unless it sets its own
CLEAR = b"\x1b[H\x1b[2J"  # how that terminal is cleared
TOKEN = re.compile(r'"((?:[^"\\]|\\.)*)"(?:\s*x(\d+))?|(\S+)')
SIMPLE_ESCAPES = {
    "n": b"\n", "t": b"\t", "r": b"\r", "e": b"\x1b", "\\": b"\\", '"': b'"', "{": b"{",
}


class TranscriptError(Exception):
    pass


def parse_strings(text, where):
    """Splits 'x1 "a" "b" x3' into a list of (raw string, repeat count)."""
    strings = []
    for match in TOKEN.finditer(text):
        if match.group(3) is not None:
            raise TranscriptError(f"{where}: expected a quoted string, found {match.group(3)!r}")
        strings.append((match.group(1), int(match.group(2) or 1)))
    return strings


class Renderer:
    """Turns quoted strings into bytes, with escapes and {definitions}."""

    def __init__(self, definitions, program, clear, encoding="gbk"):
        self.definitions = definitions
        self.program = program
        self.clear = clear
        self.encoding = encoding

    def strings(self, strings, depth=0):
        return b"".join(self.string(raw, depth) * count for raw, count in strings)

    def string(self, raw, depth=0):
        out, text, i = bytearray(), [], 0

        def flush_text():
            out.extend(codecs.encode("".join(text), self.encoding))
            text.clear()

        while i < len(raw):
            c = raw[i]
            if c == "\\":
                escape = raw[i + 1 : i + 2]
                if escape == "x":
                    flush_text()
                    out.append(int(raw[i + 2 : i + 4], 16))
                    i += 4
                    continue
                if escape not in SIMPLE_ESCAPES:
                    raise TranscriptError(f"unknown escape \\{escape} in {raw!r}")
                flush_text()
                out.extend(SIMPLE_ESCAPES[escape])
                i += 2
            elif c == "{":
                end = raw.index("}", i)
                flush_text()
                out.extend(self.definition(raw[i + 1 : end], depth))
                i = end + 1
            else:
                text.append(c)
                i += 1
        flush_text()
        return bytes(out)

    def definition(self, name, depth):
        if name == "clear":
            return self.clear
        if name == "program":
            return self.program.encode()
        for key in (f"{self.program}.{name}", name):
            if key in self.definitions:
                if depth > 8:
                    raise TranscriptError(f"{{{name}}} refers to itself")
                return self.strings(self.definitions[key], depth + 1)
        raise TranscriptError(f"no definition of {{{name}}} for {self.program}")


def read_fields(path):
    """Yields (line number, key, value) with continuation lines joined."""
    key, value, start = None, [], 0
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            if line[0].isspace():
                if key is None:
                    raise TranscriptError(f"{path}:{number}: continuation without a field")
                value.append(line.strip())
                continue
            if key is not None:
                yield start, key, value
            name, sep, rest = line.partition(":")
            if not sep:
                raise TranscriptError(f"{path}:{number}: expected 'field: value'")
            key, value, start = name.strip(), [rest.strip()] if rest.strip() else [], number
    if key is not None:
        yield start, key, value


def read_definitions(path):
    definitions = {}
    for number, key, value in read_fields(path):
        definitions[key] = parse_strings(" ".join(value), f"{path}:{number}")
    return definitions


class Case:
    def __init__(self, name, where):
        self.name, self.where = name, where
        self.input, self.output, self.dialog = [], [], None
        self.exit, self.tty, self.memory = None, False, None
        self.errors, self.redirect, self.feed = [], None, None
        self.env, self.unset, self.encoding = {}, [], "gbk"
        self.clear, self.writes, self.args = None, None, []
        self.needs = []
        self.console, self.stop, self.screen = False, None, None


def read_transcript(path):
    programs, cases = None, []
    for number, key, value in read_fields(path):
        where = f"{path}:{number}"
        if key == "program":
            programs = " ".join(value).split()
            continue
        if key == "case":
            cases.append(Case(" ".join(value), where))
            continue
        if not cases:
            raise TranscriptError(f"{where}: '{key}' before the first case")
        case = cases[-1]
        if key == "in":
            case.input = parse_strings(" ".join(value), where)
        elif key == "out":
            case.output = parse_strings(" ".join(value), where)
        elif key == "dialog":
            case.dialog = []
            for line in value:
                direction, text = line[:1], line[1:]
                if direction not in ("<", ">"):
                    raise TranscriptError(f"{where}: dialog lines start with '>' or '<': {line!r}")
                case.dialog.append((direction, parse_strings(text, where)))
        elif key == "exit":
            case.exit = " ".join(value) if value == ["any"] else int(" ".join(value))
        elif key == "on":
            if value not in (["tty"], ["console"]):
                raise TranscriptError(f"{where}: 'on' takes 'tty' or 'console'")
            case.tty, case.console = value == ["tty"], value == ["console"]
        elif key == "stop":
            if value not in (["kill"], ["ctrl-c"]):
                raise TranscriptError(f"{where}: 'stop' takes 'kill' or 'ctrl-c'")
            case.stop = value[0]
        elif key == "screen":
            case.screen = parse_strings(" ".join(value), where)
        elif key == "memory":
            case.memory = int(" ".join(value))
        elif key == "env":
            case.env = dict(item.split("=", 1) for item in " ".join(value).split())
        elif key == "args":
            case.args = parse_strings(" ".join(value), where)
        elif key == "unset":
            case.unset = " ".join(value).split()
        elif key == "clear":
            case.clear = parse_strings(" ".join(value), where)
        elif key == "writes":
            case.writes = int(" ".join(value))
        elif key == "needs":
            if value not in (["terminfo"], ["64-bit"], ["32-bit"]):
                raise TranscriptError(f"{where}: 'needs' takes 'terminfo', '64-bit' or '32-bit'")
            case.needs = value
        elif key == "shown":
            if value != ["utf-8"]:
                raise TranscriptError(f"{where}: 'shown' takes 'utf-8'")
            case.encoding = "utf-8"
        elif key == "errors":
            case.errors = parse_strings(" ".join(value), where)
        elif key == "output":
            if value not in (["full"], ["closed"], ["gone"], ["hung-up"], ["slow"]):
                raise TranscriptError(
                    f"{where}: 'output' takes 'full', 'closed', 'gone', 'hung-up' or 'slow'")
            case.redirect = value[0]
        elif key == "input":
            if value not in (["endless"], ["late"], ["directory"], ["held"], ["hung-up"], ["idle"]):
                raise TranscriptError(f"{where}: 'input' takes 'endless', 'late', 'directory',"
                                      " 'held', 'hung-up' or 'idle'")
            case.feed = value[0]
        else:
            raise TranscriptError(f"{where}: unknown field '{key}'")
    if not programs:
        raise TranscriptError(f"{path}: no 'program:' line")
    for case in cases:
        if case.exit is None:
            raise TranscriptError(f"{case.where}: case '{case.name}' has no 'exit:'")
        if case.redirect not in (None, "slow") and case.output:
            raise TranscriptError(f"{case.where}: output that goes elsewhere cannot be expected")
        ways = {case.redirect, case.feed} - {None}
        terminal_only = ways & TERMINAL_WAYS
        if case.tty and (ways - TERMINAL_WAYS or len(ways) > 1) or terminal_only and not case.tty:
            raise TranscriptError(f"{case.where}: a terminal goes with one of"
                                  f" {', '.join(sorted(TERMINAL_WAYS))}, and they with a terminal")
        if case.stop is not None and not (case.console and case.screen is not None):
            raise TranscriptError(f"{case.where}: 'stop' goes with 'on: console' and a 'screen:'")
        if (case.writes is None) != (case.feed != "held"):
            raise TranscriptError(f"{case.where}: 'writes' goes with 'input: held'")
        if case.dialog is not None:
            case.input = [s for d, strings in case.dialog if d == "<" for s in strings]
            case.output = [s for d, strings in case.dialog if d == ">" for s in strings]
    return programs, cases


def show(data):
    """Output bytes as a transcript would quote them: decoded, escaped."""
    try:
        text = data.decode("utf-8")  # GBK text is hardly ever valid UTF-8
    except UnicodeDecodeError:
        text = data.decode("gbk", errors="backslashreplace")
    for char, escape in (("\\", "\\\\"), ('"', '\\"'), ("\x1b", "\\e"), ("\t", "\\t"),
                         ("\r", "\\r"), ("\n", "\\n")):
        text = text.replace(char, escape)
    return f'"{text}"'


def difference(expected, actual):
    at = next((i for i, (a, b) in enumerate(zip(expected, actual)) if a != b),
              min(len(expected), len(actual)))
    line_start = expected.rfind(b"\n", 0, at) + 1
    return (
        f"    first difference at byte {at}\n"
        f"    expected from there: {show(expected[line_start:line_start + 160])}\n"
        f"    actual from there:   {show(actual[line_start:line_start + 160])}"
    )


class Runner:
    def __init__(self, bin_dir, wrapper, suffix, sanitized, windows, static, time_limit,
                 test_libs, terminfo, console_driver, wasi=False, pointer_bits=64):
        self.bin_dir, self.wrapper, self.suffix = bin_dir, wrapper, suffix
        self.console_driver = console_driver
        self.sanitized, self.windows, self.static = sanitized, windows, static
        self.time_limit, self.wasi = time_limit, wasi
        self.pointer_bits = pointer_bits
        self.places = {"{test-libs}": test_libs or "", "{terminfo}": terminfo}

    def console(self, program, case, keys, screen):
        """Runs on a Windows console through the console driver, under
        script, so that wine gives the driver a console. The screen's
        lines, the exit status and the code page before and after, or a
        string that says what went wrong. The driver waits for states, never
        for a time: for the screen expected, with every key read, before
        it stops the program; for the program's end otherwise."""
        def windows_path(path):
            return "Z:" + os.path.abspath(path).replace("/", "\\")

        guard = round(self.time_limit)
        with tempfile.TemporaryDirectory() as folder:
            typed, report = os.path.join(folder, "keys"), os.path.join(folder, "report")
            expected = os.path.join(folder, "screen")
            with open(typed, "wb") as f:
                f.write(keys)
            command = [self.console_driver, windows_path(report), windows_path(typed),
                       "--guard", str(guard)]
            if screen is not None:
                with open(expected, "w", encoding="utf-8") as f:
                    f.writelines(line + "\n" for line in screen)
                command += ["--screen", windows_path(expected)]
            if case.stop:
                command += [f"--{case.stop}"]
            command += [windows_path(os.path.join(self.bin_dir, program + self.suffix))] + case.argv
            line = " ".join(shlex.quote(word) for word in self.wrapper + command)
            try:  # wine's own start, then the driver's two waits
                done = subprocess.run(["script", "-qec", line, "/dev/null"],
                                      stdin=subprocess.DEVNULL, capture_output=True,
                                      timeout=guard * 3,
                                      env=dict(self.environment(case), WINEDEBUG="-all"))
            except subprocess.TimeoutExpired:
                return f"no report from the console driver within {guard * 3} s"
            try:
                with open(report, encoding="utf-8") as f:
                    text = f.read()
            except OSError:
                # The driver reports whatever the program does: without a
                # report, wine did not start the driver at all.
                return (f"the console driver wrote no report (status {done.returncode}; "
                        f"the terminal showed {show(done.stdout[-500:])})")
        head, _, shown = text.partition("screen:\n")
        fields = dict(line.split(": ", 1) for line in head.splitlines())
        if "waiting" in fields:
            lines = "\n".join(f"      |{line}" for line in shown.splitlines())
            return f"{fields['waiting']}; the screen shows:\n{lines}"
        before, after = fields["code page"].split()
        if not fields["exit"].isdigit():
            return f"exit {fields['exit']}"
        return shown.splitlines(), int(fields["exit"]), before, after

    def command(self, program, case):
        return self.wrapper + [os.path.join(self.bin_dir, program + self.suffix)] + case.argv

    def environment(self, case):
        """The caller's environment less what describes its locale and its
        terminal, then what the case sets."""
        env = {name: value for name, value in os.environ.items()
               if not name.startswith(("LC_", "LANG", "TERM"))}
        if case.tty:
            env["TERM"] = TERMINAL
        for name, value in case.env.items():
            for place, path in self.places.items():
                value = value.replace(place, path)
            env[name] = value
        for name in case.unset:
            env.pop(name, None)
        if self.windows:
            env["WINEDEBUG"] = "-all,err+all"  # wine's own errors, told apart from the program's
        if "LD_PRELOAD" in env and self.sanitized:
            # The sanitizers' runtime must otherwise come first of all libraries.
            extra = "verify_asan_link_order=0"
            env["ASAN_OPTIONS"] = ":".join(filter(None, [env.get("ASAN_OPTIONS"), extra]))
        if case.memory is not None and self.sanitized:
            # The sanitizers reserve terabytes of address space, so a limit on
            # it cannot be used; their allocator takes the limit instead.
            extra = f"allocator_may_return_null=1:max_allocation_size_mb={case.memory}"
            env["ASAN_OPTIONS"] = ":".join(filter(None, [env.get("ASAN_OPTIONS"), extra]))
        return env

    def preparation(self, case):
        """What the child does before it starts the program."""
        steps = []
        if case.memory is not None and not self.sanitized:
            size = case.memory << 20
            steps.append(lambda: resource.setrlimit(resource.RLIMIT_AS, (size, size)))
        if case.redirect == "closed":
            steps.append(lambda: os.close(1))
        if case.redirect == "gone":
            steps.append(lambda: signal.signal(signal.SIGPIPE, signal.SIG_IGN))
        if "hung-up" in (case.redirect, case.feed):
            steps.append(lambda: signal.signal(signal.SIGHUP, signal.SIG_IGN))
        return (lambda: [step() for step in steps]) if steps else None

    def redirected(self, program, case, data):
        """Runs with standard output elsewhere, or with endless input (data is
        bytes) or late input (data is a list of pieces, each sent once the
        program waits for it)."""
        if case.redirect == "full":
            stdout = os.open("/dev/full", os.O_WRONLY)
        elif case.redirect == "gone":
            reader, stdout = os.pipe()
            os.close(reader)  # gone before the program starts
        else:
            stdout = subprocess.PIPE if case.redirect is None else subprocess.DEVNULL
        stdin = subprocess.PIPE
        if case.feed == "directory":
            stdin = os.open("/", os.O_RDONLY)
        if case.feed == "late":
            stdin, writer = os.pipe()
            os.set_blocking(stdin, False)
        child = subprocess.Popen(self.command(program, case), stdin=stdin, stdout=stdout,
                                 stderr=subprocess.PIPE, env=self.environment(case),
                                 preexec_fn=self.preparation(case))
        for end in (stdin, stdout):
            if isinstance(end, int) and end >= 0:
                os.close(end)
        if case.feed == "late":
            child_input = os.fdopen(writer, "wb")
        else:
            child_input = child.stdin

        late_failure = []

        def feed():
            if child_input is None:
                return
            try:
                if case.feed == "late":
                    # Each piece comes only once the program waits for it.
                    for piece in data:
                        wait_until(reading, child.pid, "the program to wait for input", deadline)
                        child_input.write(piece)
                        child_input.flush()
                    child_input.close()
                    return
                child_input.write(data)
                while case.feed == "endless" and data:
                    child_input.write(data)
                child_input.close()
            except StillWaiting as waiting:
                late_failure.append(str(waiting))
                child.kill()
            except (BrokenPipeError, ValueError, OSError):
                pass

        collected = {}

        def collect(name, stream):
            collected[name] = stream.read()

        deadline = time.monotonic() + self.time_limit
        workers = [threading.Thread(target=feed, daemon=True),
                   threading.Thread(target=collect, args=("errors", child.stderr), daemon=True)]
        if child.stdout:
            workers.append(
                threading.Thread(target=collect, args=("out", child.stdout), daemon=True))
        for worker in workers:
            worker.start()
        try:
            status = child.wait(timeout=self.time_limit)
        except subprocess.TimeoutExpired:
            child.kill()
            child.wait()
            status = f"no exit within {self.time_limit:g} s"
        for worker in workers[1:]:
            worker.join()
        out, errors = collected.get("out", b""), collected["errors"]
        return out, errors, late_failure[0] if late_failure else status

    def held(self, program, case, data, expected):
        """Sends all of data at once and keeps the pipe open until the expected
        output has arrived: the program cannot tell from the end of its input
        that it has everything, and must wait for more. Gives the number of
        write system calls it had made by then as a fourth result."""
        child = subprocess.Popen(
            self.command(program, case), stdin=subprocess.PIPE, stdout=subprocess.PIPE,
            stderr=subprocess.PIPE, env=self.environment(case), preexec_fn=self.preparation(case))
        def send():
            child.stdin.write(data)
            child.stdin.flush()

        threading.Thread(target=send, daemon=True).start()
        failure = None
        try:
            seen = read_until(child.stdout, b"", len(expected), time.monotonic() + self.time_limit)
        except StillWaiting as waiting:
            seen, failure = waiting.seen, str(waiting)
        with open(f"/proc/{child.pid}/io") as io:
            writes = int(next(line for line in io if line.startswith("syscw:")).split()[1])
        rest, errors, status = self.finish(child)
        return seen + rest, errors, failure or status, writes

    def finish(self, child):
        """Closes the program's input and waits for its end: the rest of its
        output, its standard error and its status (or why there is none)."""
        try:
            rest, errors = child.communicate(timeout=self.time_limit)
            return rest or b"", errors, child.returncode
        except subprocess.TimeoutExpired:
            child.kill()
            rest, errors = child.communicate()
            return rest or b"", errors, f"no exit within {self.time_limit:g} s"

    def batch(self, program, case, data):
        try:
            done = subprocess.run(
                self.command(program, case), input=data, capture_output=True,
                timeout=self.time_limit, env=self.environment(case),
                preexec_fn=self.preparation(case))
        except subprocess.TimeoutExpired as timeout:
            status = f"no exit within {self.time_limit:g} s"
            return timeout.stdout or b"", timeout.stderr or b"", status
        return done.stdout, done.stderr, done.returncode

    def lockstep(self, program, case, steps):
        """Sends each input only once the output expected before it has
        arrived. Where the program can be watched, it fails as soon as the
        program waits for input without having delivered that output."""
        child = subprocess.Popen(
            self.command(program, case), stdin=subprocess.PIPE, stdout=subprocess.PIPE,
            stderr=subprocess.PIPE, env=self.environment(case), preexec_fn=self.preparation(case))
        waits = (lambda: reading(child.pid)) if LINUX and not self.windows else None
        seen, wanted, failure = b"", b"", None
        try:
            for direction, data in steps:
                if direction == "<":
                    child.stdin.write(data)
                    child.stdin.flush()
                    continue
                wanted += data
                deadline = time.monotonic() + self.time_limit
                seen = read_until(child.stdout, seen, len(wanted), deadline, waits)
                if not seen.startswith(wanted):
                    failure = ("the program waited for input before the output expected by then"
                               " had arrived")
                    break
        except StillWaiting as waiting:
            seen, failure = waiting.seen, str(waiting)
        if failure:
            child.kill()
        rest, errors, status = self.finish(child)
        return seen + rest, errors, failure or status

    def terminal(self, program, case, data, steps=None):
        """Runs on a pseudo-terminal that does not echo; stderr stays a pipe.
        With steps (a dialog), types each line at a person's pace: only once
        the program waits to read it, when the terminal must have been given
        everything the program wrote before."""
        master, slave = pty.openpty()
        attributes = termios.tcgetattr(slave)
        attributes[3] &= ~termios.ECHO
        termios.tcsetattr(slave, termios.TCSANOW, attributes)
        if case.redirect == "hung-up":  # gone before the program starts
            os.close(master)
            master = os.open("/dev/null", os.O_RDWR)
            data = b""
        child = subprocess.Popen(
            self.command(program, case), stdin=slave, stdout=slave, stderr=subprocess.PIPE,
            env=self.environment(case), preexec_fn=self.preparation(case))
        os.close(slave)
        seen, pending, failure = b"", data, None
        deadline = time.monotonic() + self.time_limit
        try:
            if steps is not None:
                seen, failure = self.typed_at_pace(master, child.pid, case, steps, deadline)
                pending = b""
            if case.feed == "idle":
                failure = self.idle_at_prompt(child.pid, deadline)
            gone = case.redirect == "hung-up"  # no terminal to read from
            while not failure and not gone and not (seen and case.feed == "hung-up"):
                if time.monotonic() > deadline:
                    raise StillWaiting("still waiting for the program to end")
                ready, writable, _ = select.select([master], [master] if pending else [], [], 0.05)
                if writable:
                    pending = pending[os.write(master, pending[:256]):]
                if ready:
                    chunk = terminal_output(master, child.pid, case.redirect == "slow")
                    if chunk is None:
                        break
                    seen += chunk
            if case.feed == "hung-up":
                # The terminal goes away while the program waits to read.
                wait_until(reading, child.pid, "the program to wait for input", deadline)
        except StillWaiting as waiting:
            failure = str(waiting)
        if failure:
            child.kill()
        os.close(master)
        _, errors, status = self.finish(child)
        return seen, errors, failure or status

    def typed_at_pace(self, master, pid, case, steps, deadline):
        """(what the terminal showed, a failure or None) once every line of
        the dialog is typed, each when the program waits in its read."""
        seen, wanted = b"", b""
        slow = case.redirect == "slow"
        for direction, data in steps:
            if direction == ">":
                wanted += data
                continue
            seen += self.shown_until(lambda: reading(pid), master, pid, slow, deadline,
                                     "the program to wait for input")
            if ended(pid):
                return seen, "the program ended before all the dialog was typed"
            # Waiting, it has delivered all it wrote: that is on the terminal now.
            while select.select([master], [], [], 0)[0]:
                chunk = os.read(master, 65536)
                if not chunk:
                    break
                seen += chunk
            if seen != wanted:
                return seen, ("the program waited for input before the terminal showed all"
                              f" it had written (expected {len(wanted)} bytes, got {len(seen)})")
            # Until it has read what is typed, it still waits in the read before.
            taken = bytes_read(pid) + len(data.replace(b"\x04", b""))  # Ctrl-D is no byte
            os.write(master, data)
            seen += self.shown_until(lambda: bytes_read(pid) >= taken, master, pid, slow,
                                     deadline, "the program to read what was typed")
        return seen, None

    @staticmethod
    def shown_until(condition, master, pid, slow, deadline, what):
        """What the terminal takes of the output until condition() holds or
        the program ends."""
        seen = b""
        while not condition() and not ended(pid):
            if time.monotonic() > deadline:
                raise StillWaiting(f"still waiting for {what}")
            if select.select([master], [], [], 0.002)[0]:
                seen += terminal_output(master, pid, slow) or b""
        return seen

    def idle_at_prompt(self, pid, deadline):
        """Watches a program that waits at its first prompt: it must use no
        processor time (a few clock ticks at most) while nothing is typed.
        None, or what it did instead."""
        wait_until(reading, pid, "the program to wait for input", deadline)
        before = processor_ticks(pid)
        time.sleep(IDLE_WATCH)
        used = processor_ticks(pid) - before
        if used > IDLE_TICKS:
            return (f"used {used} clock ticks of processor time in {IDLE_WATCH:g} s while it"
                    " waited at its prompt")
        return None


def terminal_output(master, pid, slow):
    """What a terminal takes of the output now: None once the program has
    ended and closed it. A slow terminal takes a little, and only while the
    program cannot go on writing (every thread of it waits), then pauses."""
    if slow and not stopped(pid):
        time.sleep(0.001)
        return b""
    try:
        chunk = os.read(master, SLOW_READ if slow else 65536)
    except OSError:  # the terminal is closed once the program has ended
        return None
    if not chunk:
        return None
    if slow:
        time.sleep(SLOW_PAUSE)
    return chunk


def read_until(stream, seen, length, deadline, waits=None):
    """Reads on from stream after seen until length bytes have come or the
    stream has ended; or, where waits() tells that the program waits for
    input, until what it wrote before it began to wait has been read.
    StillWaiting, with what had come, when the deadline passes first."""
    while len(seen) < length:
        ready, _, _ = select.select([stream], [], [], 0.01)
        if not ready and waits is not None and waits():
            # All it wrote before it began to wait is in the pipe by now.
            ready, _, _ = select.select([stream], [], [], 0)
            if not ready:
                break
        if ready:
            chunk = os.read(stream.fileno(), 65536)
            if not chunk:
                break
            seen += chunk
        elif time.monotonic() > deadline:
            waiting = StillWaiting(f"still waiting for output after {len(seen)} bytes")
            waiting.seen = seen
            raise waiting
    return seen


class StillWaiting(Exception):
    """The guard against a hang ran out while the harness waited for a state."""


def threads(pid):
    """(state, clock ticks used) of each of the program's threads, from
    /proc; a thread that ends meanwhile is left out."""
    found = []
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/stat") as f:
                fields = f.read().rpartition(")")[2].split()
        except OSError:
            continue
        found.append((fields[0], int(fields[11]) + int(fields[12])))  # state, utime + stime
    return found


def reading(pid):
    """Whether the program's main thread sleeps in a read (or a poll for
    input): not on a lock (the wait for a terminal's converter thread to
    deliver is no read), nor in a write. Where it sleeps is read first: a
    thread that runs has none ("0"), and once it waits for input, the
    thread stays there."""
    with open(f"/proc/{pid}/wchan") as f:
        waits_in = f.read().strip()
    return process_state(pid) == "S" and waits_in not in ("", "0") and not any(
        lock_or_write in waits_in for lock_or_write in ("futex", "write"))


def bytes_read(pid):
    """How many bytes the program has read so far (its input, here), from
    /proc; 0 once it has ended."""
    try:
        with open(f"/proc/{pid}/io") as f:
            return int(re.search(r"^rchar: (\d+)", f.read(), re.M).group(1))
    except (OSError, AttributeError):
        return 0


def stopped(pid):
    """Whether none of the program's threads runs or is about to: each
    sleeps, or the program has ended."""
    return all(state != "R" for state, _ in threads(pid))


def process_state(pid):
    """The state letter of the program's process ("S" asleep, "Z" ended and
    not yet waited for...), from /proc; "X" where it is gone."""
    try:
        with open(f"/proc/{pid}/stat") as f:
            return f.read().rpartition(")")[2].split()[0]
    except FileNotFoundError:
        return "X"


def ended(pid):
    return process_state(pid) in ("Z", "X")


def wait_until(condition, pid, what, deadline):
    """Waits for the program's state. One that has ended will never reach
    it: that fails the case at once, not when the guard runs out."""
    while not condition(pid):
        if ended(pid):
            raise StillWaiting(f"the program ended while the harness was waiting for {what}")
        if time.monotonic() > deadline:
            raise StillWaiting(f"still waiting for {what}")
        time.sleep(0.002)


def processor_ticks(pid):
    return sum(ticks for _, ticks in threads(pid))


# What a sanitized program writes when it refuses an allocation over the limit
# of a "memory:" case: the limit at work, not a fault.
ALLOCATOR_NOTE = re.compile(rb"==\d+==WARNING: AddressSanitizer failed to allocate \w+ bytes\n")
# What wine itself reports as an error (WINEDEBUG=err+all): not the
# program's, and shown only where a case fails, to tell why.
WINE_NOTE = re.compile(rb"^[0-9a-f]{4}:err:[^\n]*\n", re.M)
# Where wine itself could not start the program, or the console driver (the
# address it keeps for its shared data was taken, now and then): nothing
# ran, so the case runs again, up to twice.
WINE_START_FAILURE = re.compile(
    r"wine: failed to map the shared user data|the console driver wrote no report")


def check(label, expected_out, expected_errors, expected_exit, result, most_writes=None):
    """expected_out is None where the output cannot be seen."""
    out, errors, status = result[:3]
    errors = ALLOCATOR_NOTE.sub(b"", errors)
    wine_said = WINE_NOTE.findall(errors)
    errors = WINE_NOTE.sub(b"", errors)
    problems = []
    if most_writes is not None and result[3] > most_writes:
        problems.append(f"    {result[3]} write system calls, expected at most {most_writes}")
    if isinstance(status, str):  # the run went wrong before it had a status
        problems.append(f"    {status}")
    elif status != expected_exit:
        problems.append(f"    exit status {status}, expected {expected_exit}")
    if expected_out is not None and out != expected_out:
        problems.append(difference(expected_out, out))
    if errors != expected_errors:
        problems.append(
            f"    standard error: {show(errors[:2000])}, expected {show(expected_errors)}")
    if problems and wine_said:
        problems.append("    wine said: " + show(b"".join(wine_said)[:2000]))
    if problems:
        return [f"FAIL {label}"] + problems
    return []


def screen_lines(gbk):
    """What a console shows of the text: its lines with tabs at every eighth
    column, trailing blanks and empty lines left out."""
    lines = [line.expandtabs(8).rstrip(" ") for line in gbk.decode("gbk").split("\n")]
    while lines and not lines[-1]:
        lines.pop()
    return lines


def check_console(label, expected_screen, expected_exit, result):
    label = f"{label} [console]"
    if isinstance(result, str):
        return [f"FAIL {label}", f"    {result}"]
    screen, status, before, after = result
    problems = []
    if expected_exit != "any" and status != expected_exit:
        problems.append(f"    exit status {status}, expected {expected_exit}")
    if before != after:
        problems.append(f"    the console's code page was {before}, and {after} after")
    if expected_screen is not None and screen != expected_screen:
        shown = "\n".join(f"      |{line}" for line in screen)
        wanted = "\n".join(f"      |{line}" for line in expected_screen)
        problems.append(f"    the screen shows:\n{shown}\n    expected:\n{wanted}")
    return [f"FAIL {label}"] + problems if problems else []


def skip_reason(runner, case):
    """Why a case cannot run here; None when it can."""
    if case.console and not runner.console_driver:
        return "sits at a Windows console: Windows programs through wine only"
    if runner.windows and (case.tty or case.memory is not None or case.redirect or case.feed):
        return "Windows programs run on pipes through wine, with no limit on memory"
    if runner.wasi and (case.tty or case.redirect or case.feed or case.writes is not None):
        return "WebAssembly programs run on plain pipes through Node.js; the page is their terminal"
    if "LD_PRELOAD" in case.env and (runner.static or not LINUX):
        return "preloads a library: Linux and programs linked dynamically only"
    if "terminfo" in case.needs and runner.static:
        return "a statically linked program cannot load the terminfo library"
    width = {"64-bit", "32-bit"} & set(case.needs)
    if width and f"{runner.pointer_bits}-bit" not in width:
        return f"needs a {width.pop()} address space, which these programs lack"
    if case.memory is not None and not LINUX:
        return "limits the address space, which only Linux enforces"
    if case.memory is not None and runner.wrapper:
        return "limits the address space, which would be the emulator's"
    if ({case.feed, case.redirect} & {"held", "hung-up", "late", "idle", "slow"}) and not LINUX:
        return "watches the program through /proc: Linux only"
    return None


def run_case(runner, definitions, program, case):
    """The failures of one case."""
    # A terminal, and a Windows program's text-mode output, end lines in \r\n.
    clear = b""
    if case.tty:
        clear = CLEAR
        if case.clear is not None:
            clear = Renderer(definitions, program, b"").strings(case.clear)
    render = Renderer(definitions, program, clear)
    render_shown = Renderer(definitions, program, clear, case.encoding)
    crlf = case.tty or runner.windows

    def shown(strings):
        out = render_shown.strings(strings)
        return out.replace(b"\n", b"\r\n") if crlf else out

    errors = render.strings(case.errors)
    if runner.windows:
        errors = errors.replace(b"\n", b"\r\n")  # standard error is in text mode too
    expected, typed = shown(case.output), render.strings(case.input)
    case.argv = [os.fsdecode(render.strings([arg])) for arg in case.args]  # for this program
    if case.console:
        screen = None if case.screen is None else screen_lines(render.strings(case.screen))
        result = runner.console(program, case, typed, screen)
        return check_console(case.name, screen, case.exit, result)
    if case.tty:
        seen = None if "hung-up" in (case.redirect, case.feed) else expected
        steps = None
        if case.dialog is not None:
            steps = [(d, shown(strings) if d == ">" else render.strings(strings))
                     for d, strings in case.dialog]
        result = runner.terminal(program, case, typed, steps)
        return check(f"{case.name} [terminal]", seen, errors, case.exit, result)
    if case.feed == "held":
        result = runner.held(program, case, typed, expected)
        return check(case.name, expected, errors, case.exit, result, case.writes)
    if case.redirect or case.feed:
        seen = None if case.redirect else expected
        sent = [render.strings([piece]) for piece in case.input] if case.feed == "late" else typed
        return check(case.name, seen, errors, case.exit, runner.redirected(program, case, sent))
    failures = check(case.name, expected, errors, case.exit, runner.batch(program, case, typed))
    if case.dialog is not None:
        steps = [(d, shown(strings) if d == ">" else render.strings(strings))
                 for d, strings in case.dialog]
        failures += check(f"{case.name} [line at a time]", expected, errors, case.exit,
                          runner.lockstep(program, case, steps))
    return failures


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("transcripts", nargs="+")
    parser.add_argument("--bin-dir", required=True, help="where the programs are")
    parser.add_argument("--wrapper", default="", help="command that runs a program, e.g. wine")
    parser.add_argument("--suffix", default="", help="file name suffix of the programs, e.g. .exe")
    parser.add_argument("--sanitized", action="store_true",
                        help="the programs are built with sanitizers")
    parser.add_argument("--windows", action="store_true",
                        help="the programs are Windows executables")
    parser.add_argument("--console-driver",
                        help="the driver that runs a Windows program on a console")
    parser.add_argument("--wasi", action="store_true",
                        help="the programs are WebAssembly, run through --wrapper (Node.js)")
    parser.add_argument("--pointer-bits", type=int, default=64,
                        help="the programs' address width, for the cases that need one")
    parser.add_argument("--static", action="store_true",
                        help="the programs are linked statically: no library is loaded")
    parser.add_argument("--time-limit", type=float, default=TIME_LIMIT, help="seconds for one run")
    parser.add_argument("--program", help="run the cases of this program alone")
    parser.add_argument("--test-libs", help="the folder of the libraries built for the tests")
    parser.add_argument("--define", action="append", default=[], metavar="NAME=TEXT",
                        help="a definition beside those of definitions.txt, e.g. version=1.0.0")
    args = parser.parse_args()

    with tempfile.TemporaryDirectory() as terminfo:
        runner = Runner(args.bin_dir, args.wrapper.split(), args.suffix, args.sanitized,
                        args.windows, args.static, args.time_limit, args.test_libs, terminfo,
                        args.console_driver, args.wasi, args.pointer_bits)
        defined = {name: [(text, 1)] for name, _, text in (d.partition("=") for d in args.define)}
        passed, failed, skipped = run_files(runner, args.transcripts, args.program, terminfo,
                                            defined)
    print(f"{passed} passed, {failed} failed" + (f", {skipped} skipped" if skipped else ""))
    if failed or not (passed or skipped):
        return 1
    return 0 if passed else SKIPPED


def run_files(runner, paths, only, terminfo, defined):
    passed = failed = skipped = 0
    skips = {}  # how many cases each reason skipped
    for path in paths:
        folder = os.path.dirname(path)
        definitions = read_definitions(os.path.join(folder, "definitions.txt")) | defined
        programs, cases = read_transcript(path)
        if any(case.tty for case in cases) and not runner.windows:
            terminals = os.path.join(folder, "terminals.ti")
            subprocess.run(["tic", "-o", terminfo, terminals], check=True)
        for program in programs:
            if only and program != only:
                continue
            for case in cases:
                reason = skip_reason(runner, case)
                if reason is not None:
                    skipped += 1
                    skips[reason] = skips.get(reason, 0) + 1
                    continue
                failures = run_case(runner, definitions, program, case)
                for _ in range(2):
                    if not (runner.windows and WINE_START_FAILURE.search("\n".join(failures))):
                        break
                    failures = run_case(runner, definitions, program, case)
                if failures:
                    failed += 1
                    print(f"{case.where}: {program}", *failures, sep="\n")
                else:
                    passed += 1
    for reason, count in skips.items():
        print(f"skipped {count}: {reason}")
    return passed, failed, skipped


if __name__ == "__main__":
    sys.exit(main())
