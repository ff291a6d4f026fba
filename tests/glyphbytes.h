#pragma once

#include "glyph/layout.h"

#include <QString>
#include <QStringList>

#include <vector>

// The bytes of a blank glyph of the size in the layout but those named as "index=hex".
inline std::vector<uint8_t> blankBut(const Layout& layout, QSize size, const QString& bytes) {
    std::vector<uint8_t> expected = layout.bytes(Glyph(size));
    for (const QString& named : bytes.split(' ', Qt::SkipEmptyParts)) {
        const QStringList parts = named.split('=');
        expected[parts[0].toInt()] = uint8_t(parts[1].toInt(nullptr, 16));
    }
    return expected;
}
