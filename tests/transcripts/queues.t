# The two queue consoles, the two-stack queue and the inheriting queue, give
# the same transcripts: their menus differ only in the queue's name.
program: pairqueue heirqueue

case: a copy of the source queue lists 0 to 14, oldest first
in:   "2\n\n" "7\n\n" "0\n"
out:  "{menu}\t\t队列初始化成功\n"
      "{menu}\t\t0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 "
      "{menu}"
exit: 0

case: a pop from the copy delivers the oldest element
in:   "2\n\n" "5\n\n" "3\n\n" "7\n\n" "0\n"
out:  "{menu}\t\t队列初始化成功\n"
      "{menu}已将数字0出队列\n当前有14个数据，最少需存放0个数据\n"
      "{menu}\t\t队列中有14个数据\n"
      "{menu}\t\t1 2 3 4 5 6 7 8 9 10 11 12 13 14 "
      "{menu}"
exit: 0

case: inserting into the full copy ends the process with status -1 and no message
in:   "2\n\n" "4\n\n" "0\n"
out:  "{menu}\t\t队列初始化成功\n"
      "{menu}"
exit: 255

case: each insertion stores the number of its own pass, until the queue is full
in:   "1\n3\n\n" "4\n\n" "4\n\n" "4\n\n" "4\n\n"
out:  "{menu}\t\t请输入队列的容量：\t\t队列初始化成功\n"
      "{menu}已将数字2入队列\n当前有1个数据，最多可存放3个数据\n"
      "{menu}已将数字3入队列\n当前有2个数据，最多可存放3个数据\n"
      "{menu}已将数字4入队列\n当前有3个数据，最多可存放3个数据\n"
      "{menu}"
exit: 255

case: removal takes the oldest and keeps the order of the rest
in:   "1\n3\n\n" "4\n\n" "4\n\n" "4\n\n" "5\n\n" "7\n\n" "0\n"
out:  "{menu}\t\t请输入队列的容量：\t\t队列初始化成功\n"
      "{menu}已将数字2入队列\n当前有1个数据，最多可存放3个数据\n"
      "{menu}已将数字3入队列\n当前有2个数据，最多可存放3个数据\n"
      "{menu}已将数字4入队列\n当前有3个数据，最多可存放3个数据\n"
      "{menu}已将数字2出队列\n当前有2个数据，最少需存放0个数据\n"
      "{menu}\t\t3 4 "
      "{menu}"
exit: 0

case: a full queue drains and refills in order, and empty it ends the process
in:   "1\n2\n\n" "4\n\n" "4\n\n" "5\n\n" "4\n\n" "5\n\n" "5\n\n" "5\n\n"
out:  "{menu}\t\t请输入队列的容量：\t\t队列初始化成功\n"
      "{menu}已将数字2入队列\n当前有1个数据，最多可存放2个数据\n"
      "{menu}已将数字3入队列\n当前有2个数据，最多可存放2个数据\n"
      "{menu}已将数字2出队列\n当前有1个数据，最少需存放0个数据\n"
      "{menu}已将数字5入队列\n当前有2个数据，最多可存放2个数据\n"
      "{menu}已将数字3出队列\n当前有1个数据，最少需存放0个数据\n"
      "{menu}已将数字5出队列\n当前有0个数据，最少需存放0个数据\n"
      "{menu}"
exit: 255

case: removal from a new queue ends the process with status -1
in:   "1\n5\n\n" "5\n\n"
out:  "{menu}\t\t请输入队列的容量：\t\t队列初始化成功\n"
      "{menu}"
exit: 255

case: capacity 0 and negative capacities make queues that hold nothing
in:   "1\n0\n\n" "3\n\n" "7\n\n" "1\n-5\n\n" "3\n\n" "4\n\n"
out:  "{menu}\t\t请输入队列的容量：\t\t队列初始化成功\n"
      "{menu}\t\t队列中有0个数据\n"
      "{menu}\t\t"
      "{menu}\t\t请输入队列的容量：\t\t队列初始化成功\n"
      "{menu}\t\t队列中有0个数据\n"
      "{menu}"
exit: 255

case: assign into a larger queue keeps its capacity
in:   "1\n20\n\n" "6\n\n" "3\n\n" "7\n\n" "4\n\n" "0\n"
out:  "{menu}\t\t请输入队列的容量：\t\t队列初始化成功\n"
      "{menu}复制成功"
      "{menu}\t\t队列中有15个数据\n"
      "{menu}\t\t0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 "
      "{menu}已将数字5入队列\n当前有16个数据，最多可存放20个数据\n"
      "{menu}"
exit: 0

case: assign into a smaller queue takes over the source's capacity
in:   "1\n5\n\n" "6\n\n" "3\n\n" "5\n\n" "4\n\n" "4\n\n"
out:  "{menu}\t\t请输入队列的容量：\t\t队列初始化成功\n"
      "{menu}复制成功"
      "{menu}\t\t队列中有15个数据\n"
      "{menu}已将数字0出队列\n当前有14个数据，最少需存放0个数据\n"
      "{menu}已将数字5入队列\n当前有15个数据，最多可存放15个数据\n"
      "{menu}"
exit: 255

case: assign replaces whatever the queue held
in:   "1\n20\n\n" "4\n\n" "4\n\n" "6\n\n" "3\n\n" "7\n\n" "0\n"
out:  "{menu}\t\t请输入队列的容量：\t\t队列初始化成功\n"
      "{menu}已将数字2入队列\n当前有1个数据，最多可存放20个数据\n"
      "{menu}已将数字3入队列\n当前有2个数据，最多可存放20个数据\n"
      "{menu}复制成功"
      "{menu}\t\t队列中有15个数据\n"
      "{menu}\t\t0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 "
      "{menu}"
exit: 0

case: the copy is the working queue's own: the source stays full
in:   "2\n\n" "5\n\n" "5\n\n" "8\n\n" "2\n\n" "3\n\n" "0\n"
out:  "{menu}\t\t队列初始化成功\n"
      "{menu}已将数字0出队列\n当前有14个数据，最少需存放0个数据\n"
      "{menu}已将数字1出队列\n当前有13个数据，最少需存放0个数据\n"
      "{menu}销毁成功\n"
      "{menu}\t\t队列初始化成功\n"
      "{menu}\t\t队列中有15个数据\n"
      "{menu}"
exit: 0

case: choices outside the menu do nothing but count their pass
in:   "1\n4\n\n" "9\n\n" "-1\n\n" "4\n\n" "0\n"
out:  "{menu}\t\t请输入队列的容量：\t\t队列初始化成功\n"
      "{menu}" x2
      "{menu}已将数字4入队列\n当前有1个数据，最多可存放4个数据\n"
      "{menu}"
exit: 0

case: a queue of capacity 2000000000 is made at once
needs: 64-bit
in:   "1\n2000000000\n\n" "4\n\n" "3\n\n" "5\n\n" "0\n"
out:  "{menu}\t\t请输入队列的容量：\t\t队列初始化成功\n"
      "{menu}已将数字2入队列\n当前有1个数据，最多可存放2000000000个数据\n"
      "{menu}\t\t队列中有1个数据\n"
      "{menu}已将数字2出队列\n当前有0个数据，最少需存放0个数据\n"
      "{menu}"
exit: 0

case: a queue whose arrays cannot be obtained ends the process with status -1, never a success
memory: 256
in:   "1\n2000000000\n\n" "0\n"
out:  "{menu}\t\t请输入队列的容量："
exit: 255

case: on a 32-bit system, a queue of more bytes than the address space counts ends the process with status -1
needs: 32-bit
in:   "1\n1073741824\n\n" "0\n"
out:  "{menu}\t\t请输入队列的容量："
exit: 255

case: each prompt is visible before the program waits for its answer
dialog:
  > "{menu}"
  < "2\n"
  > "\t\t队列初始化成功\n"
  < "\n"
  > "{menu}"
  < "1\n"
  > "\t\t请输入队列的容量："
  < "2\n"
  > "\t\t队列初始化成功\n"
  < "\n"
  > "{menu}"
  < "4\n"
  > "已将数字3入队列\n当前有1个数据，最多可存放2个数据\n"
  < "\n"
  > "{menu}"
  < "6\n"
  > "复制成功"
  < "\n"
  > "{menu}"
  < "0\n"
exit: 0

case: on a UTF-8 terminal every menu follows a clearing, and the messages come in UTF-8 in the order
      written
on:   tty
env:  LANG=C.UTF-8
shown: utf-8
in:   "2\n\n" "5\n\n" "0\n"
out:  "{menu}\t\t队列初始化成功\n"
      "{menu}已将数字0出队列\n当前有14个数据，最少需存放0个数据\n"
      "{menu}"
exit: 0

case: a new queue takes the place of the old one where memory holds only one of them
memory: 256
in:   "1\n20000000\n\n" "1\n20000000\n\n" "0\n"
out:  "{menu}\t\t请输入队列的容量：\t\t队列初始化成功\n" x2
      "{menu}"
exit: 0
