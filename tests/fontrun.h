#pragma once

#include "tests/glyphbytes.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

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

// The files a test gives the command, in a folder of their own that goes with it; each path is
// empty where the file could not be written.
class Files {
public:
    QString write(const QString& name, const QByteArray& bytes);
    QString save(const QString& name, const QImage& image);
    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

// count characters spread evenly over GB2312's 7,445, symbols and hanzi of both levels.
QString someGb2312(int count);

// A table of runs: the arguments, the exit status and what it says.
void saysColumns();
void addSays(const char* name, const char* arguments, int status, const char* message);

// A table of failures: the arguments, the input, the exit status and words of the message.
void failureColumns();
void addFailure(const char* name, const char* arguments, const QByteArray& input, int status,
                const char* message);
// Runs the current row of that table, where IN is a file holding the input, MISSING a file that
// is not there and DIR a folder of the run's own; it writes to OUT, an existing table, unless the
// arguments say where. What is wrong, or nothing: a failure exits with the status and says the
// message, writes nothing on standard output, leaves OUT as it was and no other file.
QString failsAsItSays();
