# The procedural stack console: one record of capacity 10, a fixed index of 2,
# messages without trailing newlines.
program: recstack

case: a copy of the source reports both steps and lists 0 to 9
in:   "2\n\n" "9\n\n" "3\n\n" "4\n\n" "0\n"
out:  "{menu}构造成功！\n初始化成功\n"
      "{menu}0 1 2 3 4 5 6 7 8 9 "
      "{menu}\t\t栈的大小是10"
      "{menu}\t\t栈中有10个数据"
      "{menu}"
exit: 0

case: a push stores the number of its own pass
in:   "1\n\n" "6\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}\t\t已将数字2入栈\n\t\t栈中已有1个数据，最多可存放10个数据"
      "{menu}"
exit: 0

case: choice 5 always reads element no. 3, and a slot never written reads 0
in:   "1\n\n" "5\n\n" "6\n\n" "6\n\n" "6\n\n" "5\n\n" "2\n\n" "5\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}\t\t第3个元素是0"
      "{menu}\t\t已将数字3入栈\n\t\t栈中已有1个数据，最多可存放10个数据"
      "{menu}\t\t已将数字4入栈\n\t\t栈中已有2个数据，最多可存放10个数据"
      "{menu}\t\t已将数字5入栈\n\t\t栈中已有3个数据，最多可存放10个数据"
      "{menu}\t\t第3个元素是5"
      "{menu}构造成功！\n初始化成功\n"
      "{menu}\t\t第3个元素是2"
      "{menu}"
exit: 0

case: a pop reports the former top and what is left
in:   "2\n\n" "7\n\n" "0\n"
out:  "{menu}构造成功！\n初始化成功\n"
      "{menu}\t\t出栈成功，栈尾元素是9\n\t\t栈中有9个数据，最少需存放0个数据"
      "{menu}"
exit: 0

case: pushing onto the full copy ends the process with status -1
in:   "2\n\n" "6\n\n"
out:  "{menu}构造成功！\n初始化成功\n"
      "{menu}"
exit: 255

case: popping a new stack ends the process with status -1
in:   "1\n\n" "7\n\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}"
exit: 255

case: the eleventh push ends the process with status -1
in:   "1\n\n" "6\n\n" x10 "6\n\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}\t\t已将数字2入栈\n\t\t栈中已有1个数据，最多可存放10个数据"
      "{menu}\t\t已将数字3入栈\n\t\t栈中已有2个数据，最多可存放10个数据"
      "{menu}\t\t已将数字4入栈\n\t\t栈中已有3个数据，最多可存放10个数据"
      "{menu}\t\t已将数字5入栈\n\t\t栈中已有4个数据，最多可存放10个数据"
      "{menu}\t\t已将数字6入栈\n\t\t栈中已有5个数据，最多可存放10个数据"
      "{menu}\t\t已将数字7入栈\n\t\t栈中已有6个数据，最多可存放10个数据"
      "{menu}\t\t已将数字8入栈\n\t\t栈中已有7个数据，最多可存放10个数据"
      "{menu}\t\t已将数字9入栈\n\t\t栈中已有8个数据，最多可存放10个数据"
      "{menu}\t\t已将数字10入栈\n\t\t栈中已有9个数据，最多可存放10个数据"
      "{menu}\t\t已将数字11入栈\n\t\t栈中已有10个数据，最多可存放10个数据"
      "{menu}"
exit: 255

case: assign copies the whole source over what the stack held
in:   "1\n\n" "6\n\n" "8\n\n" "4\n\n" "9\n\n" "7\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}\t\t已将数字2入栈\n\t\t栈中已有1个数据，最多可存放10个数据"
      "{menu}复制成功\n"
      "{menu}\t\t栈中有10个数据"
      "{menu}0 1 2 3 4 5 6 7 8 9 "
      "{menu}\t\t出栈成功，栈尾元素是9\n\t\t栈中有9个数据，最少需存放0个数据"
      "{menu}"
exit: 0

case: choice 1 or 2 on a live stack starts it afresh
in:   "2\n\n" "1\n\n" "4\n\n" "5\n\n" "1\n\n" "2\n\n" "4\n\n" "0\n"
out:  "{menu}构造成功！\n初始化成功\n"
      "{menu}\t\t初始化成功\n"
      "{menu}\t\t栈中有0个数据"
      "{menu}\t\t第3个元素是0"
      "{menu}\t\t初始化成功\n"
      "{menu}构造成功！\n初始化成功\n"
      "{menu}\t\t栈中有10个数据"
      "{menu}"
exit: 0

case: choices outside the menu do nothing but count their pass
in:   "1\n\n" "11\n\n" "-1\n\n" "6\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}" x2
      "{menu}\t\t已将数字4入栈\n\t\t栈中已有1个数据，最多可存放10个数据"
      "{menu}"
exit: 0

case: before the first initialisation choices 3 to 9 do nothing and destroy only reports
in:   "3\n\n" "4\n\n" "5\n\n" "6\n\n" "7\n\n" "8\n\n" "9\n\n" "10\n\n" "1\n\n" "4\n\n" "0\n"
out:  "{menu}" x7
      "{menu}\t\t销毁成功\n"
      "{menu}\t\t初始化成功\n"
      "{menu}\t\t栈中有0个数据"
      "{menu}"
exit: 0

case: after destroy choices 3 to 9 do nothing, and 1 and 2 work again
in:   "2\n\n" "10\n\n" "10\n\n" "3\n\n" "4\n\n" "5\n\n" "6\n\n" "7\n\n" "8\n\n" "9\n\n" "1\n\n"
      "4\n\n" "10\n\n" "2\n\n" "9\n\n" "0\n"
out:  "{menu}构造成功！\n初始化成功\n"
      "{menu}\t\t销毁成功\n" x2
      "{menu}" x7
      "{menu}\t\t初始化成功\n"
      "{menu}\t\t栈中有0个数据"
      "{menu}\t\t销毁成功\n"
      "{menu}构造成功！\n初始化成功\n"
      "{menu}0 1 2 3 4 5 6 7 8 9 "
      "{menu}"
exit: 0

case: end of input at the menu ends the program with status 0
in:   "1\n\n" "\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}"
exit: 0

case: end of input at the wait for Enter ends the program at the next menu
in:   "2\n"
out:  "{menu}构造成功！\n初始化成功\n"
      "{menu}"
exit: 0

case: text at the menu does nothing, and never repeats the last choice
in:   "1\n\n" "6\n\n" "six\n\n" "4\n\n" "-\n\n" "4294967302\n\n" "4\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}\t\t已将数字2入栈\n\t\t栈中已有1个数据，最多可存放10个数据"
      "{menu}"
      "{menu}\t\t栈中有1个数据"
      "{menu}" x2
      "{menu}\t\t栈中有1个数据"
      "{menu}"
exit: 0

case: the character after a number is discarded, whatever it is
in:   "1x\n" "4\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}\t\t栈中有0个数据"
      "{menu}"
exit: 0

case: each menu is visible before the program waits for a choice
dialog:
  > "{menu}"
  < "2\n"
  > "构造成功！\n初始化成功\n"
  < "\n"
  > "{menu}"
  < "7\n"
  > "\t\t出栈成功，栈尾元素是9\n\t\t栈中有9个数据，最少需存放0个数据"
  < "\n"
  > "{menu}"
  < "0\n"
exit: 0

case: on a UTF-8 terminal every menu follows a clearing, and the messages come in UTF-8 in the order
      written
on:   tty
env:  LANG=C.UTF-8
shown: utf-8
in:   "2\n\n" "0\n"
out:  "{menu}构造成功！\n初始化成功\n"
      "{menu}"
exit: 0
