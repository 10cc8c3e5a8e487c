// Text helpers for names and the record file. Names are kept and written as
// UTF-8; record files written by earlier versions hold 8-bit Windows-1252
// text and are turned into UTF-8 when read.
#pragma once

#include <string>
#include <string_view>

namespace klotix {

// True when `bytes` is well-formed UTF-8: no stray continuation bytes,
// truncated or overlong sequences, surrogates or code points past U+10FFFF.
// Empty and pure ASCII text are valid.
bool isValidUtf8(std::string_view bytes);

// Decodes `bytes` as Windows-1252 and returns the same text in UTF-8.
// 0x00-0x7F and 0xA0-0xFF map to the same code point (as in Latin-1);
// 0x80-0x9F map to the Windows-1252 characters (0x80 is the euro sign).
// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) keep their Latin-1 value, as Windows' own conversion does, so no
// byte of an old file is lost.
std::string cp1252ToUtf8(std::string_view bytes);

// The first `count` characters (code points) of the valid UTF-8 `text`;
// all of it when it has no more.
std::string_view firstCharacters(std::string_view text, int count);

// `text` without the blanks (spaces and tabs) before and after it.
std::string_view trimBlanks(std::string_view text);

// Makes `text` safe to write as one line of UTF-8: every ill-formed byte
// sequence becomes U+FFFD, and every C0 control character (tab, CR, LF and
// the others below 0x20) and DEL becomes a blank. Valid text without
// control characters comes back unchanged.
std::string sanitizeLine(std::string_view text);

}  // namespace klotix
