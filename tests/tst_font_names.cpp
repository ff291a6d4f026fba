// glimmet-font's --name: a C identifier that the target's toolchain does not reserve, or a usage
// error that says who reserves it. tst_font_toolchains.sh shows the toolchains refusing them.
#include "tests/fontrun.h"

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
        const QString format = target == "as31" ? "asm" : "c";
        const Run run = glimmetFont(
            {"--name", name, "--target", target, "--format", format, "-o", "/dev/null", "A"});
        QCOMPARE(run.status, reason.isEmpty() ? 0 : 2);
        if (!reason.isEmpty())
            QCOMPARE(QString::fromUtf8(run.err),
                     QStringLiteral("glimmet-font: --name: '%1' is %2\n").arg(name, reason));
    }
};

QTEST_GUILESS_MAIN(FontNamesTest)
#include "tst_font_names.moc"
