#pragma once

#include <QByteArray>
#include <QStringList>

// A run of glimmet-font: its exit status and what it wrote.
struct Run {
    int status;
    QByteArray out, err;
};

Run glimmetFont(const QStringList& arguments, const QByteArray& input = {});
