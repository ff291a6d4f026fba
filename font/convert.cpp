#include "font/convert.h"

#include "capture/fonts.h"
#include "font/characters.h"
#include "font/charsets.h"
#include "font/glyphs.h"
#include "font/output.h"
#include "font/sheet.h"

#include <QFile>
#include <QFontInfo>

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

void warnMissing(const Characters& characters) {
    for (const QString& character : characters.distinct) {
        for (uint code : MissingFromFont(character)) {
            Complain(QString::asprintf("warning: the capture font has no glyph for U+%04X", code) +
                     QStringLiteral(" (%1); the table holds what the window captures for it")
                         .arg(character));
        }
    }
}

// 87 rows of 94 slots, every code of GB2312 in its place, unused slots all unlit.
void writeHzk16(const Table& table, const Characters& characters, const std::vector<Glyph>& glyphs,
                Output& output) {
    QByteArray file(87 * 94 * 32, char(table.layout.blank()));
    for (size_t i = 0; i < characters.distinct.size(); ++i) {
        const int hi = characters.gb2312[i] >> 8, lo = characters.gb2312[i] & 0xFF;
        const auto bytes = table.layout.bytes(glyphs[i]);
        std::copy(bytes.begin(), bytes.end(), file.begin() + ((hi - 0xA1) * 94 + lo - 0xA1) * 32);
    }
    output.write(file);
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

}  // namespace

Status Convert(const Options& options) {
    const std::optional<Characters> characters = readCharacters(options);
    if (!characters) return Failure;
    warnMissing(*characters);
    const std::vector<Glyph> glyphs = CaptureAll(characters->distinct);
    Table table = options.table;
    table.font = QFontInfo(TwelvePointFont()).family();
    table.count = qsizetype(characters->sequence.size());
    Output output;
    if (!output.open(options.output)) return Complain(output.error()), Failure;
    if (options.charset == QLatin1String("gb2312") && table.format == Format::Binary)
        writeHzk16(table, *characters, glyphs, output);
    else
        writeTable(table, *characters, glyphs, output);
    if (!options.sheet.isEmpty()) {
        QString error;
        if (!WriteSheet(options.sheet, *characters, glyphs, error)) {
            Complain(error);
            return Failure;  // the table is not put in place either
        }
    }
    if (!output.commit()) return Complain(output.error()), Failure;
    return Success;
}
