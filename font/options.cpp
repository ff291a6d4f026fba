#include "font/options.h"

#include "font/boards.h"
#include "font/charsets.h"
#include "font/encoding.h"
#include "font/suggest.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

#include <unistd.h>

namespace {

// The help, in the user's language.
QString usage() {
    return QCoreApplication::translate("glimmet-font", R"(Usage: glimmet-font [OPTION]... [TEXT]...
Writes a font table for LED dot-matrix displays: every character of the TEXT arguments, of a
file, or of a whole character set, captured as the Glimmet window captures one, at any size
from 4 x 4 to 64 x 64 pixels (16 x 16 and 32 bytes a glyph unless told otherwise).

Input (exactly one):
  TEXT...                the characters of the arguments, in order (after --, a TEXT may
                         start with -)
  -i, --input FILE       the characters of a file; - is standard input
  --charset SET          gb2312 (7,445 characters), gb2312-hanzi (6,763) or ascii (95)
  --encoding NAME        the encoding of the file: utf-8 (default), gbk, gb18030, big5,
                         utf-16 (by its byte order mark, else little-endian), utf-16le or
                         utf-16be; a file that starts with a UTF-16 byte order mark needs none

Glyphs read from -i FILE instead of captured:
  --from FORMAT          font (default): capture the characters from the font;
                         text: glyphs as --format text writes them, or drawn by hand under a
                         heading '# NAME', their size read from them;
                         bin: a table of --size glyphs laid out as --scan, --lsb-first and
                         --negative (or --board) say; with --charset gb2312 (or ascii at a
                         half-width size) the slots --format bin writes, empty ones left out,
                         with another --charset its characters in order;
                         image: a PNG, BMP or GIF, a glyph of --size in each cell, left to
                         right and top to bottom; without --size the image is one glyph
  --threshold N          an opaque pixel darker than N (0 to 255, default 128) is lit
  --dither               Floyd-Steinberg dithering, for photographs

Output:
  -f, --format FORMAT    c (default), asm, bin or text (# for a lit LED, . for an unlit one);
                         bin with --charset gb2312 writes 87 x 94 slots (HZK16 at 16, HZK12
                         at 12), with --charset ascii at a half-width size 256 slots (ASC16
                         at 8x16, ASC12 at 8x12); bin goes to a file or a pipe, never to a
                         terminal
  -o, --output FILE      write to FILE, whole or not at all (default: standard output)
  --target TOOLCHAIN     what compiles or assembles the table: c (default: portable C,
                         assembly with DB 0FCH), keil (C51 code memory, A51), sdcc (__code,
                         sdas8051 with .db 0xFC), as31 (assembly only, .db 0FCH) or avr
                         (avr-gcc PROGMEM, avr-as with .byte 0xFC)
  --header FILE          also write a C header declaring the table (extern), for projects of
                         several source files; the table itself is then not static
  --name IDENT           the name of the C array and the assembly label (default glyphs)
  --db WORD              the assembly data directive (default: the target's)
  --index gb2312         C and asm: each glyph as a record, its two GB2312 bytes first
  --slots                C and asm, with --charset gb2312: all 87 x 94 slots, blank ones
                         included; the glyph of code (hi, lo) is (hi - 0xA1) * 94 + lo - 0xA1
  --sheet FILE.png       also draw every glyph as LEDs on a proof sheet; more than 1,024
                         glyphs go on pages of 1,024, FILE-1.png, FILE-2.png and so on
  --strip                the whole input as one picture H pixels high, each character as
                         wide as the font draws it (8 for a letter and 16 for a hanzi in
                         Unifont at 16); zero-width characters take no column. With
                         --scan columns, the columns a scrolling sign shifts out. The C
                         array is NAME[BYTES] with NAME_WIDTH and NAME_HEIGHT (default
                         name strip)
  --preview FILE.gif     also write an animated GIF of the input as a strip scrolling
                         across a sign, one column a frame every 50 ms, looping forever
  --sign-width N         the preview's sign, N LEDs wide, from 1 to 1024 (default 64)

Glyphs:
  -s, --size SIZE        N for N x N pixels or WxH, each from 4 to 64 (default 16); the font's
                         em is H pixels, and 8x16 is the left half of 16x16
  --font FONT            an installed family or a font file (TTF, OTF, TTC, PCF, BDF,
                         .pcf.gz); bitmap fonts only at the sizes they have. By default:
                         Unifont at 16, WenQuanYi Bitmap Song at 12, 13 and 15, and
                         AR PL SungtiL GB at every other size
  --shift [DX,]DY        move the print DY pixels down (up when negative) and DX right, for
                         a font that sits high or low in its em

Layout (not for --format text, which shows pixels rather than bytes):
  --board NAME           the layout and size a board needs: ssd1306 or sh1106 (OLED pages,
                         any size), max7219 (8x8 rows), 74hc595 (16x16 rows, negative),
                         hub12 (P10 panels, 16x16 rows, negative) or st7920 (12864 LCD
                         graphics, 16x16 rows); --scan, --size, --lsb-first and --negative
                         given with it win wherever they stand
  --scan ORDER           rows (default): across rows, each row as W/8 bytes (rounded up)
                         from the left; columns: down columns, each column as H/8 bytes
                         from the top; pages: bands of eight rows, one byte a column, the
                         top pixel in bit 0; bits past a glyph's edge are always 0
  --lsb-first            the first pixel of a byte in bit 0 (for pages: the top pixel in bit 7)
  --negative             a lit LED is a 0 bit
  --unique               each character once, at its first appearance; in C and asm the
                         text follows as indexes into the table (NAME_text)

  -h, --help             show this help
  --version              show the version

The names of formats, sets, orders and encodings may be given in any case.
Exit status: 0 on success, 1 when the input or the output fails, 2 for a usage error.
)");
}

QStringList keywords() {
    return QStringLiteral(
               "auto break case char const continue default do double else enum extern float for "
               "goto if inline int long register restrict return short signed sizeof static "
               "struct switch typedef union unsigned void volatile while _Bool _Complex "
               "_Imaginary bit code data idata pdata xdata sbit sfr sfr16 interrupt using")
        .split(QLatin1Char(' '));
}

bool isIdentifier(const QString& name) {
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return identifier.match(name).hasMatch() && !keywords().contains(name);
}

bool isDirective(const QString& word) {
    static const QRegularExpression directive(QStringLiteral("^[.A-Za-z_][.A-Za-z0-9_]*$"));
    return directive.match(word).hasMatch();
}

// The value of an option given at most once; false when it was given twice.
bool single(const QCommandLineParser& parser, const QString& option, QString& value) {
    const QStringList values = parser.values(option);
    if (values.size() > 1) {
        Complain(QCoreApplication::translate("glimmet-font", "--%1 is given more than once")
                     .arg(option));
        return false;
    }
    if (!values.isEmpty()) value = values.front();
    return true;
}

// "; did you mean X?" when a choice is near enough to what was given.
QString suggestion(const QString& given, const QStringList& choices) {
    const QString closest = Closest(given, choices);
    return closest.isEmpty()
               ? QString()
               : QCoreApplication::translate("glimmet-font", "; did you mean %1?").arg(closest);
}

// One of the names, in any case; the name chosen is given back in lower case.
bool oneOf(const QString& option, QString& value, const QStringList& names) {
    value = value.toLower();
    if (names.contains(value)) return true;
    Complain(QCoreApplication::translate("glimmet-font", "--%1: '%2' is not one of %3")
                 .arg(option, value, names.join(QStringLiteral(", "))) +
             suggestion(value, names));
    return false;
}

template <class Value>
bool choose(const QString& option, QString value,
            const std::initializer_list<std::pair<const char*, Value>>& choices, Value& chosen) {
    QStringList names;
    for (const auto& choice : choices) names << QLatin1String(choice.first);
    if (!oneOf(option, value, names)) return false;
    chosen = (choices.begin() + names.indexOf(value))->second;
    return true;
}

// N or WxH, each from 4 to 64.
bool readSize(const QString& value, QSize& size) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})(?:[xX](\\d{1,2}))?$"));
    const QRegularExpressionMatch match = pattern.match(value);
    const int w = match.captured(1).toInt();
    const int h = match.hasCaptured(2) ? match.captured(2).toInt() : w;
    const auto fits = [](int side) { return side >= 4 && side <= Glyph::MaxSide; };
    if (match.hasMatch() && fits(w) && fits(h)) return size = QSize(w, h), true;
    Complain(QCoreApplication::translate("glimmet-font",
                                         "--size: '%1' is not N or WxH with each from 4 to %2")
                 .arg(value)
                 .arg(Glyph::MaxSide));
    return false;
}

bool readSignWidth(const QString& value, int& width) {
    bool number = false;
    width = value.toInt(&number);
    if (number && width >= 1 && width <= 1024) return true;
    Complain(QCoreApplication::translate("glimmet-font",
                                         "--sign-width: '%1' is not a whole number from 1 to 1024")
                 .arg(value));
    return false;
}

// DY or DX,DY, whole pixels.
bool readShift(const QString& value, QPoint& shift) {
    static const QRegularExpression pattern(QStringLiteral("^(?:(-?\\d{1,2}),)?(-?\\d{1,2})$"));
    const QRegularExpressionMatch match = pattern.match(value);
    if (match.hasMatch() || value.isEmpty())
        return shift = QPoint(match.captured(1).toInt(), match.captured(2).toInt()), true;
    Complain(QCoreApplication::translate("glimmet-font",
                                         "--shift: '%1' is not DY or DX,DY in whole pixels")
                 .arg(value));
    return false;
}

// A board's layout and size first; the layout options given beside it win.
bool readLayout(const QCommandLineParser& parser, Table& table, bool& sized) {
    QString board, scan, size;
    if (!single(parser, "board", board) || !single(parser, "scan", scan) ||
        !single(parser, "size", size))
        return false;
    if (!board.isEmpty()) {
        const auto& boards = Boards();
        QStringList names;
        for (const Board& b : boards) names << QLatin1String(b.name);
        if (!oneOf("board", board, names)) return false;
        const auto found = boards.begin() + names.indexOf(board);
        table.layout = found->layout;
        if (!found->size.isEmpty()) table.size = found->size;
        sized = !found->size.isEmpty();
    }
    sized = sized || !size.isEmpty();
    if ((!size.isEmpty() && !readSize(size, table.size)) ||
        (!scan.isEmpty() &&
         !choose("scan", scan,
                 {{"rows", Scan::Rows}, {"columns", Scan::Columns}, {"pages", Scan::Pages}},
                 table.layout.scan)))
        return false;
    table.layout.lsbFirst = table.layout.lsbFirst || parser.isSet("lsb-first");
    table.layout.negative = table.layout.negative || parser.isSet("negative");
    return true;
}

bool readTarget(const QCommandLineParser& parser, Table& table) {
    QString target = QStringLiteral("c"), index;
    if (!single(parser, "target", target) || !single(parser, "index", index)) return false;
    if (!index.isEmpty() &&
        !choose("index", index, {{"gb2312", Records::Gb2312Index}}, table.records))
        return false;
    if (parser.isSet("slots")) table.records = Records::Gb2312Slots;
    return choose("target", target,
                  {{"c", Target::C},
                   {"keil", Target::Keil},
                   {"sdcc", Target::Sdcc},
                   {"as31", Target::As31},
                   {"avr", Target::Avr}},
                  table.toolchain.target);
}

// Options that only some formats use, and why the others have no use for them.
struct FormatOption {
    const char* option;
    std::initializer_list<Format> formats;
    const char* why;
};

const FormatOption FormatOptions[] = {
    {"db",
     {Format::Assembly},
     QT_TRANSLATE_NOOP("glimmet-font", "only an assembly table has data lines")},
    {"name",
     {Format::C, Format::Assembly},
     QT_TRANSLATE_NOOP("glimmet-font", "only a C or an assembly table has a name")},
    {"scan",
     {Format::C, Format::Assembly, Format::Binary},
     QT_TRANSLATE_NOOP("glimmet-font", "a text table shows pixels, not bytes")},
    {"lsb-first",
     {Format::C, Format::Assembly, Format::Binary},
     QT_TRANSLATE_NOOP("glimmet-font", "a text table shows pixels, not bytes")},
    {"negative",
     {Format::C, Format::Assembly, Format::Binary},
     QT_TRANSLATE_NOOP("glimmet-font", "a text table shows pixels, not bytes")},
};

// With --from bin the layout options say how the table read was made, whatever is written.
bool appliesToFormat(const QCommandLineParser& parser, Format format, const QString& name,
                     From from) {
    static const QStringList layout{"scan", "lsb-first", "negative"};
    for (const FormatOption& rule : FormatOptions) {
        if (!parser.isSet(rule.option) ||
            std::count(rule.formats.begin(), rule.formats.end(), format) ||
            (from == From::Binary && layout.contains(QLatin1String(rule.option))))
            continue;
        Complain(
            QCoreApplication::translate("glimmet-font", "--%1 does not apply to --format %2: %3")
                .arg(QLatin1String(rule.option), name,
                     QCoreApplication::translate("glimmet-font", rule.why)));
        return false;
    }
    return true;
}

// 0 to 255.
bool readThreshold(const QString& value, int& threshold) {
    static const QRegularExpression pattern(QStringLiteral("^\\d{1,3}$"));
    if (value.isEmpty()) return true;
    if (pattern.match(value).hasMatch() && value.toInt() <= 255)
        return threshold = value.toInt(), true;
    Complain(QCoreApplication::translate("glimmet-font",
                                         "--threshold: '%1' is not a number from 0 to 255")
                 .arg(value));
    return false;
}

bool readSource(const QCommandLineParser& parser, Options& options) {
    QString from = QStringLiteral("font"), threshold;
    options.dither = parser.isSet("dither");
    return single(parser, "from", from) && single(parser, "threshold", threshold) &&
           readThreshold(threshold, options.threshold) &&
           choose("from", from,
                  {{"font", From::Font},
                   {"text", From::Text},
                   {"bin", From::Binary},
                   {"image", From::Image}},
                  options.from);
}

bool readValues(const QCommandLineParser& parser, Options& options) {
    QString format = QStringLiteral("c"), shift, signWidth;
    if (!readSource(parser, options)) return false;
    if (!single(parser, "input", options.input) || !single(parser, "charset", options.charset) ||
        !single(parser, "encoding", options.encoding) || !single(parser, "format", format) ||
        !single(parser, "output", options.output) || !single(parser, "header", options.header) ||
        !single(parser, "name", options.table.name) ||
        !single(parser, "db", options.table.directive) || !single(parser, "sheet", options.sheet) ||
        !single(parser, "font", options.font) || !single(parser, "shift", shift) ||
        !single(parser, "preview", options.preview) || !single(parser, "sign-width", signWidth))
        return false;
    if (!signWidth.isEmpty() && !readSignWidth(signWidth, options.signWidth)) return false;
    Table& table = options.table;
    if (!readShift(shift, options.shift) || !readLayout(parser, table, options.sizeGiven) ||
        !readTarget(parser, table))
        return false;
    if (!choose("format", format,
                {{"c", Format::C},
                 {"asm", Format::Assembly},
                 {"bin", Format::Binary},
                 {"text", Format::Text}},
                table.format) ||
        !appliesToFormat(parser, table.format, format.toLower(), options.from))
        return false;
    if (!isIdentifier(table.name))
        return Complain(
                   QCoreApplication::translate("glimmet-font", "--name: '%1' is not a C identifier")
                       .arg(table.name)),
               false;
    if (!table.directive.isEmpty() && !isDirective(table.directive))
        return Complain(QCoreApplication::translate("glimmet-font", "--db: '%1' is not a directive")
                            .arg(table.directive)),
               false;
    if ((!options.charset.isEmpty() && !oneOf("charset", options.charset, CharsetNames())) ||
        (!options.encoding.isEmpty() && !oneOf("encoding", options.encoding, EncodingNames())))
        return false;
    table.shared = !options.header.isEmpty();
    options.unique = parser.isSet("unique");
    options.strip = parser.isSet("strip");
    if (options.strip && !parser.isSet("name")) table.name = QStringLiteral("strip");
    options.texts = parser.positionalArguments();
    return true;
}

// Options that each need another, or that cannot go together.
bool consistent(const Options& options) {
    const Table& table = options.table;
    const bool source = table.format == Format::C || table.format == Format::Assembly;
    QString problem;
    if (table.format == Format::C && !table.toolchain.hasC())
        problem = QCoreApplication::translate("glimmet-font",
                                              "--target as31 is an assembler: give --format asm");
    else if (!options.header.isEmpty() && table.format != Format::C)
        problem = QCoreApplication::translate("glimmet-font", "--header needs --format c");
    else if (!options.header.isEmpty() && !options.output.isEmpty() &&
             QFileInfo(options.header).absoluteFilePath() ==
                 QFileInfo(options.output).absoluteFilePath())
        problem =
            QCoreApplication::translate("glimmet-font", "--header and --output name the same file");
    else if (table.records != Records::Glyphs && !source)
        problem = QCoreApplication::translate("glimmet-font",
                                              "--index and --slots need --format c or asm");
    else if (table.records == Records::Gb2312Slots && options.charset != QLatin1String("gb2312"))
        problem = QCoreApplication::translate("glimmet-font", "--slots needs --charset gb2312");
    else if ((options.strip || !options.preview.isEmpty()) && options.from != From::Font)
        problem = QCoreApplication::translate(
            "glimmet-font", "--strip and --preview show text captured from a font, not --from");
    else if (options.strip && !options.sheet.isEmpty())
        problem = QCoreApplication::translate(
            "glimmet-font", "--sheet draws glyphs, not a strip: see it with --preview");
    else if (options.strip && (table.shared || table.records != Records::Glyphs || options.unique))
        problem = QCoreApplication::translate(
            "glimmet-font",
            "--strip is one picture: --header, --index, --slots and --unique "
            "are for tables of glyphs");
    if (problem.isEmpty()) return true;
    Complain(problem);
    return false;
}

// Glyphs read from a file: the file is the one input, and the glyphs' own size and look stand.
bool readable(const QCommandLineParser& parser, const Options& options) {
    QString wrong;
    if (options.input.isEmpty() || !options.texts.isEmpty())
        wrong = QCoreApplication::translate("glimmet-font",
                                            "--from reads --input FILE: give it and no TEXT");
    else if (parser.isSet("font") || parser.isSet("shift") || parser.isSet("encoding"))
        wrong = QCoreApplication::translate(
            "glimmet-font",
            "--font, --shift and --encoding are for characters captured from a font");
    else if (options.from == From::Text && parser.isSet("size"))
        wrong = QCoreApplication::translate(
            "glimmet-font", "--from text takes the size of its glyphs: leave out --size");
    if (wrong.isEmpty()) return true;
    Complain(wrong);
    return false;
}

bool oneInput(const QCommandLineParser& parser, const Options& options) {
    if ((parser.isSet("threshold") || parser.isSet("dither")) && options.from != From::Image) {
        Complain(QCoreApplication::translate("glimmet-font",
                                             "--threshold and --dither are for --from image"));
        return false;
    }
    if (options.from != From::Font) return readable(parser, options);
    const int inputs =
        !options.texts.isEmpty() + !options.input.isEmpty() + !options.charset.isEmpty();
    if (inputs == 1 && (options.encoding.isEmpty() || !options.input.isEmpty())) return true;
    Complain(inputs == 0 ? QCoreApplication::translate(
                               "glimmet-font", "no input: give TEXT, --input FILE or --charset SET")
             : inputs > 1
                 ? QCoreApplication::translate(
                       "glimmet-font", "give only one of TEXT, --input FILE and --charset SET")
                 : QCoreApplication::translate("glimmet-font",
                                               "--encoding is for a file given with --input"));
    return false;
}

// Bytes on a terminal garble it and are lost.
bool fitsTheOutput(const Options& options) {
    if (options.table.format != Format::Binary || !options.output.isEmpty() ||
        !isatty(STDOUT_FILENO))
        return true;
    Complain(QCoreApplication::translate(
        "glimmet-font", "--format bin does not write to a terminal; use -o FILE or a pipe"));
    return false;
}

// Qt's message for an unknown option, or ours with the option it most likely meant.
QString parseError(const QCommandLineParser& parser, const QStringList& names) {
    const QStringList unknown = parser.unknownOptionNames();
    QString error = parser.errorText();
    if (!unknown.isEmpty()) {
        const auto dashed = [](const QString& name) {
            return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        };
        const QString closest = Closest(unknown.front(), names);
        error = QCoreApplication::translate("glimmet-font", "unknown option '%1'")
                    .arg(dashed(unknown.front()));
        if (!closest.isEmpty())
            return error + QCoreApplication::translate("glimmet-font", "; did you mean %1?")
                               .arg(dashed(closest));
    }
    // Qt's message ends a sentence, in English or in Chinese; ours goes on.
    if (error.endsWith(QLatin1Char('.')) || error.endsWith(QChar(0x3002))) error.chop(1);
    return error + QCoreApplication::translate("glimmet-font", "; see 'glimmet-font --help'");
}

}  // namespace

void Complain(const QString& message) {
    std::fprintf(stderr, "glimmet-font: %s\n", qPrintable(message));
}

std::optional<Options> ParseOptions(const QStringList& arguments, Status& status) {
    QCommandLineParser parser;
    const QList<QCommandLineOption> options{
        {{"i", "input"}, {}, "FILE"},
        {"from", {}, "FORMAT"},
        {"threshold", {}, "N"},
        {"dither", {}},
        {"charset", {}, "SET"},
        {"encoding", {}, "NAME"},
        {{"f", "format"}, {}, "FORMAT"},
        {{"o", "output"}, {}, "FILE"},
        {"name", {}, "IDENT"},
        {"db", {}, "WORD"},
        {"sheet", {}, "FILE"},
        {"target", {}, "TOOLCHAIN"},
        {"header", {}, "FILE"},
        {"index", {}, "SET"},
        {"slots", {}},
        {"board", {}, "NAME"},
        {"strip", {}},
        {"preview", {}, "FILE"},
        {"sign-width", {}, "N"},
        {"scan", {}, "ORDER"},
        {{"s", "size"}, {}, "SIZE"},
        {"font", {}, "FONT"},
        {"shift", {}, "SHIFT"},
        {"lsb-first", {}},
        {"negative", {}},
        {"unique", {}},
        {{"h", "help"}, {}},
        {"version", {}},
    };
    parser.addOptions(options);
    status = UsageError;
    if (!parser.parse(arguments)) {
        QStringList names;
        for (const QCommandLineOption& option : options) names << option.names().back();
        Complain(parseError(parser, names));
        return std::nullopt;
    }
    if (parser.isSet("help") || parser.isSet("version")) {
        std::fputs(
            parser.isSet("help") ? qPrintable(usage()) : "glimmet-font " GLIMMET_VERSION "\n",
            stdout);
        status = Success;
        return std::nullopt;
    }
    Options chosen;
    if (parser.isSet("index") && parser.isSet("slots"))
        return Complain(QCoreApplication::translate("glimmet-font",
                                                    "--index and --slots do not go together")),
               std::nullopt;
    if (!readValues(parser, chosen) || !oneInput(parser, chosen) || !consistent(chosen) ||
        !fitsTheOutput(chosen))
        return std::nullopt;
    return chosen;
}
