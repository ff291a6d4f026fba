#include "listing/listingtext.h"

QString ValueText(uint8_t value, Syntax syntax) {
    const QString digits = QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
    if (syntax == Syntax::C) return QStringLiteral("0x") + digits;
    const QString leading = value >= 0xA0 ? QStringLiteral("0") : QString();
    return leading + digits + QLatin1Char('H');
}

void ListingText::append(uint8_t value) {
    if (separatorCounter_ == 0) text_ += lineStart_;
    text_ += ValueText(value, syntax_);
    if (separatorCounter_ == 3) {
        text_ += lineEnd_;
        separatorCounter_ = 0;
    } else {
        text_ += QLatin1Char(',');
        ++separatorCounter_;
    }
}
