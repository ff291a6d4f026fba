#include "font/slots.h"

#include "font/characters.h"
#include "font/charsets.h"

#include <QCoreApplication>

#include <vector>

namespace {

// ASCII's printable characters; the other slots hold whatever a vendor put there.
bool printable(char32_t code) {
    return code >= 0x20 && code <= 0x7E;
}

int gb2312Slot(uint16_t code) {
    return ((code >> 8) - 0xA1) * 94 + (code & 0xFF) - 0xA1;
}

// The character of each GB2312 slot, or 0 where the code decodes to none.
const std::vector<char32_t>& gb2312Characters() {
    static const std::vector<char32_t> characters = [] {
        std::vector<char32_t> characters(87 * 94, 0);
        for (const CharsetEntry& entry : Gb2312())
            characters[gb2312Slot(entry.gb2312)] = entry.codePoint;
        return characters;
    }();
    return characters;
}

}  // namespace

std::optional<Slots> Slots::of(const QString& charset, QSize size) {
    if (charset == QLatin1String("gb2312")) return Slots(true);
    if (charset == QLatin1String("ascii") && size.width() < size.height()) return Slots(false);
    return std::nullopt;
}

int Slots::slotOf(const Characters& characters, size_t i) const {
    if (gb2312_) return characters.gb2312[i] ? gb2312Slot(characters.gb2312[i]) : -1;
    const QList<uint> ucs4 = characters.distinct[i].toUcs4();
    return !characters.named[i] && ucs4.size() == 1 && printable(ucs4.front()) ? int(ucs4.front())
                                                                               : -1;
}

uint16_t Slots::code(int slot) const {
    return gb2312_ ? uint16_t((slot / 94 + 0xA1) << 8 | (slot % 94 + 0xA1)) : 0;
}

void Slots::addEntry(int slot, Characters& characters) const {
    if (gb2312_) {
        if (const char32_t character = gb2312Characters()[slot])
            characters.addGlyph(QString::fromUcs4(&character, 1));
        else
            characters.addNamed(QStringLiteral("GB2312 %1").arg(code(slot), 4, 16).toUpper(),
                                code(slot));
    } else if (printable(char32_t(slot))) {
        characters.addGlyph(QString(QChar(slot)));
    } else {
        characters.addNamed(QStringLiteral("slot 0x%1").arg(slot, 2, 16, QLatin1Char('0')));
    }
}

QString Slots::name() const {
    return gb2312_ ? QCoreApplication::translate("glimmet-font", "the 87 x 94 slots of GB2312")
                   : QCoreApplication::translate("glimmet-font", "the 256 slots of ASCII");
}
