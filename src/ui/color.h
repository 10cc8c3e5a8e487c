// Colours as the game stores them: a 24-bit RGB value in 32 bits, laid out
// 0x00BBGGRR. Grid cells hold and report exactly this value.
#pragma once

#include <cstdint>

namespace klotix {

using Color = std::uint32_t;

// RGB(r, g, b) = r + 256 * g + 65536 * b, each component 0..255.
constexpr Color rgb(int r, int g, int b) {
  return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}

constexpr int redOf(Color c) { return static_cast<int>(c & 0xFFu); }
constexpr int greenOf(Color c) { return static_cast<int>((c >> 8) & 0xFFu); }
constexpr int blueOf(Color c) { return static_cast<int>((c >> 16) & 0xFFu); }

}  // namespace klotix
