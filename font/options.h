#pragma once

#include "font/table.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

// Where the glyphs come from: captured from a font, or read from the input file.
enum class From { Font, Text, Binary, Image };

// What the command line asks for.
struct Options {
    // Exactly one of the three inputs; glyphs read from a file have the file, and the character
    // set gives the slots of a bin table.
    QStringList texts;
    QString input;  // a path, or "-" for standard input
    QString charset;
    QString encoding;  // of the input file, as --encoding names it; empty to go by its start
    From from = From::Font;

    Table table;             // its size is the glyphs'
    bool sizeGiven = false;  // by --size or --board
    int threshold = 128;     // of --from image
    bool dither = false;
    QString font;  // a family or a file; empty for the size's default
    QPoint shift;  // of the print, in pixels right and down
    bool unique = false;
    QString output;  // empty for standard output
    QString header;  // empty for none
    QString sheet;
    bool strip = false;  // the whole input as one picture
    QString preview;     // an animated GIF of it scrolling across a sign
    int signWidth = 64;  // of the preview's sign, in LEDs
};

// The exit statuses.
enum Status { Success = 0, Failure = 1, UsageError = 2 };

// Parses the arguments (the program's name first). Prints the help or the version and gives
// Success, or prints what is wrong and gives UsageError, when there is nothing to convert.
std::optional<Options> ParseOptions(const QStringList& arguments, Status& status);

// Says what is wrong on standard error, after the program's name.
void Complain(const QString& message);
