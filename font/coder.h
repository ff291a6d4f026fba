#pragma once

#include "font/diagnostic.h"

#include <QStringList>

#include <vector>

struct Options;
struct Source;
class Output;
class Outputs;

// A format the command reads glyphs from (--from) or writes them in (--format): one coder a
// format, in a file of its own under coders/, each a row of Coders().
struct Coder {
    const char* name;
    const char* summary;  // a line of the help and of the manual: QT_TRANSLATE_NOOP
    // Fills the source from the input the options name; null for a format only written.
    Diagnostic (*read)(const Options& options, Source& source);
    // Writes the source to the output the options name; further files (a header) it opens among
    // the outputs. Null for a format only read.
    Diagnostic (*write)(const Options& options, const Source& source, Output& output,
                        Outputs& outputs);
    // The options that only some formats take: those that reading this one takes, and those that
    // writing it takes.
    QStringList reads, writes;
    bool binary = false;  // bytes that would garble a terminal
    // A font that firmware draws text with: its glyphs are captured as wide as the font advances
    // past each character, and placed by their ink. A table's glyphs are cells of --size.
    bool proportional = false;
    // The most bytes its reader takes from a file: room for the largest files of its kind, and a
    // bound on what a run holds in memory.
    qint64 limit = 0;
};

// Bytes in a mebibyte, as the limits are said.
constexpr qint64 MiB = 1 << 20;

const std::vector<Coder>& Coders();
// The names of the coders that read, or write.
QStringList ReadingFormats();
QStringList WritingFormats();
// The coder of a name those give.
const Coder& FindCoder(const QString& name);
// Whether any coder takes the option, and so whether the others have no use for it.
bool TakenByCoders(const QString& option);
