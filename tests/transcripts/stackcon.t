# The stack console: what each menu choice writes, and how the process ends.
program: stackcon

case: a copy of the source stack lists 1 to 5, bottom first
in:   "2\n\n" "9\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}\t\t1 2 3 4 5 "
      "{menu}"
exit: 0

case: a push stores the number of its own pass
in:   "1\n3\n\n" "6\n\n" "0\n"
out:  "{menu}\t\t请输入需要初始化的栈的容量：\t\t初始化成功\n"
      "{menu}\t\t已将数字2入栈\n\t\t栈中已有1个数据，最多可存放3个数据\n"
      "{menu}"
exit: 0

case: passes with choices outside the menu still count
in:   "1\n5\n\n" "11\n\n" "-1\n\n" "6\n\n" "0\n"
out:  "{menu}\t\t请输入需要初始化的栈的容量：\t\t初始化成功\n"
      "{menu}" x2
      "{menu}\t\t已将数字4入栈\n\t\t栈中已有1个数据，最多可存放5个数据\n"
      "{menu}"
exit: 0

case: popping a new stack ends the process with status -1
in:   "1\n3\n\n" "7\n\n"
out:  "{menu}\t\t请输入需要初始化的栈的容量：\t\t初始化成功\n"
      "{menu}"
exit: 255

case: a pop reports the former top and what is left
in:   "2\n\n" "7\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}\t\t出栈成功，栈尾元素是5\n\t\t栈中有4个数据，最少需存放0个数据\n"
      "{menu}"
exit: 0

case: get reads by index from the bottom, and gives 0 outside the array
in:   "2\n\n" "5\n0\n\n" "5\n4\n\n" "5\n5\n\n" "5\n-1\n\n" "5\n2147483647\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}你要取出第几个元素？\t\t\t第0个元素是1\n"
      "{menu}你要取出第几个元素？\t\t\t第4个元素是5\n"
      "{menu}你要取出第几个元素？\t\t\t第5个元素是0\n"
      "{menu}你要取出第几个元素？\t\t\t第-1个元素是0\n"
      "{menu}你要取出第几个元素？\t\t\t第2147483647个元素是0\n"
      "{menu}"
exit: 0

case: a popped slot keeps its value, and a slot never written reads 0
in:   "2\n\n" "7\n\n" "5\n4\n\n" "1\n3\n\n" "5\n2\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}\t\t出栈成功，栈尾元素是5\n\t\t栈中有4个数据，最少需存放0个数据\n"
      "{menu}你要取出第几个元素？\t\t\t第4个元素是5\n"
      "{menu}\t\t请输入需要初始化的栈的容量：\t\t初始化成功\n"
      "{menu}你要取出第几个元素？\t\t\t第2个元素是0\n"
      "{menu}"
exit: 0

case: capacity 0 and negative capacities make stacks that hold nothing
in:   "1\n0\n\n" "3\n\n" "9\n\n" "1\n-7\n\n" "3\n\n" "5\n0\n\n" "6\n\n"
out:  "{menu}\t\t请输入需要初始化的栈的容量：\t\t初始化成功\n"
      "{menu}\t\t栈的大小是0"
      "{menu}\t\t"
      "{menu}\t\t请输入需要初始化的栈的容量：\t\t初始化成功\n"
      "{menu}\t\t栈的大小是0"
      "{menu}你要取出第几个元素？\t\t\t第0个元素是0\n"
      "{menu}"
exit: 255

case: assign into a smaller stack takes over the source's capacity
in:   "1\n2\n\n" "8\n\n" "3\n\n" "9\n\n" "6\n\n"
out:  "{menu}\t\t请输入需要初始化的栈的容量：\t\t初始化成功\n"
      "{menu}复制成功\n"
      "{menu}\t\t栈的大小是5"
      "{menu}\t\t1 2 3 4 5 "
      "{menu}"
exit: 255

case: assign into a larger stack keeps its capacity
in:   "1\n10\n\n" "6\n\n" "6\n\n" "8\n\n" "3\n\n" "4\n\n" "6\n\n" "9\n\n" "0\n"
out:  "{menu}\t\t请输入需要初始化的栈的容量：\t\t初始化成功\n"
      "{menu}\t\t已将数字2入栈\n\t\t栈中已有1个数据，最多可存放10个数据\n"
      "{menu}\t\t已将数字3入栈\n\t\t栈中已有2个数据，最多可存放10个数据\n"
      "{menu}复制成功\n"
      "{menu}\t\t栈的大小是10"
      "{menu}\t\t栈中有5个数据\n"
      "{menu}\t\t已将数字7入栈\n\t\t栈中已有6个数据，最多可存放10个数据\n"
      "{menu}\t\t1 2 3 4 5 7 "
      "{menu}"
exit: 0

case: a new stack replaces the working one, and destroy ends it
in:   "2\n\n" "1\n4\n\n" "4\n\n" "3\n\n" "10\n\n" "3\n\n" "9\n\n" "10\n\n" "2\n\n" "4\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}\t\t请输入需要初始化的栈的容量：\t\t初始化成功\n"
      "{menu}\t\t栈中有0个数据\n"
      "{menu}\t\t栈的大小是4"
      "{menu}\t\t销毁成功\n"
      "{menu}" x2
      "{menu}\t\t销毁成功\n"
      "{menu}\t\t初始化成功\n"
      "{menu}\t\t栈中有5个数据\n"
      "{menu}"
exit: 0

case: a stack of capacity 2000000000 is made at once
needs: 64-bit
in:   "1\n2000000000\n\n" "3\n\n" "6\n\n" "9\n\n" "8\n\n" "5\n1999999999\n\n" "0\n"
out:  "{menu}\t\t请输入需要初始化的栈的容量：\t\t初始化成功\n"
      "{menu}\t\t栈的大小是2000000000"
      "{menu}\t\t已将数字3入栈\n\t\t栈中已有1个数据，最多可存放2000000000个数据\n"
      "{menu}\t\t3 "
      "{menu}复制成功\n"
      "{menu}你要取出第几个元素？\t\t\t第1999999999个元素是0\n"
      "{menu}"
exit: 0

case: a stack whose array cannot be obtained ends the process with status -1, never a success
memory: 256
in:   "1\n2000000000\n\n" "0\n"
out:  "{menu}\t\t请输入需要初始化的栈的容量："
exit: 255

case: on a 32-bit system, a stack of more bytes than the address space counts ends the process with status -1
needs: 32-bit
in:   "1\n1073741824\n\n" "0\n"
out:  "{menu}\t\t请输入需要初始化的栈的容量："
exit: 255

case: on a 32-bit system, a stack nearly as large as half the address space ends the process with status -1
needs: 32-bit
in:   "1\n536870000\n\n" "0\n"
out:  "{menu}\t\t请输入需要初始化的栈的容量："
exit: 255

case: each prompt is visible before the program waits for its answer
dialog:
  > "{menu}"
  < "1\n"
  > "\t\t请输入需要初始化的栈的容量："
  < "3\n"
  > "\t\t初始化成功\n"
  < "\n"
  > "{menu}"
  < "5\n"
  > "你要取出第几个元素？\t"
  < "0\n"
  > "\t\t第0个元素是0\n"
  < "\n"
  > "{menu}"
  < "6\n"
  > "\t\t已将数字3入栈\n\t\t栈中已有1个数据，最多可存放3个数据\n"
  < "\n"
  > "{menu}"
  < "0\n"
exit: 0

case: on a UTF-8 terminal every menu follows a clearing, and the messages come in UTF-8 in the order
      written
on:   tty
env:  LANG=C.UTF-8
shown: utf-8
in:   "2\n\n" "9\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}\t\t1 2 3 4 5 "
      "{menu}"
exit: 0

case: a new stack takes the place of the old one where memory holds only one of them
memory: 256
in:   "1\n40000000\n\n" "1\n40000000\n\n" "0\n"
out:  "{menu}\t\t请输入需要初始化的栈的容量：\t\t初始化成功\n" x2
      "{menu}"
exit: 0

case: a stack of 100000000 slots is made, pushed to and printed, as on every system
in:   "1\n100000000\n\n" "6\n\n" "9\n\n" "0\n"
out:  "{menu}\t\t请输入需要初始化的栈的容量：\t\t初始化成功\n"
      "{menu}\t\t已将数字2入栈\n\t\t栈中已有1个数据，最多可存放100000000个数据\n"
      "{menu}\t\t2 "
      "{menu}"
exit: 0
