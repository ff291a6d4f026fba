#include "font/optionvalues.h"

#include "font/diagnostic.h"
#include "font/optionrules.h"
#include "font/options.h"

#include <QCoreApplication>
#include <QRegularExpression>

QString NumberValue(const char* option, const QString& value, int least, int most, int& stored) {
    static const QRegularExpression digits(QStringLiteral("^\\d{1,9}$"));
    const int n = value.toInt();
    if (digits.match(value).hasMatch() && n >= least && n <= most) return stored = n, QString();
    return QCoreApplication::translate("glimmet-font",
                                       "--%1: %2 is not a whole number from %3 to %4")
        .arg(QLatin1String(option), Quoted(value))
        .arg(least)
        .arg(most);
}

// An 8-bit code for the characters past ASCII, in decimal or hex: not a control code, which GFX
// passes over or takes for a line's end.
QString FirstCodeValue(Options& options, const QString& value) {
    static const QRegularExpression pattern(
        QStringLiteral("^(?:0[xX]([0-9A-Fa-f]{1,8})|(\\d{1,9}))$"));
    const QRegularExpressionMatch match = pattern.match(value);
    const int code =
        match.hasCaptured(1) ? match.captured(1).toInt(nullptr, 16) : match.captured(2).toInt();
    if (match.hasMatch() && code >= 0x20 && code <= 0xFF)
        return options.firstCode = code, QString();
    return QCoreApplication::translate("glimmet-font",
                                       "--first-code: %1 is not a code from 0x20 to 0xFF (32 to "
                                       "255)")
        .arg(Quoted(value));
}

// N or WxH, each from the least side to the largest.
QString SizeValue(Options& options, const QString& value) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})(?:[xX](\\d{1,2}))?$"));
    const QRegularExpressionMatch match = pattern.match(value);
    const int w = match.captured(1).toInt();
    const int h = match.hasCaptured(2) ? match.captured(2).toInt() : w;
    const auto fits = [](int side) { return side >= Glyph::MinSide && side <= Glyph::MaxSide; };
    if (match.hasMatch() && fits(w) && fits(h)) return options.size = QSize(w, h), QString();
    return QCoreApplication::translate("glimmet-font",
                                       "--size: %1 is not N or WxH with each from %2 to %3")
        .arg(Quoted(value))
        .arg(Glyph::MinSide)
        .arg(Glyph::MaxSide);
}

// DY or DX,DY, whole pixels.
QString ShiftValue(Options& options, const QString& value) {
    static const QRegularExpression pattern(QStringLiteral("^(?:(-?\\d{1,2}),)?(-?\\d{1,2})$"));
    const QRegularExpressionMatch match = pattern.match(value);
    if (!match.hasMatch())
        return QCoreApplication::translate("glimmet-font",
                                           "--shift: %1 is not DY or DX,DY in whole pixels")
            .arg(Quoted(value));
    options.shift = QPoint(match.captured(1).toInt(), match.captured(2).toInt());
    return {};
}

// A GIF shows a frame for hundredths of a second; browsers show one of less than two at a tenth.
QString FrameTimeValue(Options& options, const QString& value) {
    int ms = 0;
    if (NumberValue("frame-ms", value, 20, 1000, ms).isEmpty() && ms % 10 == 0)
        return options.sign.frameMs = ms, QString();
    return QCoreApplication::translate("glimmet-font",
                                       "--frame-ms: %1 is not a multiple of 10 from 20 to 1000")
        .arg(Quoted(value));
}

QString DirectiveValue(Options& options, const QString& value) {
    static const QRegularExpression word(QStringLiteral("^[.A-Za-z_][.A-Za-z0-9_]*$"));
    if (!word.match(value).hasMatch())
        return QCoreApplication::translate("glimmet-font", "--db: %1 is not a directive")
            .arg(Quoted(value));
    options.directive = value;
    return {};
}

QString ScanValue(Options& options, const QString& value) {
    static const QStringList orders{"rows", "columns", "pages"};
    QString chosen;
    const QString problem = Choose("scan", value, orders, chosen);
    options.layout.scan = Scan(orders.indexOf(chosen));
    return problem;
}
