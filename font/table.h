#pragma once

#include "font/codes.h"
#include "font/diagnostic.h"
#include "font/slots.h"
#include "glyph/layout.h"
#include "listing/listingtext.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

struct Options;
struct Source;
struct Target;
class Output;

// What a C or assembly table holds: glyphs; records of a glyph with its code in front (GB2312's
// bytes, as Chinese firmware looks characters up, or the code point); or every slot of a slot
// file, blank ones included.
enum class Records { Glyphs, Index, AllSlots };

// A table of glyphs as the formats of bytes write it: its layout, name and toolchain, what it
// holds and in which order, and where the glyphs come from.
struct Table {
    Table(const Options& options, const Source& source);

    const Source& source;
    const Target& target;
    Layout layout;
    QSize size;  // of a glyph
    Records records = Records::Glyphs;
    bool strip;                   // the whole input as one picture; a preview's strip is not
    CodeSet codeSet;              // of the records of an index
    std::vector<uint32_t> codes;  // of each entry of the characters in an index, NoCode for none
    bool shared;                  // declared by a header of its own, so the C table is not static
    QString header;               // the name the C table includes that header by
    QString name, directive;
    std::optional<Slots> slotFile;  // where the glyphs have slots, rows enough for all
    std::vector<int32_t> order;     // the entries of the characters, one a glyph, where no slots
    std::vector<int32_t> text;      // the text as indexes into the table, in C and assembly
    qsizetype count = 0;            // glyphs or slots

    static constexpr uint32_t NoCode = UINT32_MAX;

    int bytesEach() const { return layout.byteCount(size); }
    // How many bytes a record's code takes: GB2312's two, or a code point's two or four.
    int codeBytes() const;
    // How many bytes an index of the text takes: one, two or four.
    int indexBytes() const { return count <= 0x100 ? 1 : count <= 0x10000 ? 2 : 4; }
    // The smallest unsigned C type that holds every index of the text.
    QString indexType() const;
    QString dataDirective() const;
    QString textName() const;
    QString lengthName() const;
    // The bytes of the table's array, and of the text's.
    qint64 tableBytes() const;
    qint64 textBytes() const { return qint64(text.size()) * indexBytes(); }
    // "4 glyphs of 16 x 16 pixels, 32 bytes each, 128 bytes in all", for the first line of a
    // comment.
    QString held() const;
    // "a strip of 4 characters, 56 x 16 pixels, 112 bytes".
    QString stripHeld(const Glyph& strip) const;
    // The comment lines on top: what made the table, what it holds (its bitmaps being of the
    // size), how to read it.
    QStringList about(QSize bitmap, const QString& held) const;
    // The entry of the source's glyph i.
    struct Entry entry(int32_t i) const;
};

// One entry of a table: a glyph with what it shows, or a slot that no character has.
struct Entry {
    const Glyph& glyph;
    QString character;  // or a name, or nothing for an empty slot
    uint16_t code;      // GB2312, or 0
    bool named;
    uint32_t key;  // the code of its record in an index
    // The comment's words for it: "欢 U+6B22 GB2312 BBB6", a name, or an empty slot's code.
    QString label() const;
};

// The text of a format of bytes, piece by piece, so that a table of any size is written as it is
// made.
struct TableText {
    QByteArray (*start)(const Table& table);
    // Appends the entry's text.
    void (*entry)(const Table& table, const Entry& entry, QByteArray& text);
    QByteArray (*separator)(bool last);  // between entries, and after the last
    QByteArray (*end)(const Table& table);
    // The whole input as one picture, in one array.
    QByteArray (*strip)(const Table& table, const QString& message, const Glyph& strip);
};

// The slots of the options' table at the size: a slot file's or a character set's; none where the
// glyphs follow one another. --slots may be there for the reader alone.
std::optional<Slots> TableSlots(const Options& options, QSize size);

// Writes the table in the format: each glyph in its slot (unused slots blank), or each entry
// in the input's order, or each once. Fails, writing nothing, where a glyph has no slot or a
// record no code.
Diagnostic WriteTable(const Table& table, const TableText& format, Output& output);

// Warns where the table or its text is larger than the target builds, with the remedies.
void WarnTooLarge(const Table& table);
// The name a C file includes its --header by.
QString HeaderName(const Options& options);

// Four values a line in the syntax, each line started and ended as given; a glyph whose bytes
// are no multiple of four ends on a shorter line.
QString ValueLines(Syntax syntax, const QString& lineStart, const QString& lineEnd,
                   const std::vector<uint8_t>& bytes);
