# What every program does alike at its menu: how it ends, and what it makes
# of input that is no choice.
program: stackcon objstack recstack pairqueue heirqueue

case: choice 0 ends the program at once
in:   "0\n"
out:  "{menu}"
exit: 0

case: end of input at the menu ends the program with status 0
in:   ""
out:  "{menu}"
exit: 0

case: blank lines before the end of input are skipped
in:   "\n\n  \t\n" "\n \n"
out:  "{menu}"
exit: 0

case: text at the first menu does not count as choice 1
in:   "?\n\n" "one\n\n" "3\n\n" "0\n"
out:  "{menu}" x4
exit: 0

case: output to a full disk ends the program with status 1 and the reason
output: full
in:   "3\n\n" "0\n"
errors: "{program}: write error: {ENOSPC}\n"
exit: 1

case: output to a full disk stops the program even while input keeps coming
output: full
input: endless
in:   "3\n\n"
errors: "{program}: write error: {ENOSPC}\n"
exit: 1

case: a closed standard output ends the program with status 1 and the reason
output: closed
in:   "3\n\n" "0\n"
errors: "{program}: write error: {EBADF}\n"
exit: 1

case: a closed standard output stops the program even while input keeps coming
output: closed
input: endless
in:   "3\n\n"
errors: "{program}: write error: {EBADF}\n"
exit: 1

case: a reader that has gone, with SIGPIPE ignored, ends the program with status 1
output: gone
in:   "3\n\n" "0\n"
errors: "{program}: write error: {EPIPE}\n"
exit: 1

case: a reader that has gone stops the program even while input keeps coming
output: gone
input: endless
in:   "3\n\n"
errors: "{program}: write error: {EPIPE}\n"
exit: 1

case: a directory as standard input is a read error, not an end of input
input: directory
in:   ""
out:  "{menu}"
errors: "{program}: read error: {EISDIR}\n"
exit: 1

case: a session given at once costs a write per full buffer, not a flush per read
input: held
in:   "3\n\n" x2000
out:  "{menu}" x2001
writes: 20
exit: 0

case: input that arrives late on a non-blocking pipe is waited for, not taken for its end
input: late
in:   "3\n\n" "3\n\n" "0\n"
out:  "{menu}" x3
exit: 0

case: a number whose digits arrive apart on a non-blocking pipe is read whole
input: late
in:   "1" "1\n\n" "1" "2\n\n" "0\n"
out:  "{menu}" x3
exit: 0

case: a number far longer than the memory left is still read, here as 0
memory: 24
in:   "-" "0" x32000000 "\n\n" "3\n\n"
out:  "{menu}"
exit: 0

case: a number far longer than the memory left and outside int has all its digits consumed
memory: 24
in:   "9" x32000000 "\n\n" "0\n"
out:  "{menu}" x2
exit: 0

case: leading zeros keep a long number within int, whatever its sign
in:   "3\n\n" "-00000000000000000000000000000000000000000\n" "3\n\n"
out:  "{menu}" x2
exit: 0

case: a long number outside int is not a number, however it begins
in:   "00000000004294967296\n\n" "-000000000000000000002147483649 0\n\n" "0\n"
out:  "{menu}" x3
exit: 0

case: a pipe keeps the GBK bytes under a UTF-8 locale
env:  LC_ALL=C.UTF-8
in:   "3\n\n" "0\n"
out:  "{menu}" x2
exit: 0
