// Windows-1252: upper-casing as Windows does it for this code page, and the
// conversions to and from UTF-8 at the edges of the program (files from
// builders, terminal output, the windowing toolkit). Inside the program all
// text stays Windows-1252 bytes.
#ifndef VX_ENGINE_UTIL_CP1252_H_
#define VX_ENGINE_UTIL_CP1252_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace vx {

// The upper-case form of one byte: a-z, the accented small letters E0h-FEh
// except the division sign F7h, and š œ ž ÿ become capitals; ß and µ, which
// have no capital in the code page, stay.
char UpperCaseChar(char c);

// `s` with every byte upper-cased by UpperCaseChar.
std::string UpperCase(std::string s);

// Converts every byte to its character. The five bytes the code page leaves
// unassigned (81h, 8Dh, 8Fh, 90h, 9Dh) become the control characters of the
// same number, as Windows converts them, so every byte string round-trips.
std::string Cp1252ToUtf8(std::string_view text);

// Converts UTF-8 to Windows-1252 into `out`. Fails on malformed UTF-8
// (overlong forms, surrogates, code points above 10FFFFh, truncated
// sequences) and on characters the code page lacks; `out` then holds the
// conversion of the text before the offending character and, when
// `error_offset` is given, it receives that character's byte offset.
bool Utf8ToCp1252(std::string_view utf8, std::string& out, size_t* error_offset = nullptr);

// True when `text` is well-formed UTF-8 by the rules above.
bool IsValidUtf8(std::string_view text);

}  // namespace vx

#endif  // VX_ENGINE_UTIL_CP1252_H_
