#pragma once

#include <QString>
#include <QStringList>

// The number of one-character edits (insertions, deletions, substitutions, swaps of two
// neighbours) that turn one word into the other.
int EditDistance(const QString& a, const QString& b);

// The choice a mistyped word most likely meant: the nearest within one edit for a short word,
// two for a longer one; empty when none is that near.
QString Closest(const QString& word, const QStringList& choices);
