// --format bin and --from bin: the bytes of the glyphs alone, one after another or in the slots
// of a character set, as HZK16 and ASC16 hold them.
#include "font/charsets.h"
#include "font/coder.h"
#include "font/input.h"
#include "font/options.h"
#include "font/output.h"
#include "font/readers.h"
#include "font/slots.h"
#include "font/table.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The slots with a character, blank or not, and the others that hold more than the blank glyph.
void readSlots(const Slots& slotFile, QByteArrayView bytes, QSize size, const Layout& layout,
               Source& read) {
    Glyph blank(size);
    const std::vector<uint8_t> unlit = layout.bytes(blank);
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    const qsizetype glyphs = bytes.size() / qsizetype(unlit.size());
    for (qsizetype slot = 0; slot < glyphs; ++slot) {
        const uint8_t* glyph = data + slot * qsizetype(unlit.size());
        if (!slotFile.assigned(int(slot)) && std::equal(unlit.begin(), unlit.end(), glyph))
            continue;
        slotFile.addEntry(int(slot), read.characters);
        read.glyphs.push_back(layout.glyph(glyph, size));
    }
}

// Glyphs one after another: the character set's characters in its order, or numbered.
void readSequence(const std::vector<CharsetEntry>& charset, QByteArrayView bytes, QSize size,
                  const Layout& layout, Source& read) {
    const qsizetype length = layout.byteCount(size);
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    for (qsizetype k = 0; k < bytes.size() / length; ++k) {
        if (charset.empty())
            read.characters.addNamed(QStringLiteral("glyph %1").arg(k));
        else
            read.characters.addGlyph(QString::fromUcs4(&charset[k].codePoint, 1));
        read.glyphs.push_back(layout.glyph(data + k * length, size));
    }
}

}  // namespace

std::optional<Source> ReadBinGlyphs(QByteArrayView bytes, const BinReading& reading,
                                    QString& error) {
    const QSize size = reading.size;
    const Layout& layout = reading.layout;
    const QString& charset = reading.charset;
    const qsizetype length = layout.byteCount(size);
    const qsizetype glyphs = bytes.size() / length;
    if (bytes.size() % length) {
        const qsizetype over = bytes.size() % length;
        error =
            QCoreApplication::translate("glimmet-font",
                                        "%1 bytes are no whole number of glyphs of %2 x %3 "
                                        "pixels, %4 bytes each: %5 left over")
                .arg(bytes.size())
                .arg(size.width())
                .arg(size.height())
                .arg(length)
                .arg(over == 1
                         ? QCoreApplication::translate("glimmet-font", "1 byte is")
                         : QCoreApplication::translate("glimmet-font", "%1 bytes are").arg(over));
        return std::nullopt;
    }
    const std::optional<Slots> slotFile = Slots::of(reading.slotFile, charset, size);
    const std::vector<CharsetEntry> entries =
        slotFile ? std::vector<CharsetEntry>() : Charset(charset);
    const qsizetype room = slotFile ? slotFile->most() : qsizetype(entries.size());
    if ((slotFile || !entries.empty()) && glyphs > room) {
        error =
            QCoreApplication::translate("glimmet-font", "%1 glyphs do not fit in %2 (room for %3)")
                .arg(glyphs)
                .arg(slotFile ? slotFile->name() : QStringLiteral("--charset ") + charset)
                .arg(room);
        return std::nullopt;
    }
    Source read;
    if (slotFile)
        readSlots(*slotFile, bytes, size, layout, read);
    else
        readSequence(entries, bytes, size, layout, read);
    return read;
}

namespace {

QByteArray bytes(const std::vector<uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

QByteArray none(const Table&) {
    return {};
}

void entry(const Table& table, const Entry& entry, QByteArray& text) {
    const qsizetype at = text.size();
    text.resize(at + table.bytesEach());
    table.layout.pack(entry.glyph, reinterpret_cast<uint8_t*>(text.data() + at));
}

QByteArray separator(bool) {
    return {};
}

QByteArray strip(const Table& table, const QString&, const Glyph& strip) {
    return bytes(table.layout.bytes(strip));
}

constexpr TableText BinText{none, entry, separator, none, strip};

}  // namespace

Diagnostic ReadBin(const Options& options, Source& source) {
    const BinReading reading{options.size, options.layout, options.charset, options.slotFile};
    const auto parse = [&](const QByteArray& bytes, QString& error) {
        return ReadBinGlyphs(bytes, reading, error);
    };
    return ParseInput(options, parse, source);
}

Diagnostic WriteBin(const Options& options, const Source& source, Output& output, Outputs&) {
    return WriteTable(Table(options, source), BinText, output);
}
