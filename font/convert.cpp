#include "font/convert.h"

#include "font/characters.h"
#include "font/charsets.h"
#include "font/encoding.h"
#include "font/glyphs.h"
#include "font/output.h"
#include "font/preview.h"
#include "font/sheet.h"
#include "font/strip.h"
#include "font/typeface.h"

#include <QCoreApplication>
#include <QFile>
#include <QRawFont>

#include <functional>
#include <numeric>
#include <optional>

namespace {

QString inputName(const Options& options) {
    if (!options.charset.isEmpty()) return QStringLiteral("--charset ") + options.charset;
    if (options.input.isEmpty())
        return QCoreApplication::translate("glimmet-font", "the text arguments");
    if (options.input == QLatin1String("-"))
        return QCoreApplication::translate("glimmet-font", "standard input");
    return QStringLiteral("'%1'").arg(options.input);
}

std::optional<QByteArray> readInput(const Options& options) {
    QFile file(options.input);
    const bool opened = options.input == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                            : file.open(QIODevice::ReadOnly);
    QByteArray bytes;
    if (opened) bytes = file.readAll();
    if (!opened || file.error() != QFileDevice::NoError) {
        Complain(QCoreApplication::translate("glimmet-font", "cannot read %1: %2")
                     .arg(inputName(options), file.errorString()));
        return std::nullopt;
    }
    return bytes;
}

// For a file that is not UTF-8: the encodings it may be in, as options to try.
QString encodingHint(QByteArrayView bytes) {
    QStringList likely = LikelyEncodings(bytes);
    if (likely.isEmpty()) return {};
    if (likely.size() == 1)
        return QCoreApplication::translate("glimmet-font", "; if it is %1, give --encoding %2")
            .arg(EncodingLabel(likely[0]), likely[0]);
    return QCoreApplication::translate("glimmet-font",
                                       "; if it is %1 or %2, give --encoding %3 or --encoding %4")
        .arg(EncodingLabel(likely[0]), EncodingLabel(likely[1]), likely[0], likely[1]);
}

// The file in the encoding that --encoding names or its byte order mark tells (UTF-8 unless
// told otherwise); a byte order mark is no character.
bool addFile(const Options& options, Characters& characters) {
    std::optional<QByteArray> bytes = readInput(options);
    if (!bytes) return false;
    const QString encoding = options.encoding.isEmpty() ? EncodingOfMark(*bytes) : options.encoding;
    qsizetype bad = -1;
    std::optional<QString> text = Decode(*bytes, encoding, bad);
    if (!text) {
        Complain(QCoreApplication::translate("glimmet-font",
                                             "%1 is not valid %2: byte 0x%3 at offset %4")
                     .arg(inputName(options), EncodingLabel(encoding))
                     .arg(uint8_t(bytes->at(bad)), 2, 16, QLatin1Char('0'))
                     .arg(bad) +
                 (encoding == QLatin1String("utf-8") ? encodingHint(*bytes) : QString()));
        return false;
    }
    bytes.reset();
    if (text->startsWith(QChar(0xFEFF))) text->remove(0, 1);  // a byte order mark is no character
    characters.addText(*text);
    return true;
}

std::optional<Characters> readCharacters(const Options& options) {
    Characters characters;
    if (!options.charset.isEmpty()) {
        for (const CharsetEntry& entry : Charset(options.charset))
            characters.add(QString::fromUcs4(&entry.codePoint, 1));
    } else if (!options.input.isEmpty()) {
        if (!addFile(options, characters)) return std::nullopt;
    } else {
        for (const QString& text : options.texts) characters.addText(text);
    }
    if (characters.empty()) {
        Complain(QCoreApplication::translate("glimmet-font", "no character to convert in %1")
                     .arg(inputName(options)));
        return std::nullopt;
    }
    return characters;
}

// At most this many characters are named in each warning; the rest are counted.
constexpr int NamedInWarnings = 20;

void warnAbout(const QStringList& characters, const QString& warning) {
    for (const QString& character :
         characters.first(std::min<qsizetype>(characters.size(), NamedInWarnings)))
        Complain(
            QCoreApplication::translate("glimmet-font", "warning: %1").arg(warning.arg(character)));
    if (characters.size() > NamedInWarnings)
        Complain(
            QCoreApplication::translate("glimmet-font", "warning: and %1 more characters likewise")
                .arg(characters.size() - NamedInWarnings));
}

// Glyphs that another font stands in for, and glyphs whose ink their capture's size cuts.
void warn(const Characters& characters, const QFont& font, const std::vector<char>& cut,
          const std::vector<QSize>& sizes) {
    const QRawFont raw = QRawFont::fromFont(font);
    QStringList missing, lost;
    for (size_t i = 0; i < characters.distinct.size(); ++i) {
        const QString& character = characters.distinct[i];
        const QList<uint> codes = MissingFromFont(character, raw);
        for (uint code : codes)
            missing << QString::asprintf("U+%04X", code) + QStringLiteral(" (%1)").arg(character);
        if (codes.isEmpty() && cut[i])
            lost << QCoreApplication::translate("glimmet-font",
                                                "%1 (%2) loses ink outside its %3 x %4 square")
                        .arg(CodePoints(character), character)
                        .arg(sizes[i].width())
                        .arg(sizes[i].height());
    }
    warnAbout(missing, QCoreApplication::translate(
                           "glimmet-font",
                           "the capture font has no glyph for %1; the table holds what the "
                           "window captures for it"));
    warnAbout(lost, QStringLiteral("%1"));
}

// Records with a GB2312 code need one for every character.
bool allCoded(const Characters& characters) {
    QStringList uncoded;
    for (size_t i = 0; i < characters.distinct.size(); ++i)
        if (!characters.gb2312[i]) uncoded << Named(characters.distinct[i]);
    if (uncoded.isEmpty()) return true;
    QString named = uncoded.first(std::min<qsizetype>(uncoded.size(), NamedInWarnings)).join(", ");
    if (uncoded.size() > NamedInWarnings)
        named += QCoreApplication::translate("glimmet-font", " and %1 more")
                     .arg(uncoded.size() - NamedInWarnings);
    Complain(QCoreApplication::translate("glimmet-font", "--index gb2312: no GB2312 code for %1")
                 .arg(named));
    return false;
}

// Where a table puts its characters: in slots of a whole character set, or one after another.
enum class Slots { None, Gb2312, Ascii };

Slots slotsOf(const Options& options) {
    const Table& table = options.table;
    const bool binary = table.format == Format::Binary;
    const bool halfWidth = table.size.width() < table.size.height();
    if (table.records == Records::Gb2312Slots ||
        (binary && options.charset == QLatin1String("gb2312")))
        return Slots::Gb2312;
    if (binary && halfWidth && options.charset == QLatin1String("ascii")) return Slots::Ascii;
    return Slots::None;
}

// The glyph of each slot, its place given by slotOf, the unused slots blank and labelled by
// codeOf.
void writeSlots(const Table& table, const Characters& characters, const std::vector<Glyph>& glyphs,
                const std::function<int(size_t)>& slotOf,
                const std::function<uint16_t(int)>& codeOf, Output& output) {
    std::vector<int32_t> characterOf(size_t(table.count), -1);
    for (size_t i = 0; i < characters.distinct.size(); ++i)
        characterOf[size_t(slotOf(i))] = int32_t(i);
    const Glyph blank(table.size);
    output.write(table.header());
    for (int slot = 0; slot < table.count; ++slot) {
        const int32_t i = characterOf[size_t(slot)];
        output.write(i < 0 ? table.glyph({}, codeOf(slot), blank)
                           : table.glyph(characters.distinct[i], characters.gb2312[i], glyphs[i]));
        output.write(table.separator(slot + 1 == table.count));
    }
    output.write(table.footer());
}

constexpr int Gb2312Rows = 87, Gb2312Slots = 94;

// HZK16, HZK12 and their kin: 87 rows of 94 slots, every code of GB2312 in its place.
void writeGb2312Slots(const Table& table, const Characters& characters,
                      const std::vector<Glyph>& glyphs, Output& output) {
    writeSlots(
        table, characters, glyphs,
        [&](size_t i) {
            const int hi = characters.gb2312[i] >> 8, lo = characters.gb2312[i] & 0xFF;
            return (hi - 0xA1) * Gb2312Slots + lo - 0xA1;
        },
        [](int slot) {
            return uint16_t((0xA1 + slot / Gb2312Slots) << 8 | (0xA1 + slot % Gb2312Slots));
        },
        output);
}

// ASC16, ASC12 and their kin: 256 slots, the character of code c in slot c.
void writeAsciiSlots(const Table& table, const Characters& characters,
                     const std::vector<Glyph>& glyphs, Output& output) {
    writeSlots(
        table, characters, glyphs,
        [&](size_t i) { return int(characters.distinct[i].front().unicode()); },
        [](int) { return uint16_t(0); }, output);
}

// A character that comes back is written from its first text.
void writeTable(const Table& table, const Characters& characters, const std::vector<Glyph>& glyphs,
                const std::vector<int32_t>& order, Output& output) {
    std::vector<QByteArray> texts(characters.distinct.size());
    output.write(table.header());
    for (size_t k = 0; k < order.size(); ++k) {
        const int32_t i = order[k];
        if (texts[i].isNull())
            texts[i] = table.glyph(characters.distinct[i], characters.gb2312[i], glyphs[i]);
        output.write(texts[i]);
        output.write(table.separator(k + 1 == order.size()));
    }
    output.write(table.footer());
}

// Each character once, or every appearance in order.
std::vector<int32_t> order(const Options& options, const Characters& characters) {
    if (!options.unique) return characters.sequence;
    std::vector<int32_t> distinct(characters.distinct.size());
    std::iota(distinct.begin(), distinct.end(), 0);
    return distinct;
}

void write(const Options& options, Table& table, const Characters& characters,
           const std::vector<Glyph>& glyphs, Output& output) {
    switch (slotsOf(options)) {
        case Slots::Gb2312:
            table.count = Gb2312Rows * Gb2312Slots;
            return writeGb2312Slots(table, characters, glyphs, output);
        case Slots::Ascii:
            table.count = 256;
            return writeAsciiSlots(table, characters, glyphs, output);
        case Slots::None:
            break;
    }
    const std::vector<int32_t> glyphOrder = order(options, characters);
    table.count = qsizetype(glyphOrder.size());
    // The text, glyph by glyph, for a table of each character once.
    if (options.unique && options.charset.isEmpty()) table.text = characters.sequence;
    writeTable(table, characters, glyphs, glyphOrder, output);
}

// The characters in the input's order, as one text.
QString message(const Characters& characters) {
    QString text;
    for (int32_t i : characters.sequence) text += characters.distinct[i];
    return text;
}

// What goes beside the table: the proof sheet or the preview.
bool writePictures(const Options& options, const Characters& characters,
                   const std::vector<Glyph>& glyphs, const std::optional<Strip>& strip) {
    QString error;
    if (!options.sheet.isEmpty() && !WriteSheet(options.sheet, characters, glyphs, error))
        return Complain(error), false;
    if (!options.preview.isEmpty() &&
        !WritePreview(options.preview, strip->picture, options.signWidth, error))
        return Complain(error), false;
    return true;
}

}  // namespace

Status Convert(const Options& options) {
    const std::optional<Characters> characters = readCharacters(options);
    if (!characters) return Failure;
    if (options.table.records == Records::Gb2312Index && !allCoded(*characters)) return Failure;
    Table table = options.table;
    const int em = table.size.height();
    QString error;
    const std::optional<Typeface> typeface =
        FindTypeface(options.font.isEmpty() ? DefaultFamily(em) : options.font, em, error);
    if (!typeface) return Complain(QStringLiteral("--font: ") + error), Failure;
    std::optional<Strip> strip;
    if (options.strip || !options.preview.isEmpty()) {
        strip = CaptureStrip(*characters, typeface->font, em, typeface->emTop, options.shift);
        if (strip->picture.size.isEmpty()) {
            Complain(QCoreApplication::translate(
                         "glimmet-font", "no character of %1 has a width to show in a strip")
                         .arg(inputName(options)));
            return Failure;
        }
    }
    std::vector<Glyph> glyphs;
    std::vector<char> cut;
    if (!options.strip) {
        glyphs = CaptureAll(
            characters->distinct,
            TableCapture(typeface->font, table.size, typeface->emTop, options.shift), &cut);
    }
    // The warnings are about the table's captures.
    warn(*characters, typeface->font, options.strip ? strip->cut : cut,
         options.strip ? strip->sizes : std::vector<QSize>(glyphs.size(), table.size));
    table.face = typeface->face;
    table.file = typeface->file;
    Output output, header;
    if (!output.open(options.output)) return Complain(output.error()), Failure;
    const bool declared = !options.header.isEmpty();
    if (declared && !header.open(options.header)) return Complain(header.error()), Failure;
    if (options.strip) {
        table.count = qsizetype(characters->sequence.size());
        output.write(table.strip(message(*characters), strip->picture));
    } else {
        write(options, table, *characters, glyphs, output);
    }
    if (declared) header.write(table.declarations());
    // Where a picture cannot be written, the table is not put in place either.
    if (!writePictures(options, *characters, glyphs, strip)) return Failure;
    // The table first: a header without its table would not link.
    if (!output.commit()) return Complain(output.error()), Failure;
    if (declared && !header.commit()) return Complain(header.error()), Failure;
    return Success;
}
