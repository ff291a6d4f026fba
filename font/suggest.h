#pragma once

#include <QString>
#include <QStringList>

// The number of one-character edits (insertions, deletions, substitutions, swaps of two
// neighbours) that turn one word into the other.
int EditDistance(const QString& a, const QString& b);

// The choices a mistyped word most likely meant, in any case: those nearest to it, within one
// edit for a short word and two for a longer one; none when none is that near.
QStringList Nearest(const QString& word, const QStringList& choices);
// The first of them, or nothing.
QString Closest(const QString& word, const QStringList& choices);
