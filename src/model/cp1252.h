#pragma once

#include <string>
#include <string_view>

// Windows-1252, the 8-bit character set of documents, the catalogue and the program's own
// texts. The five bytes that Windows-1252 leaves undefined map to the C1 control characters of
// the same value, so every byte survives a round trip through Unicode.
namespace cp1252 {

// The Unicode code point of a byte.
char32_t ToUnicode(unsigned char byte);
// The byte of a code point, or -1 when Windows-1252 cannot hold it.
int FromUnicode(char32_t codePoint);

// A control character: C0, DEL, and the five bytes that Windows-1252 leaves undefined (which
// stand for C1 controls).
bool IsControl(unsigned char byte);
// Appends a byte as a visible escape, "\x1b", for outputs that must not carry it.
void AppendEscaped(std::string& out, unsigned char byte);

std::string ToUtf8(std::string_view bytes);
// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t codePoint);
// Converts UTF-8 text; a character that Windows-1252 cannot hold becomes '?', and the first
// such character (as UTF-8) is stored in *unmappable when given.
std::string FromUtf8(std::string_view utf8, std::string* unmappable = nullptr);

}  // namespace cp1252

// The program's own texts are written in UTF-8 in the source and held in Windows-1252, like
// every other text of the document: W("Línea") gives the bytes L, 0xED, n, e, a.
std::string W(std::string_view utf8Literal);
