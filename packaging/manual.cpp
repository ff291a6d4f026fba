// Writes glimmet-font's manual page from its source, the list of formats made from the coders'
// table in the page's language: the line '.\" FORMATS' of the source stands for it.
// Usage: glimmet-manual SOURCE OUTPUT [TRANSLATION.qm]
#include "font/coder.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>

#include <cstdio>

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("glimmet-font", text);
}

// troff takes a line that starts with a dot or a quote as a request.
QString escaped(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1Char('\\'), QLatin1String("\\e"));
    lines.replace(QLatin1Char('-'), QLatin1String("\\-"));
    lines.replace(
        QRegularExpression(QStringLiteral("^([.'])"), QRegularExpression::MultilineOption),
        QStringLiteral("\\&\\1"));
    return lines;
}

QString options(const QStringList& names) {
    QStringList dashed;
    for (const QString& name : names) dashed << escaped(QStringLiteral("--") + name);
    return dashed.join(QStringLiteral(", "));
}

// Each format: its name, what reads and writes it, what it is, and the options it alone takes.
QString formats() {
    QString page;
    for (const Coder& coder : Coders()) {
        QStringList roles;
        if (coder.read) roles << QStringLiteral("\\-\\-from");
        if (coder.write) roles << QStringLiteral("\\-\\-format");
        page += QStringLiteral(".TP\n.BR %1 \" (%2)\"\n%3\n.br\n")
                    .arg(QLatin1String(coder.name), roles.join(QStringLiteral(", ")),
                         escaped(translated(coder.summary)));
        if (!coder.reads.isEmpty())
            page += QCoreApplication::translate("glimmet-font", "Read with: %1.\n")
                        .arg(options(coder.reads));
        if (!coder.writes.isEmpty())
            page += QCoreApplication::translate("glimmet-font", "Written with: %1.\n")
                        .arg(options(coder.writes));
    }
    return page;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 3) {
        std::fputs("usage: glimmet-manual SOURCE OUTPUT [TRANSLATION.qm]\n", stderr);
        return 2;
    }
    QTranslator translator;
    if (arguments.size() > 3 &&
        (!translator.load(arguments[3]) || !app.installTranslator(&translator)))
        return std::fprintf(stderr, "glimmet-manual: cannot load %s\n", qPrintable(arguments[3])),
               1;
    QFile source(arguments[1]), page(arguments[2]);
    if (!source.open(QIODevice::ReadOnly) || !page.open(QIODevice::WriteOnly))
        return std::fputs("glimmet-manual: cannot read the source or write the page\n", stderr), 1;
    QString text = QString::fromUtf8(source.readAll());
    text.replace(QStringLiteral(".\\\" FORMATS\n"), formats());
    return page.write(text.toUtf8()) < 0 ? 1 : 0;
}
