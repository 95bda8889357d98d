#ifndef PLATFORM_DRAWING_H_
#define PLATFORM_DRAWING_H_

// What the web page draws of a program's containers, from the program's
// own state: each time the program waits for input, the page asks the
// program (console::watchContainers) to describe them here, and a
// container says what it is through its public operations, or, for the
// stacks a queue is made of, through a declaration it makes of itself
// (describeTo). The description is JSON text; only the web build asks for
// it (WEB_DRAWING), so elsewhere none of this is compiled, and stepTaken()
// below is an empty function.

#include <string>

namespace console {

// Called by a stack after each push and pop, so that the web page can show
// the moves inside one step (a queue's removal through its stacks) one at
// a time: there it notes the containers' state, elsewhere it does nothing.
#ifdef WEB_DRAWING
void stepTaken();
#else
inline void stepTaken() {}
#endif

class Drawing {
 public:
  // A stack: its capacity, its count, and its slots, bottom first, each
  // read by slot(i) (a popped value stays in its slot).
  template <typename Slot>
  void stack(const char* role, int capacity, int count, Slot slot) {
    open(role, "stack", capacity, count);
    slots("slots", capacity, slot);
    text_ += '}';
  }

  // A queue: its capacity, its count and its elements, front first, each
  // read by element(i); then the stacks it is made of (stack(), each), and
  // endQueue().
  template <typename Element>
  void queue(const char* role, int capacity, int count, Element element) {
    open(role, "queue", capacity, count);
    slots("elements", count, element);
    text_ += ",\"stacks\":[";
  }
  void endQueue() { text_ += "]}"; }

  // A record of three fields, items, capacity and count: holdsStack says
  // whether items points to an array, whose slots slot(i) reads.
  template <typename Slot>
  void record(const char* role, bool holdsStack, int capacity, int count, Slot slot) {
    open(role, "record", capacity, count);
    text_ += holdsStack ? ",\"items\":true" : ",\"items\":false";
    slots("slots", holdsStack ? capacity : 0, slot);
    text_ += '}';
  }

  // A stack of one of the programs' classes, through its size, pos and
  // get; or none, where the program holds none (null).
  template <typename Stack>
  void stackOf(const char* role, const Stack* s) {
    if (s == nullptr) return none(role);
    stack(role, s->size(), s->pos(), [s](int i) { return s->get(i); });
  }

  // A queue, as it describes itself (describeTo); or none (null).
  template <typename Queue>
  void queueOf(const char* role, const Queue* q) {
    if (q == nullptr) return none(role);
    q->describeTo(*this, role);
  }

  // A container the program does not hold now.
  void none(const char* role) {
    comma();
    text_ += "{\"role\":\"";
    text_ += role;
    text_ += "\",\"kind\":\"none\"}";
  }

  // All of it, as {"containers":[...]}.
  const std::string& text() {
    finished_ = "{\"containers\":[" + text_ + "]}";
    return finished_;
  }

 private:
  // Slots drawn one by one: all of a small container's, the first and the
  // last of a large one's (the page shows an ellipsis between).
  static constexpr int kAll = 64;
  static constexpr int kEnds = 16;

  void comma() {
    if (!text_.empty() && text_.back() != '[') text_ += ',';
  }

  void open(const char* role, const char* kind, int capacity, int count) {
    comma();
    text_ += "{\"role\":\"";
    text_ += role;
    text_ += "\",\"kind\":\"";
    text_ += kind;
    text_ += "\",\"capacity\":" + std::to_string(capacity) +
             ",\"count\":" + std::to_string(count);
  }

  // [[index, value], ...] for the slots shown.
  template <typename Slot>
  void slots(const char* name, int length, Slot slot) {
    text_ += ",\"";
    text_ += name;
    text_ += "\":[";
    for (int i = 0; i < length; ++i) {
      if (length > kAll && i == kEnds) i = length - kEnds;
      if (text_.back() != '[') text_ += ',';
      text_ += '[' + std::to_string(i) + ',' + std::to_string(slot(i)) + ']';
    }
    text_ += ']';
  }

  std::string text_;
  std::string finished_;
};

}  // namespace console

#endif  // PLATFORM_DRAWING_H_
