#pragma once

#include <QString>
#include <QTextBoundaryFinder>

// A character as a user sees it: one whole grapheme, so an emoji or a letter with its marks is
// never split.
template <class Visit>
void ForEachCharacter(const QString& text, const Visit& visit) {
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype start = 0, end; (end = graphemes.toNextBoundary()) > 0; start = end)
        visit(text.sliced(start, end - start));
}
