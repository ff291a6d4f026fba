#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct Options;

// Where the help shows an option.
enum class Section { Input, FromFile, Output, Glyphs, Layout, Program };

// One option of the command line: its names, the value it takes, what the help says of it, and
// how its value is stored.
struct OptionRule {
    const char* name;   // the long name
    char letter;        // the short name, or 0
    const char* value;  // the value as the help names it; null for a switch
    Section section;
    const char* help;  // QT_TRANSLATE_NOOP, lines of at most 54 characters
    // Stores the value (a switch is given none); what is wrong with the value, or nothing.
    QString (*store)(Options& options, const QString& value);
    // The choices the help lists under it, with what each is: names and summaries.
    std::vector<std::pair<QString, QString>> (*choices)() = nullptr;
};

const std::vector<OptionRule>& OptionRules();
// The rule of a long name, or of a one-letter one; null for none.
const OptionRule* FindRule(const QString& name);
// Every long name, for suggestions.
QStringList OptionNames();

// The value in lower case, where it is one of the names; else what is wrong with it, with the
// name most likely meant.
QString Choose(const char* option, const QString& value, const QStringList& names, QString& chosen);
