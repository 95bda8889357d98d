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
