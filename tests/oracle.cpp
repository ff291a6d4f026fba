#include "tests/oracle.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>

#include <algorithm>

namespace {

// Runs the program; its standard output, or nothing with what it said in error.
QByteArray run(const QString& program, const QStringList& arguments, const QString& folder,
               QString& error) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        error = program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) +
                QStringLiteral(":\n") + QString::fromUtf8(process.readAllStandardError()) +
                QString::fromUtf8(process.readAllStandardOutput().left(2000));
        return {};
    }
    return process.readAllStandardOutput();
}

// The render program of the library with this font and name, named by their fingerprint, so a
// long text drawn piece by piece is one build, not one a piece.
QString programFor(Library library, const QString& font, const QString& name,
                   const QString& folder) {
    QFile file(font);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (file.open(QIODevice::ReadOnly)) hash.addData(&file);
    hash.addData(QStringLiteral("%1 %2").arg(int(library)).arg(name).toUtf8());
    return QDir(folder).absoluteFilePath(QStringLiteral("render-") +
                                         QString::fromLatin1(hash.result().toHex().left(16)));
}

// The command that builds the library's render program with the font.
std::pair<QString, QStringList> build(Library library, const QString& font, const QString& name,
                                      const QString& render) {
    const QString oracles = QStringLiteral(GLIMMET_ORACLES_DIR);
    switch (library) {
        case Library::U8g2:
            return {QStringLiteral(ORACLE_CC),
                    {"-DFONT=" + name, "-I" + oracles + "/u8g2/csrc", "-o", render,
                     oracles + "/u8g2/render.c", font, QStringLiteral(ORACLE_U8G2)}};
        case Library::Lvgl:
            return {QStringLiteral(ORACLE_CC),
                    {"-DFONT=" + name, "-DLV_CONF_INCLUDE_SIMPLE", "-DLV_LVGL_H_INCLUDE_SIMPLE",
                     "-I" + oracles + "/lvgl", "-I" + oracles + "/lvgl/src", "-o", render,
                     oracles + "/lvgl/render.c", font, QStringLiteral(ORACLE_LVGL)}};
        case Library::Gfx:
            return {QStringLiteral(ORACLE_CXX),
                    {"-DARDUINO=100", "-DFONT=" + name, "-DFONT_FILE=\"" + font + "\"",
                     "-I" + oracles + "/adafruit-gfx", "-I" + oracles + "/adafruit-gfx/shim", "-o",
                     render, oracles + "/adafruit-gfx/render.cpp", QStringLiteral(ORACLE_GFX)}};
    }
    return {};
}

// The render program's arguments; GFX's text goes as the bytes of its codes, through the shell's
// printf, since an argument of a QProcess is UTF-8.
std::pair<QString, QStringList> render(Library library, const QString& program, const QString& text,
                                       const QStringList& canvas) {
    if (library != Library::Gfx) return {program, QStringList{text} + canvas};
    QString escapes;
    for (char byte : text.toLatin1())
        escapes += QStringLiteral("\\%1").arg(uint8_t(byte), 3, 8, QLatin1Char('0'));
    return {QStringLiteral("sh"),
            QStringList{"-c", "exec \"$0\" \"$(printf \"$1\")\" \"$2\" \"$3\" \"$4\"", program,
                        escapes} +
                canvas};
}

}  // namespace

Drawing Draw(Library library, const QString& font, const QString& name, const QString& text,
             const QString& folder, int width, int height, int baseline) {
    Drawing drawing;
    static QSet<QString> built;
    const QString path = QDir(folder).absoluteFilePath(font);
    const QString program = programFor(library, path, name, folder);
    if (!built.contains(program)) {
        const auto [compiler, arguments] = build(library, path, name, program);
        run(compiler, arguments, folder, drawing.error);
        if (!drawing.error.isEmpty()) return drawing;
        built.insert(program);
    }
    QStringList canvas;
    if (library != Library::Lvgl)
        canvas << QString::number(width) << QString::number(height) << QString::number(baseline);
    const auto [command, words] = render(library, program, text, canvas);
    const QByteArray picture = run(command, words, folder, drawing.error);
    drawing.rows = QString::fromUtf8(picture).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return drawing;
}

QStringList Shape(const QStringList& rows) {
    qsizetype top = -1, bottom = -1, left = -1, right = -1;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const qsizetype first = rows[r].indexOf(QLatin1Char('#'));
        if (first < 0) continue;
        if (top < 0) top = r;
        bottom = r;
        left = left < 0 ? first : std::min(left, first);
        right = std::max(right, rows[r].lastIndexOf(QLatin1Char('#')));
    }
    QStringList shape;
    for (qsizetype r = top; top >= 0 && r <= bottom; ++r)
        shape << rows[r]
                     .mid(left, right - left + 1)
                     .leftJustified(right - left + 1, QLatin1Char('.'));
    return shape;
}

// bdfconv's font leaves u8g2.h to the file that includes it.
QString Bdfconv(const QString& bdf, const QString& name, const QString& folder, QString& error) {
    run(QStringLiteral(ORACLE_BDFCONV),
        {"-f", "1", "-m", "32-65535", "-n", name, "-o", name + ".c", bdf}, folder, error);
    if (!error.isEmpty()) return {};
    QFile font(QDir(folder).filePath(name + ".c"));
    if (!font.open(QIODevice::ReadOnly)) return error = font.errorString(), QString();
    const QByteArray source = "#include \"u8g2.h\"\n" + font.readAll();
    font.close();
    if (!font.open(QIODevice::WriteOnly) || font.write(source) != source.size())
        return error = font.errorString(), QString();
    return name + ".c";
}
