#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <cstdint>
#include <vector>

// The characters of a table: each distinct one once, in order of first appearance, and the
// sequence of every appearance.
struct Characters {
    std::vector<QString> distinct;
    std::vector<uint16_t> gb2312;   // of each distinct character, or 0
    std::vector<int32_t> sequence;  // indexes into distinct

    // Adds one character of the input; control characters are skipped.
    void add(const QString& character);
    void addText(const QString& text);
    bool empty() const { return sequence.empty(); }

private:
    QHash<QString, int32_t> index_;
};

// The offset of the first byte that is not valid UTF-8 (overlong forms, surrogates and code
// points beyond U+10FFFF included), or -1 when all of it is valid.
qsizetype FirstInvalidUtf8(QByteArrayView bytes);

// "U+6B22", or "U+0065 U+0301" for a letter with its mark.
QString CodePoints(const QString& character);
// The character and its code points: "欢 U+6B22".
QString Named(const QString& character);
