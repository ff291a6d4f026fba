#include "font/convert.h"

#include "font/characters.h"
#include "font/charsets.h"
#include "font/glyphs.h"
#include "font/output.h"
#include "font/preview.h"
#include "font/sheet.h"
#include "font/strip.h"
#include "font/typeface.h"

#include <QFile>
#include <QRawFont>

#include <functional>
#include <optional>

namespace {

QString inputName(const Options& options) {
    if (!options.charset.isEmpty()) return QStringLiteral("--charset ") + options.charset;
    if (options.input.isEmpty()) return QStringLiteral("the text arguments");
    if (options.input == QLatin1String("-")) return QStringLiteral("standard input");
    return QStringLiteral("'%1'").arg(options.input);
}

std::optional<QByteArray> readInput(const Options& options) {
    QFile file(options.input);
    const bool opened = options.input == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                            : file.open(QIODevice::ReadOnly);
    QByteArray bytes;
    if (opened) bytes = file.readAll();
    if (!opened || file.error() != QFileDevice::NoError) {
        Complain(QStringLiteral("cannot read %1: %2").arg(inputName(options), file.errorString()));
        return std::nullopt;
    }
    return bytes;
}

bool addFile(const Options& options, Characters& characters) {
    std::optional<QByteArray> bytes = readInput(options);
    if (!bytes) return false;
    const qsizetype bad = FirstInvalidUtf8(*bytes);
    if (bad >= 0) {
        Complain(QStringLiteral("%1 is not valid UTF-8: byte 0x%2 at offset %3")
                     .arg(inputName(options))
                     .arg(uint8_t(bytes->at(bad)), 2, 16, QLatin1Char('0'))
                     .arg(bad));
        return false;
    }
    QString text = QString::fromUtf8(*bytes);
    bytes.reset();
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);  // a byte order mark is no character
    characters.addText(text, options.unique);
    return true;
}

std::optional<Characters> readCharacters(const Options& options) {
    Characters characters;
    if (!options.charset.isEmpty()) {
        for (const CharsetEntry& entry : Charset(options.charset))
            characters.add(QString::fromUcs4(&entry.codePoint, 1), options.unique);
    } else if (!options.input.isEmpty()) {
        if (!addFile(options, characters)) return std::nullopt;
    } else {
        for (const QString& text : options.texts) characters.addText(text, options.unique);
    }
    if (characters.empty()) {
        Complain(QStringLiteral("no character to convert in %1").arg(inputName(options)));
        return std::nullopt;
    }
    return characters;
}

// At most this many characters are named in each warning; the rest are counted.
constexpr int NamedInWarnings = 20;

void warnAbout(const QStringList& characters, const QString& warning) {
    for (const QString& character :
         characters.first(std::min<qsizetype>(characters.size(), NamedInWarnings)))
        Complain(QStringLiteral("warning: ") + warning.arg(character));
    if (characters.size() > NamedInWarnings)
        Complain(QStringLiteral("warning: and %1 more characters likewise")
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
            lost << QStringLiteral("%1 (%2) loses ink outside its %3 x %4 square")
                        .arg(CodePoints(character), character)
                        .arg(sizes[i].width())
                        .arg(sizes[i].height());
    }
    warnAbout(missing, QStringLiteral("the capture font has no glyph for %1; the table holds "
                                      "what the window captures for it"));
    warnAbout(lost, QStringLiteral("%1"));
}

// Slots of a whole character set, each at its place, the unused ones unlit.
void writeSlots(const Table& table, const Characters& characters, const std::vector<Glyph>& glyphs,
                int slotCount, const std::function<int(size_t)>& slotOf, Output& output) {
    const qsizetype bytes = table.layout.byteCount(table.size);
    const Glyph blank(table.size);
    const std::vector<uint8_t> unlit = table.layout.bytes(blank);
    QByteArray file;
    file.reserve(slotCount * bytes);
    for (int slot = 0; slot < slotCount; ++slot)
        file.append(reinterpret_cast<const char*>(unlit.data()), bytes);
    for (size_t i = 0; i < characters.distinct.size(); ++i) {
        const std::vector<uint8_t> glyph = table.layout.bytes(glyphs[i]);
        std::copy(glyph.begin(), glyph.end(), file.begin() + slotOf(i) * bytes);
    }
    output.write(file);
}

// HZK16, HZK12 and their kin: 87 rows of 94 slots, every code of GB2312 in its place.
void writeGb2312Slots(const Table& table, const Characters& characters,
                      const std::vector<Glyph>& glyphs, Output& output) {
    writeSlots(
        table, characters, glyphs, 87 * 94,
        [&](size_t i) {
            const int hi = characters.gb2312[i] >> 8, lo = characters.gb2312[i] & 0xFF;
            return (hi - 0xA1) * 94 + lo - 0xA1;
        },
        output);
}

// ASC16, ASC12 and their kin: 256 slots, the character of code c in slot c.
void writeAsciiSlots(const Table& table, const Characters& characters,
                     const std::vector<Glyph>& glyphs, Output& output) {
    writeSlots(
        table, characters, glyphs, 256,
        [&](size_t i) { return int(characters.distinct[i].front().unicode()); }, output);
}

// A character that comes back is written from its first text.
void writeTable(const Table& table, const Characters& characters, const std::vector<Glyph>& glyphs,
                Output& output) {
    std::vector<QByteArray> texts(characters.distinct.size());
    output.write(table.header());
    for (size_t k = 0; k < characters.sequence.size(); ++k) {
        const int32_t i = characters.sequence[k];
        if (texts[i].isNull())
            texts[i] = table.glyph(characters.distinct[i], characters.gb2312[i], glyphs[i]);
        output.write(texts[i]);
        output.write(table.separator(k + 1 == characters.sequence.size()));
    }
    output.write(table.footer());
}

void write(const Options& options, const Table& table, const Characters& characters,
           const std::vector<Glyph>& glyphs, Output& output) {
    const bool binary = table.format == Format::Binary;
    const bool halfWidth = table.size.width() < table.size.height();
    if (binary && options.charset == QLatin1String("gb2312"))
        writeGb2312Slots(table, characters, glyphs, output);
    else if (binary && halfWidth && options.charset == QLatin1String("ascii"))
        writeAsciiSlots(table, characters, glyphs, output);
    else
        writeTable(table, characters, glyphs, output);
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
            Complain(QStringLiteral("no character of %1 has a width to show in a strip")
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
    table.count = qsizetype(characters->sequence.size());
    Output output;
    if (!output.open(options.output)) return Complain(output.error()), Failure;
    if (options.strip)
        output.write(table.strip(message(*characters), strip->picture));
    else
        write(options, table, *characters, glyphs, output);
    // Where a picture cannot be written, the table is not put in place either.
    if (!writePictures(options, *characters, glyphs, strip)) return Failure;
    if (!output.commit()) return Complain(output.error()), Failure;
    return Success;
}
