// The converter under standard output on a UTF-8 terminal. This file is
// compiled as the programs are, so its narrow literals are GBK bytes; u8
// literals are UTF-8.

#include "platform/gbk_to_utf8.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace {

// What the converter writes for the chunks, read back through a pipe.
std::string converted(std::initializer_list<std::string> chunks) {
  int ends[2];
  if (pipe(ends) != 0) return "no pipe";
  {
    console::GbkToUtf8 converter(ends[1]);
    EXPECT_TRUE(converter.ok());
    for (const std::string& chunk : chunks)
      EXPECT_TRUE(converter.write(chunk.data(), chunk.size()));
  }
  close(ends[1]);
  std::string text;
  char buffer[4096];
  ssize_t got;
  while ((got = read(ends[0], buffer, sizeof buffer)) > 0) text.append(buffer, got);
  close(ends[0]);
  return text;
}

std::string utf8(const char* text) { return text; }

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
