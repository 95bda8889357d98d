# What a person at a Windows console sees: the Chinese on the screen
# whatever the console's code page, which the program never changes, and
# the screen cleared before each menu, so that only the current one is
# there. A driver types the keys into a real console and reads the screen
# back (Windows programs, through wine); a program is stopped once it has
# read every key and the screen shows what the case expects.
program: stackcon objstack recstack pairqueue heirqueue

case: the prompt and print's numbers read right, only the current menu is on the screen, and a hard
      kill leaves the code page
on:   console
in:   "2\n\n" "{print}\n"
stop: kill
screen: "{menu}{print}\n" "{printed}"
exit: 9

case: a session longer than the converter's buffer comes out whole
on:   console
in:   "3\n\n" x40 "{print}\n"
stop: kill
screen: "{menu}{print}\n"
exit: 9

case: the end of input (Ctrl-Z) ends the program with status 0
on:   console
in:   "3\n\n" "\x1a\n"
exit: 0

case: an overflow ends the program with status -1, its last menu and choice on the screen
on:   console
in:   "2\n\n" "{push}\n"
screen: "{menu}{push}\n"
exit: 4294967295

# Ctrl-C cuts the read short, and the end of that read or the system's own
# handler ends the program, whichever comes first: its status is the
# system's affair.
case: Ctrl-C ends the program and leaves the code page as it was
on:   console
in:   "3\n"
stop: ctrl-c
screen: "{menu}3\n"
exit: any
