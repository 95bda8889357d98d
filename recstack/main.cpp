// recstack: a menu through which a person works on one STACKREC record of
// capacity 10, the working stack, and a preset source record holding 0 to 9.
// Its output goes through printf; its input, like every program's, through
// the console layer.

#include <stdio.h>
#include <stdlib.h>

#include "platform/console.h"
#include "recstack/stackrec.h"

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
    "\t请选择你的操作\n";

static void showMenu(void) { printf("%s", kMenu); }

// File scope, so that releaseRecords can give them back however the process
// ends: choice 0, the end of the input, or an overflow's exit.
static STACKREC* working;  // null after destroy
static STACKREC* source;

static void releaseRecords(void) {
  destroy(working);
  destroy(source);
}

// A zeroed record, which holds no stack until it is initialised.
static STACKREC* newRecord(void) {
  STACKREC* s = (STACKREC*)calloc(1, sizeof *s);
  if (s == NULL) exit(-1);
  return s;
}

static bool isLive(const STACKREC* s) { return s != NULL && s->items != NULL; }

// Choices 1 and 2 start on a fresh record. The one they replace goes first,
// and working is null until the new one is there, so an exit while it is
// obtained releases nothing twice.
static void renewWorking(void) {
  destroy(working);
  working = NULL;
  working = newRecord();
}

static void act(int choice, int pass) {
  const int index = 2;  // the element choice 5 reads, always the third
  int e;
  // Choices 3 to 9 read or change the working stack: without one they do
  // nothing.
  if (choice >= 3 && choice <= 9 && !isLive(working)) return;
  switch (choice) {
    case 1:
      renewWorking();
      initStack(working, 10);
      if (isLive(working)) printf("\t\t初始化成功\n");
      break;
    case 2:
      renewWorking();
      initStackFrom(working, source);  // reports success or failure itself
      if (isLive(working)) printf("初始化成功\n");
      break;
    case 3:
      printf("\t\t栈的大小是%d", size(working));
      break;
    case 4:
      printf("\t\t栈中有%d个数据", pos(working));
      break;
    case 5:
      printf("\t\t第%d个元素是%d", index + 1, get(working, index));
      break;
    case 6:
      push(working, pass);
      printf("\t\t已将数字%d入栈\n", pass);
      printf("\t\t栈中已有%d个数据，最多可存放%d个数据", pos(working), size(working));
      break;
    case 7:
      pop(working, &e);
      printf("\t\t出栈成功，栈尾元素是%d\n", e);
      printf("\t\t栈中有%d个数据，最少需存放0个数据", pos(working));
      break;
    case 8:
      assign(working, source);
      printf("复制成功\n");
      break;
    case 9:
      print(working);
      break;
    case 10:
      destroy(working);
      working = NULL;
      printf("\t\t销毁成功\n");
      break;
    default:  // outside the menu
      break;
  }
}

#ifdef WEB_DRAWING
#include "platform/drawing.h"

// What the web page draws: both records, field by field.
static void drawRecord(console::Drawing& drawing, const char* role, const STACKREC* s) {
  if (s == NULL) return drawing.none(role);
  drawing.record(role, s->items != NULL, s->capacity, s->count,
                 [s](int i) { return get(s, i); });
}

static void describe(console::Drawing& drawing) {
  drawRecord(drawing, "source", source);
  drawRecord(drawing, "working", working);
}
#endif

int main(int argc, char** argv) {
  console::init(PROGRAM_NAME, PROGRAM_SUMMARY, argc, argv);
  atexit(releaseRecords);
  source = newRecord();
  initStack(source, 10);
  if (!isLive(source)) exit(-1);
  for (int e = 0; e < 10; e++) push(source, e);
#ifdef WEB_DRAWING
  console::watchContainers(describe);
#endif
  console::runMenu(showMenu, act);
}
