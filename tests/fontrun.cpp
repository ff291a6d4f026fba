#include "tests/fontrun.h"

#include "font/charsets.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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

QString Files::write(const QString& name, const QByteArray& bytes) {
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
    return file.fileName();
}

QString Files::save(const QString& name, const QImage& image) {
    return image.save(dir_.filePath(name)) ? dir_.filePath(name) : QString();
}

QList<QStringList> textPictures(const QByteArray& text) {
    QList<QStringList> pictures;
    for (const QString& block : QString::fromUtf8(text).split("\n\n", Qt::SkipEmptyParts))
        pictures << block.split('\n').mid(1);
    return pictures;
}

QString someGb2312(int count) {
    QString text;
    for (int k = 0; k < count; ++k)
        text += QString::fromUcs4(&Gb2312()[size_t(k * 7445 / count)].codePoint, 1);
    return text;
}

void saysColumns() {
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
}

void addSays(const char* name, const char* arguments, int status, const char* message) {
    QTest::newRow(name) << QString::fromUtf8(arguments) << status << QString::fromUtf8(message);
}

void failureColumns() {
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
}

void addFailure(const char* name, const char* arguments, const QByteArray& input, int status,
                const char* message) {
    QTest::newRow(name) << QString::fromUtf8(arguments) << input << status
                        << QString::fromUtf8(message);
}

QString failsAsItSays() {
    QFETCH(QString, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QFile in(dir.filePath("in.txt")), out(dir.filePath("out.c"));
    if (!in.open(QIODevice::WriteOnly) || in.write(input) != input.size() ||
        !out.open(QIODevice::WriteOnly) || out.write("old") != 3)
        return QStringLiteral("cannot write the input or the table");
    in.close();
    out.close();
    arguments.replace("IN", in.fileName()).replace("MISSING", dir.filePath("none.txt"));
    arguments.replace("DIR", dir.path());
    QStringList words = arguments.split(' ', Qt::SkipEmptyParts);
    if (!words.contains("-o")) words = QStringList{"-o", out.fileName()} + words;  // before any --
    const Run run = glimmetFont(words);
    if (run.status != status)
        return QStringLiteral("exit status %1, not %2: ").arg(run.status).arg(status) + run.err;
    if (!run.err.startsWith("glimmet-font: ") || !run.err.contains(message.toUtf8()))
        return QStringLiteral("it said: ") + run.err;
    if (!run.out.isEmpty()) return QStringLiteral("it wrote on standard output: ") + run.out;
    if (!out.open(QIODevice::ReadOnly) || out.readAll() != "old")
        return QStringLiteral("the table changed");
    if (QDir(dir.path()).entryList(QDir::Files).size() != 2)
        return QStringLiteral("another file appeared");
    return {};
}
