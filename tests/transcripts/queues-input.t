# The queue consoles read with std::cin: input that is cut short or is not a
# number must never leave the stream stuck or repeat a choice.
program: pairqueue heirqueue

case: end of input at the capacity prompt ends the program with nothing created
in:   "1\n"
out:  "{menu}\t\t请输入队列的容量："
exit: 0

case: end of input at the wait for Enter ends the program at the next menu
in:   "2\n" 
out:  "{menu}\t\t队列初始化成功\n"
      "{menu}"
exit: 0

case: a choice that ends the input without its end of line is carried out
in:   "1\n3\n\n" "4"
out:  "{menu}\t\t请输入队列的容量：\t\t队列初始化成功\n"
      "{menu}已将数字2入队列\n当前有1个数据，最多可存放3个数据\n"
      "{menu}"
exit: 0

case: text at the menu does nothing, and the stream reads the next choice
in:   "2\n\n" "5\n\n" "pop\n\n" "+\n\n" "99999999999\n\n" "3\n\n" "0\n"
out:  "{menu}\t\t队列初始化成功\n"
      "{menu}已将数字0出队列\n当前有14个数据，最少需存放0个数据\n"
      "{menu}" x3
      "{menu}\t\t队列中有14个数据\n"
      "{menu}"
exit: 0

case: text at the capacity prompt abandons the choice and keeps the working queue
in:   "2\n\n" "1\nten\n\n" "1\n-2147483649\n\n" "3\n\n" "0\n"
out:  "{menu}\t\t队列初始化成功\n"
      "{menu}\t\t请输入队列的容量：" x2
      "{menu}\t\t队列中有15个数据\n"
      "{menu}"
exit: 0

case: the character after a number is discarded, whatever it is
in:   "1\n2x\n" "4y\n" "3\n\n" "0\n"
out:  "{menu}\t\t请输入队列的容量：\t\t队列初始化成功\n"
      "{menu}已将数字2入队列\n当前有1个数据，最多可存放2个数据\n"
      "{menu}\t\t队列中有1个数据\n"
      "{menu}"
exit: 0

case: before the first queue is made, choices 3 to 7 do nothing and destroy only reports
in:   "3\n\n" "4\n\n" "5\n\n" "6\n\n" "7\n\n" "8\n\n" "0\n"
out:  "{menu}" x5
      "{menu}销毁成功\n"
      "{menu}"
exit: 0

case: after destroy, choices 3 to 7 do nothing until a new queue is made
in:   "2\n\n" "8\n\n" "8\n\n" "3\n\n" "4\n\n" "5\n\n" "6\n\n" "7\n\n" "1\n1\n\n" "4\n\n" "0\n"
out:  "{menu}\t\t队列初始化成功\n"
      "{menu}销毁成功\n" x2
      "{menu}" x5
      "{menu}\t\t请输入队列的容量：\t\t队列初始化成功\n"
      "{menu}已将数字10入队列\n当前有1个数据，最多可存放1个数据\n"
      "{menu}"
exit: 0

case: the digits beyond what was there are read on: 000000000008 is choice 8
in:   "2\n\n" "000000000008\n\n" "3\n\n" "0\n"
out:  "{menu}\t\t队列初始化成功\n"
      "{menu}销毁成功\n"
      "{menu}" x2
exit: 0

case: a capacity whose digits arrive apart on a non-blocking pipe keeps its value: 1 then 2 is 12
input: late
in:   "1\n" "1" "2\n\n" "4\n\n" "0\n"
out:  "{menu}\t\t请输入队列的容量：\t\t队列初始化成功\n"
      "{menu}已将数字2入队列\n当前有1个数据，最多可存放12个数据\n"
      "{menu}"
exit: 0

case: digits read where the C library holds them, then more after a pause: 12 then 3 is 123
input: late
in:   "1\n" "12" "3\n\n" "4\n\n" "0\n"
out:  "{menu}\t\t请输入队列的容量：\t\t队列初始化成功\n"
      "{menu}已将数字2入队列\n当前有1个数据，最多可存放123个数据\n"
      "{menu}"
exit: 0

case: a choice cut by a pause and outside int is no choice, whatever its low bits
input: late
in:   "2\n\n" "42949" "67304\n\n" "3\n\n" "0\n"
out:  "{menu}\t\t队列初始化成功\n"
      "{menu}"
      "{menu}\t\t队列中有15个数据\n"
      "{menu}"
exit: 0
