#pragma once

#include "glyph/layout.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

struct Characters;
struct Options;

// A classic slot file that --slots names: where its rows of 94 slots start, how many it has, and
// the layout and size its glyphs have unless the options say otherwise (no size for any).
struct SlotFile {
    const char* name;
    const char* summary;  // for the help
    uint8_t firstRow;     // the high byte of its first code
    int rows;             // written
    std::optional<Layout> layout;
    QSize size;
};

const std::vector<SlotFile>& SlotFiles();
QStringList SlotFileNames();
// A named slot file's layout and size, where neither a board nor the options give them.
void ApplySlotFile(Options& options);

// The slot files that --format bin writes and --from bin reads: GB2312's codes (hi, lo) at their
// places in rows of 94 slots, from the slot file's first row (HZK16, HZK12, HZK24S and their
// kin); or, at half-width sizes, the character of ASCII code c in slot c of 256 (ASC16, ASC12).
// A GB2312 file may hold rows past GB2312's last, up to row FE: vendors' and GBK's extras.
class Slots {
public:
    // The slots of a table: the slot file named, or else those of the character set at the size
    // (GB2312's, or ASCII's at a half-width size); none where its glyphs follow one another.
    static std::optional<Slots> of(const QString& slotFile, const QString& charset, QSize size);

    // Whether they are GB2312's, of full-width characters.
    bool gb2312() const { return rows_ != 0; }
    // The slots written, and the most a file may hold.
    int count() const { return rows_ ? rows_ * 94 : 256; }
    int most() const { return rows_ ? (0xFF - firstRow_) * 94 : 256; }
    // The slot of a GB2312 code; -1 where it has none.
    int slotOfCode(uint16_t code) const;
    // The slot of entry i of the characters, by its character or the name of its slot; -1 where
    // it has none.
    int slotOf(const Characters& characters, size_t i) const;
    // Adds rows past the last written to hold every slot that the characters have.
    void holdAll(const Characters& characters);
    // The GB2312 code of a slot; 0 for ASCII's.
    uint16_t code(int slot) const;
    // Whether a character of the set is in the slot.
    bool assigned(int slot) const;
    // Adds the slot's character, or the slot's name where it has none.
    void addEntry(int slot, Characters& characters) const;
    // "the 94 x 94 slots of GB2312", for messages.
    QString name() const;
    // A C comment's line on finding a glyph in them.
    QString described() const;

private:
    Slots(uint8_t firstRow, int rows) : firstRow_(firstRow), rows_(rows) {}

    uint8_t firstRow_;
    int rows_;  // 0 for ASCII's
};

// "GB2312 A2A1": the name of a slot that no GB2312 character has, under which it reads back.
QString SlotName(uint16_t code);
// The code a slot's name gives; 0 for any other name.
uint16_t SlotCode(const QString& name);
