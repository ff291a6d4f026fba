// glimmet-font's --name: a C identifier that the target's toolchain does not reserve, or a usage
// error that says who reserves it. tst_font_toolchains.sh shows the toolchains refusing them. And
// the names of font files, which go into the comments on top.
#include "tests/fontrun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class FontNamesTest : public QObject {
    Q_OBJECT

private slots:
    void names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");  // after "--name: 'NAME' is ", or none
        const auto add = [](const char* name, const char* target, const char* reason) {
            QTest::newRow(qPrintable(QStringLiteral("%1 for %2").arg(name, target)))
                << name << target << reason;
        };
        add("2x", "c", "not a C identifier");
        add("glyph-1", "avr", "not a C identifier");
        add("static", "c", "a keyword of C");
        add("bool", "sdcc", "a keyword of C");
        add("typeof", "avr", "a keyword of C");
        add("__code", "c",
            "reserved by C for its compilers: it starts with __ or with _ and a capital");
        add("_Font", "keil",
            "reserved by C for its compilers: it starts with __ or with _ and a capital");
        add("new", "gfx", "a keyword of C++");
        add("class", "u8g2", "a keyword of C++");
        add("this", "lvgl", "a keyword of C++");
        add("new", "c", "");
        add("new", "cfont", "");
        add("_font", "c", "");
        add("data", "c", "");
        add("data", "sdcc", "");
        add("data", "avr", "");
        for (const char* word :
             {"data", "code", "xdata", "sfr", "interrupt", "_at_", "small", "large", "compact",
              "reentrant", "bdata", "far", "alien", "_task_", "_priority_"})
            add(word, "keil", "reserved by Keil C51");
        for (const char* word : {"__code", "__data", "__xdata", "__idata", "__pdata", "__bit",
                                 "__sfr", "__sbit", "__at", "__interrupt", "__using", "__reentrant",
                                 "__critical", "__naked", "__banked", "__sfr16"})
            add(word, "sdcc", "reserved by SDCC");
        for (const char* word : {"acc", "a", "b", "dpl", "dph", "dptr", "psw", "sp", "r0", "r7",
                                 "c", "ACC", "Dptr", "mov", "org", "db", "tl0"})
            add(word, "as31", "reserved by as31");
        add("acc", "sdcc", "");
        add("r0", "avr", "");
        for (const char* word : {"SP", "SREG", "PROGMEM", "class", "new", "this", "template"})
            add(word, "avr", "reserved by avr-gcc and Arduino's C++");
        add("class", "c", "");
        add("sp", "avr", "");
    }

    void names() {
        QFETCH(QString, name);
        QFETCH(QString, target);
        QFETCH(QString, reason);
        // The target is a format where it names one: a library's font takes no target, and a C
        // font takes C's.
        const bool format = QStringList{"gfx", "u8g2", "lvgl", "cfont"}.contains(target);
        QStringList arguments{"--name", name, "--format"};
        arguments << (format ? target : target == "as31" ? "asm" : "c");
        if (!format) arguments << "--target" << target;
        const Run run = glimmetFont(arguments + QStringList{"-o", "/dev/null", "A"});
        QCOMPARE(run.status, reason.isEmpty() ? 0 : 2);
        if (!reason.isEmpty())
            QCOMPARE(QString::fromUtf8(run.err),
                     QStringLiteral("glimmet-font: --name: '%1' is %2\n").arg(name, reason));
    }

    // A folder "fonts*" puts "*/" in the font file's path, which would end a C comment, and a line
    // break in its name would end an assembly or BDF comment line.
    void fontFileInComment_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("compiled");
        for (const char* format : {"c", "cfont"}) QTest::newRow(format) << format << true;
        for (const char* format : {"asm", "bdf", "u8g2", "lvgl", "gfx"})
            QTest::newRow(format) << format << false;
    }

    void fontFileInComment() {
        QFETCH(QString, format);
        QFETCH(bool, compiled);
        QTemporaryDir dir;
        const QString font = dir.filePath("fonts*/uni\nfont.otf");
        QVERIFY(QDir(dir.path()).mkdir("fonts*"));
        QVERIFY(QFile::copy("/usr/share/fonts/opentype/unifont/unifont.otf", font));
        const QString out = dir.filePath("out.c");
        const Run run = glimmetFont({"--format", format, "--font", font, "-o", out, "A"});
        QCOMPARE(run.status, 0);
        QFile written(out);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray text = written.readAll();
        QVERIFY2(text.contains("fonts* /uni?font.otf") && !text.contains("\nfont.otf"), text);
        if (compiled)
            QCOMPARE(QProcess::execute("gcc", {"-std=c99", "-fsyntax-only", "-Werror", out}), 0);
    }
};

QTEST_GUILESS_MAIN(FontNamesTest)
#include "tst_font_names.moc"
