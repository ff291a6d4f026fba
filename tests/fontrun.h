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
// The command run by another, such as setpriv running it as another user.
Run glimmetFontUnder(const QStringList& runner, const QStringList& arguments);
// The command with its standard input read from a file, as the shell's < FILE gives it.
Run glimmetFontReading(const QStringList& arguments, const QString& file,
                       const QString& lang = QStringLiteral("C"));

// The pictures of a text table, or the one of a strip: rows of '#' and '.', under a heading.
QList<QStringList> textPictures(const QByteArray& text);
