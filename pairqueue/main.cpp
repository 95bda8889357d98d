// pairqueue: a menu through which a person works on QUE2S queues: a working
// queue made by choice 1 or 2, and a preset source queue holding 0 to 14.

#include <iostream>
#include <memory>

#include "pairqueue/que2s.h"
#include "platform/console.h"

// The menu and its prompt, written as one piece before every choice.
static const char kMenu[] =
    "\n\n"
    "\t\t\tMenu for QUE2S\n"
    "\t\t--------------------------------------------\n"
    "\t\t1.initQUE2S\t\t2.initQUE2S from a QUE2S\n"
    "\t\t3.pos of QUE2S\t\t4.push\n"
    "\t\t5.pop\t\t\t6.assign\n"
    "\t\t7.print\t\t\t8.destroy\n"
    "\t\t0.exit\n"
    "\t\t--------------------------------------------\n"
    "\t请选择你的操作：";

static void showMenu() { std::cout << kMenu; }

// Static, so that every way out of the process (choice 0, the end of the
// input, an overflow's exit) releases them.
static std::unique_ptr<QUE2S> source;
static std::unique_ptr<QUE2S> working;  // null while there is none

static void act(int choice, int pass) {
  // Choices 3 to 7 read or change the working queue: without one they do
  // nothing.
  if (choice >= 3 && choice <= 7 && !working) return;
  switch (choice) {
    case 1: {
      std::cout << "\t\t请输入队列的容量：";
      int capacity;
      if (!console::readNumber(capacity)) break;
      working.reset();  // the old queue first: the new one may need its room
      working.reset(new QUE2S(capacity));
      std::cout << "\t\t队列初始化成功\n";
      break;
    }
    case 2:
      working.reset();
      working.reset(new QUE2S(*source));
      std::cout << "\t\t队列初始化成功\n";
      break;
    case 3:
      std::cout << "\t\t队列中有" << working->pos() << "个数据\n";
      break;
    case 4:
      working->push(pass);
      std::cout << "已将数字" << pass << "入队列\n";
      std::cout << "当前有" << working->pos() << "个数据，最多可存放" << working->size()
                << "个数据\n";
      break;
    case 5: {
      int e;
      working->pop(e);
      std::cout << "已将数字" << e << "出队列\n";
      std::cout << "当前有" << working->pos() << "个数据，最少需存放0个数据\n";
      break;
    }
    case 6:
      working->assign(*source);
      std::cout << "复制成功";
      break;
    case 7:
      std::cout << "\t\t";
      working->print();
      break;
    case 8:
      working.reset();
      std::cout << "销毁成功\n";
      break;
    default:  // outside the menu
      break;
  }
}

#ifdef WEB_DRAWING
#include "platform/drawing.h"

// What the web page draws: both queues, as each describes itself.
static void describe(console::Drawing& drawing) {
  drawing.queueOf("source", source.get());
  drawing.queueOf("working", working.get());
}
#endif

int main(int argc, char** argv) {
  console::init(PROGRAM_NAME, PROGRAM_SUMMARY, argc, argv);
  source.reset(new QUE2S(15));
  for (int e = 0; e < 15; ++e) source->push(e);
#ifdef WEB_DRAWING
  console::watchContainers(describe);
#endif
  console::runMenu(showMenu, act);
}
