// stackcon: a menu through which a person works on STACK objects: a working
// stack made by choice 1 or 2, and a preset source stack holding 1 to 5.

#include <iostream>
#include <memory>

#include "platform/console.h"
#include "stack/stack.h"

// The menu and its prompt, written as one piece before every choice.
static const char kMenu[] =
    "\n\n"
    "\t\t\tMenu for STACK\n"
    "\t\t--------------------------------------------\n"
    "\t\t1.initStack\t\t2.initStack from a stack\n"
    "\t\t3.size of stack\t\t4.pos of stack\n"
    "\t\t5.get one elem\t\t6.push\n"
    "\t\t7.pop\t\t\t8.assign\n"
    "\t\t9.print\t\t\t10.destroy\n"
    "\t\t0.exit\n"
    "\t\t--------------------------------------------\n"
    "\t请选择你的操作：";

static void showMenu() { std::cout << kMenu; }

// Static, so that every way out of the process (choice 0, the end of the
// input, an overflow's exit) releases them.
static std::unique_ptr<STACK> source;
static std::unique_ptr<STACK> working;  // null while there is none

static void act(int choice, int pass) {
  // Choices 3 to 9 read or change the working stack: without one they do
  // nothing.
  if (choice >= 3 && choice <= 9 && !working) return;
  switch (choice) {
    case 1: {
      std::cout << "\t\t请输入需要初始化的栈的容量：";
      int capacity;
      if (!console::readNumber(capacity)) break;
      working.reset();  // the old stack first: the new one may need its room
      working.reset(new STACK(capacity));
      std::cout << "\t\t初始化成功\n";
      break;
    }
    case 2:
      working.reset();
      working.reset(new STACK(*source));
      std::cout << "\t\t初始化成功\n";
      break;
    case 3:
      std::cout << "\t\t栈的大小是" << working->size();
      break;
    case 4:
      std::cout << "\t\t栈中有" << working->pos() << "个数据\n";
      break;
    case 5: {
      std::cout << "你要取出第几个元素？\t";
      int index;
      if (!console::readNumber(index)) break;
      std::cout << "\t\t第" << index << "个元素是" << working->get(index) << "\n";
      break;
    }
    case 6:
      working->push(pass);
      std::cout << "\t\t已将数字" << pass << "入栈\n";
      std::cout << "\t\t栈中已有" << working->pos() << "个数据，最多可存放" << working->size()
                << "个数据\n";
      break;
    case 7: {
      int e;
      working->pop(e);
      std::cout << "\t\t出栈成功，栈尾元素是" << e << "\n";
      std::cout << "\t\t栈中有" << working->pos() << "个数据，最少需存放0个数据\n";
      break;
    }
    case 8:
      working->assign(*source);
      std::cout << "复制成功\n";
      break;
    case 9:
      std::cout << "\t\t";
      working->print();
      break;
    case 10:
      working.reset();
      std::cout << "\t\t销毁成功\n";
      break;
    default:  // outside the menu
      break;
  }
}

#ifdef WEB_DRAWING
#include "platform/drawing.h"

// What the web page draws: both stacks, through their own operations.
static void describe(console::Drawing& drawing) {
  drawing.stackOf("source", source.get());
  drawing.stackOf("working", working.get());
}
#endif

int main(int argc, char** argv) {
  console::init(PROGRAM_NAME, PROGRAM_SUMMARY, argc, argv);
  source.reset(new STACK(5));
  for (int e = 1; e <= 5; ++e) source->push(e);
#ifdef WEB_DRAWING
  console::watchContainers(describe);
#endif
  console::runMenu(showMenu, act);
}
