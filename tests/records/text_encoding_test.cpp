#include "records/text_encoding.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace klotix {
namespace {

// A file is read as Windows-1252 exactly when it is not valid UTF-8, so the
// check must reject every malformed form and accept every valid one.
TEST(TextEncoding, Utf8CheckAcceptsWellFormedTextOnly) {
  struct Case {
    std::string bytes;
    bool valid;
  };
  const Case cases[] = {
      {"", true},
      {"plain ASCII, \"quoted\"", true},
      {"J\xC3\xB6rg \xE2\x82\xAC \xF0\x9D\x84\x9E", true},  // 2, 3 and 4 bytes
      {"\xED\x9F\xBF \xEE\x80\x80 \xF4\x8F\xBF\xBF", true},  // edges of the valid ranges
      {"J\xF6rg", false},                                   // Windows-1252 letter
      {"\x80", false},                                      // stray continuation byte
      {"\xC0\xAF", false},                                  // overlong slash
      {"\xC1\xBF", false},
      {"\xE0\x80\xAF", false},
      {"\xF0\x80\x80\xAF", false},
      {"\xED\xA0\x80", false},                              // surrogate
      {"\xF4\x90\x80\x80", false},                          // past U+10FFFF
      {"\xF5\x80\x80\x80", false},
      {"\xE2\x82", false},                                  // cut short at the end
      {"\xE2\x82x", false},                                 // cut short inside
      {"\xFF", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isValidUtf8(c.bytes), c.valid) << ::testing::PrintToString(c.bytes);
  }
}

// No byte of an old file may be lost: each of the 256 bytes must turn into
// valid UTF-8 of its own, different from every other byte's.
TEST(TextEncoding, Windows1252DecodingKeepsEveryByteApart) {
  std::set<std::string> seen;
  for (int b = 0; b < 256; ++b) {
    const std::string utf8 = cp1252ToUtf8(std::string(1, static_cast<char>(b)));
    EXPECT_TRUE(isValidUtf8(utf8)) << b;
    EXPECT_EQ(utf8.size() == 1, b < 0x80) << b;
    seen.insert(utf8);
  }
  EXPECT_EQ(seen.size(), 256u);
  EXPECT_EQ(cp1252ToUtf8("\x80\x99\xA0\xFF"), "\u20AC\u2122\u00A0\u00FF");
}

}  // namespace
}  // namespace klotix
