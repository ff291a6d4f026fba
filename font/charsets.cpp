#include "font/charsets.h"

#include <QHash>
#include <QSet>

#include <iconv.h>

#include <algorithm>

namespace {

// Every two-byte code of rows A1 to F7, slots A1 to FE, that the encoding decodes.
std::vector<CharsetEntry> decodeRows(const char* encoding) {
    std::vector<CharsetEntry> table;
    const iconv_t cd = iconv_open("UTF-32LE", encoding);
    if (cd == iconv_t(-1)) return table;
    for (int hi = 0xA1; hi <= 0xF7; ++hi) {
        for (int lo = 0xA1; lo <= 0xFE; ++lo) {
            char in[2] = {char(hi), char(lo)};
            char32_t out = 0;
            char *from = in, *to = reinterpret_cast<char*>(&out);
            size_t fromLeft = 2, toLeft = sizeof out;
            if (iconv(cd, &from, &fromLeft, &to, &toLeft) != size_t(-1) && toLeft == 0)
                table.push_back({out, uint16_t(hi << 8 | lo)});
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return table;
}

}  // namespace

const std::vector<CharsetEntry>& Gb2312() {
    static const std::vector<CharsetEntry> table = decodeRows("GB2312");
    return table;
}

// GBK decodes two of GB2312's slots as other characters than GB2312 does (A1A4 as U+00B7 for
// U+30FB, A1AA as U+2014 for U+2015), and text decoded from GBK holds those: both find the slot.
// GBK's codes in slots GB2312 leaves unassigned are not GB2312's.
uint16_t Gb2312Code(char32_t codePoint) {
    static const QHash<char32_t, uint16_t> codes = [] {
        QHash<char32_t, uint16_t> codes;
        QSet<uint16_t> assigned;
        for (const CharsetEntry& entry : Gb2312()) {
            codes.insert(entry.codePoint, entry.gb2312);
            assigned.insert(entry.gb2312);
        }
        for (const CharsetEntry& entry : decodeRows("GBK"))
            if (assigned.contains(entry.gb2312) && !codes.contains(entry.codePoint))
                codes.insert(entry.codePoint, entry.gb2312);
        return codes;
    }();
    return codes.value(codePoint, 0);
}

QStringList CharsetNames() {
    return {QStringLiteral("gb2312"), QStringLiteral("gb2312-hanzi"), QStringLiteral("ascii")};
}

std::vector<CharsetEntry> Charset(const QString& name) {
    std::vector<CharsetEntry> entries;
    if (name == QLatin1String("gb2312")) return Gb2312();
    if (name == QLatin1String("gb2312-hanzi")) {
        // The hanzi start at row 16 (B0); the rows before hold the symbols.
        std::copy_if(Gb2312().begin(), Gb2312().end(), std::back_inserter(entries),
                     [](const CharsetEntry& entry) { return entry.gb2312 >= 0xB0A1; });
    } else if (name == QLatin1String("ascii")) {
        for (char32_t c = 0x20; c <= 0x7E; ++c) entries.push_back({c, 0});
    }
    return entries;
}
