// The command line: every line of the input one argument after the program's name.
#include "font/options.h"
#include "tests/fuzz/fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QStringList arguments{QStringLiteral("glimmet-font")};
    arguments += QString::fromUtf8(Bytes(data, size)).split(QLatin1Char('\n'));
    const std::variant<Options, Diagnostic> parsed = ParseOptions(arguments);
    if (const auto* problem = std::get_if<Diagnostic>(&parsed)) {
        Require(problem->status == UsageError && !problem->message.isEmpty(),
                "a usage error, said");
        return 0;
    }
    const Options& options = std::get<Options>(parsed);
    const QSize glyph = options.size;
    Require(glyph.width() >= Glyph::MinSide && glyph.width() <= Glyph::MaxSide &&
                glyph.height() >= Glyph::MinSide && glyph.height() <= Glyph::MaxSide,
            "a size of 4 to 64 a side");
    Require(options.threshold >= 0 && options.threshold <= 255, "a threshold of 0 to 255");
    Require(options.action != Options::Action::Convert || options.from == QLatin1String("font") ||
                (!options.input.isEmpty() && options.texts.isEmpty()),
            "glyphs read from a file, and only from it");
    return 0;
}
