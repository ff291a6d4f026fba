#include "font/optionrules.h"

#include "font/boards.h"
#include "font/charsets.h"
#include "font/coder.h"
#include "font/encoding.h"
#include "font/options.h"
#include "font/optionvalues.h"
#include "font/preview.h"
#include "font/slots.h"
#include "font/suggest.h"
#include "font/target.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("glimmet-font", text);
}

// The rows of a table as the help lists them: each name with its summary, and any other name.
template <class Row, const std::vector<Row>& (*rows)()>
std::vector<std::pair<QString, QString>> summaries() {
    std::vector<std::pair<QString, QString>> choices;
    for (const Row& row : rows()) {
        choices.emplace_back(QLatin1String(row.name), translated(row.summary));
        if constexpr (requires { row.alias; })
            if (row.alias)
                choices.emplace_back(
                    QLatin1String(row.alias),
                    QCoreApplication::translate("glimmet-font", "another name of %1")
                        .arg(QLatin1String(row.name)));
    }
    return choices;
}

// The options that store a value or set a switch as they are.
#define VALUE(field) [](Options& o, const QString& v) { return o.field = v, QString(); }
#define SWITCH(field) [](Options& o, const QString&) { return o.field = true, QString(); }
#define CHOICE(field, option, names) \
    [](Options& o, const QString& v) { return Choose(option, v, names, o.field); }

}  // namespace

const std::vector<OptionRule>& OptionRules() {
    static const std::vector<OptionRule> rules{
        {"input", 'i', QT_TRANSLATE_NOOP("glimmet-font", "FILE"), Section::Input,
         QT_TRANSLATE_NOOP("glimmet-font", "the characters of a file; - is standard input"),
         VALUE(input)},
        {"charset", 0, QT_TRANSLATE_NOOP("glimmet-font", "SET"), Section::Input,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "gb2312 (7,445 characters), gb2312-hanzi (6,763) or\nascii (95)"),
         CHOICE(charset, "charset", CharsetNames())},
        {"encoding", 0, QT_TRANSLATE_NOOP("glimmet-font", "ENCODING"), Section::Input,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "the encoding of the file: utf-8 (default), gbk,\n"
                           "gb18030, big5, utf-16 (by its byte order mark, else\n"
                           "little-endian), utf-16le or utf-16be; a file that\n"
                           "starts with a UTF-16 byte order mark needs none"),
         CHOICE(encoding, "encoding", EncodingNames())},
        {"from", 0, QT_TRANSLATE_NOOP("glimmet-font", "FORMAT"), Section::FromFile,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "where the glyphs come from: font (the default) or a\n"
                           "format below that reads"),
         CHOICE(from, "from", ReadingFormats())},
        {"threshold", 0, QT_TRANSLATE_NOOP("glimmet-font", "N"), Section::FromFile,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "an opaque pixel darker than N (0 to 255, default 128)\nis lit"),
         [](Options& o, const QString& v) {
             return NumberValue("threshold", v, 0, 255, o.threshold);
         }},
        {"dither", 0, nullptr, Section::FromFile,
         QT_TRANSLATE_NOOP("glimmet-font", "Floyd-Steinberg dithering, for photographs"),
         SWITCH(dither)},
        {"format", 'f', QT_TRANSLATE_NOOP("glimmet-font", "FORMAT"), Section::Output,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "what to write: c (the default) or a format below\n"
                           "that writes"),
         CHOICE(format, "format", WritingFormats())},
        {"output", 'o', QT_TRANSLATE_NOOP("glimmet-font", "FILE"), Section::Output,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "write to FILE, whole or not at all (default and -:\nstandard output)"),
         VALUE(output)},
        {"target", 0, QT_TRANSLATE_NOOP("glimmet-font", "TOOLCHAIN"), Section::Output,
         QT_TRANSLATE_NOOP("glimmet-font", "what compiles or assembles the table:"),
         CHOICE(target, "target", TargetNames()), summaries<Target, Targets>},
        {"header", 0, QT_TRANSLATE_NOOP("glimmet-font", "FILE"), Section::Output,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "also write a C header declaring the table (extern),\n"
                           "for projects of several source files; the table\n"
                           "itself is then not static and includes it"),
         VALUE(header)},
        {"name", 0, QT_TRANSLATE_NOOP("glimmet-font", "IDENT"), Section::Output,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "the name of the C array, the assembly label or the\n"
                           "font (default glyphs; for u8g2 glimmet_font; for\n"
                           "lvgl the face and size, as unifont_16; font for\n"
                           "gfx and cfont)"),
         VALUE(name)},
        {"db", 0, QT_TRANSLATE_NOOP("glimmet-font", "WORD"), Section::Output,
         QT_TRANSLATE_NOOP("glimmet-font", "the assembly data directive (default: the target's)"),
         DirectiveValue},
        {"index", 0, QT_TRANSLATE_NOOP("glimmet-font", "SET"), Section::Output,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "the code each glyph is found by: gb2312 (ASCII as\n"
                           "its one byte, the rest as two) or unicode (the code\n"
                           "point). c and asm: each glyph as a record, its code\n"
                           "first; cfont: the codes it looks up (default\n"
                           "unicode)"),
         CHOICE(index, "index", (QStringList{"gb2312", "unicode"}))},
        {"message", 0, nullptr, Section::Output,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "cfont: also the text, in order, as a string in the\n"
                           "font's codes (NAME_text): UTF-8, or GB2312 with\n"
                           "--index gb2312"),
         SWITCH(message)},
        {"first-code", 0, QT_TRANSLATE_NOOP("glimmet-font", "N"), Section::Output,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "gfx: the code of the first character past ASCII,\n"
                           "from 0x20 to 0xFF (default 0x80); codes the text's\n"
                           "own ASCII holds are passed over"),
         FirstCodeValue},
        {"slots", 0, QT_TRANSLATE_NOOP("glimmet-font", "NAME"), Section::Output,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "a classic slot file, every slot in it, blank ones\n"
                           "included: bin writes and reads it, C and asm write\n"
                           "it as one table; hzk24 is 24 x 24 down columns\n"
                           "unless --size or --scan say otherwise:"),
         CHOICE(slotFile, "slots", SlotFileNames()), summaries<SlotFile, SlotFiles>},
        {"unique", 0, nullptr, Section::Output,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "each character once, at its first appearance; in C\n"
                           "and asm the text follows as indexes into the table\n(NAME_text)"),
         SWITCH(unique)},
        {"sheet", 0, QT_TRANSLATE_NOOP("glimmet-font", "FILE.png"), Section::Output,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "also draw every glyph as LEDs on a proof sheet; more\n"
                           "than 1,024 glyphs go on pages of 1,024, FILE-1.png,\n"
                           "FILE-2.png and so on"),
         VALUE(sheet)},
        {"strip", 0, nullptr, Section::Output,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "the whole input as one picture H pixels high, each\n"
                           "character as wide as the font draws it (8 for a\n"
                           "letter and 16 for a hanzi in Unifont at 16);\n"
                           "zero-width characters take no column. With --scan\n"
                           "columns, the columns a scrolling sign shifts out.\n"
                           "The C array is NAME[BYTES] with NAME_WIDTH and\n"
                           "NAME_HEIGHT (default name strip)"),
         SWITCH(strip)},
        {"preview", 0, QT_TRANSLATE_NOOP("glimmet-font", "FILE.gif"), Section::Output,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "also write an animated GIF of the input as a strip\n"
                           "moving across a sign, looping forever: on one line\n"
                           "it scrolls left a column a frame; on several it is\n"
                           "broken into lines that rise a row a frame"),
         VALUE(preview)},
        {"sign-width", 0, QT_TRANSLATE_NOOP("glimmet-font", "N"), Section::Output,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "the preview's sign, N LEDs wide, from 1 to 1024\n(default 64)"),
         [](Options& o, const QString& v) {
             return NumberValue("sign-width", v, 1, 1024, o.sign.width);
         }},
        {"sign-lines", 0, QT_TRANSLATE_NOOP("glimmet-font", "N"), Section::Output,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "the preview's sign, N lines of glyphs high, from 1\nto 8 (default 1)"),
         [](Options& o, const QString& v) {
             return NumberValue("sign-lines", v, 1, 8, o.sign.lines);
         }},
        {"frame-ms", 0, QT_TRANSLATE_NOOP("glimmet-font", "MS"), Section::Output,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "each frame of the preview shown MS milliseconds, 20\n"
                           "to 1000 in steps of 10, as GIF times frames\n"
                           "(default 50: twenty columns a second)"),
         FrameTimeValue},
        {"led-colour", 0, QT_TRANSLATE_NOOP("glimmet-font", "COLOUR"), Section::Output,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "the preview's LEDs: red (default), green, amber,\n"
                           "blue, or white on a black sign"),
         CHOICE(sign.colour, "led-colour", LedColours())},
        {"size", 's', QT_TRANSLATE_NOOP("glimmet-font", "SIZE"), Section::Glyphs,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "N for N x N pixels or WxH, each from 4 to 64 (default\n"
                           "16); the font's em is H pixels, and 8x16 is the left\n"
                           "half of 16x16"),
         SizeValue},
        {"font", 0, QT_TRANSLATE_NOOP("glimmet-font", "FONT"), Section::Glyphs,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "an installed family or a font file (TTF, OTF, TTC,\n"
                           "PCF, BDF, .pcf.gz); bitmap fonts only at the sizes\n"
                           "they have. By default: Unifont at 16, WenQuanYi\n"
                           "Bitmap Song at 12, 13 and 15, and AR PL SungtiL GB\n"
                           "at every other size"),
         VALUE(font)},
        {"shift", 0, QT_TRANSLATE_NOOP("glimmet-font", "[DX,]DY"), Section::Glyphs,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "move the print DY pixels down (up when negative) and\n"
                           "DX right, for a font that sits high or low in its em"),
         ShiftValue},
        {"board", 0, QT_TRANSLATE_NOOP("glimmet-font", "BOARD"), Section::Layout,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "the layout and size a board needs; --scan, --size,\n"
                           "--lsb-first and --negative given with it win:"),
         CHOICE(board, "board", BoardNames()), summaries<Board, Boards>},
        {"scan", 0, QT_TRANSLATE_NOOP("glimmet-font", "ORDER"), Section::Layout,
         QT_TRANSLATE_NOOP("glimmet-font",
                           "rows (default): across rows, each row as W/8 bytes\n"
                           "(rounded up) from the left; columns: down columns,\n"
                           "each column as H/8 bytes from the top; pages: bands\n"
                           "of eight rows, one byte a column, the top pixel in\n"
                           "bit 0; bits past a glyph's edge are unlit"),
         ScanValue},
        {"lsb-first", 0, nullptr, Section::Layout,
         QT_TRANSLATE_NOOP(
             "glimmet-font",
             "the first pixel of a byte in bit 0 (for pages: the\ntop pixel in bit 7)"),
         [](Options& o, const QString&) { return o.layout.lsbFirst = true, QString(); }},
        {"negative", 0, nullptr, Section::Layout,
         QT_TRANSLATE_NOOP("glimmet-font", "a lit LED is a 0 bit"),
         [](Options& o, const QString&) { return o.layout.negative = true, QString(); }},
        {"help", 'h', nullptr, Section::Program,
         QT_TRANSLATE_NOOP("glimmet-font", "show this help"),
         [](Options& o, const QString&) { return o.action = Options::Action::Help, QString(); }},
        {"version", 0, nullptr, Section::Program,
         QT_TRANSLATE_NOOP("glimmet-font", "show the version"),
         [](Options& o, const QString&) { return o.action = Options::Action::Version, QString(); }},
    };
    return rules;
}

const OptionRule* FindRule(const QString& name) {
    for (const OptionRule& rule : OptionRules())
        if (name == QLatin1String(rule.name) || (name.size() == 1 && name[0] == rule.letter))
            return &rule;
    return nullptr;
}

QStringList OptionNames() {
    QStringList names;
    for (const OptionRule& rule : OptionRules()) names << QLatin1String(rule.name);
    return names;
}

QString Choose(const char* option, const QString& value, const QStringList& names,
               QString& chosen) {
    chosen = value.toLower();
    if (names.contains(chosen)) return {};
    QString problem = QCoreApplication::translate("glimmet-font", "--%1: %2 is not one of %3")
                          .arg(QLatin1String(option), Quoted(chosen),
                               names.join(QCoreApplication::translate("glimmet-font", ", ")));
    const QString closest = Closest(chosen, names);
    if (!closest.isEmpty())
        problem += QCoreApplication::translate("glimmet-font", "; did you mean %1?").arg(closest);
    return problem;
}
