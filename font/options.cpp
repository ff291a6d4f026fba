#include "font/options.h"

#include "font/boards.h"
#include "font/checks.h"
#include "font/optionrules.h"
#include "font/slots.h"
#include "font/suggest.h"

#include <QCoreApplication>

namespace {

QString seeHelp() {
    return QCoreApplication::translate("glimmet-font", "; see 'glimmet-font --help'");
}

QString dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

Diagnostic unknown(const QString& name) {
    QString message =
        QCoreApplication::translate("glimmet-font", "unknown option %1").arg(Quoted(dashed(name)));
    const QString closest = Closest(name, OptionNames());
    if (closest.isEmpty()) return Usage(message + seeHelp());
    return Usage(
        message +
        QCoreApplication::translate("glimmet-font", "; did you mean %1?").arg(dashed(closest)));
}

// An argument that names an option: its name, and the value written into it after = (or, for
// a letter, right after it), if any.
struct Named {
    QString name;
    std::optional<QString> value;
};

Named split(const QString& argument) {
    if (argument.startsWith(QLatin1String("--"))) {
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        if (equals < 0) return {argument.mid(2), std::nullopt};
        return {argument.mid(2, equals - 2), argument.mid(equals + 1)};
    }
    if (argument.size() == 2) return {argument.mid(1), std::nullopt};
    return {argument.mid(1, 1), argument.mid(2)};
}

// A board's layout and size, where the options given beside it do not say otherwise.
void applyBoard(Options& options) {
    if (options.board.isEmpty()) return;
    const Board& board = FindBoard(options.board);
    const Layout given = options.layout;
    options.layout = board.layout;
    if (options.isGiven("scan")) options.layout.scan = given.scan;
    options.layout.lsbFirst = options.layout.lsbFirst || given.lsbFirst;
    options.layout.negative = options.layout.negative || given.negative;
    if (!options.isGiven("size") && !board.size.isEmpty()) options.size = board.size;
}

}  // namespace

std::variant<Options, Diagnostic> ParseOptions(const QStringList& arguments) {
    Options options;
    bool optionsEnd = false;
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        const QString& argument = arguments[k];
        if (optionsEnd || argument == QLatin1String("-") ||
            !argument.startsWith(QLatin1Char('-'))) {
            options.texts << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnd = true;
            continue;
        }
        Named named = split(argument);
        const OptionRule* rule = FindRule(named.name);
        if (!rule) return unknown(named.name);
        const QString name = QLatin1String(rule->name);
        if (!rule->value && named.value)
            return Usage(
                QCoreApplication::translate("glimmet-font", "--%1 takes no value").arg(name) +
                seeHelp());
        if (rule->value && !named.value) {
            if (k + 1 == arguments.size())
                return Usage(QCoreApplication::translate("glimmet-font", "missing value after %1")
                                 .arg(Quoted(argument)) +
                             seeHelp());
            named.value = arguments[++k];
        }
        if (rule->value && options.given.contains(name))
            return Usage(QCoreApplication::translate("glimmet-font", "--%1 is given more than once")
                             .arg(name));
        options.given << name;
        const QString problem = rule->store(options, named.value.value_or(QString()));
        if (!problem.isEmpty()) return Usage(problem);
    }
    if (options.action != Options::Action::Convert) return options;
    applyBoard(options);
    ApplySlotFile(options);
    const Diagnostic checked = CheckOptions(options);
    if (!checked.ok()) return checked;
    return options;
}
