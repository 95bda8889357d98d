#ifndef TESTS_UNIT_PRINTED_H_
#define TESTS_UNIT_PRINTED_H_

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

// What a container's print() writes to standard output.
template <typename Container>
std::string printed(const Container& c) {
  testing::internal::CaptureStdout();
  c.print();
  std::fflush(stdout);
  return testing::internal::GetCapturedStdout();
}

#endif  // TESTS_UNIT_PRINTED_H_
