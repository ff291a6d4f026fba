#include "font/convert.h"

#include "font/characters.h"
#include "font/charsets.h"
#include "font/encoding.h"
#include "font/glyphs.h"
#include "font/output.h"
#include "font/preview.h"
#include "font/readers.h"
#include "font/sheet.h"
#include "font/slots.h"
#include "font/strip.h"
#include "font/typeface.h"

#include <QCoreApplication>
#include <QFile>
#include <QRawFont>

#include <numeric>
#include <optional>

namespace {

QString inputName(const Options& options) {
    if (!options.charset.isEmpty() && options.from == From::Font)
        return QStringLiteral("--charset ") + options.charset;
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
        if (!characters.gb2312[i]) uncoded << characters.caption(i);
    if (uncoded.isEmpty()) return true;
    QString named = uncoded.first(std::min<qsizetype>(uncoded.size(), NamedInWarnings)).join(", ");
    if (uncoded.size() > NamedInWarnings)
        named += QCoreApplication::translate("glimmet-font", " and %1 more")
                     .arg(uncoded.size() - NamedInWarnings);
    Complain(QCoreApplication::translate("glimmet-font", "--index gb2312: no GB2312 code for %1")
                 .arg(named));
    return false;
}

// Where a table puts its glyphs: in the slots of a whole character set, or one after another.
std::optional<Slots> slotsOf(const Options& options, const Table& table) {
    if (table.records == Records::Gb2312Slots) return Slots::gb2312();
    if (table.format != Format::Binary) return std::nullopt;
    return Slots::of(options.charset, table.size);
}

// The glyph of each slot, the unused slots blank. False, writing nothing, when a glyph has no
// slot.
bool writeSlots(const Table& table, const Slots& slotFile, const Characters& characters,
                const std::vector<Glyph>& glyphs, Output& output) {
    std::vector<int32_t> characterOf(size_t(slotFile.count()), -1);
    for (size_t i = 0; i < characters.distinct.size(); ++i) {
        const int slot = slotFile.slotOf(characters, i);
        if (slot < 0) {
            Complain(QCoreApplication::translate("glimmet-font", "%1 has no place in %2")
                         .arg(characters.caption(i), slotFile.name()));
            return false;
        }
        characterOf[size_t(slot)] = int32_t(i);
    }
    const Glyph blank(table.size);
    output.write(table.header());
    for (int slot = 0; slot < slotFile.count(); ++slot) {
        const int32_t i = characterOf[size_t(slot)];
        output.write(i < 0 ? table.glyph({}, slotFile.code(slot), false, blank)
                           : table.glyph(characters.distinct[i], characters.gb2312[i],
                                         characters.named[i], glyphs[i]));
        output.write(table.separator(slot + 1 == slotFile.count()));
    }
    output.write(table.footer());
    return true;
}

// A character that comes back is written from its first text.
void writeTable(const Table& table, const Characters& characters, const std::vector<Glyph>& glyphs,
                const std::vector<int32_t>& order, Output& output) {
    std::vector<QByteArray> texts(characters.distinct.size());
    output.write(table.header());
    for (size_t k = 0; k < order.size(); ++k) {
        const int32_t i = order[k];
        if (texts[i].isNull())
            texts[i] = table.glyph(characters.distinct[i], characters.gb2312[i],
                                   characters.named[i], glyphs[i]);
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

bool write(const Options& options, Table& table, const Characters& characters,
           const std::vector<Glyph>& glyphs, Output& output) {
    if (const std::optional<Slots> slotFile = slotsOf(options, table)) {
        table.count = slotFile->count();
        return writeSlots(table, *slotFile, characters, glyphs, output);
    }
    const std::vector<int32_t> glyphOrder = order(options, characters);
    table.count = qsizetype(glyphOrder.size());
    // The text, glyph by glyph, for a table of each character once.
    if (options.unique && options.charset.isEmpty()) table.text = characters.sequence;
    writeTable(table, characters, glyphs, glyphOrder, output);
    return true;
}

// The glyphs of a table and what they show, captured from a font or read from a file, and what
// its header says they come from.
struct Source {
    Characters characters;
    std::vector<Glyph> glyphs;
    QString face, file;
    std::optional<Strip> strip;  // of a message captured for --strip or --preview
};

std::optional<Source> capture(const Options& options) {
    std::optional<Characters> characters = readCharacters(options);
    if (!characters) return std::nullopt;
    const QSize size = options.table.size;
    QString error;
    const std::optional<Typeface> typeface = FindTypeface(
        options.font.isEmpty() ? DefaultFamily(size.height()) : options.font, size.height(), error);
    if (!typeface) return Complain(QStringLiteral("--font: ") + error), std::nullopt;
    Source source{std::move(*characters), {}, typeface->face, typeface->file, {}};
    if (options.strip || !options.preview.isEmpty()) {
        source.strip = CaptureStrip(source.characters, typeface->font, size.height(),
                                    typeface->emTop, options.shift);
        if (source.strip->picture.size.isEmpty()) {
            Complain(QCoreApplication::translate(
                         "glimmet-font", "no character of %1 has a width to show in a strip")
                         .arg(inputName(options)));
            return std::nullopt;
        }
    }
    std::vector<char> cut;
    if (!options.strip) {
        source.glyphs =
            CaptureAll(source.characters.distinct,
                       TableCapture(typeface->font, size, typeface->emTop, options.shift), &cut);
    }
    // The warnings are about the table's captures.
    warn(source.characters, typeface->font, options.strip ? source.strip->cut : cut,
         options.strip ? source.strip->sizes : std::vector<QSize>(source.glyphs.size(), size));
    return source;
}

std::optional<ReadGlyphs> readGlyphs(const Options& options, const QByteArray& bytes,
                                     QString& error) {
    switch (options.from) {
        case From::Text:
            return ReadTextGlyphs(bytes, error);
        case From::Binary:
            return ReadBinGlyphs(bytes, options.table.size, options.table.layout, options.charset,
                                 error);
        case From::Image:
            break;
        case From::Font:
            return std::nullopt;
    }
    ImageReading reading{std::nullopt, options.threshold, options.dither};
    if (options.sizeGiven) reading.size = options.table.size;
    return ReadImageGlyphs(bytes, reading, error);
}

std::optional<Source> read(const Options& options) {
    const std::optional<QByteArray> bytes = readInput(options);
    if (!bytes) return std::nullopt;
    QString error;
    std::optional<ReadGlyphs> read = readGlyphs(options, *bytes, error);
    if (!read)
        return Complain(QCoreApplication::translate("glimmet-font", "%1: %2")
                            .arg(inputName(options), error)),
               std::nullopt;
    if (read->glyphs.empty())
        return Complain(QCoreApplication::translate("glimmet-font", "no glyph to convert in %1")
                            .arg(inputName(options))),
               std::nullopt;
    return Source{std::move(read->characters), std::move(read->glyphs), inputName(options), {}, {}};
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
    const std::optional<Source> source =
        options.from == From::Font ? capture(options) : read(options);
    if (!source) return Failure;
    const Characters& characters = source->characters;
    if (options.table.records == Records::Gb2312Index && !allCoded(characters)) return Failure;
    Table table = options.table;
    if (!source->glyphs.empty()) table.size = source->glyphs.front().size;
    table.face = source->face;
    table.file = source->file;
    Output output, header;
    if (!output.open(options.output)) return Complain(output.error()), Failure;
    const bool declared = !options.header.isEmpty();
    if (declared && !header.open(options.header)) return Complain(header.error()), Failure;
    if (options.strip) {
        table.count = qsizetype(characters.sequence.size());
        output.write(table.strip(message(characters), source->strip->picture));
    } else if (!write(options, table, characters, source->glyphs, output)) {
        return Failure;
    }
    if (declared) header.write(table.declarations());
    // Where a picture cannot be written, the table is not put in place either.
    if (!writePictures(options, characters, source->glyphs, source->strip)) return Failure;
    // The table first: a header without its table would not link.
    if (!output.commit()) return Complain(output.error()), Failure;
    if (declared && !header.commit()) return Complain(header.error()), Failure;
    return Success;
}
