// glimmet-font's messages in Chinese: every kind of failure and warning said wholly in the user's
// language, the system's reasons included, with Chinese quotes, colons and commas alone.
#include "tests/fontrun.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class FontMessagesTest : public QObject {
    Q_OBJECT

private slots:
    // IN holds "AB", GBK the same in GBK, PICTURE a text picture with a wrong pixel; DIR is the
    // run's folder. The message is the whole of standard error.
    void chinese_data() {
        saysColumns();
        const auto add = addSays;
        // The command line.
        add("an unknown option", "--frobnicate A", 2,
            "未知选项“--frobnicate”；请参阅“glimmet-font --help”");
        add("a missing value", "A --size", 2, "“--size”之后缺少值；请参阅“glimmet-font --help”");
        add("no threshold", "--threshold= --from image -i IN", 2,
            "--threshold：“”不是 0 至 255 之间的整数");
        add("a bad size", "--size 3 A", 2, "--size：“3”不是 N 或 宽x高，或者边长不在 4 至 64 之间");
        add("a bad shift", "--shift x A", 2, "--shift：“x”不是以整点数表示的 DY 或 DX,DY");
        add("a board mistyped", "--board p1 A", 2,
            "--board：“p1”不是 ssd1306、sh1106、max7219、74hc595、hub12、st7920、p10 "
            "之一；您是不是想输入 p10？");
        add("an option of another format", "--db .db A", 2,
            "--db 不适用于 --format c：只有 --format asm 接受它");
        add("an option of several formats", "--format text --name t A", 2,
            "--name 不适用于 --format text：只有 --format c、asm、u8g2、lvgl、gfx、cfont 接受它");
        add("a name that is no identifier", "--name 2x A", 2, "--name：“2x”不是 C 标识符");
        add("a keyword as name", "--name static A", 2, "--name：“static”是 C 的关键字");
        add("a name C51 reserves", "--name data --target keil A", 2,
            "--name：“data”是 Keil C51 的保留字");
        add("a name avr reserves", "--name new --target avr A", 2,
            "--name：“new”是 avr-gcc 和 Arduino 的 C++ 的保留字");
        add("a name for compilers", "--name __x A", 2,
            "--name：“__x”是 C 留给编译器的名字：它以 __ 或以 _ 加大写字母开头");
        add("a frame GIF cannot time", "--frame-ms 55 --preview DIR/p.gif A", 2,
            "--frame-ms：“55”不是 20 至 1000 之间 10 的倍数");
        add("a sign without a preview", "--sign-lines 2 A", 2,
            "--sign-width、--sign-lines、--frame-ms 和 --led-colour 只用于 --preview 文件.gif");
        add("two inputs", "-i IN A", 2, "文字、--input 文件和 --charset 字符集只能给出其中一种");
        // The files.
        add("the table onto the input", "-i IN -o IN", 2, "-o “IN”与输入文件“IN”是同一个文件");
        add("the sheet onto the table", "A --sheet DIR/t.c -o DIR/t.c", 2,
            "--sheet “DIR/t.c”与-o “DIR/t.c”是同一个文件");
        add("no such file", "-i DIR/none.txt", 1, "无法读取“DIR/none.txt”：没有那个文件或目录");
        add("a folder to read", "-i DIR", 1, "无法读取“DIR”：是一个目录");
        add("an input too large", "--from bin -i /dev/zero", 1,
            "“/dev/zero”超过 64 MiB，即 --from bin 所能读取的上限");
        add("a full device", "A -o /dev/full", 1, "无法写入“/dev/full”：设备上没有空间");
        add("no folder to write in", "A -o DIR/none/t.c", 1,
            "无法写入“DIR/none/t.c”：没有那个文件或目录");
        add("a GBK file", "-i GBK", 1,
            "“GBK”不是有效的 UTF-8：偏移 0 处的字节 0xbb；如果它是 GBK 编码，请加上 "
            "--encoding gbk");
        add("a wrong picture", "--from text -i PICTURE", 1,
            "“PICTURE”：第 2 行第 2 列：“x”既不是 #（亮）也不是 .（灭）");
        add("not an image", "--from image -i IN", 1, "“IN”：不是 PNG、BMP 或 GIF 图像");
        add("bytes left over", "--from bin -i IN", 1,
            "“IN”：3 个字节不是整数个 16 x 16 点、每个 32 字节的字模：余下 3 个字节");
        add("no such font", "--font Unifnt A", 1,
            "--font：未安装字体族“Unifnt”；您是不是想输入 Unifont？");
        add("not a font", "--font /dev/zero A", 1, "--font：“/dev/zero”不是字体文件");
        add("a bitmap font's sizes", "--font WQY --size 8 A", 1,
            "--font：“WQY”是点阵字体，没有 8 点的尺寸；它的尺寸有：16");
        // The warnings.
        add("a table too large", "--charset gb2312 --target sdcc -o /dev/null", 0,
            "警告：“glyphs”有 238,240 字节，超出了 8051 的 64 KB 程序存储器（65,536 "
            "字节），无法编译链接；请让每个字符只出现一次（--unique）、减少字符，或把字模写成文件"
            "存入外部闪存（--format bin）");
        add("hanzi on a MAX7219", "--board max7219 中 -o /dev/null", 0,
            "警告：--board max7219 用 8 x 8 个 LED 显示汉字，大多难以辨认；请用 --size "
            "16，每个汉字用田字形排列的四个模块显示（见手册中的 --board max7219）");
    }

    void chinese() {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const std::pair<const char*, QByteArray> files[] = {
            {"IN", "AB\n"}, {"GBK", "\xBB\xB6"}, {"PICTURE", "U+0041 A\n#x\n"}};
        for (const auto& [name, bytes] : files) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        const QString wqy = QStringLiteral("/usr/share/fonts/X11/misc/wenquanyi_12pt.pcf");
        QStringList words = arguments.split(' ');
        for (QString& word : words) {
            if (word == "IN" || word == "GBK" || word == "PICTURE") word = dir.filePath(word);
            word.replace("DIR", dir.path()).replace("WQY", wqy);
        }
        const Run run = glimmetFont(words, {}, "zh_CN.UTF-8");
        QCOMPARE(run.status, status);
        QString said = QString::fromUtf8(run.err);
        for (const char* name : {"IN", "GBK", "PICTURE"}) said.replace(dir.filePath(name), name);
        said.replace(dir.path(), "DIR").replace(wqy, "WQY");
        QCOMPARE(said, "glimmet-font: " + message + "\n");
        // Nothing of the English punctuation is left around the names.
        const QString text = said.mid(14);
        QVERIFY2(!text.contains('\'') && !text.contains(": ") && !text.contains(", "),
                 qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(FontMessagesTest)
#include "tst_font_messages.moc"
