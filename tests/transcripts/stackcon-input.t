# The stack console under input that is cut short, is not a number, or asks
# for a stack that does not exist.
program: stackcon

case: end of input at the capacity prompt ends the program with nothing created
in:   "1\n"
out:  "{menu}\t\t请输入需要初始化的栈的容量："
exit: 0

case: end of input at the index prompt ends the program
in:   "2\n\n" "5\n  \n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}你要取出第几个元素？\t"
exit: 0

case: a choice without its end of line is still carried out
in:   "2"
out:  "{menu}\t\t初始化成功\n"
      "{menu}"
exit: 0

case: a capacity without its end of line is still used
in:   "1\n4"
out:  "{menu}\t\t请输入需要初始化的栈的容量：\t\t初始化成功\n"
      "{menu}"
exit: 0

case: 0 without an end of line exits
in:   "0"
out:  "{menu}"
exit: 0

case: text at the menu does nothing, and never repeats the last choice
in:   "2\n\n" "7\n\n" "abc\n\n" "x7\n\n" "4\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}\t\t出栈成功，栈尾元素是5\n\t\t栈中有4个数据，最少需存放0个数据\n"
      "{menu}" x2
      "{menu}\t\t栈中有4个数据\n"
      "{menu}"
exit: 0

case: numbers outside int, bare signs and signs without digits are not choices
in:   "2\n\n" "99999999999999999999999\n\n" "2147483648\n\n" "-2147483649\n\n" "+\n\n" "-\n\n"
      "- 7\n\n" "+4\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}" x6
      "{menu}\t\t栈中有5个数据\n"
      "{menu}"
exit: 0

case: the character after a number is discarded, whatever it is
in:   "4x\n" "2abc\n" "\n" "0\n"
out:  "{menu}"
      "{menu}\t\t初始化成功\n"
      "{menu}" x2
exit: 0

case: blank lines and blanks before a choice are skipped
in:   "\n\n   2\n\n" "\t0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}"
exit: 0

case: text at the capacity prompt abandons the choice and keeps the working stack
in:   "2\n\n" "1\nabc\n\n" "1\n99999999999\n\n" "1\n-\n\n" "3\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}\t\t请输入需要初始化的栈的容量：" x3
      "{menu}\t\t栈的大小是5"
      "{menu}"
exit: 0

case: text at the index prompt abandons the choice
in:   "2\n\n" "5\nfirst\n\n" "5\n4294967296\n\n" "5\n1.5\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}你要取出第几个元素？\t" x2
      "{menu}你要取出第几个元素？\t\t\t第1个元素是2\n"
      "{menu}"
exit: 0

case: before the first stack is made, choices 3 to 9 do nothing and destroy only reports
in:   "3\n\n" "4\n\n" "5\n\n" "6\n\n" "7\n\n" "8\n\n" "9\n\n" "10\n\n" "0\n"
out:  "{menu}" x7
      "{menu}\t\t销毁成功\n"
      "{menu}"
exit: 0

case: after destroy, choices 3 to 9 do nothing until a new stack is made
in:   "2\n\n" "10\n\n" "10\n\n" "3\n\n" "4\n\n" "5\n\n" "6\n\n" "7\n\n" "8\n\n" "9\n\n" "1\n2\n\n"
      "6\n\n" "0\n"
out:  "{menu}\t\t初始化成功\n"
      "{menu}\t\t销毁成功\n" x2
      "{menu}" x7
      "{menu}\t\t请输入需要初始化的栈的容量：\t\t初始化成功\n"
      "{menu}\t\t已将数字12入栈\n\t\t栈中已有1个数据，最多可存放2个数据\n"
      "{menu}"
exit: 0

case: input that ends in text without an end of line ends at the next menu
in:   "abc"
out:  "{menu}" x2
exit: 0

case: bytes that are not text at all are not a choice
in:   "\xff\xfe\x01\n\n" "0\n"
out:  "{menu}" x2
exit: 0

case: a capacity whose digits arrive apart on a non-blocking pipe keeps its value: 1 then 2 is 12
input: late
in:   "1\n" "1" "2\n\n" "3\n\n" "0\n"
out:  "{menu}\t\t请输入需要初始化的栈的容量：\t\t初始化成功\n"
      "{menu}\t\t栈的大小是12"
      "{menu}"
exit: 0
