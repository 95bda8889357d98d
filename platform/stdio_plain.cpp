// Standard input and output through the C library's standard calls alone,
// for the systems whose C library keeps its buffers to itself (Windows's C
// runtime, and the web build's): a character at a time, each with its
// call, and every piece of output through fwrite. The build compiles this
// beside system_windows.cpp or system_web.cpp.

#include <cstddef>
#include <cstdio>

#include "platform/system.h"

namespace console {
namespace os {

int readChar() { return std::getchar(); }

bool putInOutputBuffer(const char* /*text*/, std::size_t /*count*/) { return false; }

const char* inputAhead(std::size_t& count) {
  count = 0;
  return nullptr;
}

void takeInput(std::size_t /*count*/) {}

}  // namespace os
}  // namespace console
