#include "font/characters.h"

#include "capture/characters.h"
#include "font/charsets.h"

void Characters::add(const QString& character) {
    if (QChar::category(character.front().unicode()) == QChar::Other_Control) return;
    auto found = index_.constFind(character);
    if (found == index_.constEnd()) {
        found = index_.insert(character, int32_t(distinct.size()));
        distinct.push_back(character);
        const QList<uint> ucs4 = character.toUcs4();
        gb2312.push_back(ucs4.size() == 1 ? Gb2312Code(ucs4.front()) : 0);
    }
    sequence.push_back(*found);
}

void Characters::addText(const QString& text) {
    ForEachCharacter(text, [&](const QString& character) { add(character); });
}

namespace {

// The length of the sequence a lead byte starts and the least code point it may encode.
bool lead(uint8_t byte, int& length, char32_t& least) {
    if (byte < 0x80) return length = 1, least = 0, true;
    if (byte >= 0xC2 && byte <= 0xDF) return length = 2, least = 0x80, true;
    if (byte >= 0xE0 && byte <= 0xEF) return length = 3, least = 0x800, true;
    if (byte >= 0xF0 && byte <= 0xF4) return length = 4, least = 0x10000, true;
    return false;
}

}  // namespace

qsizetype FirstInvalidUtf8(QByteArrayView bytes) {
    for (qsizetype i = 0; i < bytes.size();) {
        const auto byte = uint8_t(bytes[i]);
        int length;
        char32_t least;
        if (!lead(byte, length, least) || i + length > bytes.size()) return i;
        char32_t code = length == 1 ? byte : byte & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = uint8_t(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return i;
            code = code << 6 | (next & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return i;
        i += length;
    }
    return -1;
}

QString Named(const QString& character) {
    return character + QLatin1Char(' ') + CodePoints(character);
}

QString CodePoints(const QString& character) {
    QStringList names;
    for (uint code : character.toUcs4()) names << QString::asprintf("U+%04X", code);
    return names.join(QLatin1Char(' '));
}
