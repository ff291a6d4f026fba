#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A run of glimmet-font: its exit status and what it wrote.
struct Run {
    int status;
    QByteArray out, err;
};

// The command under a locale: English unless told otherwise, whatever the machine's.
Run glimmetFont(const QStringList& arguments, const QByteArray& input = {},
                const QString& lang = QStringLiteral("C"));
