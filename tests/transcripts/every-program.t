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
