#include "font/options.h"

#include "font/charsets.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <cstdio>

namespace {

constexpr int MaxSide = 64;  // of a glyph, in pixels

const QString Usage = QStringLiteral(R"(Usage: glimmet-font [OPTION]... [TEXT]...
Writes a font table for LED dot-matrix displays: every character of the TEXT arguments, of a
file, or of a whole character set, captured as the Glimmet window captures one, at any size
from 4 x 4 to 64 x 64 pixels (16 x 16 and 32 bytes a glyph unless told otherwise).

Input (exactly one):
  TEXT...                the characters of the arguments, in order (after --, a TEXT may
                         start with -)
  -i, --input FILE       the characters of a UTF-8 file; - is standard input
  --charset SET          gb2312 (7,445 characters), gb2312-hanzi (6,763) or ascii (95)

Output:
  -f, --format FORMAT    c (default), asm, bin or text (# for a lit LED, . for an unlit one);
                         bin with --charset gb2312 writes 87 x 94 slots (HZK16 at 16, HZK12
                         at 12), with --charset ascii at a half-width size 256 slots (ASC16
                         at 8x16, ASC12 at 8x12)
  -o, --output FILE      write to FILE, whole or not at all (default: standard output)
  --name IDENT           the name of the C array and the assembly label (default glyphs)
  --db WORD              the assembly data directive (default DB; .db for as31 and sdas8051)
  --sheet FILE.png       also draw every glyph as LEDs on a proof sheet
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

Layout:
  --scan ORDER           rows (default): across rows, each row as two bytes, left half first;
                         columns: down columns, each column as two bytes, upper half first;
                         pages: two bands of eight rows, one byte a column, top pixel in bit 0
  --lsb-first            the first pixel of a byte in bit 0 (for pages: the top pixel in bit 7)
  --negative             a lit LED is a 0 bit
  --unique               each character once, at its first appearance

  -h, --help             show this help
  --version              show the version

Exit status: 0 on success, 1 when the input or the output fails, 2 for a usage error.
)");

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
        Complain(QStringLiteral("--%1 is given more than once").arg(option));
        return false;
    }
    if (!values.isEmpty()) value = values.front();
    return true;
}

template <class Value>
bool choose(const QString& option, const QString& value,
            const std::initializer_list<std::pair<const char*, Value>>& choices, Value& chosen) {
    QStringList names;
    for (const auto& [name, choice] : choices) {
        if (value == QLatin1String(name)) return chosen = choice, true;
        names << QLatin1String(name);
    }
    Complain(QStringLiteral("--%1: '%2' is not one of %3").arg(option, value, names.join(", ")));
    return false;
}

// N or WxH, each from 4 to 64.
bool readSize(const QString& value, QSize& size) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})(?:[xX](\\d{1,2}))?$"));
    const QRegularExpressionMatch match = pattern.match(value);
    const int w = match.captured(1).toInt();
    const int h = match.hasCaptured(2) ? match.captured(2).toInt() : w;
    const auto fits = [](int side) { return side >= 4 && side <= MaxSide; };
    if (match.hasMatch() && fits(w) && fits(h)) return size = QSize(w, h), true;
    Complain(QStringLiteral("--size: '%1' is not N or WxH with each from 4 to %2")
                 .arg(value)
                 .arg(MaxSide));
    return false;
}

bool readSignWidth(const QString& value, int& width) {
    bool number = false;
    width = value.toInt(&number);
    if (number && width >= 1 && width <= 1024) return true;
    Complain(QStringLiteral("--sign-width: '%1' is not a whole number from 1 to 1024").arg(value));
    return false;
}

// DY or DX,DY, whole pixels.
bool readShift(const QString& value, QPoint& shift) {
    static const QRegularExpression pattern(QStringLiteral("^(?:(-?\\d{1,2}),)?(-?\\d{1,2})$"));
    const QRegularExpressionMatch match = pattern.match(value);
    if (match.hasMatch() || value.isEmpty())
        return shift = QPoint(match.captured(1).toInt(), match.captured(2).toInt()), true;
    Complain(QStringLiteral("--shift: '%1' is not DY or DX,DY in whole pixels").arg(value));
    return false;
}

bool readValues(const QCommandLineParser& parser, Options& options) {
    QString format = QStringLiteral("c"), scan = QStringLiteral("rows"), size, shift, signWidth;
    if (!single(parser, "input", options.input) || !single(parser, "charset", options.charset) ||
        !single(parser, "format", format) || !single(parser, "output", options.output) ||
        !single(parser, "name", options.table.name) ||
        !single(parser, "db", options.table.directive) || !single(parser, "sheet", options.sheet) ||
        !single(parser, "scan", scan) || !single(parser, "size", size) ||
        !single(parser, "font", options.font) || !single(parser, "shift", shift) ||
        !single(parser, "preview", options.preview) || !single(parser, "sign-width", signWidth))
        return false;
    if ((!size.isEmpty() && !readSize(size, options.table.size)) ||
        !readShift(shift, options.shift) ||
        (!signWidth.isEmpty() && !readSignWidth(signWidth, options.signWidth)))
        return false;
    Table& table = options.table;
    if (!choose("format", format,
                {{"c", Format::C},
                 {"asm", Format::Assembly},
                 {"bin", Format::Binary},
                 {"text", Format::Text}},
                table.format) ||
        !choose("scan", scan,
                {{"rows", Scan::Rows}, {"columns", Scan::Columns}, {"pages", Scan::Pages}},
                table.layout.scan))
        return false;
    if (!isIdentifier(table.name))
        return Complain(QStringLiteral("--name: '%1' is not a C identifier").arg(table.name)),
               false;
    if (!isDirective(table.directive))
        return Complain(QStringLiteral("--db: '%1' is not a directive").arg(table.directive)),
               false;
    if (!options.charset.isEmpty() && Charset(options.charset).empty())
        return Complain(QStringLiteral("--charset: '%1' is not one of gb2312, gb2312-hanzi, ascii")
                            .arg(options.charset)),
               false;
    table.layout.lsbFirst = parser.isSet("lsb-first");
    table.layout.negative = parser.isSet("negative");
    options.unique = parser.isSet("unique");
    options.strip = parser.isSet("strip");
    if (options.strip && !options.sheet.isEmpty())
        return Complain(QStringLiteral("--sheet draws glyphs, not a strip: see it with --preview")),
               false;
    if (options.strip && !parser.isSet("name")) table.name = QStringLiteral("strip");
    options.texts = parser.positionalArguments();
    return true;
}

bool oneInput(const Options& options) {
    const int inputs =
        !options.texts.isEmpty() + !options.input.isEmpty() + !options.charset.isEmpty();
    if (inputs == 1) return true;
    Complain(inputs == 0 ? QStringLiteral("no input: give TEXT, --input FILE or --charset SET")
                         : QStringLiteral("give only one of TEXT, --input FILE and --charset SET"));
    return false;
}

}  // namespace

void Complain(const QString& message) {
    std::fprintf(stderr, "glimmet-font: %s\n", qPrintable(message));
}

std::optional<Options> ParseOptions(const QStringList& arguments, Status& status) {
    QCommandLineParser parser;
    parser.addOptions({
        {{"i", "input"}, {}, "FILE"},
        {"charset", {}, "SET"},
        {{"f", "format"}, {}, "FORMAT"},
        {{"o", "output"}, {}, "FILE"},
        {"name", {}, "IDENT"},
        {"db", {}, "WORD"},
        {"sheet", {}, "FILE"},
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
    });
    status = UsageError;
    if (!parser.parse(arguments)) {
        QString error = parser.errorText();
        if (error.endsWith(QLatin1Char('.'))) error.chop(1);
        Complain(error + QStringLiteral("; see 'glimmet-font --help'"));
        return std::nullopt;
    }
    if (parser.isSet("help") || parser.isSet("version")) {
        std::fputs(parser.isSet("help") ? qPrintable(Usage) : "glimmet-font " GLIMMET_VERSION "\n",
                   stdout);
        status = Success;
        return std::nullopt;
    }
    Options options;
    if (!readValues(parser, options) || !oneInput(options)) return std::nullopt;
    return options;
}
