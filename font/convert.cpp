#include "font/convert.h"

#include "font/coder.h"
#include "font/input.h"
#include "font/options.h"
#include "font/output.h"
#include "font/preview.h"
#include "font/sheet.h"
#include "font/source.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The files named on the command line, opened before any work is done: each may fail at once.
// Bytes would garble a terminal and are lost there.
Diagnostic openOutputs(const Options& options, const Coder& writer, Outputs& outputs,
                       Output*& table) {
    Diagnostic problem;
    table = outputs.open(options.output, options.output.isEmpty() ? "" : "-o", problem);
    if (!table) return problem;
    if (writer.binary && table->isTerminal())
        return Usage(
            QCoreApplication::translate(
                "glimmet-font", "--format %1 does not write to a terminal; use -o FILE or a pipe")
                .arg(QLatin1String(writer.name)));
    if (!options.header.isEmpty() && !outputs.open(options.header, "--header", problem))
        return problem;
    if (!options.preview.isEmpty() && !outputs.open(options.preview, "--preview", problem))
        return problem;
    // The sheet's pages are known once the glyphs are: its name is claimed now.
    return options.sheet.isEmpty() ? Diagnostic() : outputs.claim(options.sheet, "--sheet");
}

// The files read, which no output may overwrite: the input and a font file.
std::vector<std::pair<QString, QString>> inputs(const Options& options) {
    std::vector<std::pair<QString, QString>> files;
    if (options.input == QLatin1String("-"))
        files.emplace_back(options.input, InputName(options));
    else if (!options.input.isEmpty())
        files.emplace_back(
            options.input,
            QCoreApplication::translate("glimmet-font", "the input %1").arg(InputName(options)));
    if (options.font.contains(QLatin1Char('/')) || QFileInfo(options.font).isFile())
        files.emplace_back(options.font,
                           QCoreApplication::translate("glimmet-font", "the font file %1")
                               .arg(Quoted(options.font)));
    return files;
}

// What goes beside the table: the proof sheet or the preview.
Diagnostic drawPictures(const Options& options, const Source& source, Outputs& outputs) {
    if (!options.sheet.isEmpty()) {
        const Diagnostic drawn =
            WriteSheet(options.sheet, source.characters, source.glyphs, outputs);
        if (!drawn.ok()) return drawn;
    }
    if (options.preview.isEmpty()) return {};
    return WritePreview(*outputs.find(options.preview), *source.strip, source.stripEdges,
                        options.sign);
}

}  // namespace

// Where anything fails, no file is put in place.
Diagnostic Convert(const Options& options) {
    const Coder& reader = FindCoder(options.from);
    const Coder& writer = FindCoder(options.format);
    Outputs outputs(inputs(options));
    Output* table = nullptr;
    Diagnostic step = openOutputs(options, writer, outputs, table);
    Source source;
    if (step.ok()) step = reader.read(options, source);
    if (step.ok()) step = writer.write(options, source, *table, outputs);
    if (step.ok()) step = drawPictures(options, source, outputs);
    return step.ok() ? outputs.commit() : step;
}
