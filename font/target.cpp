#include "font/target.h"

#include "font/diagnostic.h"
#include "font/rows.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

// The 8051's code memory holds the program and its tables: 64 KB.
constexpr qint64 Code8051 = 65536;
const char* const Code8051Bound =
    QT_TRANSLATE_NOOP("glimmet-font", "the 8051's 64 KB of code memory");

// Keil C51's words beside C's, from its manual's list of keywords.
const char* const KeilWords =
    "_at_ alien bdata bit code compact data far idata interrupt large pdata _priority_ reentrant "
    "sbit sfr sfr16 small _task_ using xdata";
// The words sdcc -mmcs51 4.2 refuses as a table's name beside C's.
const char* const SdccWords =
    "__asm __asm__ __at __banked __bit __builtin_offsetof __code __critical __data __far __idata "
    "__interrupt __naked __near __nonbanked __overlay __pdata __preserves_regs __reentrant __sbit "
    "__sdcccall __sfr __sfr16 __sfr32 __using __xdata";
// The registers, special function registers and their bits, instructions and directives that
// as31 2.3 knows, in any case, and so refuses as a label.
const char* const As31Words =
    "a ab ac acall acc add addc ajmp anl b byte c cjne clr cpl cy da db dec div djnz dph dpl "
    "dptr dw ea end equ es et0 et1 et2 ex0 ex1 exen2 exf2 f0 flag ie ie0 ie1 inc int0 int1 ip "
    "it0 it1 jb jbc jc jmp jnb jnc jnz jz lcall ljmp mov movc movx mul nop org orl ov p p0 p1 p2 "
    "p3 pc pcon pop ps psw pt0 pt1 pt2 push px0 px1 r0 r1 r2 r3 r4 r5 r6 r7 rb8 rcap2h rcap2l "
    "rclk rd ren ret reti ri rl rl2 rlc rr rrc rs0 rs1 rxd sbuf scon setb sjmp skip sm0 sm1 sm2 "
    "sp subb swap t0 t1 t2 t2con t2ex tb8 tclk tcon tf0 tf1 tf2 th0 th1 th2 ti tl0 tl1 tl2 tmod "
    "tr0 tr1 tr2 txd word wr xch xchd xrl";
// The keywords of C++, which Arduino compiles a sketch's tables and fonts with.
#define CXX_KEYWORDS                                                                               \
    "alignas alignof and and_eq bitand bitor bool catch char8_t char16_t char32_t class compl "    \
    "concept const_cast consteval constexpr constinit co_await co_return co_yield decltype "       \
    "delete "                                                                                      \
    "dynamic_cast explicit export false friend mutable namespace new noexcept not not_eq nullptr " \
    "operator or or_eq private protected public reinterpret_cast requires static_assert "          \
    "static_cast template this thread_local throw true try typeid typename using virtual wchar_t " \
    "xor xor_eq"
// avr-libc's registers of every AVR and its flash macros, and C++'s keywords.
const char* const AvrWords = "SP SPH SPL SREG PROGMEM PGM_P PGM_VOID_P " CXX_KEYWORDS;

}  // namespace

// sdas8051 and avr-as read 0x7F but not 7FH; A51 and as31 read 7FH. C51 puts the memory type
// after the type, and makes a module of its own for its constants; sdcc's C names a symbol with a
// leading underscore and puts its constants in CONST, where labels with :: are global. sdcc and
// avr-gcc store a larger number low byte first, C51 high byte first; as31 has no C, and takes
// C51's order as the 8051's other assembler does. Only avr-gcc's C reads its flash otherwise than
// its RAM.
// One row a toolchain: name, summary, C or not, declaration, include, reading, fetch, directive,
// values, little-endian, declared in C, section, export line, exports all, label, end, reserved
// words, in any case, who reserves them, largest table, what bounds it.
// clang-format off
const std::vector<Target>& Targets() {
    static const std::vector<Target> targets{
        {"c", QT_TRANSLATE_NOOP("glimmet-font", "portable C (the default), assembly with DB 0FCH"),
         true, "const %1 %2", "", "", "%2", "DB", Syntax::Assembly, false, false,
         "", "", false, "%1:\n", "",
         "", false, "C", 0, ""},
        {"keil", QT_TRANSLATE_NOOP("glimmet-font", "Keil C51's code memory, and A51"),
         true, "%1 code %2", "", "%1 is in code memory: it takes no RAM.", "%2", "DB",
         Syntax::Assembly, false, false,
         "%2?CO?%1 SEGMENT CODE\n    RSEG    ?CO?%1\n", "    PUBLIC  %1\n", true, "%1:\n",
         "    END\n",
         KeilWords, false, "Keil C51", Code8051, Code8051Bound},
        {"sdcc", QT_TRANSLATE_NOOP("glimmet-font", "SDCC's __code, and sdas8051 with .db 0xFC"),
         true, "const __code %1 %2", "", "%1 is in code memory: it takes no RAM.", "%2", ".db",
         Syntax::C, true, true,
         "    .area CONST (CODE)\n", "", false, "_%1::\n", "",
         SdccWords, false, "SDCC", Code8051, Code8051Bound},
        {"as31", QT_TRANSLATE_NOOP("glimmet-font", "as31, assembly alone, with .db 0FCH"),
         false, "const %1 %2", "", "", "%2", ".db", Syntax::Assembly, false, false,
         "", "", false, "%1:\n", "",
         As31Words, true, "as31", Code8051, Code8051Bound},
        {"avr", QT_TRANSLATE_NOOP("glimmet-font", "avr-gcc's PROGMEM, and avr-as with .byte 0xFC"),
         true, "const %1 %2 PROGMEM", "#include <avr/pgmspace.h>\n",
         "%1 stays in flash, not in RAM: read its bytes with pgm_read_byte(&%1%2).",
         "pgm_read_%1(&%2)", ".byte", Syntax::C, true, true,
         "    .section .progmem.data,\"a\",@progbits\n%2", "    .global %1\n", false, "%1:\n", "",
         AvrWords, false, QT_TRANSLATE_NOOP("glimmet-font", "avr-gcc and Arduino's C++"), 32767,
         QT_TRANSLATE_NOOP("glimmet-font", "the largest object avr-gcc makes")},
    };
    return targets;
}
// clang-format on

QStringList TargetNames() {
    return RowNames(Targets());
}

const Target& FindTarget(const QString& name) {
    return FindRow(Targets(), name);
}

QString Target::declare(const QString& type, const QString& declarator) const {
    return QString::fromLatin1(declaration).arg(type, declarator);
}

QString Target::assemblyStart(const QStringList& labels) const {
    const QString line = QString::fromLatin1(exportLine);
    QString exports;
    if (exportsAll)
        exports = line.isEmpty() ? line : line.arg(labels.join(QStringLiteral(", ")));
    else if (!line.isEmpty())
        for (const QString& label : labels) exports += line.arg(label);
    return QString::fromLatin1(section)
        .replace(QLatin1String("%1"), labels.front())
        .replace(QLatin1String("%2"), exports);
}

QString Target::labelLine(const QString& name) const {
    return QString::fromLatin1(label).arg(name);
}

void Target::warnIfTooLarge(const QString& array, qint64 bytes, const QString& remedy) const {
    if (!limit || bytes <= limit) return;
    const QLocale english(QLocale::English);
    Warn(QCoreApplication::translate("glimmet-font",
                                     "%1 is %2 bytes, past %3 (%4 bytes), and will not build; %5")
             .arg(Quoted(array), english.toString(bytes),
                  QCoreApplication::translate("glimmet-font", bound), english.toString(limit),
                  remedy));
}

bool IsCxxKeyword(const QString& name) {
    static const QStringList keywords = QStringLiteral(CXX_KEYWORDS).split(QLatin1Char(' '));
    return keywords.contains(name);
}

bool Target::reserves(const QString& name) const {
    return QString::fromLatin1(reserved)
        .split(QLatin1Char(' '))
        .contains(name, reservedAnyCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
}

QString Target::read(const QString& value, int bytes) const {
    static const char* const sizes[] = {"", "byte", "word", "", "dword"};
    return QString::fromLatin1(fetch)
        .replace(QLatin1String("%1"), QLatin1String(sizes[bytes]))
        .replace(QLatin1String("%2"), value);
}
