#include "font/codes.h"

#include "font/encoding.h"

CodeSet CodeSetNamed(const QString& name) {
    return name == QLatin1String("gb2312") ? CodeSet::Gb2312 : CodeSet::Unicode;
}

std::optional<uint32_t> CodeOf(const QString& character, CodeSet set) {
    const QList<uint> points = character.toUcs4();
    if (points.size() != 1) return std::nullopt;
    if (set == CodeSet::Unicode) return points.front();
    const std::optional<QByteArray> bytes = Encode(character, "GB2312");
    if (!bytes) return std::nullopt;
    uint32_t code = 0;
    for (char byte : *bytes) code = code << 8 | uint8_t(byte);
    return code;
}
