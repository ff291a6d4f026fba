#include "tests/fontrun.h"

#include <QProcess>

Run glimmetFont(const QStringList& arguments, const QByteArray& input) {
    QProcess process;
    process.start(QStringLiteral(GLIMMET_FONT), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}
