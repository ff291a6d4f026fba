#include "tests/fontrun.h"

#include <QProcess>

namespace {

// The command's environment: the locale given, and no other that would override it.
void setLanguage(QProcess& process, const QString& lang) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) environment.remove(name);
    environment.insert(QStringLiteral("LANG"), lang);
    process.setProcessEnvironment(environment);
}

Run finished(QProcess& process) {
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

}  // namespace

Run glimmetFont(const QStringList& arguments, const QByteArray& input, const QString& lang) {
    QProcess process;
    setLanguage(process, lang);
    process.start(QStringLiteral(GLIMMET_FONT), arguments);
    process.write(input);
    process.closeWriteChannel();
    return finished(process);
}

Run glimmetFontUnder(const QStringList& runner, const QStringList& arguments) {
    QProcess process;
    setLanguage(process, QStringLiteral("C"));
    process.start(runner.front(), runner.mid(1) << QStringLiteral(GLIMMET_FONT) << arguments);
    process.closeWriteChannel();
    return finished(process);
}

Run glimmetFontReading(const QStringList& arguments, const QString& file, const QString& lang) {
    QProcess process;
    setLanguage(process, lang);
    process.setStandardInputFile(file);
    process.start(QStringLiteral(GLIMMET_FONT), arguments);
    return finished(process);
}

QList<QStringList> textPictures(const QByteArray& text) {
    QList<QStringList> pictures;
    for (const QString& block : QString::fromUtf8(text).split("\n\n", Qt::SkipEmptyParts))
        pictures << block.split('\n').mid(1);
    return pictures;
}
