// --format text and --from text: glyphs as pictures, # for a lit LED and . for an unlit one,
// under a heading that names the character; drawn by hand, or written to be read back.
#include "font/coder.h"
#include "font/input.h"
#include "font/output.h"
#include "font/readers.h"
#include "font/slots.h"
#include "font/table.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {

// The lines of a --from text file, read glyph by glyph. Lines and columns count from 1 in
// messages.
class TextReader {
public:
    explicit TextReader(const QString& text) : lines_(text.split(QLatin1Char('\n'))) {
        for (QString& line : lines_)
            if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    }

    std::optional<Source> read(QString& error);

private:
    // Each of these gives false when the file is wrong, having said where.
    bool fail(qsizetype line, qsizetype column, const QString& what);
    bool heading(qsizetype n);
    // Adds a glyph known by the name, or numbered where it has none.
    void named(const QString& name);
    bool codePoints(qsizetype n);
    bool picture(qsizetype heading, qsizetype& n, Glyph& glyph);
    bool row(qsizetype n, int r, Glyph& glyph);

    QStringList lines_;
    int width_ = 0;  // of every glyph, from the first row of the first; 0 before it
    int height_ = 0;
    Source read_;
    QString error_;
};

// A heading's character or name goes into a C comment, which */ would end.
QString endsComment() {
    return QCoreApplication::translate("glimmet-font", "a heading may not hold */");
}

bool TextReader::fail(qsizetype line, qsizetype column, const QString& what) {
    error_ = QCoreApplication::translate("glimmet-font", "line %1, column %2: %3")
                 .arg(line + 1)
                 .arg(column + 1)
                 .arg(what);
    return false;
}

// U+XXXX of each code point of one character; what follows them (the character) is not read.
bool TextReader::codePoints(qsizetype n) {
    static const QRegularExpression codePoint(QStringLiteral("\\GU\\+([0-9A-Fa-f]{4,6})(?: |$)"));
    const QString& line = lines_[n];
    QList<char32_t> codes;
    qsizetype at = 0;
    for (QRegularExpressionMatch match; (match = codePoint.match(line, at)).hasMatch();
         at = match.capturedEnd()) {
        const char32_t code = match.captured(1).toUInt(nullptr, 16);
        if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) ||
            QChar::category(code) == QChar::Other_Control)
            return fail(
                n, at,
                QCoreApplication::translate("glimmet-font", "%1 is no character a glyph can show")
                    .arg(match.captured().trimmed()));
        codes << code;
    }
    if (codes.isEmpty())
        return fail(n, 0,
                    QCoreApplication::translate("glimmet-font", "U+ takes four to six hex digits"));
    // Not split again: where a character ends depends on the text around it.
    const QString character = QString::fromUcs4(codes.constData(), codes.size());
    if (character.contains(QLatin1String("*/"))) return fail(n, 0, endsComment());
    read_.characters.addGlyph(character);
    return true;
}

// A line of only # and . is a row, even the first of a glyph: one drawn without a heading.
bool isRow(const QString& line) {
    return std::all_of(line.begin(), line.end(),
                       [](QChar c) { return c == QLatin1Char('#') || c == QLatin1Char('.'); });
}

// U+ and the code points, or # and a space and a name.
bool TextReader::heading(qsizetype n) {
    const QString& line = lines_[n];
    if (line.startsWith(QLatin1String("U+"))) return codePoints(n);
    if (!line.startsWith(QLatin1String("# ")))
        return fail(n, 0,
                    QCoreApplication::translate("glimmet-font",
                                                "a glyph starts with its heading (U+ and its code "
                                                "points, or # and a space and a name) or its "
                                                "first row"));
    if (line.contains(QLatin1String("*/")))
        return fail(n, line.indexOf(QLatin1String("*/")), endsComment());
    named(line.mid(2).trimmed());
    return true;
}

// A slot's name gives its code, to read back into the slot.
void TextReader::named(const QString& name) {
    read_.characters.addNamed(
        name.isEmpty() ? QStringLiteral("glyph %1").arg(read_.glyphs.size()) : name,
        SlotCode(name));
}

bool TextReader::row(qsizetype n, int r, Glyph& glyph) {
    const QString& line = lines_[n];
    if (!width_) width_ = int(std::min<qsizetype>(line.size(), Glyph::MaxSide + 1));
    for (int c = 0; c < line.size(); ++c) {
        if (line[c] != QLatin1Char('#') && line[c] != QLatin1Char('.'))
            return fail(
                n, c,
                QCoreApplication::translate("glimmet-font", "'%1' is neither # (lit) nor . (unlit)")
                    .arg(line[c]));
        if (c == Glyph::MaxSide)
            return fail(n, c,
                        QCoreApplication::translate("glimmet-font", "a row has at most %1 pixels")
                            .arg(Glyph::MaxSide));
        if (c == width_)
            return fail(n, c,
                        QCoreApplication::translate("glimmet-font",
                                                    "the row is longer than the glyphs' %1 pixels")
                            .arg(width_));
        glyph.set(c, r, line[c] == QLatin1Char('#'));
    }
    if (line.size() < width_)
        return fail(
            n, line.size(),
            QCoreApplication::translate("glimmet-font", "the row ends before the glyphs' %1 pixels")
                .arg(width_));
    return true;
}

// The rows up to an empty line or the end, n past them.
bool TextReader::picture(qsizetype heading, qsizetype& n, Glyph& glyph) {
    int r = 0;
    for (; n < lines_.size() && !lines_[n].isEmpty(); ++n, ++r) {
        if (r == Glyph::MaxSide)
            return fail(n, 0,
                        QCoreApplication::translate("glimmet-font", "a glyph has at most %1 rows")
                            .arg(Glyph::MaxSide));
        if (!row(n, r, glyph)) return false;
    }
    if (!height_) {
        if (width_ < Glyph::MinSide || r < Glyph::MinSide)
            return fail(heading, 0,
                        QCoreApplication::translate(
                            "glimmet-font", "the glyph is %1 x %2 pixels; a side is %3 to %4")
                            .arg(width_)
                            .arg(r)
                            .arg(Glyph::MinSide)
                            .arg(Glyph::MaxSide));
        height_ = r;
    }
    if (r != height_)
        return fail(heading, 0,
                    QCoreApplication::translate("glimmet-font",
                                                "the glyph has %1 rows, the glyphs before it %2")
                        .arg(r)
                        .arg(height_));
    Glyph cropped(QSize(width_, height_));
    cropped.draw(glyph, 0, 0);
    glyph = cropped;
    return true;
}

std::optional<Source> TextReader::read(QString& error) {
    for (qsizetype n = 0; n < lines_.size();) {
        if (lines_[n].isEmpty()) {
            ++n;
            continue;
        }
        const qsizetype first = n;
        const bool headed = !isRow(lines_[first]);
        if (!headed) named({});
        // Room for the largest glyph until the rows say how large this one is.
        Glyph glyph(QSize(Glyph::MaxSide, Glyph::MaxSide));
        if ((headed && !heading(n++)) || !picture(first, n, glyph)) {
            error = error_;
            return std::nullopt;
        }
        read_.glyphs.push_back(glyph);
    }
    return std::move(read_);
}

}  // namespace

std::optional<Source> ReadTextGlyphs(QByteArrayView bytes, QString& error) {
    const qsizetype bad = FirstInvalidUtf8(bytes);
    if (bad >= 0) {
        error =
            QCoreApplication::translate("glimmet-font", "not valid UTF-8: byte 0x%1 at offset %2")
                .arg(uint8_t(bytes[bad]), 2, 16, QLatin1Char('0'))
                .arg(bad);
        return std::nullopt;
    }
    return TextReader(WithoutByteOrderMark(QString::fromUtf8(bytes))).read(error);
}

namespace {

QString picture(const Glyph& glyph) {
    QString picture;
    for (int r = 0; r < glyph.height(); ++r) {
        for (int c = 0; c < glyph.width(); ++c)
            picture += glyph.at(c, r) ? QLatin1Char('#') : QLatin1Char('.');
        picture += QLatin1Char('\n');
    }
    return picture;
}

QByteArray none(const Table&) {
    return {};
}

void entry(const Table&, const Entry& entry, QByteArray& text) {
    text += TextGlyph(entry.character, entry.named, entry.glyph);
}

QByteArray separator(bool) {
    return {};
}

QByteArray strip(const Table&, const QString& message, const Glyph& strip) {
    return (message + QLatin1Char('\n') + picture(strip) + QLatin1Char('\n')).toUtf8();
}

constexpr TableText Text{none, entry, separator, none, strip};

}  // namespace

QByteArray TextGlyph(const QString& character, bool named, const Glyph& glyph) {
    const QString heading = named ? QStringLiteral("# ") + character
                                  : CodePoints(character) + QLatin1Char(' ') + character;
    return (heading + QLatin1Char('\n') + picture(glyph) + QLatin1Char('\n')).toUtf8();
}

Diagnostic ReadText(const Options& options, Source& source) {
    return ParseInput(options, ReadTextGlyphs, source);
}

Diagnostic WriteText(const Options& options, const Source& source, Output& output, Outputs&) {
    return WriteTable(Table(options, source), Text, output);
}
