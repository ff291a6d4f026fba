// The command line: every line of the input one argument after the program's name.
#include "font/options.h"
#include "tests/fuzz/fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QStringList arguments{QStringLiteral("glimmet-font")};
    arguments += QString::fromUtf8(Bytes(data, size)).split(QLatin1Char('\n'));
    Status status = Success;
    const std::optional<Options> options = ParseOptions(arguments, status);
    if (!options) {
        Require(status == Success || status == UsageError, "an exit status without options");
        return 0;
    }
    const QSize glyph = options->table.size;
    Require(
        glyph.width() >= 4 && glyph.width() <= 64 && glyph.height() >= 4 && glyph.height() <= 64,
        "a size of 4 to 64 a side");
    Require(options->threshold >= 0 && options->threshold <= 255, "a threshold of 0 to 255");
    Require(options->from == From::Font || (!options->input.isEmpty() && options->texts.isEmpty()),
            "glyphs read from a file, and only from it");
    return 0;
}
