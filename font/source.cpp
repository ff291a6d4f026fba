#include "font/source.h"

namespace {

QString inComment(QString text) {
    for (QChar& c : text)
        if (!c.isPrint()) c = QLatin1Char('?');
    return text.replace(QLatin1String("*/"), QLatin1String("* /"));
}

}  // namespace

QString Source::from(int pixels) const {
    return inComment(file.isEmpty() ? face
                                    : QStringLiteral("%1 at %2 pixels").arg(face).arg(pixels));
}

QString Source::fontFile() const {
    return inComment(file);
}
