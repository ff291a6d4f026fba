#include "font/table.h"

#include "font/coder.h"
#include "font/layouttext.h"
#include "font/options.h"
#include "font/output.h"
#include "font/parallel.h"
#include "font/source.h"
#include "font/target.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <numeric>

namespace {

Records records(const Options& options) {
    if (!options.slotFile.isEmpty()) return Records::AllSlots;
    return options.index.isEmpty() ? Records::Glyphs : Records::Index;
}

QString defaultName(const Options& options) {
    if (!options.name.isEmpty()) return options.name;
    return options.strip ? QStringLiteral("strip") : QStringLiteral("glyphs");
}

}  // namespace

Table::Table(const Options& options, const Source& source)
    : source(source),
      target(FindTarget(options.target)),
      layout(options.layout),
      size(source.glyphs.empty() ? options.size : source.glyphs.front().size()),
      records(::records(options)),
      strip(options.strip),
      codeSet(CodeSetNamed(options.index)),
      shared(!options.header.isEmpty()),
      header(HeaderName(options)),
      name(defaultName(options)),
      directive(options.directive),
      slotFile(TableSlots(options, size)) {
    const Characters& characters = source.characters;
    if (slotFile) {
        slotFile->holdAll(characters);
        count = slotFile->count();
    } else if (options.unique) {
        order.resize(characters.distinct.size());
        std::iota(order.begin(), order.end(), 0);
        // The text, glyph by glyph, for a table of each character once.
        if (options.charset.isEmpty()) text = characters.sequence;
    } else {
        order = characters.sequence;
    }
    if (!slotFile)
        count = options.strip ? qsizetype(characters.sequence.size()) : qsizetype(order.size());
    if (records == Records::Index && !options.strip)
        for (size_t i = 0; i < characters.distinct.size(); ++i)
            codes.push_back(characters.named[i]
                                ? NoCode
                                : CodeOf(characters.distinct[i], codeSet).value_or(NoCode));
}

int Table::codeBytes() const {
    const bool wide = std::any_of(codes.begin(), codes.end(),
                                  [](uint32_t code) { return code > 0xFFFF && code != NoCode; });
    return wide ? 4 : 2;
}

std::optional<Slots> TableSlots(const Options& options, QSize size) {
    if (!FindCoder(options.format).writes.contains(QLatin1String("slots"))) return std::nullopt;
    if (options.slotFile.isEmpty() && options.format != QLatin1String("bin")) return std::nullopt;
    return Slots::of(options.slotFile, options.charset, size);
}

QString Table::dataDirective() const {
    return directive.isEmpty() ? QString::fromLatin1(target.directive) : directive;
}

QString Table::indexType() const {
    static const char* const types[] = {"", "unsigned char", "unsigned short", "", "unsigned long"};
    return QString::fromLatin1(types[indexBytes()]);
}

QString Table::textName() const {
    return name + QStringLiteral("_text");
}

QString Table::lengthName() const {
    return name.toUpper() + QStringLiteral("_TEXT_LENGTH");
}

qint64 Table::tableBytes() const {
    if (strip) return layout.byteCount(source.strip->size());
    return qint64(count) * (bytesEach() + (records == Records::Index ? codeBytes() : 0));
}

QString Table::held() const {
    return QStringLiteral("%1 %2 of %3 x %4 pixels, %5 bytes each, %6 bytes in all")
        .arg(count)
        .arg(count == 1 ? QStringLiteral("glyph") : QStringLiteral("glyphs"))
        .arg(size.width())
        .arg(size.height())
        .arg(bytesEach())
        .arg(tableBytes());
}

QString Table::stripHeld(const Glyph& strip) const {
    return QStringLiteral("a strip of %1 %2, %3 x %4 pixels, %5 bytes")
        .arg(count)
        .arg(count == 1 ? QStringLiteral("character") : QStringLiteral("characters"))
        .arg(strip.width())
        .arg(strip.height())
        .arg(layout.byteCount(strip.size()));
}

// Glyphs read from a file have no font file and no em.
QStringList Table::about(QSize bitmap, const QString& held) const {
    QStringList lines{QStringLiteral("Made by glimmet-font %1 from %2: %3.")
                          .arg(QStringLiteral(GLIMMET_VERSION), source.from(size.height()), held)};
    if (!source.file.isEmpty()) lines << QStringLiteral("Font file: %1").arg(source.fontFile());
    if (source.widened)
        lines << QStringLiteral(
                     "%1 symbols it draws half-width stand in the middle of their slots, box "
                     "drawing's strokes running on to the slots' sides.")
                     .arg(source.widened);
    lines += LayoutDescription(layout, bitmap);
    lines += BitPicture(layout, bitmap);
    if (records == Records::Index && codeSet == CodeSet::Gb2312)
        lines << QStringLiteral(
                     "Each record: the character's two GB2312 bytes, the high one first (0x00 and "
                     "its byte for ASCII), then its %1 bytes.")
                     .arg(bytesEach());
    if (records == Records::Index && codeSet == CodeSet::Unicode)
        lines << QStringLiteral(
                     "Each record: the character's code point in %1 bytes, %2, then "
                     "its %3 bytes.")
                     .arg(codeBytes())
                     .arg(target.littleEndian ? QStringLiteral("the low byte first")
                                              : QStringLiteral("the high byte first"))
                     .arg(bytesEach());
    if (records == Records::AllSlots) lines << slotFile->described();
    if (!text.empty())
        lines << QStringLiteral("%1: the text, glyph by glyph, as %2 indexes into %3.")
                     .arg(textName())
                     .arg(text.size())
                     .arg(name);
    return lines;
}

Entry Table::entry(int32_t i) const {
    const Characters& characters = source.characters;
    return {source.glyphs[i], characters.distinct[i], characters.gb2312[i],
            bool(characters.named[i]), codes.empty() ? 0 : codes[size_t(i)]};
}

QString Entry::label() const {
    const QString gb2312 = SlotName(code);
    if (named) return character;
    if (character.isEmpty()) return gb2312 + QStringLiteral(", no character");
    const QString captioned = character + QLatin1Char(' ') + CodePoints(character);
    return code ? captioned + QLatin1Char(' ') + gb2312 : captioned;
}

namespace {

// The entries' text, made on all cores a few hundred at a time, then written in their order.
template <class EntryAt>
void write(const Table& table, const TableText& format, size_t count, const EntryAt& entryAt,
           Output& output) {
    constexpr size_t Chunk = 256;
    std::vector<QByteArray> chunks((count + Chunk - 1) / Chunk);
    ParallelFor(
        chunks.size(), 2, [] { return 0; },
        [&](int, size_t c) {
            for (size_t k = c * Chunk; k < std::min(count, (c + 1) * Chunk); ++k) {
                format.entry(table, entryAt(k), chunks[c]);
                chunks[c] += format.separator(k + 1 == count);
            }
        });
    output.write(format.start(table));
    for (const QByteArray& chunk : chunks) output.write(chunk);
    output.write(format.end(table));
}

// The glyph of each slot, the unused slots blank. Fails, writing nothing, where a glyph has no
// slot.
Diagnostic writeSlots(const Table& table, const TableText& format, Output& output) {
    const Characters& characters = table.source.characters;
    const Slots& slotFile = *table.slotFile;
    std::vector<int32_t> entryOf(size_t(slotFile.count()), -1);
    for (size_t i = 0; i < characters.distinct.size(); ++i) {
        const int slot = slotFile.slotOf(characters, i);
        if (slot < 0)
            return Failed(QCoreApplication::translate("glimmet-font", "%1 has no place in %2")
                              .arg(characters.caption(i), slotFile.name()));
        entryOf[size_t(slot)] = int32_t(i);
    }
    const Glyph blank(table.size);
    const auto entryAt = [&](size_t slot) {
        const int32_t i = entryOf[slot];
        return i < 0 ? Entry{blank, {}, slotFile.code(int(slot)), false, 0} : table.entry(i);
    };
    write(table, format, entryOf.size(), entryAt, output);
    return {};
}

// A record needs a code for every character: it is found by nothing else.
Diagnostic allCoded(const Table& table) {
    const Characters& characters = table.source.characters;
    QStringList uncoded;
    for (size_t i = 0; i < characters.distinct.size(); ++i)
        if (table.codes[i] == Table::NoCode) uncoded << characters.caption(i);
    if (uncoded.isEmpty()) return {};
    return Failed(
        (table.codeSet == CodeSet::Gb2312
             ? QCoreApplication::translate("glimmet-font", "--index gb2312: no GB2312 code for %1")
             : QCoreApplication::translate("glimmet-font",
                                           "--index unicode: no code point of its own for %1"))
            .arg(NamedList(uncoded)));
}

}  // namespace

// A character that comes back is written from its first text.
Diagnostic WriteTable(const Table& table, const TableText& format, Output& output) {
    const Source& source = table.source;
    if (table.strip) {
        output.write(format.strip(table, source.characters.text(), *source.strip));
        return {};
    }
    if (table.slotFile) return writeSlots(table, format, output);
    if (table.records == Records::Index) {
        const Diagnostic coded = allCoded(table);
        if (!coded.ok()) return coded;
    }
    const auto entryAt = [&](size_t k) { return table.entry(table.order[k]); };
    write(table, format, table.order.size(), entryAt, output);
    return {};
}

void WarnTooLarge(const Table& table) {
    const QString remedy = QCoreApplication::translate(
        "glimmet-font",
        "write each character once (--unique), fewer characters, or the glyphs as a file for "
        "external flash (--format bin)");
    table.target.warnIfTooLarge(table.name, table.tableBytes(), remedy);
    table.target.warnIfTooLarge(table.textName(), table.textBytes(), remedy);
}

QString ValueLines(Syntax syntax, const QString& lineStart, const QString& lineEnd,
                   const std::vector<uint8_t>& bytes) {
    ListingText text(syntax, lineStart, lineEnd);
    for (uint8_t byte : bytes) text.append(byte);
    QString lines = text.text();
    if (lines.endsWith(QLatin1Char(','))) lines.replace(lines.size() - 1, 1, lineEnd);
    return lines;
}

// The header by the name the user gave, or by its name alone where the table is beside it: a
// compiler looks for it in the table's folder first.
QString HeaderName(const Options& options) {
    const QFileInfo header(options.header), table(options.output);
    const bool toFile = !options.output.isEmpty() && options.output != QLatin1String("-");
    return toFile && header.absolutePath() == table.absolutePath() ? header.fileName()
                                                                   : options.header;
}
