# The object stack console: menu through printf, messages through std::cout.
program: objstack

case: a copy of the source stack lists 1 to 5, bottom first, with nothing before
in:   "2\n\n" "9\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}1 2 3 4 5 "
      "{menu}"
exit: 0

case: a push stores the number of its own pass, invalid passes included
in:   "1\n3\n\n" "12\n\n" "6\n\n" "0\n"
out:  "{menu}请输入需要初始化的栈的容量：\n\t\t\t\t初始化成功\n"
      "{menu}"
      "{menu}\t\t已将数字3入栈\n\t\t栈中已有1个数据，最多可存放3个数据\n"
      "{menu}"
exit: 0

case: popping a new stack ends the process with status -1
in:   "1\n3\n\n" "7\n\n"
out:  "{menu}请输入需要初始化的栈的容量：\n\t\t\t\t初始化成功\n"
      "{menu}"
exit: 255

case: pops report the former top, down to the bottom, then underflow
in:   "2\n\n" "7\n\n" "7\n\n" "7\n\n" "7\n\n" "7\n\n" "7\n\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}\t\t出栈成功，栈尾元素是5\n\t\t栈中有4个数据，最少需存放0个数据\n"
      "{menu}\t\t出栈成功，栈尾元素是4\n\t\t栈中有3个数据，最少需存放0个数据\n"
      "{menu}\t\t出栈成功，栈尾元素是3\n\t\t栈中有2个数据，最少需存放0个数据\n"
      "{menu}\t\t出栈成功，栈尾元素是2\n\t\t栈中有1个数据，最少需存放0个数据\n"
      "{menu}\t\t出栈成功，栈尾元素是1\n\t\t栈中有0个数据，最少需存放0个数据\n"
      "{menu}"
exit: 255

case: get reads by index from the bottom, and gives 0 outside the array
in:   "2\n\n" "5\n0\n\n" "5\n4\n\n" "5\n5\n\n" "5\n-3\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}你要取出第几个元素？\n\t\t第0个元素是1\n"
      "{menu}你要取出第几个元素？\n\t\t第4个元素是5\n"
      "{menu}你要取出第几个元素？\n\t\t第5个元素是0\n"
      "{menu}你要取出第几个元素？\n\t\t第-3个元素是0\n"
      "{menu}"
exit: 0

case: capacity 0 and negative capacities make stacks that hold nothing
in:   "1\n0\n\n" "3\n\n" "1\n-3\n\n" "3\n\n" "9\n\n" "6\n\n"
out:  "{menu}请输入需要初始化的栈的容量：\n\t\t\t\t初始化成功\n"
      "{menu}\t\t栈的大小是0"
      "{menu}请输入需要初始化的栈的容量：\n\t\t\t\t初始化成功\n"
      "{menu}\t\t栈的大小是0"
      "{menu}"
      "{menu}"
exit: 255

case: assign into a smaller stack takes over the source's capacity
in:   "1\n2\n\n" "8\n\n" "3\n\n" "9\n\n" "6\n\n"
out:  "{menu}请输入需要初始化的栈的容量：\n\t\t\t\t初始化成功\n"
      "{menu}\t\t赋值成功\n"
      "{menu}\t\t栈的大小是5"
      "{menu}1 2 3 4 5 "
      "{menu}"
exit: 255

case: assign into a larger stack keeps its capacity and the slots above the source's
in:   "1\n10\n\n" "6\n\n" x7 "8\n\n" "3\n\n" "4\n\n" "5\n5\n\n" "5\n6\n\n" "5\n7\n\n" "0\n"
out:  "{menu}请输入需要初始化的栈的容量：\n\t\t\t\t初始化成功\n"
      "{menu}\t\t已将数字2入栈\n\t\t栈中已有1个数据，最多可存放10个数据\n"
      "{menu}\t\t已将数字3入栈\n\t\t栈中已有2个数据，最多可存放10个数据\n"
      "{menu}\t\t已将数字4入栈\n\t\t栈中已有3个数据，最多可存放10个数据\n"
      "{menu}\t\t已将数字5入栈\n\t\t栈中已有4个数据，最多可存放10个数据\n"
      "{menu}\t\t已将数字6入栈\n\t\t栈中已有5个数据，最多可存放10个数据\n"
      "{menu}\t\t已将数字7入栈\n\t\t栈中已有6个数据，最多可存放10个数据\n"
      "{menu}\t\t已将数字8入栈\n\t\t栈中已有7个数据，最多可存放10个数据\n"
      "{menu}\t\t赋值成功\n"
      "{menu}\t\t栈的大小是10"
      "{menu}\t\t栈中有5个数据\n"
      "{menu}你要取出第几个元素？\n\t\t第5个元素是7\n"
      "{menu}你要取出第几个元素？\n\t\t第6个元素是8\n"
      "{menu}你要取出第几个元素？\n\t\t第7个元素是0\n"
      "{menu}"
exit: 0

case: a stack of capacity 2000000000 is made at once
needs: 64-bit
in:   "1\n2000000000\n\n" "3\n\n" "8\n\n" "4\n\n" "0\n"
out:  "{menu}请输入需要初始化的栈的容量：\n\t\t\t\t初始化成功\n"
      "{menu}\t\t栈的大小是2000000000"
      "{menu}\t\t赋值成功\n"
      "{menu}\t\t栈中有5个数据\n"
      "{menu}"
exit: 0

case: a stack whose array cannot be obtained ends the process with status -1, never a success
memory: 256
in:   "1\n2000000000\n\n" "0\n"
out:  "{menu}请输入需要初始化的栈的容量：\n\t\t"
exit: 255

case: on a 32-bit system, a stack of more bytes than the address space counts ends the process with status -1
needs: 32-bit
in:   "1\n1073741824\n\n" "0\n"
out:  "{menu}请输入需要初始化的栈的容量：\n\t\t"
exit: 255

case: end of input at the menu and at the prompts ends the program with status 0
in:   "2\n\n" "5\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}你要取出第几个元素？\n"
exit: 0

case: end of input at the capacity prompt creates nothing
in:   "1\n \n"
out:  "{menu}请输入需要初始化的栈的容量：\n\t\t"
exit: 0

case: text at the menu does nothing, and never repeats the last choice
in:   "2\n\n" "7\n\n" "again\n\n" "4\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}\t\t出栈成功，栈尾元素是5\n\t\t栈中有4个数据，最少需存放0个数据\n"
      "{menu}"
      "{menu}\t\t栈中有4个数据\n"
      "{menu}"
exit: 0

case: text at the capacity and index prompts abandons the choice
in:   "2\n\n" "1\nbig\n\n" "5\n#\n\n" "5\n2147483648\n\n" "3\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}请输入需要初始化的栈的容量：\n\t\t"
      "{menu}你要取出第几个元素？\n" x2
      "{menu}\t\t栈的大小是5"
      "{menu}"
exit: 0

case: without a working stack choices 3 to 9 do nothing, before creation and after destroy
in:   "3\n\n" "9\n\n" "10\n\n" "2\n\n" "10\n\n" "4\n\n" "5\n\n" "6\n\n" "7\n\n" "8\n\n" "1\n1\n\n"
      "4\n\n" "0\n"
out:  "{menu}" x2
      "{menu}\t\t销毁成功\n"
      "{menu}\t\t初始化成功\n"
      "{menu}\t\t销毁成功\n"
      "{menu}" x5
      "{menu}请输入需要初始化的栈的容量：\n\t\t\t\t初始化成功\n"
      "{menu}\t\t栈中有0个数据\n"
      "{menu}"
exit: 0

case: each prompt is visible before the program waits for its answer
dialog:
  > "{menu}"
  < "1\n"
  > "请输入需要初始化的栈的容量：\n\t\t"
  < "4\n"
  > "\t\t初始化成功\n"
  < "\n"
  > "{menu}"
  < "5\n"
  > "你要取出第几个元素？\n"
  < "3\n"
  > "\t\t第3个元素是0\n"
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
      "{menu}1 2 3 4 5 "
      "{menu}"
exit: 0

case: a new stack takes the place of the old one where memory holds only one of them
memory: 256
in:   "1\n40000000\n\n" "1\n40000000\n\n" "0\n"
out:  "{menu}请输入需要初始化的栈的容量：\n\t\t\t\t初始化成功\n" x2
      "{menu}"
exit: 0

case: a stack of one slot holds one element: a push, the pop that gives it back, then overflow
in:   "1\n1\n\n" "6\n\n" "7\n\n" "6\n\n" "6\n\n"
out:  "{menu}请输入需要初始化的栈的容量：\n\t\t\t\t初始化成功\n"
      "{menu}\t\t已将数字2入栈\n\t\t栈中已有1个数据，最多可存放1个数据\n"
      "{menu}\t\t出栈成功，栈尾元素是2\n\t\t栈中有0个数据，最少需存放0个数据\n"
      "{menu}\t\t已将数字4入栈\n\t\t栈中已有1个数据，最多可存放1个数据\n"
      "{menu}"
exit: 255

case: a capacity whose digits arrive apart on a non-blocking pipe keeps its value: 1 then 2 is 12
input: late
in:   "1\n" "1" "2\n\n" "3\n\n" "0\n"
out:  "{menu}请输入需要初始化的栈的容量：\n\t\t\t\t初始化成功\n"
      "{menu}\t\t栈的大小是12"
      "{menu}"
exit: 0
