#pragma once

#include "tests/glyphbytes.h"

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// A run of glimmet-font: its exit status and what it wrote.
struct Run {
    int status;
    QByteArray out, err;
};

// The command under a locale: English unless told otherwise, whatever the machine's.
Run glimmetFont(const QStringList& arguments, const QByteArray& input = {},
                const QString& lang = QStringLiteral("C"));

// The pictures of a text table, or the one of a strip: rows of '#' and '.', under a heading.
QList<QStringList> textPictures(const QByteArray& text);

// Characters of GB2312 spread evenly over it, from its symbols to its last hanzi.
QString SomeGb2312(int count);
