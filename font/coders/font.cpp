// --from font, the default: the characters of the text, a file or a character set, each captured
// from a font as the window captures the one typed into its box.
#include "font/boards.h"
#include "font/coder.h"
#include "font/fullwidth.h"
#include "font/glyphs.h"
#include "font/input.h"
#include "font/options.h"
#include "font/source.h"
#include "font/strip.h"
#include "font/table.h"
#include "font/textinput.h"
#include "font/typeface.h"

#include <QCoreApplication>
#include <QRawFont>

#include <future>

namespace {

void warnAbout(const QStringList& characters, const QString& warning) {
    for (const QString& character :
         characters.first(std::min<qsizetype>(characters.size(), NamedInMessages)))
        Warn(warning.arg(character));
    if (characters.size() > NamedInMessages)
        Warn(QCoreApplication::translate("glimmet-font", "and %1 more characters likewise")
                 .arg(characters.size() - NamedInMessages));
}

// Glyphs that another font stands in for, and glyphs whose ink their capture's size cuts.
void warn(const Characters& characters, const QFont& font, const std::vector<Glyph>& glyphs,
          const std::vector<char>& cut) {
    const QRawFont raw = QRawFont::fromFont(font);
    QStringList missing, lost;
    for (size_t i = 0; i < characters.distinct.size(); ++i) {
        const QString& character = characters.distinct[i];
        const QList<uint> codes = MissingFromFont(character, raw);
        for (uint code : codes)
            missing << QString::asprintf("U+%04X", code) + QStringLiteral(" (%1)").arg(character);
        if (codes.isEmpty() && cut[i])
            lost << QCoreApplication::translate("glimmet-font",
                                                "%1 (%2) loses ink outside its %3 x %4 square")
                        .arg(CodePoints(character), character)
                        .arg(glyphs[i].width())
                        .arg(glyphs[i].height());
    }
    warnAbout(missing, QCoreApplication::translate(
                           "glimmet-font",
                           "the capture font has no glyph for %1; the table holds what the "
                           "window captures for it"));
    warnAbout(lost, QStringLiteral("%1"));
}

// Few hanzi can be read in 8 x 8 LEDs: a MAX7219 module shows one well on four.
void warnSmallHanzi(const Options& options, const Characters& characters) {
    if (options.board.isEmpty() || QLatin1String(FindBoard(options.board).name) != "max7219" ||
        options.size != QSize(8, 8))
        return;
    for (const QString& character : characters.distinct)
        if (QChar::script(character.toUcs4().value(0)) == QChar::Script_Han)
            return Warn(QCoreApplication::translate(
                "glimmet-font",
                "--board max7219 draws hanzi in 8 x 8 LEDs, where few can be read; give --size "
                "16 and show each on a square of four modules (see --board max7219 in the "
                "manual)"));
}

}  // namespace

// A strip, for --strip and --preview, is of glyphs as wide as the font advances; a table's are
// of the size.
Diagnostic CaptureFont(const Options& options, Source& source) {
    // The characters are read while the font is found: each takes milliseconds.
    std::future<Diagnostic> read =
        std::async(std::launch::async, [&] { return ReadCharacters(options, source.characters); });
    const QSize size = options.size;
    Typeface typeface;
    const Diagnostic found =
        FindTypeface(options.font.isEmpty() ? DefaultFamily(size.height()) : options.font,
                     size.height(), typeface);
    const Diagnostic readAll = read.get();
    if (!readAll.ok()) return readAll;
    if (!found.ok()) return found;
    source.face = typeface.name;
    source.file = typeface.print.face.file;
    const CaptureSetup setup = typeface.setup(options.shift);
    const Characters& characters = source.characters;
    std::vector<char> cut;
    if (options.strip || !options.preview.isEmpty()) {
        Strip strip = CaptureStrip(characters, setup, size.height());
        if (strip.picture.isEmpty())
            return Failed(QCoreApplication::translate(
                              "glimmet-font", "no character of %1 has a width to show in a strip")
                              .arg(InputName(options)));
        source.strip = std::move(strip.picture);
        source.stripEdges = std::move(strip.edges);
        if (options.strip) source.glyphs = std::move(strip.glyphs), cut = std::move(strip.cut);
    }
    const bool proportional = FindCoder(options.format).proportional;
    if (!options.strip) {
        source.glyphs = CaptureAll(characters.distinct, setup, size, proportional, &cut);
        const std::optional<Slots> slotFile = TableSlots(options, size);
        if (slotFile && slotFile->gb2312())
            source.widened = WidenHalfWidth(characters, source.glyphs);
    }
    // The warnings are about what is written: the strip's captures, or the table's.
    warn(characters, typeface.font, source.glyphs, cut);
    warnSmallHanzi(options, characters);
    return {};
}
