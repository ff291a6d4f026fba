#pragma once

#include <QString>

struct Options;

// The readers of the values that are more than a name to choose: each stores the value in the
// options, or says what is wrong with it.

// A whole number from least to most.
QString NumberValue(const char* option, const QString& value, int least, int most, int& stored);
QString FirstCodeValue(Options& options, const QString& value);
QString SizeValue(Options& options, const QString& value);
QString ShiftValue(Options& options, const QString& value);
QString FrameTimeValue(Options& options, const QString& value);
QString DirectiveValue(Options& options, const QString& value);
QString ScanValue(Options& options, const QString& value);
