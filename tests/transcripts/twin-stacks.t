# The two stack consoles over classes, STACK and OOSTK, where they answer
# alike.
program: stackcon objstack

case: size and fill level of the copy
in:   "2\n\n" "3\n\n" "4\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}\t\t栈的大小是5"
      "{menu}\t\t栈中有5个数据\n"
      "{menu}"
exit: 0

case: pushing onto the full copy ends the process with status -1 and no message
in:   "2\n\n" "6\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}"
exit: 255

case: end of input at the wait for Enter ends the program at the next menu
in:   "2\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}"
exit: 0

case: the digits beyond scanf's width keep their value: 000000000010 is choice 10
in:   "2\n\n" "000000000010\n\n" "3\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}\t\t销毁成功\n"
      "{menu}" x2
exit: 0

case: numbers within scanf's eleven characters but outside int are no choice, whatever their low
      bits
in:   "2\n\n" "-4294967286\n\n" "4294967306\n\n" "-99999999999\n\n" "3\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}" x3
      "{menu}\t\t栈的大小是5"
      "{menu}"
exit: 0

case: a choice whose digits arrive apart on a non-blocking pipe keeps its value: 1 then 0 is 10
input: late
in:   "2\n\n" "1" "0\n\n" "3\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}\t\t销毁成功\n"
      "{menu}" x2
exit: 0
