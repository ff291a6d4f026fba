#include "tests/fontrun.h"

#include "font/charsets.h"

#include <QProcess>

Run glimmetFont(const QStringList& arguments, const QByteArray& input, const QString& lang) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) environment.remove(name);
    environment.insert(QStringLiteral("LANG"), lang);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(GLIMMET_FONT), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QList<QStringList> textPictures(const QByteArray& text) {
    QList<QStringList> pictures;
    for (const QString& block : QString::fromUtf8(text).split("\n\n", Qt::SkipEmptyParts))
        pictures << block.split('\n').mid(1);
    return pictures;
}

QString SomeGb2312(int count) {
    QString text;
    for (int k = 0; k < count; ++k)
        text += QString::fromUcs4(&Gb2312()[size_t(k * 7445 / count)].codePoint, 1);
    return text;
}
