// Conversion between Windows-1252 (inside the program) and UTF-8 (at its edges).
#ifndef VELIMORA_TEXT_CODEPAGE_H_
#define VELIMORA_TEXT_CODEPAGE_H_

#include <string>
#include <string_view>

#include "text/status.h"

namespace velimora {

// The Unicode code point of one Windows-1252 byte. The five bytes the code page leaves
// undefined map to the C1 control with the same value, so every byte round-trips.
char32_t cp1252_to_unicode(unsigned char b);

// Every Windows-1252 text converts; never fails.
std::string cp1252_to_utf8(std::string_view s);

// Fails on malformed UTF-8 or on a character Windows-1252 cannot hold; the error names the
// character and its byte position in the input.
Result<std::string> utf8_to_cp1252(std::string_view s);

// A UTF-8 text fit for a message: well-formed sequences stay as they are, every byte that is
// not part of one is shown as \xNN, so the message is valid UTF-8 whatever came in.
std::string escape_invalid_utf8(std::string_view s);

}  // namespace velimora

#endif  // VELIMORA_TEXT_CODEPAGE_H_
