#pragma once

#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>

struct Characters;

// The slot files that --format bin writes for a character set and reads back: every code of
// GB2312 at its place in 87 rows of 94 slots (HZK16, HZK12 and their kin) or, at half-width
// sizes, the character of ASCII code c in slot c of 256 (ASC16, ASC12).
class Slots {
public:
    // The slots of a bin table of the character set at the size; none where its glyphs follow one
    // another.
    static std::optional<Slots> of(const QString& charset, QSize size);
    // GB2312's, which a C or assembly table may have too.
    static Slots gb2312() { return Slots(true); }

    int count() const { return gb2312_ ? 87 * 94 : 256; }
    // The slot of entry i of the characters; -1 where it has none.
    int slotOf(const Characters& characters, size_t i) const;
    // The GB2312 code of a slot; 0 for ASCII's.
    uint16_t code(int slot) const;
    // Adds the slot's character, or a name where the slot has none.
    void addEntry(int slot, Characters& characters) const;
    // "the 87 x 94 slots of GB2312", for messages.
    QString name() const;

private:
    explicit Slots(bool gb2312) : gb2312_(gb2312) {}

    bool gb2312_;
};
