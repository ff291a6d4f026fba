#pragma once

#include "font/diagnostic.h"
#include "font/preview.h"
#include "glyph/layout.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// What the command line asks for, each option's value as the user gave it or its default.
struct Options {
    enum class Action { Convert, Help, Version };
    Action action = Action::Convert;

    // The input: the text arguments, a file ("-" for standard input) or a character set.
    QStringList texts;
    QString input, charset, encoding;
    QString from = QStringLiteral("font");  // the coder that reads or captures the glyphs
    int threshold = 128;                    // of an image: darker than this is lit
    bool dither = false;

    // The glyphs: their size, the font and where its print stands.
    QSize size{16, 16};
    QString font;
    QPoint shift;

    // What is written.
    QString format = QStringLiteral("c");  // the coder that writes them
    QString output, header, sheet, preview;
    QString target = QStringLiteral("c"), name, directive, index;
    QString board;
    QString slotFile;  // --slots
    Layout layout;
    bool unique = false, strip = false, message = false;
    Sign sign;             // of the preview
    int firstCode = 0x80;  // of an Adafruit GFX font's characters past ASCII

    // The options given, by their long names: the checks and the defaults a board fills go by
    // them.
    QStringList given;
    bool isGiven(const char* option) const { return given.contains(QLatin1String(option)); }
};

// The options from the arguments (the program's name first), or what is wrong with them. Touches
// nothing but its arguments.
std::variant<Options, Diagnostic> ParseOptions(const QStringList& arguments);

// The help, in the user's language.
QString HelpText();
