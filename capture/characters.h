#pragma once

#include <QString>
#include <QTextBoundaryFinder>

// A character as a user sees it: one whole grapheme, so an emoji or a letter with its marks is
// never split. The character box keeps one; a font table holds one a glyph.
template <class Visit>
void ForEachCharacter(const QString& text, const Visit& visit) {
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype start = 0, end; (end = graphemes.toNextBoundary()) > 0; start = end)
        visit(text.sliced(start, end - start));
}

// Where the first character ends; 0 for an empty text.
inline qsizetype FirstCharacterEnd(const QString& text) {
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    return std::max<qsizetype>(0, graphemes.toNextBoundary());
}

// The text's one code point; 0 for any other text.
inline char32_t SingleCodePoint(const QString& text) {
    if (text.size() == 1 && !text[0].isSurrogate()) return text[0].unicode();
    if (text.size() == 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate())
        return QChar::surrogateToUcs4(text[0], text[1]);
    return 0;
}
