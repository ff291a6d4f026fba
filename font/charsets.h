#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// A character of a character set, with its GB2312 code (high byte, low byte) or 0.
struct CharsetEntry {
    char32_t codePoint;
    uint16_t gb2312;
};

// GB2312 in code order, read from the system's own encoding table (glibc's iconv).
const std::vector<CharsetEntry>& Gb2312();
// The GB2312 code of a character of one code point, or 0 where it has none; the characters GBK
// decodes some slots as find those slots too.
uint16_t Gb2312Code(char32_t codePoint);

// The names Charset takes.
QStringList CharsetNames();
// "gb2312", "gb2312-hanzi" or "ascii"; empty for an unknown name.
std::vector<CharsetEntry> Charset(const QString& name);
