#include "font/characters.h"
#include "font/convert.h"
#include "font/options.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include <fontconfig/fontconfig.h>

namespace {

// Arguments are text to convert too: each must be valid UTF-8.
Diagnostic validArguments(int argc, char** argv, QStringList& arguments) {
    for (int i = 0; i < argc; ++i) {
        const qsizetype bad =
            FirstInvalidUtf8(QByteArrayView(argv[i], qsizetype(std::strlen(argv[i]))));
        if (bad >= 0)
            return Usage(
                QCoreApplication::translate(
                    "glimmet-font", "argument %1 is not valid UTF-8: byte 0x%2 at offset %3")
                    .arg(i)
                    .arg(uint8_t(argv[i][bad]), 2, 16, QLatin1Char('0'))
                    .arg(bad));
        arguments << QString::fromUtf8(argv[i]);
    }
    return {};
}

// Qt's own warnings go out as ours do. Where no runtime folder is set, Qt says so while it looks
// for its plugins; nothing here needs one.
void qtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg && !message.startsWith(u"QStandardPaths: "))
        Report(Failed(message));
}

// The help and the messages in the user's language (LC_ALL, LC_MESSAGES, LANG): ours from the
// program's resources, the option parser's from Qt's translations where they are installed.
void translate(QCoreApplication& app) {
    const QLocale locale = QLocale::system();
    const std::pair<QString, QString> sources[] = {
        {QStringLiteral("glimmet-font"), QStringLiteral(":/i18n")},
        {QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)}};
    for (const auto& [name, folder] : sources) {
        auto* translator = new QTranslator(&app);
        if (translator->load(locale, name, QStringLiteral("_"), folder))
            app.installTranslator(translator);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Fontconfig reads its configuration while Qt starts: both take milliseconds.
    std::thread fontconfig([] { FcInit(); });
    // No window: Qt draws the glyphs off screen unless told otherwise, and reads none of the
    // arguments, which are all ours.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(qtMessage);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    translate(app);
    QStringList arguments;
    const Diagnostic valid = validArguments(argc, argv, arguments);
    if (!valid.ok()) return fontconfig.join(), Report(valid);
    const std::variant<Options, Diagnostic> parsed = ParseOptions(arguments);
    fontconfig.join();
    if (const auto* problem = std::get_if<Diagnostic>(&parsed)) return Report(*problem);
    const Options& options = std::get<Options>(parsed);
    switch (options.action) {
        case Options::Action::Help:
            std::fputs(qPrintable(HelpText()), stdout);
            return Success;
        case Options::Action::Version:
            std::fputs("glimmet-font " GLIMMET_VERSION "\n", stdout);
            return Success;
        case Options::Action::Convert:
            break;
    }
    // Every file is written and closed by now: the program ends without taking Qt down, which
    // takes milliseconds and changes nothing.
    const int status = Report(Convert(options));
    std::fflush(nullptr);
    std::_Exit(status);
}
