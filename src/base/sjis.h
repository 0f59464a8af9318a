// Every text the game handles is Shift-JIS bytes. Our source files are UTF-8, so literals are
// converted once, on first use, and kept for the whole run.
#pragma once

#include <string>
#include <string_view>

// Shift-JIS (CP932) bytes of a UTF-8 text. Characters that have no Shift-JIS form become "?".
std::string toShiftJis(std::string_view utf8);
// UTF-8 of Shift-JIS bytes (for message boxes, window titles and tests). Bytes that do not decode
// become U+FFFD.
std::string fromShiftJis(std::string_view shiftJis);

// The Shift-JIS form of a UTF-8 string literal, converted on first use and cached for the run:
// sj("ＣＬＥＡＲ"). The pointer stays valid until the program ends.
const char* sj(const char* utf8Literal);
