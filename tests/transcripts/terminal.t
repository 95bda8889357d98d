# What every program does on a terminal: how it clears the screen (as the
# terminal's description in TERM says, the scroll-back kept), in which
# encoding it shows the messages (as the locale says), and how it ends. The
# harness gives each case TERM=xterm unless the case sets its own.
program: stackcon objstack recstack pairqueue heirqueue

# Clearing

case: xterm is cleared by its description, without clearing the scroll-back
on:   tty
clear: "\e[H\e[2J"
in:   "0\n"
shown: utf-8
out:  "{menu}"
exit: 0

case: a terminal whose description clears differently is cleared its own way
on:   tty
needs: terminfo
env:  TERM=vt100
clear: "\e[H\e[J"
in:   "0\n"
shown: utf-8
out:  "{menu}"
exit: 0

case: a TERM the database does not know gets the ANSI clearing
on:   tty
env:  TERM=no-such-terminal
clear: "\e[H\e[2J"
in:   "0\n"
shown: utf-8
out:  "{menu}"
exit: 0

case: TERM=dumb gets nothing but text
on:   tty
env:  TERM=dumb
clear: ""
in:   "3\n\n" "0\n"
shown: utf-8
out:  "{menu}" x2
exit: 0

case: an empty TERM gets nothing but text
on:   tty
env:  TERM=
clear: ""
in:   "0\n"
shown: utf-8
out:  "{menu}"
exit: 0

case: no TERM at all gets nothing but text
on:   tty
unset: TERM
clear: ""
in:   "0\n"
shown: utf-8
out:  "{menu}"
exit: 0

case: a terminal whose description has no way to clear is not cleared
on:   tty
needs: terminfo
env:  TERM=noclear TERMINFO={terminfo}
clear: ""
in:   "0\n"
shown: utf-8
out:  "{menu}"
exit: 0

case: a printing terminal has no screen to clear
on:   tty
needs: terminfo
env:  TERM=hardcopy TERMINFO={terminfo}
clear: ""
in:   "0\n"
shown: utf-8
out:  "{menu}"
exit: 0

case: a system without the terminfo library gets the ANSI clearing, whatever TERM's entry says
on:   tty
env:  TERM=vt100 LD_PRELOAD={test-libs}/no_dlopen.so
clear: "\e[H\e[2J"
in:   "0\n"
shown: utf-8
out:  "{menu}"
exit: 0

# Encoding

case: no locale at all reads as UTF-8
on:   tty
shown: utf-8
in:   "3\n\n" "0\n"
out:  "{menu}" x2
exit: 0

case: the C locale reads as UTF-8, and LC_ALL overrides a GBK LANG
on:   tty
env:  LC_ALL=C LANG=zh_CN.GBK
shown: utf-8
in:   "0\n"
out:  "{menu}"
exit: 0

case: the POSIX locale reads as UTF-8
on:   tty
env:  LC_CTYPE=POSIX
shown: utf-8
in:   "0\n"
out:  "{menu}"
exit: 0

case: an installed UTF-8 locale shows UTF-8
on:   tty
env:  LC_ALL=C.UTF-8
shown: utf-8
in:   "0\n"
out:  "{menu}"
exit: 0

case: a locale that is not installed, named UTF-8, shows UTF-8
on:   tty
env:  LANG=xx_XX.UTF-8
shown: utf-8
in:   "0\n"
out:  "{menu}"
exit: 0

case: a locale that is not installed, named utf8, shows UTF-8
on:   tty
env:  LANG=xx_XX.utf8
shown: utf-8
in:   "0\n"
out:  "{menu}"
exit: 0

case: a locale that is not installed, named utf-8 with a modifier, shows UTF-8
on:   tty
env:  LANG=xx_XX.utf-8@euro
shown: utf-8
in:   "0\n"
out:  "{menu}"
exit: 0

case: a locale that is not installed, named UTF8 in capitals, shows UTF-8
on:   tty
env:  LANG=xx_XX.UTF8
shown: utf-8
in:   "0\n"
out:  "{menu}"
exit: 0

case: a locale that is not installed, named gbk, gets GBK, over a UTF-8 LANG
on:   tty
env:  LC_ALL=xx_XX.gbk LANG=C.UTF-8
in:   "0\n"
out:  "{menu}"
exit: 0

case: a locale that is not installed, named GBK, gets GBK
on:   tty
env:  LC_CTYPE=xx_XX.GBK
in:   "0\n"
out:  "{menu}"
exit: 0

case: a locale that is not installed and names no character set reads as C: UTF-8
on:   tty
env:  LANG=en_XX
shown: utf-8
in:   "0\n"
out:  "{menu}"
exit: 0

case: a GBK locale gets the GBK bytes
on:   tty
env:  LC_CTYPE=zh_CN.GBK
in:   "3\n\n" "0\n"
out:  "{menu}" x2
exit: 0

case: GB2312 and GB18030 locales get the GBK bytes
on:   tty
env:  LANG=zh_CN.GB2312 LC_CTYPE=zh_CN.GB18030
in:   "0\n"
out:  "{menu}"
exit: 0

case: an empty LC_ALL and LC_CTYPE give way to a GBK LANG
on:   tty
env:  LC_ALL= LC_CTYPE= LANG=zh_CN.GBK
in:   "0\n"
out:  "{menu}"
exit: 0

case: an empty LC_ALL gives way to a UTF-8 LANG
on:   tty
env:  LC_ALL= LANG=xx_XX.UTF-8
shown: utf-8
in:   "0\n"
out:  "{menu}"
exit: 0

case: a terminal that takes only part of each write still shows every character whole
on:   tty
env:  LD_PRELOAD={test-libs}/short_write.so
shown: utf-8
in:   "3\n\n" x3 "0\n"
out:  "{menu}" x4
exit: 0

case: a UTF-8 terminal where the converter cannot be opened gets the GBK bytes
on:   tty
env:  LC_ALL=C.UTF-8 LD_PRELOAD={test-libs}/no_iconv.so
in:   "3\n\n" "0\n"
out:  "{menu}" x2
exit: 0

case: a UTF-8 terminal where the converter's thread cannot be started gets the GBK bytes
on:   tty
env:  LC_ALL=C.UTF-8 LD_PRELOAD={test-libs}/no_threads.so
in:   "3\n\n" "0\n"
out:  "{menu}" x2
exit: 0

# The end

case: Ctrl-D at the menu ends the line, so that the shell's prompt starts its own
on:   tty
shown: utf-8
in:   "3\n\n" "\x04"
out:  "{menu}" x2 "\n"
exit: 0

# What the converter between the program and a UTF-8 terminal holds is
# delivered before the program ends, however slowly the terminal reads,
# and it costs no processor time while the program waits.

case: a terminal that reads slowly gets all of a long session, up to the overflow that ends it
on:   tty
output: slow
shown: utf-8
in:   "3\n\n" x400 "2\n\n" "{push}\n"
out:  "{menu}" x401 "{copied}" "{menu}"
exit: 255

case: a terminal that reads slowly gets all of a long session, up to the end of input
on:   tty
output: slow
shown: utf-8
in:   "3\n\n" x400 "\x04"
out:  "{menu}" x401 "\n"
exit: 0

# Typed at a person's pace, each line once the program waits for it: at
# every wait, not only the first, the slow terminal has been given all that
# came before; and the end, by Ctrl-D after a wait or by an overflow after
# a long output, still delivers everything.

case: typed at a person's pace on a slow terminal, each wait comes after the output before it, to Ctrl-D
on:   tty
output: slow
shown: utf-8
dialog:
  > "{menu}"
  < "3\n\n" x400
  > "{menu}" x400
  < "3\n\n" x400
  > "{menu}" x400
  < "\x04"
  > "\n"
exit: 0

case: typed at a person's pace on a slow terminal, an overflow after a long output ends with all of it shown
on:   tty
output: slow
shown: utf-8
dialog:
  > "{menu}"
  < "3\n\n" x400 "2\n\n" "{push}\n"
  > "{menu}" x400 "{copied}" "{menu}"
exit: 255

case: a program waiting at its prompt uses no processor time
on:   tty
input: idle
shown: utf-8
in:   "0\n"
out:  "{menu}"
exit: 0

case: a UTF-8 terminal that takes no more output is a write error, found through the converter
on:   tty
env:  LD_PRELOAD={test-libs}/failing_write.so
in:   "0\n"
out:  ""
errors: "{program}: write error: {EIO}\n"
exit: 1

case: a terminal that has gone before the program starts, SIGHUP ignored, is a write error
on:   tty
output: hung-up
in:   ""
errors: "{program}: write error: {EIO}\n"
exit: 1

case: a terminal that goes away while the program waits, SIGHUP ignored, is a read error
on:   tty
input: hung-up
in:   ""
errors: "{program}: read error: {EIO}\n"
exit: 1
