<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>glimmet-font</name>
    <message>
        <source>argument %1 is not valid UTF-8: byte 0x%2 at offset %3</source>
        <translation>第 %1 个参数不是有效的 UTF-8：偏移 %3 处的字节 0x%2</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 只能给出一次</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>；您是不是想输入 %1？</translation>
    </message>
    <message>
        <source>no input: give TEXT, --input FILE or --charset SET</source>
        <translation>没有输入：请给出文字、--input 文件或 --charset 字符集</translation>
    </message>
    <message>
        <source>give only one of TEXT, --input FILE and --charset SET</source>
        <translation>文字、--input 文件和 --charset 字符集只能给出其中一种</translation>
    </message>
    <message>
        <source>--encoding is for a file given with --input</source>
        <translation>--encoding 只用于 --input 给出的文件</translation>
    </message>
    <message>
        <source>; see &apos;glimmet-font --help&apos;</source>
        <translation>；请参阅“glimmet-font --help”</translation>
    </message>
    <message>
        <source>the text arguments</source>
        <translation>文字参数</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>标准输入</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取%1：%2</translation>
    </message>
    <message>
        <source>; if it is %1, give --encoding %2</source>
        <translation>；如果它是 %1 编码，请加上 --encoding %2</translation>
    </message>
    <message>
        <source>; if it is %1 or %2, give --encoding %3 or --encoding %4</source>
        <translation>；如果它是 %1 或 %2 编码，请加上 --encoding %3 或 --encoding %4</translation>
    </message>
    <message>
        <source>%1 is not valid %2: byte 0x%3 at offset %4</source>
        <translation>%1不是有效的 %2：偏移 %4 处的字节 0x%3</translation>
    </message>
    <message>
        <source>no character to convert in %1</source>
        <translation>%1中没有可转换的字符</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>the capture font has no glyph for %1; the table holds what the window captures for it</source>
        <translation>取模字体中没有 %1 的字形；字库中是窗口对它取模所得的字模</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation>，另有 %1 个</translation>
    </message>
    <message>
        <source>--index gb2312: no GB2312 code for %1</source>
        <translation>--index gb2312：以下字符没有 GB2312 编码：%1</translation>
    </message>
    <message>
        <source>%1 (%2) loses ink outside its %3 x %4 square</source>
        <translation>%1 (%2) 有笔画超出 %3 x %4 的字模范围而被截去</translation>
    </message>
    <message>
        <source>no character of %1 has a width to show in a strip</source>
        <translation>%1中没有任何有宽度的字符可排成长条</translation>
    </message>
    <message>
        <source>%1 bytes are no whole number of glyphs of %2 x %3 pixels, %4 bytes each: %5 left over</source>
        <translation>%1 个字节不是整数个 %2 x %3 点、每个 %4 字节的字模：%5</translation>
    </message>
    <message>
        <source>1 byte is</source>
        <translation>余下 1 个字节</translation>
    </message>
    <message>
        <source>%1 bytes are</source>
        <translation>余下 %1 个字节</translation>
    </message>
    <message>
        <source>%1 has no place in %2</source>
        <translation>%1 在%2中没有位置</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>no glyph to convert in %1</source>
        <translation>%1中没有可转换的字模</translation>
    </message>
    <message>
        <source>the image is %1 pixels: no whole number of %2 glyphs</source>
        <translation>图像为 %1 点，不是整数个 %2 的字模</translation>
    </message>
    <message>
        <source>the image is %1 pixels, more than a glyph&apos;s %2 x %2; give --size to cut it into glyphs</source>
        <translation>图像为 %1 点，大于字模的上限 %2 x %2；请用 --size 把它切成字模</translation>
    </message>
    <message>
        <source>not a PNG, BMP or GIF image</source>
        <translation>不是 PNG、BMP 或 GIF 图像</translation>
    </message>
    <message>
        <source>cannot read the %1 image: %2</source>
        <translation>无法读取 %1 图像：%2</translation>
    </message>
    <message>
        <source>--from reads --input FILE: give it and no TEXT</source>
        <translation>--from 读取 --input 文件：请给出文件，不要给出文字</translation>
    </message>
    <message>
        <source>the 256 slots of ASCII</source>
        <translation> ASCII 的 256 个字位</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>第 %1 行第 %2 列：%3</translation>
    </message>
    <message>
        <source>%1 is no character a glyph can show</source>
        <translation>%1 不是字模能显示的字符</translation>
    </message>
    <message>
        <source>U+ takes four to six hex digits</source>
        <translation>U+ 后面应是四至六位十六进制数字</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither # (lit) nor . (unlit)</source>
        <translation>“%1”既不是 #（亮）也不是 .（灭）</translation>
    </message>
    <message>
        <source>a row has at most %1 pixels</source>
        <translation>一行最多 %1 点</translation>
    </message>
    <message>
        <source>the row is longer than the glyphs&apos; %1 pixels</source>
        <translation>这一行长于字模的 %1 点</translation>
    </message>
    <message>
        <source>the row ends before the glyphs&apos; %1 pixels</source>
        <translation>这一行短于字模的 %1 点</translation>
    </message>
    <message>
        <source>a glyph has at most %1 rows</source>
        <translation>字模最多 %1 行</translation>
    </message>
    <message>
        <source>the glyph has %1 rows, the glyphs before it %2</source>
        <translation>字模有 %1 行，前面的字模有 %2 行</translation>
    </message>
    <message>
        <source>not valid UTF-8: byte 0x%1 at offset %2</source>
        <translation>不是有效的 UTF-8：偏移 %2 处的字节 0x%1</translation>
    </message>
    <message>
        <source>a heading may not hold */</source>
        <translation>标题行中不能有 */</translation>
    </message>
    <message>
        <source>and %1 more characters likewise</source>
        <translation>另有 %1 个字符情况相同</translation>
    </message>
    <message>
        <source>the image is %1 pixels, less than a glyph&apos;s %2 x %2</source>
        <translation>图像为 %1 点，小于字模的下限 %2 x %2</translation>
    </message>
    <message>
        <source>the glyph is %1 x %2 pixels; a side is %3 to %4</source>
        <translation>字模为 %1 x %2 点；每边应为 %3 至 %4</translation>
    </message>
    <message>
        <source>SSD1306 OLEDs: pages, any size</source>
        <translation>SSD1306 OLED：按页，任意尺寸</translation>
    </message>
    <message>
        <source>SH1106 OLEDs: pages, any size</source>
        <translation>SH1106 OLED：按页，任意尺寸</translation>
    </message>
    <message>
        <source>MAX7219 modules: 8 x 8 rows</source>
        <translation>MAX7219 模块：8 x 8 逐行</translation>
    </message>
    <message>
        <source>74HC595 matrices: 16 x 16 rows, negative</source>
        <translation>74HC595 点阵：16 x 16 逐行，阴码</translation>
    </message>
    <message>
        <source>HUB12 (P10) panels: 16 x 16 rows, negative</source>
        <translation>HUB12（P10）单元板：16 x 16 逐行，阴码</translation>
    </message>
    <message>
        <source>ST7920 12864 LCDs, graphics: 16 x 16 rows</source>
        <translation>ST7920 12864 液晶图形方式：16 x 16 逐行</translation>
    </message>
    <message>
        <source> and </source>
        <translation> 和 </translation>
    </message>
    <message>
        <source>--%1 does not apply to %2: it is for %3</source>
        <translation>--%1 不适用于 %2：只有 %3 接受它</translation>
    </message>
    <message>
        <source>the characters captured from a font, as the window
captures them</source>
        <translation>从字体取模的字符，与窗口取模相同</translation>
    </message>
    <message>
        <source>a C array of the glyphs&apos; bytes</source>
        <translation>字模字节组成的 C 数组</translation>
    </message>
    <message>
        <source>assembly data lines of the glyphs&apos; bytes</source>
        <translation>字模字节组成的汇编数据行</translation>
    </message>
    <message>
        <source>a PNG, BMP or GIF, a glyph of --size in each cell,
left to right and top to bottom (without --size, one
glyph)</source>
        <translation>PNG、BMP 或 GIF 图像，每个 --size 大小的格子一个
字模，从左到右、从上到下（不给 --size 时为一个字模）</translation>
    </message>
    <message>
        <source>--format %1 does not write to a terminal; use -o FILE or a pipe</source>
        <translation>--format %1 不输出到终端；请用 -o 文件或管道</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>没有那个文件或目录</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>权限不够</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>不允许的操作</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>设备上没有空间</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>超出磁盘限额</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>文件过大</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>是一个目录</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>不是目录</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>只读文件系统</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>输入/输出错误</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>文件名过长</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>符号链接的层数过多</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>打开的文件过多</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>没有那个设备或地址</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>断开的管道</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>设备或资源忙</translation>
    </message>
    <message>
        <source>Text file busy</source>
        <translation>文本文件忙</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>无效的跨设备链接</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>无法分配内存</translation>
    </message>
    <message>
        <source>&apos;%1&apos;</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入%1：%2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>both</source>
        <translation>皆可</translation>
    </message>
    <message>
        <source>Usage: glimmet-font [OPTION]... [TEXT]...
Writes a font table for LED dot-matrix displays: every character of the TEXT
arguments, of a file, or of a whole character set, captured as the Glimmet
window captures one, at any size from 4 x 4 to 64 x 64 pixels (16 x 16 and 32
bytes a glyph unless told otherwise).
</source>
        <translation>用法：glimmet-font [选项]... [文字]...
为 LED 点阵屏生成字库：把文字参数、文件或整个字符集中的每个字符按 Glimmet
窗口的方式取模，字模可为 4 x 4 至 64 x 64 点（默认 16 x 16，每个字模 32 字节）。
</translation>
    </message>
    <message>
        <source>
Input (exactly one):
</source>
        <translation>
输入（三者选一）：
</translation>
    </message>
    <message>
        <source>the characters of the arguments, in order (after
--, a TEXT may start with -)</source>
        <translation>参数中的字符，依次取模（在 -- 之后，文字可以 - 开头）</translation>
    </message>
    <message>
        <source>
Glyphs read from -i FILE instead of captured:
</source>
        <translation>
从 -i 文件读取字模（不取模）：
</translation>
    </message>
    <message>
        <source>
Output:
</source>
        <translation>
输出：
</translation>
    </message>
    <message>
        <source>
Glyphs:
</source>
        <translation>
字模：
</translation>
    </message>
    <message>
        <source>
Layout (for the formats of bytes):
</source>
        <translation>
取模方式（用于字节格式）：
</translation>
    </message>
    <message>
        <source>
Formats (--from reads them, --format writes them):
</source>
        <translation>
格式（--from 读取，--format 写出）：
</translation>
    </message>
    <message>
        <source>
The names of formats, sets, orders and encodings may be given in any case.
Exit status: 0 on success, 1 when the input or the output fails, 2 for a usage
error.
</source>
        <translation>
格式、字符集、取模顺序和编码的名称不区分大小写。
退出状态：0 表示成功，1 表示输入或输出失败，2 表示用法错误。
</translation>
    </message>
    <message>
        <source>--%1: %2 is not a whole number from %3 to %4</source>
        <translation>--%1：%2不是 %3 至 %4 之间的整数</translation>
    </message>
    <message>
        <source>--size: %1 is not N or WxH with each from %2 to %3</source>
        <translation>--size：%1不是 N 或 宽x高，或者边长不在 %2 至 %3 之间</translation>
    </message>
    <message>
        <source>--shift: %1 is not DY or DX,DY in whole pixels</source>
        <translation>--shift：%1不是以整点数表示的 DY 或 DX,DY</translation>
    </message>
    <message>
        <source>--db: %1 is not a directive</source>
        <translation>--db：%1不是合法的伪指令</translation>
    </message>
    <message>
        <source>the characters of a file; - is standard input</source>
        <translation>文件中的字符；- 表示标准输入</translation>
    </message>
    <message>
        <source>gb2312 (7,445 characters), gb2312-hanzi (6,763) or
ascii (95)</source>
        <translation>gb2312（7,445 个字符）、gb2312-hanzi（6,763 个）或
ascii（95 个）</translation>
    </message>
    <message>
        <source>the encoding of the file: utf-8 (default), gbk,
gb18030, big5, utf-16 (by its byte order mark, else
little-endian), utf-16le or utf-16be; a file that
starts with a UTF-16 byte order mark needs none</source>
        <translation>文件的编码：utf-8（默认）、gbk、gb18030、big5、
utf-16（按字节顺序标记，没有时按小端）、utf-16le 或
utf-16be；以 UTF-16 字节顺序标记开头的文件无需指定</translation>
    </message>
    <message>
        <source>where the glyphs come from: font (the default) or a
format below that reads</source>
        <translation>字模的来源：font（默认，从字体取模）或下列可读取的格式</translation>
    </message>
    <message>
        <source>an opaque pixel darker than N (0 to 255, default 128)
is lit</source>
        <translation>不透明且暗于 N（0 至 255，默认 128）的像素为亮点</translation>
    </message>
    <message>
        <source>Floyd-Steinberg dithering, for photographs</source>
        <translation>Floyd-Steinberg 抖动，用于照片</translation>
    </message>
    <message>
        <source>what to write: c (the default) or a format below
that writes</source>
        <translation>写出的格式：c（默认）或下列可写出的格式</translation>
    </message>
    <message>
        <source>write to FILE, whole or not at all (default and -:
standard output)</source>
        <translation>写入文件，要么完整写入，要么不写（默认及 -：标准输出）</translation>
    </message>
    <message>
        <source>what compiles or assembles the table:</source>
        <translation>编译或汇编字库所用的工具链：</translation>
    </message>
    <message>
        <source>also write a C header declaring the table (extern),
for projects of several source files; the table
itself is then not static and includes it</source>
        <translation>另外写出声明字库（extern）的 C 头文件，用于多个源文件
的工程；此时字库本身不再是 static，并包含该头文件</translation>
    </message>
    <message>
        <source>the assembly data directive (default: the target&apos;s)</source>
        <translation>汇编数据伪指令（默认：工具链自己的）</translation>
    </message>
    <message>
        <source>each character once, at its first appearance; in C
and asm the text follows as indexes into the table
(NAME_text)</source>
        <translation>每个字符只取一次，保留第一次出现的位置；C 和汇编字库
后面另附按文字顺序排列的字模序号（NAME_text）</translation>
    </message>
    <message>
        <source>also draw every glyph as LEDs on a proof sheet; more
than 1,024 glyphs go on pages of 1,024, FILE-1.png,
FILE-2.png and so on</source>
        <translation>另外把每个字模画成 LED 点阵校样图；超过 1,024 个字模时
分页，每页 1,024 个：文件-1.png、文件-2.png，依此类推</translation>
    </message>
    <message>
        <source>the whole input as one picture H pixels high, each
character as wide as the font draws it (8 for a
letter and 16 for a hanzi in Unifont at 16);
zero-width characters take no column. With --scan
columns, the columns a scrolling sign shifts out.
The C array is NAME[BYTES] with NAME_WIDTH and
NAME_HEIGHT (default name strip)</source>
        <translation>把全部输入作为一幅高 H 点的图，每个字符按字体画出的宽度
排列（Unifont 16 点时字母 8 点、汉字 16 点）；零宽字符
不占列。配合 --scan columns 即滚动屏逐列移出的数据。
C 数组为 NAME[字节数]，另有 NAME_WIDTH 和 NAME_HEIGHT
（默认名称 strip）</translation>
    </message>
    <message>
        <source>the preview&apos;s sign, N LEDs wide, from 1 to 1024
(default 64)</source>
        <translation>预览中屏的宽度，N 个 LED，1 至 1024（默认 64）</translation>
    </message>
    <message>
        <source>N for N x N pixels or WxH, each from 4 to 64 (default
16); the font&apos;s em is H pixels, and 8x16 is the left
half of 16x16</source>
        <translation>N 表示 N x N 点，或 宽x高，各为 4 至 64（默认 16）；
字体的 em 为“高”点，8x16 是 16x16 的左半部分</translation>
    </message>
    <message>
        <source>an installed family or a font file (TTF, OTF, TTC,
PCF, BDF, .pcf.gz); bitmap fonts only at the sizes
they have. By default: Unifont at 16, WenQuanYi
Bitmap Song at 12, 13 and 15, and AR PL SungtiL GB
at every other size</source>
        <translation>已安装的字体族或字体文件（TTF、OTF、TTC、PCF、BDF、
.pcf.gz）；点阵字体只能用它自带的尺寸。默认：16 点用
Unifont，12、13、15 点用文泉驿点阵宋体（WenQuanYi
Bitmap Song），其他尺寸用 AR PL SungtiL GB</translation>
    </message>
    <message>
        <source>move the print DY pixels down (up when negative) and
DX right, for a font that sits high or low in its em</source>
        <translation>把字形下移 DY 点（负数为上移）、右移 DX 点，用于在 em
中偏高或偏低的字体</translation>
    </message>
    <message>
        <source>the layout and size a board needs; --scan, --size,
--lsb-first and --negative given with it win:</source>
        <translation>按板子设定取模方式和尺寸；同时给出的 --scan、--size、
--lsb-first 和 --negative 优先：</translation>
    </message>
    <message>
        <source>the first pixel of a byte in bit 0 (for pages: the
top pixel in bit 7)</source>
        <translation>字节的第一个点在第 0 位（pages 时：最上一点在第 7 位）</translation>
    </message>
    <message>
        <source>a lit LED is a 0 bit</source>
        <translation>阴码：亮点为 0 位（默认为阳码：亮点为 1 位）</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>显示本帮助</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>显示版本</translation>
    </message>
    <message>
        <source>--%1: %2 is not one of %3</source>
        <translation>--%1：%2不是 %3 之一</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项%1</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 不带值</translation>
    </message>
    <message>
        <source>missing value after %1</source>
        <translation>%1之后缺少值</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>标准输出</translation>
    </message>
    <message>
        <source>libpng cannot draw %1</source>
        <translation>libpng 无法绘制%1</translation>
    </message>
    <message>
        <source>portable C (the default), assembly with DB 0FCH</source>
        <translation>通用 C（默认），汇编为 DB 0FCH</translation>
    </message>
    <message>
        <source>Keil C51&apos;s code memory, and A51</source>
        <translation>Keil C51 的 code 存储区，以及 A51</translation>
    </message>
    <message>
        <source>SDCC&apos;s __code, and sdas8051 with .db 0xFC</source>
        <translation>SDCC 的 __code，以及 sdas8051 的 .db 0xFC</translation>
    </message>
    <message>
        <source>as31, assembly alone, with .db 0FCH</source>
        <translation>as31，只用于汇编，.db 0FCH</translation>
    </message>
    <message>
        <source>avr-gcc&apos;s PROGMEM, and avr-as with .byte 0xFC</source>
        <translation>avr-gcc 的 PROGMEM，以及 avr-as 的 .byte 0xFC</translation>
    </message>
    <message>
        <source>no font family %1 is installed</source>
        <translation>未安装字体族%1</translation>
    </message>
    <message>
        <source>%1 is not a font file</source>
        <translation>%1不是字体文件</translation>
    </message>
    <message>
        <source>no such font file %1</source>
        <translation>字体文件%1不存在</translation>
    </message>
    <message>
        <source>%1 cannot be loaded</source>
        <translation>无法加载%1</translation>
    </message>
    <message>
        <source>--target %1 is an assembler: give --format asm</source>
        <translation>--target %1 是汇编器：请用 --format asm</translation>
    </message>
    <message>
        <source>--index and --slots do not go together</source>
        <translation>--index 和 --slots 不能同时使用</translation>
    </message>
    <message>
        <source>--strip and --preview show text captured from a font, not --from</source>
        <translation>--strip 和 --preview 显示的是从字体取模的文字，不能与 --from 同用</translation>
    </message>
    <message>
        <source>--sheet draws glyphs, not a strip: see it with --preview</source>
        <translation>--sheet 画的是字模，不是长条：长条请用 --preview 查看</translation>
    </message>
    <message>
        <source>--strip is one picture: --header, --index, --slots and --unique are for tables of glyphs</source>
        <translation>--strip 只生成一幅图：--header、--index、--slots 和 --unique 只用于字模表</translation>
    </message>
    <message>
        <source>TEXT...</source>
        <translation>文字...</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>字符集</translation>
    </message>
    <message>
        <source>ENCODING</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>TOOLCHAIN</source>
        <translation>工具链</translation>
    </message>
    <message>
        <source>IDENT</source>
        <translation>标识符</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>伪指令</translation>
    </message>
    <message>
        <source>FILE.png</source>
        <translation>文件.png</translation>
    </message>
    <message>
        <source>FILE.gif</source>
        <translation>文件.gif</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>尺寸</translation>
    </message>
    <message>
        <source>FONT</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>[DX,]DY</source>
        <translation>[DX,]DY</translation>
    </message>
    <message>
        <source>BOARD</source>
        <translation>板型</translation>
    </message>
    <message>
        <source>ORDER</source>
        <translation>顺序</translation>
    </message>
    <message>
        <source>Read with: %1.
</source>
        <translation>读取时可用：%1。
</translation>
    </message>
    <message>
        <source>Written with: %1.
</source>
        <translation>写出时可用：%1。
</translation>
    </message>
    <message>
        <source>a BDF 2.1 font, each glyph as wide as the font draws
it, for FreeType, X and u8g2&apos;s bdfconv</source>
        <translation>BDF 2.1 字体，每个字模按字体画出的宽度，
供 FreeType、X 和 u8g2 的 bdfconv 使用</translation>
    </message>
    <message>
        <source>a font finds a glyph by one code point: %1 left out</source>
        <translation>字体按单个码位查找字模：%1 未收入</translation>
    </message>
    <message>
        <source>no glyph has a code point of its own to be found by in a font</source>
        <translation>没有字模带有可供字体查找的单个码位</translation>
    </message>
    <message>
        <source>--board max7219 draws hanzi in 8 x 8 LEDs, where few can be read; give --size 16 and show each on a square of four modules (see --board max7219 in the manual)</source>
        <translation>--board max7219 用 8 x 8 个 LED 显示汉字，大多难以辨认；请用 --size 16，每个汉字用田字形排列的四个模块显示（见手册中的 --board max7219）</translation>
    </message>
    <message>
        <source>--format gfx: the glyphs&apos; bitmaps take %1 bytes, and Adafruit GFX finds them by 16-bit offsets, up to 65,536 bytes; split the text into smaller fonts or give a smaller --size</source>
        <translation>--format gfx：字模点阵共 %1 字节，而 Adafruit GFX 用 16 位偏移查找点阵，至多 65,536 字节；请把文本拆成较小的几个字体，或给出较小的 --size</translation>
    </message>
    <message>
        <source>the image is %1 pixels, more than the %2 x %2 that --from image reads</source>
        <translation>图像为 %1 点，大于 --from image 所能读取的 %2 x %2</translation>
    </message>
    <message>
        <source>an LVGL font holds at most %1 glyphs, not %2</source>
        <translation>LVGL 字体最多容纳 %1 个字模，而不是 %2 个</translation>
    </message>
    <message>
        <source>the font passes LVGL&apos;s usual limits: LVGL draws it with LV_FONT_FMT_TXT_LARGE 1 in lv_conf.h</source>
        <translation>字体超出 LVGL 的常规限制：须在 lv_conf.h 中设置 LV_FONT_FMT_TXT_LARGE 1，LVGL 才能绘制它</translation>
    </message>
    <message>
        <source>a glyph starts with its heading (U+ and its code points, or # and a space and a name) or its first row</source>
        <translation>字模以标题行（U+ 加码位，或 # 加空格再加名字）或其第一行点阵开始</translation>
    </message>
    <message>
        <source>u8g2 finds a glyph by a code point from U+0001 to U+FFFD: %1 left out</source>
        <translation>u8g2 按 U+0001 至 U+FFFD 的码位查找字模：%1 未收入</translation>
    </message>
    <message>
        <source>no character has a code point from U+0001 to U+FFFD for a u8g2 font</source>
        <translation>没有字符的码位在 u8g2 字体可用的 U+0001 至 U+FFFD 之内</translation>
    </message>
    <message>
        <source>%1 is too large for a u8g2 glyph, which holds at most 255 bytes and moves the pen at most 127 pixels: make the glyphs smaller</source>
        <translation>%1 超出 u8g2 字模的容量（一个字模至多 255 字节，笔位至多前进 127 像素）：请把字模做小</translation>
    </message>
    <message>
        <source>--name: %1 is not a C identifier</source>
        <translation>--name：%1不是 C 标识符</translation>
    </message>
    <message>
        <source>--name: %1 is reserved by %2</source>
        <translation>--name：%1是 %2 的保留字</translation>
    </message>
    <message>
        <source>--name: %1 is a keyword of C</source>
        <translation>--name：%1是 C 的关键字</translation>
    </message>
    <message>
        <source>--name: %1 is reserved by C for its compilers: it starts with __ or with _ and a capital</source>
        <translation>--name：%1是 C 留给编译器的名字：它以 __ 或以 _ 加大写字母开头</translation>
    </message>
    <message>
        <source>--target %1 is an assembler alone: --format cfont is C, for c, keil, sdcc or avr</source>
        <translation>--target %1 只是汇编器：--format cfont 是 C，只用于 c、keil、sdcc 或 avr</translation>
    </message>
    <message>
        <source>--slots needs --charset gb2312 or gb2312-hanzi</source>
        <translation>--slots 需要 --charset gb2312 或 gb2312-hanzi</translation>
    </message>
    <message>
        <source>--sign-width, --sign-lines, --frame-ms and --led-colour are for --preview FILE.gif</source>
        <translation>--sign-width、--sign-lines、--frame-ms 和 --led-colour 只用于 --preview 文件.gif</translation>
    </message>
    <message>
        <source>the bytes alone; with --charset gb2312 the 87 x 94
slots of HZK16 (HZK12 at 12), with --slots hzk24
the hanzi of HZK24S and its kin, with --charset
ascii at a half-width size the 256 of ASC16 (ASC12
at 8x12)</source>
        <translation>只有字节；配合 --charset gb2312 为 HZK16 的 87 x 94
个字位（12 点即 HZK12），配合 --slots hzk24 为 HZK24S
等文件的汉字，配合 --charset ascii 在半角尺寸下为
ASC16 的 256 个字位（8x12 即 ASC12）</translation>
    </message>
    <message>
        <source>pictures, # for a lit LED and . for an unlit one,
each under a heading: U+ and its code points, or #,
a space and a name</source>
        <translation>点阵图，# 为亮点，. 为暗点，每个字模前有标题行：
U+ 加码位，或 # 加空格再加名字</translation>
    </message>
    <message>
        <source>a u8g2 font as C source in u8g2&apos;s compressed
format, each glyph as wide as the font draws it,
for u8g2&apos;s setFont and drawUTF8</source>
        <translation>u8g2 压缩格式的 C 源文件字体，字模按字体画出的宽度，
供 u8g2 的 setFont 和 drawUTF8 使用</translation>
    </message>
    <message>
        <source>an LVGL 9 font as a C file for LVGL&apos;s own engine,
1 bit a pixel, each glyph as wide as the font draws
it</source>
        <translation>LVGL 9 字体的 C 文件，由 LVGL 自带的字体引擎绘制，
每点 1 位，每个字模按字体画出的宽度</translation>
    </message>
    <message>
        <source>an Adafruit GFX font header, each glyph cut to its
ink, with the text in its 8-bit codes (NAME_text)
for display.print</source>
        <translation>Adafruit GFX 字体头文件，每个字模裁到墨迹为止，
并附上以其 8 位编码写成的文本（NAME_text），
供 display.print 使用</translation>
    </message>
    <message>
        <source>a C font for firmware&apos;s own drawing: each glyph as
wide as the font advances, packed in the layout,
its width, the sorted codes and a lookup by binary
search (NAME_find, NAME_next)</source>
        <translation>供固件自行绘制的 C 字体：每个字模按字体的前进宽度，
按取模方式打包，附上宽度、排好序的编码和
二分查找函数（NAME_find、NAME_next）</translation>
    </message>
    <message>
        <source>the input %1</source>
        <translation>输入文件%1</translation>
    </message>
    <message>
        <source>the font file %1</source>
        <translation>字体文件%1</translation>
    </message>
    <message>
        <source>--format cfont: %1 glyphs are more than its 16-bit indexes count</source>
        <translation>--format cfont：%1 个字模超出了它的 16 位序号所能计数的范围</translation>
    </message>
    <message>
        <source>--format cfont: no character has a width to draw</source>
        <translation>--format cfont：没有一个字符有可绘制的宽度</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>无效的参数</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>资源暂时不可用</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>没有那个设备</translation>
    </message>
    <message>
        <source>Value too large for defined data type</source>
        <translation>对已定义的数据类型来说值过大</translation>
    </message>
    <message>
        <source>Operation not supported</source>
        <translation>不支持的操作</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>失效的文件句柄</translation>
    </message>
    <message>
        <source>--format gfx: Adafruit GFX draws 8-bit codes, and the %1 characters past U+007E do not fit in the %2 codes free from 0x%3 to 0xFF; split the text into fonts of at most %2 such characters, or give a lower --first-code (0x20 at the lowest)</source>
        <translation>--format gfx：Adafruit GFX 只绘制 8 位编码，U+007E 之后的 %1 个字符放不进 0x%3 至 0xFF 之间空闲的 %2 个编码；请把文本拆成几个字体，每个至多含 %2 个这样的字符，或给出更小的 --first-code（最小为 0x20）</translation>
    </message>
    <message>
        <source>%1 holds more than %2 MiB, the most --from %3 reads</source>
        <translation>%1超过 %2 MiB，即 --from %3 所能读取的上限</translation>
    </message>
    <message>
        <source>--first-code: %1 is not a code from 0x20 to 0xFF (32 to 255)</source>
        <translation>--first-code：%1不是 0x20 至 0xFF（32 至 255）之间的编码</translation>
    </message>
    <message>
        <source>--frame-ms: %1 is not a multiple of 10 from 20 to 1000</source>
        <translation>--frame-ms：%1不是 20 至 1000 之间 10 的倍数</translation>
    </message>
    <message>
        <source>another name of %1</source>
        <translation>%1 的别名</translation>
    </message>
    <message>
        <source>the name of the C array, the assembly label or the
font (default glyphs; for u8g2 glimmet_font; for
lvgl the face and size, as unifont_16; font for
gfx and cfont)</source>
        <translation>C 数组名、汇编标号或字体名（默认 glyphs；u8g2 默认
glimmet_font；lvgl 默认为字体名加尺寸，如 unifont_16；
gfx 和 cfont 默认 font）</translation>
    </message>
    <message>
        <source>the code each glyph is found by: gb2312 (ASCII as
its one byte, the rest as two) or unicode (the code
point). c and asm: each glyph as a record, its code
first; cfont: the codes it looks up (default
unicode)</source>
        <translation>查找字模所用的编码：gb2312（ASCII 为其单个字节，
其余为两个字节）或 unicode（码位）。c 和 asm：
每个字模作为一条记录，编码在前；cfont：查找函数
所用的编码（默认 unicode）</translation>
    </message>
    <message>
        <source>cfont: also the text, in order, as a string in the
font&apos;s codes (NAME_text): UTF-8, or GB2312 with
--index gb2312</source>
        <translation>cfont：另外按顺序写出文本，作为以字体编码表示的
字符串（NAME_text）：UTF-8，配合 --index gb2312
时为 GB2312</translation>
    </message>
    <message>
        <source>gfx: the code of the first character past ASCII,
from 0x20 to 0xFF (default 0x80); codes the text&apos;s
own ASCII holds are passed over</source>
        <translation>gfx：ASCII 之外第一个字符的编码，0x20 至 0xFF
（默认 0x80）；文本中 ASCII 字符自己占用的编码
会被跳过</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>a classic slot file, every slot in it, blank ones
included: bin writes and reads it, C and asm write
it as one table; hzk24 is 24 x 24 down columns
unless --size or --scan say otherwise:</source>
        <translation>经典字位文件的全部字位，包括空字位：bin 格式写出和
读取该文件，C 和汇编把它写成一个字库；hzk24 为
24 x 24 逐列取模，除非 --size 或 --scan 另有指定：</translation>
    </message>
    <message>
        <source>also write an animated GIF of the input as a strip
moving across a sign, looping forever: on one line
it scrolls left a column a frame; on several it is
broken into lines that rise a row a frame</source>
        <translation>另外写出 GIF 动画，输入作为长条在屏上移动，无限循环：
单行屏每帧左移一列；多行屏把长条断成若干行，
每帧上移一行点</translation>
    </message>
    <message>
        <source>the preview&apos;s sign, N lines of glyphs high, from 1
to 8 (default 1)</source>
        <translation>预览中屏的高度，N 行字，1 至 8（默认 1）</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>each frame of the preview shown MS milliseconds, 20
to 1000 in steps of 10, as GIF times frames
(default 50: twenty columns a second)</source>
        <translation>预览每帧显示的毫秒数，20 至 1000，须为 10 的倍数，
与 GIF 的计时单位一致（默认 50：每秒二十列）</translation>
    </message>
    <message>
        <source>COLOUR</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>the preview&apos;s LEDs: red (default), green, amber,
blue, or white on a black sign</source>
        <translation>预览中 LED 的颜色：red（红，默认）、green（绿）、
amber（琥珀）、blue（蓝），或 white（白，黑底）</translation>
    </message>
    <message>
        <source>rows (default): across rows, each row as W/8 bytes
(rounded up) from the left; columns: down columns,
each column as H/8 bytes from the top; pages: bands
of eight rows, one byte a column, the top pixel in
bit 0; bits past a glyph&apos;s edge are unlit</source>
        <translation>rows（默认）：逐行，每行 W/8 个字节（向上取整），从左
到右；columns：逐列，每列 H/8 个字节，从上到下；
pages：按页，每页八行，每列一个字节，最上一点在第 0
位；超出字模边缘的位一律为暗点</translation>
    </message>
    <message>
        <source>%1 is the same file as %2</source>
        <translation>%1与%2是同一个文件</translation>
    </message>
    <message>
        <source>giflib cannot draw %1 (error %2)</source>
        <translation>giflib 无法绘制%1（错误 %2）</translation>
    </message>
    <message>
        <source>every GB2312 code, 87 rows of 94 from A1A1
(HZK16, HZK12)</source>
        <translation>GB2312 的全部编码，自 A1A1 起 87 区，每区 94 位
（HZK16、HZK12）</translation>
    </message>
    <message>
        <source>the hanzi, 72 rows of 94 from B0A1, 24 x 24
down columns (HZK24S, HZK24K, HZK24H, HZK24F)</source>
        <translation>汉字，自 B0A1 起 72 区，每区 94 位，24x24 逐列
（HZK24S、HZK24K、HZK24H、HZK24F）</translation>
    </message>
    <message>
        <source>the %1 x 94 slots of GB2312 from %2</source>
        <translation> GB2312 自 %2 起的 %1 x 94 个字位</translation>
    </message>
    <message>
        <source>--index unicode: no code point of its own for %1</source>
        <translation>--index unicode：以下字符没有单独的码位：%1</translation>
    </message>
    <message>
        <source>the 8051&apos;s 64 KB of code memory</source>
        <translation>8051 的 64 KB 程序存储器</translation>
    </message>
    <message>
        <source>avr-gcc and Arduino&apos;s C++</source>
        <translation>avr-gcc 和 Arduino 的 C++</translation>
    </message>
    <message>
        <source>the largest object avr-gcc makes</source>
        <translation>avr-gcc 单个对象的上限</translation>
    </message>
    <message>
        <source>--font: %1</source>
        <translation>--font：%1</translation>
    </message>
    <message>
        <source>%1 holds more than %2 MiB, the most a font file may hold</source>
        <translation>%1超过 %2 MiB，即字体文件的上限</translation>
    </message>
    <message>
        <source>%1 is a bitmap font with no size of %2 pixels; its sizes: %3</source>
        <translation>%1是点阵字体，没有 %2 点的尺寸；它的尺寸有：%3</translation>
    </message>
    <message>
        <source>write fewer characters, or the glyphs as a file for external flash (--format bin)</source>
        <translation>请减少字符，或把字模写成文件存入外部闪存（--format bin）</translation>
    </message>
    <message>
        <source>write each character once (--unique), fewer characters, or the glyphs as a file for external flash (--format bin)</source>
        <translation>请让每个字符只出现一次（--unique）、减少字符，或把字模写成文件存入外部闪存（--format bin）</translation>
    </message>
    <message>
        <source>%1 is %2 bytes, past %3 (%4 bytes), and will not build; %5</source>
        <translation>%1有 %2 字节，超出了 %3（%4 字节），无法编译链接；%5</translation>
    </message>
    <message>
        <source>%1 glyphs do not fit in %2 (room for %3)</source>
        <translation>%1 个字模放不进%2（只能容纳 %3 个）</translation>
    </message>
    <message>
        <source>--name: %1 is a keyword of C++</source>
        <translation>--name：%1是 C++ 的关键字</translation>
    </message>
</context>
</TS>
