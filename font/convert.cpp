#include "font/convert.h"

#include "font/coder.h"
#include "font/options.h"
#include "font/output.h"
#include "font/preview.h"
#include "font/sheet.h"
#include "font/source.h"

#include <QCoreApplication>

namespace {

// The files named on the command line, opened before any work is done: each may fail at once.
// Bytes would garble a terminal and are lost there.
Diagnostic openOutputs(const Options& options, const Coder& writer, Outputs& outputs,
                       Output*& table) {
    Diagnostic problem;
    table = outputs.open(options.output, problem);
    if (!table) return problem;
    if (writer.binary && table->isTerminal())
        return Usage(
            QCoreApplication::translate(
                "glimmet-font", "--format %1 does not write to a terminal; use -o FILE or a pipe")
                .arg(QLatin1String(writer.name)));
    for (const QString& path : {options.header, options.preview})
        if (!path.isEmpty() && !outputs.open(path, problem)) return problem;
    return {};
}

// What goes beside the table: the proof sheet or the preview.
Diagnostic drawPictures(const Options& options, const Source& source, Outputs& outputs) {
    if (!options.sheet.isEmpty()) {
        const Diagnostic drawn =
            WriteSheet(options.sheet, source.characters, source.glyphs, outputs);
        if (!drawn.ok()) return drawn;
    }
    if (options.preview.isEmpty()) return {};
    return WritePreview(*outputs.find(options.preview), *source.strip, options.signWidth);
}

}  // namespace

// Where anything fails, no file is put in place.
Diagnostic Convert(const Options& options) {
    const Coder& reader = FindCoder(options.from);
    const Coder& writer = FindCoder(options.format);
    Outputs outputs(options.input);
    Output* table = nullptr;
    Diagnostic step = openOutputs(options, writer, outputs, table);
    Source source;
    if (step.ok()) step = reader.read(options, source);
    if (step.ok()) step = writer.write(options, source, *table, outputs);
    if (step.ok()) step = drawPictures(options, source, outputs);
    return step.ok() ? outputs.commit() : step;
}
