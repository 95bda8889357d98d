// The converter under standard output on a UTF-8 terminal. This file is
// compiled as the programs are, so its narrow literals are GBK bytes; u8
// literals are UTF-8.

#include "platform/gbk_to_utf8.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pthread.h>
#include <signal.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <thread>

namespace {

// What the converter writes for the chunks, read back through a pipe as it
// comes (so that no amount of output can fill the pipe and stop the writer).
std::string converted(std::initializer_list<std::string> chunks) {
  int ends[2];
  if (pipe(ends) != 0) return "no pipe";
  std::string text;
  std::thread reader([&] {
    char buffer[4096];
    ssize_t got;
    while ((got = read(ends[0], buffer, sizeof buffer)) > 0)
      text.append(buffer, static_cast<std::size_t>(got));
  });
  {
    console::GbkToUtf8 converter(ends[1]);
    EXPECT_TRUE(converter.ok());
    for (const std::string& chunk : chunks)
      EXPECT_TRUE(converter.write(chunk.data(), chunk.size()));
  }
  close(ends[1]);
  reader.join();
  close(ends[0]);
  return text;
}

std::string utf8(const char* text) { return text; }

// A text of the given number of lines in GBK, and the same in UTF-8: two
// characters of three bytes in UTF-8 and a digit a line.
std::pair<std::string, std::string> lines(int count) {
  std::pair<std::string, std::string> text;
  for (int i = 0; i < count; ++i) {
    const std::string digit(1, static_cast<char>('0' + i % 10));
    text.first += "请选" + digit + "\n";
    text.second += utf8(u8"请选") + digit + "\n";
  }
  return text;
}

TEST(GbkToUtf8Test, ConvertsMessagesAndKeepsAscii) {
  EXPECT_EQ(converted({"\t\t初始化成功\n"}), utf8(u8"\t\t初始化成功\n"));
  EXPECT_EQ(converted({"\x1b[H 1 2 3 "}), "\x1b[H 1 2 3 ");
}

TEST(GbkToUtf8Test, ACharacterCutBetweenTwoWritesComesOutWhole) {
  const std::string text = "请选择";
  ASSERT_EQ(text.size(), 6u);
  EXPECT_EQ(converted({text.substr(0, 3), text.substr(3)}), utf8(u8"请选择"));
  // One byte a write: every lead byte waits for its second byte.
  EXPECT_EQ(converted({"\xC7", "\xEB", "a", "\xD1", "", "\xA1"}), utf8(u8"请a选"));
}

TEST(GbkToUtf8Test, ABytePairThatIsNoCharacterBecomesAReplacement) {
  // 0xFF is no GBK byte; 0xC7 followed by a newline is no character, and the
  // newline still comes out, even when the two arrive apart.
  EXPECT_EQ(converted({"a\xFF"
                       "b"}),
            utf8(u8"a\uFFFDb"));
  EXPECT_EQ(converted({"\xC7", "\n"}), utf8(u8"\uFFFD\n"));
  EXPECT_EQ(converted({"\xC7", "\x7F\xC7", "\xEB"}), utf8(u8"\uFFFD\x7F请"));
}

TEST(GbkToUtf8Test, AWriteLongerThanTheConverterHoldsComesOutWholeAndInOrder) {
  const auto [gbk, expected] = lines(5000);  // 30,000 bytes in, 40,000 out
  EXPECT_EQ(converted({gbk}), expected);
}

// Writes that come back short, or fail with EINTR, must lose and add
// nothing: the writes go into a pipe of one page that a reader drains a
// little at a time, while a timer signal interrupts the writer every 100
// microseconds, its handler installed with SA_RESTART or without.
class InterruptedWritesTest : public ::testing::TestWithParam<bool> {};

void ignoreSignal(int) {}

TEST_P(InterruptedWritesTest, DeliverEveryByteInOrder) {
  const auto [gbk, expected] = lines(40000);  // 240,000 bytes in
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
#ifdef F_SETPIPE_SZ  // Linux; elsewhere the pipe keeps the system's own size
  fcntl(ends[1], F_SETPIPE_SZ, 4096);
#endif

  // The reader gets no signal; the writer all of them.
  sigset_t alarm;
  sigemptyset(&alarm);
  sigaddset(&alarm, SIGALRM);
  pthread_sigmask(SIG_BLOCK, &alarm, nullptr);
  std::string received;
  std::thread reader([&] {
    char buffer[512];
    ssize_t got;
    while ((got = read(ends[0], buffer, sizeof buffer)) > 0) {
      received.append(buffer, static_cast<std::size_t>(got));
      usleep(10);
    }
  });
  pthread_sigmask(SIG_UNBLOCK, &alarm, nullptr);

  struct sigaction action {};
  struct sigaction previous {};
  action.sa_handler = ignoreSignal;
  action.sa_flags = GetParam() ? SA_RESTART : 0;
  sigaction(SIGALRM, &action, &previous);
  const itimerval every100us = {{0, 100}, {0, 100}};
  setitimer(ITIMER_REAL, &every100us, nullptr);
  bool written;
  {
    console::GbkToUtf8 converter(ends[1]);
    // In pieces the size of a stream's buffer, as standard output hands them.
    written = true;
    for (std::size_t at = 0; at < gbk.size() && written; at += 8192)
      written = converter.write(gbk.data() + at, std::min<std::size_t>(8192, gbk.size() - at));
  }
  const itimerval stop = {};
  setitimer(ITIMER_REAL, &stop, nullptr);
  sigaction(SIGALRM, &previous, nullptr);
  close(ends[1]);
  reader.join();
  close(ends[0]);

  EXPECT_TRUE(written);
  EXPECT_EQ(received.size(), expected.size());
  EXPECT_TRUE(received == expected)
      << "the text differs from byte "
      << std::mismatch(received.begin(), received.end(), expected.begin(), expected.end()).first -
             received.begin();
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutRestart, InterruptedWritesTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "SaRestart" : "NoSaRestart";
                         });

TEST(GbkToUtf8Test, AWriteThatFailsSaysSo) {
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  close(ends[0]);
  close(ends[1]);
  console::GbkToUtf8 converter(ends[1]);
  EXPECT_FALSE(converter.write("abc", 3));
  EXPECT_EQ(errno, EBADF);
}

}  // namespace
