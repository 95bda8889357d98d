#ifndef TESTS_UNIT_PRINTED_H_
#define TESTS_UNIT_PRINTED_H_

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

// What a call writes to standard output.
template <typename Call>
std::string output(Call call) {
  testing::internal::CaptureStdout();
  call();
  std::fflush(stdout);
  return testing::internal::GetCapturedStdout();
}

// What a container's print() writes.
template <typename Container>
std::string printed(const Container& c) {
  return output([&c] { c.print(); });
}

#endif  // TESTS_UNIT_PRINTED_H_
