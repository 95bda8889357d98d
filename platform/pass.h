#ifndef PLATFORM_PASS_H_
#define PLATFORM_PASS_H_

namespace console {

// The number of the menu's pass after pass: one more, where the pass after
// 2147483647 is -2147483648, as a 32-bit counter wraps. Through unsigned
// arithmetic, whose wrap is defined; the conversion back to int keeps the
// two's-complement bits.
inline int nextPass(int pass) { return static_cast<int>(static_cast<unsigned>(pass) + 1u); }

}  // namespace console

#endif  // PLATFORM_PASS_H_
