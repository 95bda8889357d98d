#ifndef PLATFORM_DECIMAL_H_
#define PLATFORM_DECIMAL_H_

#include <type_traits>

namespace console {

// Room for the decimal digits of any integer up to 64 bits, and a sign.
constexpr int kDecimalRoom = 21;

// Writes value in decimal, '-' first when it is negative, so that it ends
// just before end; returns where it starts. Each digit is computed from a
// value at most 0 when negative (the most negative value has no positive).
template <typename Integer>
char* decimalBefore(char* end, Integer value) {
  static_assert(std::is_integral<Integer>::value && sizeof(Integer) <= 8,
                "an integer of 64 bits at most");
  char* first = end;
  bool negative = false;
  if constexpr (std::is_signed<Integer>::value) negative = value < 0;
  do {
    const Integer rest = value / 10;
    const auto digit = static_cast<int>(negative ? rest * 10 - value : value - rest * 10);
    *--first = static_cast<char>('0' + digit);
    value = rest;
  } while (value != 0);
  if (negative) *--first = '-';
  return first;
}

}  // namespace console

#endif  // PLATFORM_DECIMAL_H_
