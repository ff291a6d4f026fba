#pragma once

#include "font/diagnostic.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

struct Options;
struct Source;

// How messages name the input: "--charset gb2312", "the text arguments", "standard input" or
// the file's name in quotes.
QString InputName(const Options& options);

// The bytes of the input file, or of standard input for "-".
Diagnostic ReadInput(const Options& options, QByteArray& bytes);

// Glyphs read from the input file by the parser of its format, which says what is wrong with the
// file in error; the header names the file they come from.
using Parser = std::function<std::optional<Source>(const QByteArray& bytes, QString& error)>;
Diagnostic ParseInput(const Options& options, const Parser& parse, Source& source);
