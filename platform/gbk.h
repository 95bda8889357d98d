#ifndef PLATFORM_GBK_H_
#define PLATFORM_GBK_H_

#include <cstddef>

namespace console {

// How many of the first size bytes of GBK text make whole characters: all
// of them, or all but a lead byte whose second byte has not come yet (a
// character cut between two writes). A GBK character is one byte below
// 0x80, or a lead byte from 0x81 to 0xFE and any byte after it.
inline std::size_t wholeCharacters(const char* text, std::size_t size) {
  std::size_t whole = 0;
  while (whole < size) {
    const unsigned char byte = static_cast<unsigned char>(text[whole]);
    const std::size_t next = whole + (byte >= 0x81 && byte <= 0xFE ? 2 : 1);
    if (next > size) break;
    whole = next;
  }
  return whole;
}

}  // namespace console

#endif  // PLATFORM_GBK_H_
