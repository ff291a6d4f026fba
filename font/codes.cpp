#include "font/codes.h"

#include "font/charsets.h"

CodeSet CodeSetNamed(const QString& name) {
    return name == QLatin1String("gb2312") ? CodeSet::Gb2312 : CodeSet::Unicode;
}

std::optional<uint32_t> CodeOf(const QString& character, CodeSet set) {
    const QList<uint> points = character.toUcs4();
    if (points.size() != 1) return std::nullopt;
    if (set == CodeSet::Unicode || points.front() < 0x80) return points.front();
    if (const uint16_t code = Gb2312Code(points.front())) return code;
    return std::nullopt;
}
