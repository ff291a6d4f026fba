#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <cstdint>
#include <vector>

// The characters of a table: each distinct one once, in order of first appearance, and the
// sequence of every appearance. Glyphs read from a file are entries of their own, and one drawn
// by hand may have a name instead of a character.
struct Characters {
    std::vector<QString> distinct;  // characters, or names where named
    std::vector<uint16_t> gb2312;   // of each distinct character, or 0
    std::vector<char> named;
    std::vector<int32_t> sequence;  // indexes into distinct

    // Adds one character of the input; control characters are skipped.
    void add(const QString& character);
    void addText(const QString& text);
    // The character of a glyph read from a file, an entry of its own even when it comes again.
    void addGlyph(const QString& character);
    // A glyph known by a name, such as one drawn by hand or a slot no character has.
    void addNamed(const QString& name, uint16_t gb2312 = 0);
    bool empty() const { return sequence.empty(); }
    // The characters in the input's order, as one text.
    QString text() const;
    // How a table and its sheet name entry i: "欢 U+6B22", or its name.
    QString caption(size_t i) const;

private:
    void append(const QString& text, uint16_t code, bool isName);

    QHash<QString, int32_t> index_;
};

// The text without the byte order mark it may start with: a byte order mark is no character.
QString WithoutByteOrderMark(QString text);

// The offset of the first byte that is not valid UTF-8 (overlong forms, surrogates and code
// points beyond U+10FFFF included), or -1 when all of it is valid.
qsizetype FirstInvalidUtf8(QByteArrayView bytes);

// "U+6B22", or "U+0065 U+0301" for a letter with its mark.
QString CodePoints(const QString& character);
// The character and its code points: "欢 U+6B22".
QString Named(const QString& character);
