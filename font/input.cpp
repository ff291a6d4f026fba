#include "font/input.h"

#include "font/options.h"
#include "font/source.h"

#include <QCoreApplication>
#include <QFile>

QString InputName(const Options& options) {
    if (!options.charset.isEmpty() && options.from == QLatin1String("font"))
        return QStringLiteral("--charset ") + options.charset;
    if (options.input.isEmpty())
        return QCoreApplication::translate("glimmet-font", "the text arguments");
    if (options.input == QLatin1String("-"))
        return QCoreApplication::translate("glimmet-font", "standard input");
    return Quoted(options.input);
}

Diagnostic ReadInput(const Options& options, QByteArray& bytes) {
    QFile file(options.input);
    const bool opened = options.input == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                            : file.open(QIODevice::ReadOnly);
    if (opened) bytes = file.readAll();
    if (!opened || file.error() != QFileDevice::NoError)
        return Failed(CannotRead(InputName(options), file.errorString()));
    return {};
}

Diagnostic ParseInput(const Options& options, const Parser& parse, Source& source) {
    QByteArray bytes;
    const Diagnostic read = ReadInput(options, bytes);
    if (!read.ok()) return read;
    QString error;
    std::optional<Source> glyphs = parse(bytes, error);
    if (!glyphs)
        return Failed(
            QCoreApplication::translate("glimmet-font", "%1: %2").arg(InputName(options), error));
    if (glyphs->glyphs.empty())
        return Failed(QCoreApplication::translate("glimmet-font", "no glyph to convert in %1")
                          .arg(InputName(options)));
    source = std::move(*glyphs);
    source.face = InputName(options);
    return {};
}
