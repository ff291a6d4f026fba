#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The codes firmware finds a glyph by: Unicode's code points, or the bytes of GB2312 as a Chinese
// firmware's strings hold them (EUC-CN: ASCII in one byte, the rest in two).
enum class CodeSet { Unicode, Gb2312 };

// The set an --index names: gb2312 or unicode.
CodeSet CodeSetNamed(const QString& name);

// The code of a character in the set: its code point, or its GB2312 bytes read as a number (one
// byte, or two with the high one first). Nothing for a character of several code points or one
// the set has no code for.
std::optional<uint32_t> CodeOf(const QString& character, CodeSet set);
