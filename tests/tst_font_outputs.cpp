// glimmet-font's outputs: none may be the input, the font file or another output, by any path;
// - is standard output; and the files of a run are put in place together or not at all.
#include "tests/fontrun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

// The files of a run's folder: IN holds text (1,025 hanzi, for a sheet of two pages, in
// page-2.png), OUT an old table, LINK and HARD are links to IN, OUTLINK a link to OUT, FONT a copy
// of a font file, and sub a folder.
struct Folder {
    QTemporaryDir dir;
    QMap<QString, QByteArray> files;

    Folder() {
        QString hanzi;
        for (char32_t c = 0x4E00; c < 0x4E00 + 1025; ++c) hanzi += QString::fromUcs4(&c, 1);
        put("in.txt", "AB");
        put("page-2.png", hanzi.toUtf8());
        put("out.c", "old");
        QFile font(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf"));
        QVERIFY(font.open(QIODevice::ReadOnly));
        put("font.ttf", font.readAll());
        QVERIFY(QFile::link("in.txt", path("link")) && QFile::link("out.c", path("outlink")));
        QVERIFY(::link(QFile::encodeName(path("in.txt")), QFile::encodeName(path("hard"))) == 0);
        QVERIFY(QDir(dir.path()).mkdir("sub"));
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    void put(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        files[name] = bytes;
    }

    // The words with the files' paths for their names in capitals.
    QStringList words(const QString& arguments) const {
        static const QMap<QString, QString> names{
            {"OUTLINK", "outlink"}, {"PAGE", "page-2.png"}, {"LINK", "link"}, {"HARD", "hard"},
            {"FONT", "font.ttf"},   {"IN", "in.txt"},       {"OUT", "out.c"}, {"DIR", ""}};
        static const QRegularExpression name(QStringLiteral("\\b[A-Z]+\\b"));
        QString text = arguments;
        for (auto match = name.globalMatch(arguments); match.hasNext();) {
            const QRegularExpressionMatch found = match.next();
            if (names.contains(found.captured()))
                text.replace(
                    found.capturedStart() + text.size() - arguments.size(), found.capturedLength(),
                    found.captured() == "DIR" ? dir.path() : path(names[found.captured()]));
        }
        return text.split(' ');
    }

    // Every file as it was, and no other.
    void unchanged() const {
        QStringList names = files.keys() << "hard"
                                         << "link"
                                         << "outlink"
                                         << "sub";
        names.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), names);
        for (auto file = files.begin(); file != files.end(); ++file) {
            QFile read(path(file.key()));
            QVERIFY(read.open(QIODevice::ReadOnly));
            QVERIFY2(read.readAll() == file.value(), qPrintable(file.key()));
        }
    }
};

}  // namespace

class FontOutputsTest : public QObject {
    Q_OBJECT

private slots:
    // Each pairing of an output with the input or another output is a usage error, the message
    // naming both, and every file stays as it was. stdinFile, where given, is read as
    // standard input.
    void sameFile_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("stdinFile");
        QTest::addColumn<QString>("message");
        const auto add = [](const char* name, const char* arguments, const char* stdinFile,
                            const char* message) {
            QTest::newRow(name) << QString::fromUtf8(arguments) << QString::fromUtf8(stdinFile)
                                << QString::fromUtf8(message);
        };
        add("the table onto the input", "-i IN -o IN", "",
            "-o 'IN' is the same file as the input 'IN'");
        add("by a symbolic link", "-i IN -o LINK", "",
            "-o 'LINK' is the same file as the input 'IN'");
        add("by a hard link", "-i IN -o HARD", "", "-o 'HARD' is the same file as the input 'IN'");
        add("by a relative path", "-i IN -o DIR/sub/../in.txt", "",
            "-o 'DIR/sub/../in.txt' is the same file as the input 'IN'");
        add("the input by a link", "-i LINK -o IN", "",
            "-o 'IN' is the same file as the input 'LINK'");
        add("the header onto the input", "-i IN --header IN -o OUT", "",
            "--header 'IN' is the same file as the input 'IN'");
        add("the sheet onto the input", "-i IN --sheet HARD -o OUT", "",
            "--sheet 'HARD' is the same file as the input 'IN'");
        add("a sheet's page onto the input", "-i PAGE --sheet DIR/page.png -o OUT", "",
            "--sheet 'PAGE' is the same file as the input 'PAGE'");
        add("the preview onto the input", "-i IN --strip --preview LINK -o OUT", "",
            "--preview 'LINK' is the same file as the input 'IN'");
        add("the table onto standard input's file", "-i - -o IN", "IN",
            "-o 'IN' is the same file as standard input");
        add("the header onto standard input's file", "-i - --header LINK -o OUT", "IN",
            "--header 'LINK' is the same file as standard input");
        add("the sheet onto standard input's file", "-i - --sheet HARD -o OUT", "IN",
            "--sheet 'HARD' is the same file as standard input");
        add("a sheet's page onto standard input's file", "-i - --sheet DIR/page.png -o OUT", "PAGE",
            "--sheet 'PAGE' is the same file as standard input");
        add("the preview onto standard input's file", "-i - --preview IN -o OUT", "IN",
            "--preview 'IN' is the same file as standard input");
        add("the table onto the font file", "--font FONT A -o FONT", "",
            "-o 'FONT' is the same file as the font file 'FONT'");
        add("the header onto the table", "A --header OUTLINK -o OUT", "",
            "--header 'OUTLINK' is the same file as -o 'OUT'");
        add("the sheet onto the table", "A --sheet OUT -o OUT", "",
            "--sheet 'OUT' is the same file as -o 'OUT'");
        add("the preview onto the table", "A --preview OUTLINK -o OUT", "",
            "--preview 'OUTLINK' is the same file as -o 'OUT'");
        add("the sheet onto the header", "A --header DIR/t.h --sheet DIR/t.h -o OUT", "",
            "--sheet 'DIR/t.h' is the same file as --header 'DIR/t.h'");
        add("the sheet onto the preview", "A --preview DIR/p.gif --sheet DIR/p.gif -o OUT", "",
            "--sheet 'DIR/p.gif' is the same file as --preview 'DIR/p.gif'");
        add("a sheet's page onto the table", "-i PAGE --sheet DIR/s.png -o DIR/s-2.png", "",
            "--sheet 'DIR/s-2.png' is the same file as -o 'DIR/s-2.png'");
        add("a sheet's page onto the header",
            "-i PAGE --sheet DIR/s.png --header DIR/s-1.png -o OUT", "",
            "--sheet 'DIR/s-1.png' is the same file as --header 'DIR/s-1.png'");
        add("the preview onto standard output", "A --preview -", "",
            "--preview - is the same file as standard output");
        add("the preview and the table onto standard output", "A -o - --preview -", "",
            "--preview - is the same file as -o -");
    }

    void sameFile() {
        QFETCH(QString, arguments);
        QFETCH(QString, stdinFile);
        QFETCH(QString, message);
        Folder folder;
        const QStringList words = folder.words(arguments);
        const Run run = glimmetFontReading(words, folder.words(stdinFile).value(0));
        QCOMPARE(run.status, 2);
        QCOMPARE(QString::fromUtf8(run.err),
                 "glimmet-font: " + folder.words(message).join(' ') + "\n");
        QCOMPARE(run.out, QByteArray());
        folder.unchanged();
    }

    // Devices take any number of outputs; - is standard output wherever a file is named.
    void standardOutput_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("same");  // the run whose standard output is the same
        QTest::newRow("-o -") << "-o - AB"
                              << "AB";
        QTest::newRow("-o - after -i -") << "-i - -o -"
                                         << "-i IN";
        QTest::newRow("-o - beside a preview") << "-o - --preview DIR/p.gif AB"
                                               << "AB";
        QTest::newRow("the preview to -") << "--preview - -o DIR/t.c AB"
                                          << "--preview /dev/stdout -o DIR/t.c AB";
        QTest::newRow("the sheet to -") << "--sheet - -o DIR/t.c AB"
                                        << "--sheet /dev/stdout -o DIR/t.c AB";
        QTest::newRow("every output to /dev/null")
            << "-o /dev/null --header /dev/null --sheet /dev/null --preview /dev/null AB"
            << "-o /dev/null AB";
    }

    void standardOutput() {
        QFETCH(QString, arguments);
        QFETCH(QString, same);
        Folder folder;
        const Run run = glimmetFontReading(folder.words(arguments), folder.path("in.txt"));
        const Run expected = glimmetFont(folder.words(same));
        QCOMPARE(run.status, 0);
        QCOMPARE(expected.status, 0);
        QCOMPARE(run.out, expected.out);
    }

    // A header that cannot be written takes the table with it: a new table is not left, an old
    // one is not replaced.
    void headerFails_data() {
        QTest::addColumn<bool>("oldTable");
        QTest::newRow("a new table") << false;
        QTest::newRow("an old table") << true;
    }

    void headerFails() {
        QFETCH(bool, oldTable);
        Folder folder;
        const QString table = folder.path(oldTable ? "out.c" : "new.c");
        const Run full = glimmetFont({"-o", table, "--header", "/dev/full", "AB"});
        QCOMPARE(full.status, 1);
        QCOMPARE(full.err, QByteArray("glimmet-font: cannot write '/dev/full': No space left on "
                                      "device\n"));
        folder.unchanged();
        // In a sticky folder another user's header cannot be replaced: the failure comes as the
        // header is put in place, after the table.
        if (geteuid() != 0) QSKIP("another user's file needs root to make");
        QVERIFY(QFile::setPermissions(folder.dir.path(),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ExeOther));
        QCOMPARE(QProcess::execute("chmod", {"1777", folder.path("sub")}), 0);
        const QString header = folder.path("sub/t.h"), sticky = folder.path("sub/t.c");
        QFile(header).open(QIODevice::WriteOnly);
        if (oldTable) {
            QFile old(sticky);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
            QCOMPARE(QProcess::execute("chown", {"nobody", sticky}), 0);
        }
        const Run nobody =
            glimmetFontUnder({"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"},
                             {"-o", sticky, "--header", header, "AB"});
        QCOMPARE(nobody.status, 1);
        QVERIFY2(nobody.err.endsWith("cannot write '" + header.toUtf8() +
                                     "': Operation not permitted\n"),
                 nobody.err);
        QCOMPARE(QDir(folder.path("sub")).entryList(QDir::Files),
                 oldTable ? QStringList({"t.c", "t.h"}) : QStringList{"t.h"});
        QFile kept(sticky);
        QVERIFY(!oldTable || (kept.open(QIODevice::ReadOnly) && kept.readAll() == "old"));
    }

    // The table includes its header by the name it was given, or by its name alone beside it.
    void includesItsHeader_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("include");
        QTest::newRow("beside it") << "-o DIR/t.c --header DIR/t.h"
                                   << "#include \"t.h\"\n";
        QTest::newRow("by a path to the same folder") << "-o DIR/t.c --header DIR/sub/../t.h"
                                                      << "#include \"t.h\"\n";
        QTest::newRow("in another folder") << "-o DIR/t.c --header DIR/sub/t.h"
                                           << "#include \"DIR/sub/t.h\"\n";
        QTest::newRow("on standard output") << "--header DIR/sub/t.h"
                                            << "#include \"DIR/sub/t.h\"\n";
    }

    void includesItsHeader() {
        QFETCH(QString, arguments);
        QFETCH(QString, include);
        Folder folder;
        const Run run = glimmetFont(folder.words(arguments) << "AB");
        QCOMPARE(run.status, 0);
        QFile table(folder.path("t.c"));
        const QByteArray text =
            run.out.isEmpty() && table.open(QIODevice::ReadOnly) ? table.readAll() : run.out;
        QVERIFY2(text.contains("#define GLIMMET_GLYPHS_C\n" +
                               include.replace("DIR", folder.dir.path()).toUtf8()),
                 text);
    }
};

QTEST_GUILESS_MAIN(FontOutputsTest)
#include "tst_font_outputs.moc"
