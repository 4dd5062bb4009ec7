#include <gtest/gtest.h>

#include <set>

#include "console/MemoryConsole.h"

namespace vm::test {
namespace {

struct KeyCase {
  std::string bytes;
  std::vector<int> keys;
};

TEST(KeyDecoderTest, BytesBecomeScanCodes) {
  const KeyCase cases[] = {
      {"\x1b[A\x1b[B\x1b[C\x1b[D", {72, 80, 77, 75}},
      {"\x1bOA\x1bOB\x1bOC\x1bOD", {72, 80, 77, 75}},
      {"abmpzq", {30, 48, 50, 25, 44, 16}},
      {"ABMPZQ", {30, 48, 50, 25, 44, 16}},
      {"1 \n", {0, 0, 0}},
      {"\x1b[1;5A", {72}},      // modifiers ignored
      {"\x1b[5~b", {0, 48}},    // unknown sequence swallowed whole
      {"\x1bxb", {0, 45, 48}},  // a lone Escape is a key of its own
      {"\x1b", {0}},
      {"\x1b[", {0}},
  };
  for (const KeyCase& c : cases) {
    MemoryConsole con(c.bytes);
    std::vector<int> got;
    for (int k = con.GetKey(); k != key::EndOfInput; k = con.GetKey()) got.push_back(k);
    EXPECT_EQ(got, c.keys) << c.bytes;
  }
}

TEST(KeyDecoderTest, EveryLetterHasItsOwnScanCode) {
  std::set<int> codes;
  for (char ch = 'a'; ch <= 'z'; ++ch) codes.insert(letterScanCode(ch));
  EXPECT_EQ(codes.size(), 26u);
  EXPECT_EQ(codes.count(key::Unknown), 0u);
}

TEST(LineReaderTest, ExtractionLeavesTheRestOfTheLine) {
  MemoryConsole con("  -5 rest\n42\n");
  int v = 0;
  ASSERT_TRUE(con.In().readInt(v));
  EXPECT_EQ(v, -5);
  std::string w;
  ASSERT_TRUE(con.In().readWord(w));
  EXPECT_EQ(w, "rest");
  EXPECT_EQ(con.In().get(), '\n');
  ASSERT_TRUE(con.In().readInt(v));
  EXPECT_EQ(v, 42);
}

TEST(LineReaderTest, IntegerSkipsLineEndsBeforeDigits) {
  MemoryConsole con("\n\n  7\n");
  int v = 0;
  ASSERT_TRUE(con.In().readInt(v));
  EXPECT_EQ(v, 7);
}

TEST(LineReaderTest, NotANumberFailsAndDropsItsLine) {
  MemoryConsole con("abc 5\n9\n");
  int v = 1;
  EXPECT_FALSE(con.In().readInt(v));
  EXPECT_EQ(v, 1);
  ASSERT_TRUE(con.In().readInt(v));
  EXPECT_EQ(v, 9);
}

TEST(LineReaderTest, NumberBeyond32BitsFails) {
  MemoryConsole con("2147483648\n-2147483648\n");
  int v = 1;
  EXPECT_FALSE(con.In().readInt(v));
  ASSERT_TRUE(con.In().readInt(v));
  EXPECT_EQ(v, -2147483647 - 1);
}

TEST(LineReaderTest, EndOfInputFailsEveryRead) {
  MemoryConsole con("");
  int v = 3;
  std::string w;
  EXPECT_FALSE(con.In().readInt(v));
  EXPECT_FALSE(con.In().readWord(w));
  EXPECT_EQ(con.In().get(), -1);
  EXPECT_EQ(v, 3);
}

TEST(LineReaderTest, AnswersNeverReachTheKeys) {
  MemoryConsole con("1 2\nb");
  int v = 0;
  ASSERT_TRUE(con.In().readInt(v));
  EXPECT_EQ(con.GetKey(), key::B);
  ASSERT_TRUE(con.In().readInt(v));
  EXPECT_EQ(v, 2);
}

}  // namespace
}  // namespace vm::test
