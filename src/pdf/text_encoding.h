// Texts come in as UTF-8 and go into the PDF as Windows-1252.
#pragma once

#include <string>
#include <string_view>

namespace pdf {

// UTF-8 to Windows-1252: "€" becomes byte 0x80, "é" 0xE9. A character that
// Windows-1252 cannot hold, and every byte of malformed UTF-8, becomes "?".
std::string ToAnsi(std::string_view utf8);
void AppendAnsi(std::string& out, std::string_view utf8);

// Escaping: "\" becomes "\\", then "(" becomes "\(" and ")" becomes "\)".
std::string EscapeText(std::string_view text);
void AppendEscaped(std::string& out, std::string_view text);

}  // namespace pdf
