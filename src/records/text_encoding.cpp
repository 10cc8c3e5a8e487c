#include "records/text_encoding.h"

#include <algorithm>

#include <array>
#include <cstddef>
#include <cstdint>

namespace klotix {
namespace {

// Windows-1252 characters for bytes 0x80-0x9F; 0 marks a byte the code page
// leaves undefined, which keeps its Latin-1 value.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98-9F
};

constexpr char32_t kReplacementCharacter = 0xFFFD;

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

std::uint8_t byteAt(std::string_view s, std::size_t i) { return static_cast<std::uint8_t>(s[i]); }

bool isContinuation(std::string_view s, std::size_t i) {
  return i < s.size() && (byteAt(s, i) & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence that starts at `pos`, or 0 when
// the bytes there are not one. The ranges for the second byte exclude
// overlong forms, surrogates and code points past U+10FFFF.
std::size_t sequenceLength(std::string_view s, std::size_t pos) {
  const std::uint8_t lead = byteAt(s, pos);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  std::uint8_t secondMin = 0x80;
  std::uint8_t secondMax = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) secondMin = 0xA0;
    if (lead == 0xED) secondMax = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) secondMin = 0x90;
    if (lead == 0xF4) secondMax = 0x8F;
  } else {
    return 0;
  }
  if (pos + 1 >= s.size()) return 0;
  const std::uint8_t second = byteAt(s, pos + 1);
  if (second < secondMin || second > secondMax) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if (!isContinuation(s, pos + k)) return 0;
  }
  return length;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t length = sequenceLength(bytes, pos);
    if (length == 0) return false;
    pos += length;
  }
  return true;
}

std::string cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const std::uint8_t b = byteAt(bytes, i);
    char32_t cp = b;
    if (b >= 0x80 && b <= 0x9F && kCp1252High[b - 0x80] != 0) cp = kCp1252High[b - 0x80];
    appendUtf8(out, cp);
  }
  return out;
}

std::string sanitizeLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = sequenceLength(text, pos);
    if (length == 0) {
      // One replacement per bad byte keeps the rest of the line in step.
      appendUtf8(out, kReplacementCharacter);
      ++pos;
      continue;
    }
    if (length == 1) {
      const std::uint8_t b = byteAt(text, pos);
      out.push_back(b < 0x20 || b == 0x7F ? ' ' : static_cast<char>(b));
    } else {
      out.append(text.substr(pos, length));
    }
    pos += length;
  }
  return out;
}

std::string_view firstCharacters(std::string_view text, int count) {
  std::size_t pos = 0;
  for (int taken = 0; taken < count && pos < text.size(); ++taken) {
    pos += std::max<std::size_t>(sequenceLength(text, pos), 1);
  }
  return text.substr(0, pos);
}

std::string_view trimBlanks(std::string_view text) {
  constexpr std::string_view kBlanks = " \t";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

}  // namespace klotix
