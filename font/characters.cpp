#include "font/characters.h"

#include "capture/characters.h"
#include "font/charsets.h"

namespace {

uint16_t codeOf(const QString& character) {
    const QList<uint> ucs4 = character.toUcs4();
    return ucs4.size() == 1 ? Gb2312Code(ucs4.front()) : 0;
}

}  // namespace

void Characters::append(const QString& text, uint16_t code, bool isName) {
    sequence.push_back(int32_t(distinct.size()));
    distinct.push_back(text);
    gb2312.push_back(code);
    named.push_back(isName);
}

void Characters::add(const QString& character) {
    if (QChar::category(character.front().unicode()) == QChar::Other_Control) return;
    const auto found = index_.constFind(character);
    if (found != index_.constEnd()) return sequence.push_back(*found);
    index_.insert(character, int32_t(distinct.size()));
    append(character, codeOf(character), false);
}

void Characters::addGlyph(const QString& character) {
    append(character, codeOf(character), false);
}

void Characters::addNamed(const QString& name, uint16_t code) {
    append(name, code, true);
}

QString Characters::caption(size_t i) const {
    return named[i] ? distinct[i] : Named(distinct[i]);
}

QString Characters::text() const {
    QString text;
    for (int32_t i : sequence) text += distinct[size_t(i)];
    return text;
}

// Room for every character at once: a text of tens of thousands would otherwise copy the lists
// again and again.
void Characters::addText(const QString& text) {
    const size_t most = size_t(text.size());
    sequence.reserve(sequence.size() + most);
    distinct.reserve(distinct.size() + most);
    gb2312.reserve(gb2312.size() + most);
    named.reserve(named.size() + most);
    index_.reserve(index_.size() + qsizetype(most));
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

QString WithoutByteOrderMark(QString text) {
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

QString Named(const QString& character) {
    return character + QLatin1Char(' ') + CodePoints(character);
}

QString CodePoints(const QString& character) {
    QStringList names;
    for (uint code : character.toUcs4()) names << QString::asprintf("U+%04X", code);
    return names.join(QLatin1Char(' '));
}
