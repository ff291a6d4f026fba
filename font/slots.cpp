#include "font/slots.h"

#include "font/characters.h"
#include "font/charsets.h"
#include "font/options.h"
#include "font/rows.h"

#include <QCoreApplication>
#include <QRegularExpression>

// HZK24S, HZK24K, HZK24H and HZK24F (Song, Kai, Hei, Fangsong) hold the hanzi alone, from B0A1
// at offset 0, each glyph 72 bytes down its 24 columns, the top pixel in bit 7; their symbols are
// in a file of their own (HZK24T), whose layout is not pinned down.
const std::vector<SlotFile>& SlotFiles() {
    static const std::vector<SlotFile> files{
        {"gb2312",
         QT_TRANSLATE_NOOP("glimmet-font",
                           "every GB2312 code, 87 rows of 94 from A1A1\n(HZK16, HZK12)"),
         0xA1,
         87,
         std::nullopt,
         {}},
        {"hzk24",
         QT_TRANSLATE_NOOP("glimmet-font",
                           "the hanzi, 72 rows of 94 from B0A1, 24 x 24\ndown "
                           "columns (HZK24S, HZK24K, HZK24H, HZK24F)"),
         0xB0,
         72,
         Layout{Scan::Columns, false, false},
         {24, 24}},
    };
    return files;
}

QStringList SlotFileNames() {
    return RowNames(SlotFiles());
}

void ApplySlotFile(Options& options) {
    if (options.slotFile.isEmpty() || !options.board.isEmpty()) return;
    const SlotFile& file = FindRow(SlotFiles(), options.slotFile);
    if (file.layout && !options.isGiven("scan")) options.layout.scan = file.layout->scan;
    if (!file.size.isEmpty() && !options.isGiven("size")) options.size = file.size;
}

namespace {

constexpr int RowLength = 94;

// ASCII's printable characters; the other slots hold whatever a vendor put there.
bool printable(char32_t code) {
    return code >= 0x20 && code <= 0x7E;
}

// The character of each code of rows A1 to FE, or 0 where the code decodes to none.
char32_t gb2312Character(uint16_t code) {
    static const std::vector<char32_t> characters = [] {
        std::vector<char32_t> characters(RowLength * RowLength, 0);
        for (const CharsetEntry& entry : Gb2312())
            characters[((entry.gb2312 >> 8) - 0xA1) * RowLength + (entry.gb2312 & 0xFF) - 0xA1] =
                entry.codePoint;
        return characters;
    }();
    return characters[((code >> 8) - 0xA1) * RowLength + (code & 0xFF) - 0xA1];
}

// "B0A1", "A1".
QString hex(uint16_t value) {
    return QString::number(value, 16).toUpper();
}

QString asciiName(int slot) {
    return QStringLiteral("slot 0x%1").arg(slot, 2, 16, QLatin1Char('0'));
}

}  // namespace

std::optional<Slots> Slots::of(const QString& slotFile, const QString& charset, QSize size) {
    if (!slotFile.isEmpty()) {
        const SlotFile& file = FindRow(SlotFiles(), slotFile);
        return Slots(file.firstRow, file.rows);
    }
    if (charset == QLatin1String("gb2312")) return of(QStringLiteral("gb2312"), {}, size);
    if (charset == QLatin1String("ascii") && size.width() < size.height()) return Slots(0, 0);
    return std::nullopt;
}

int Slots::slotOfCode(uint16_t code) const {
    const int hi = code >> 8, lo = code & 0xFF;
    if (!rows_ || hi < firstRow_ || hi > 0xFE || lo < 0xA1 || lo > 0xFE) return -1;
    return (hi - firstRow_) * RowLength + lo - 0xA1;
}

int Slots::slotOf(const Characters& characters, size_t i) const {
    if (rows_) return slotOfCode(characters.gb2312[i]);
    const QString& character = characters.distinct[i];
    if (characters.named[i]) {
        bool ok = false;
        const int slot = character.mid(7).toInt(&ok, 16);
        return ok && slot >= 0 && slot < 256 && character == asciiName(slot) ? slot : -1;
    }
    const QList<uint> ucs4 = character.toUcs4();
    return ucs4.size() == 1 && printable(ucs4.front()) ? int(ucs4.front()) : -1;
}

void Slots::holdAll(const Characters& characters) {
    if (!rows_) return;
    for (size_t i = 0; i < characters.distinct.size(); ++i)
        if (const int slot = slotOf(characters, i); slot >= 0)
            rows_ = std::max(rows_, slot / RowLength + 1);
}

uint16_t Slots::code(int slot) const {
    return rows_ ? uint16_t((slot / RowLength + firstRow_) << 8 | (slot % RowLength + 0xA1)) : 0;
}

bool Slots::assigned(int slot) const {
    return rows_ ? gb2312Character(code(slot)) != 0 : printable(char32_t(slot));
}

void Slots::addEntry(int slot, Characters& characters) const {
    if (!rows_) {
        if (printable(char32_t(slot)))
            characters.addGlyph(QString(QChar(slot)));
        else
            characters.addNamed(asciiName(slot));
    } else if (const char32_t character = gb2312Character(code(slot))) {
        characters.addGlyph(QString::fromUcs4(&character, 1));
    } else {
        characters.addNamed(SlotName(code(slot)), code(slot));
    }
}

QString Slots::name() const {
    if (!rows_) return QCoreApplication::translate("glimmet-font", "the 256 slots of ASCII");
    return QCoreApplication::translate("glimmet-font", "the %1 x 94 slots of GB2312 from %2")
        .arg(most() / RowLength)
        .arg(hex(code(0)));
}

QString Slots::described() const {
    return QStringLiteral(
               "%1 rows of 94 slots: the glyph of GB2312 code (hi, lo) is number (hi - 0x%2) * 94 "
               "+ (lo - 0xA1); unused slots are blank.")
        .arg(rows_)
        .arg(hex(firstRow_));
}

QString SlotName(uint16_t code) {
    return QStringLiteral("GB2312 ") + hex(code);
}

uint16_t SlotCode(const QString& name) {
    static const QRegularExpression slot(QStringLiteral("^GB2312 [0-9A-F]{4}$"));
    if (!slot.match(name).hasMatch()) return 0;
    const auto code = uint16_t(name.mid(7).toUInt(nullptr, 16));
    const auto inRow = [](int byte) { return byte >= 0xA1 && byte <= 0xFE; };
    return inRow(code >> 8) && inRow(code & 0xFF) ? code : 0;
}
