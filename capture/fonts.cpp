#include "capture/fonts.h"

#include "capture/capture.h"
#include "capture/glyphprint.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <cstdio>

namespace {

// Looked up among the installed families: hasFamily would first run each name through
// fontconfig's substitution rules, about a millisecond of the start-up.
QString chooseFamily(const char* substitute) {
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"新宋体", "NSimSun"}) {
        const QString name = QString::fromUtf8(family);
        if (installed.contains(name, Qt::CaseInsensitive)) return name;
    }
    return QString::fromLatin1(substitute);
}

// Resolved once. A font that is missing is said on the terminal, never fatal: the window then
// shows whatever the system substitutes, and captures come out of that.
QString resolveFamily(const char* substitute, int pixels) {
    const QString family = chooseFamily(substitute);
    const QString actual = QFontInfo(PixelFont(family, pixels)).family();
    // The font may be there under a name of the user's language (文泉驿点阵正黑 under a Chinese
    // locale); hasFamily knows all its names, and is asked only when the first name differs.
    if (actual != family && !QFontDatabase::hasFamily(family)) {
        std::fprintf(stderr, "%s: font \"%s\" is not installed, \"%s\" stands in for it\n",
                     qPrintable(QCoreApplication::applicationName()), qPrintable(family),
                     qPrintable(actual));
    }
    return family;
}

}  // namespace

QFont PixelFont(const QString& family, int pixels, const QString& style) {
    QFont font(family);
    font.setPixelSize(pixels);
    if (!style.isEmpty()) font.setStyleName(style);
    font.setStyleStrategy(QFont::NoAntialias);
    // Whole-pixel advances: without them small Latin glyphs crowd their neighbours.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont PixelFont(const QFont& font) {
    return PixelFont(font.family(), font.pixelSize(), font.styleName());
}

QFont WindowFont() {
    static const QString family = resolveFamily("WenQuanYi Zen Hei Sharp", 12);
    return PixelFont(family, 12);
}

QFont TwelvePointFont() {
    static const QString family = resolveFamily("Unifont", 16);
    return PixelFont(family, 16);
}

GlyphPrinter& CapturePrinter() {
    static const QFont font = TwelvePointFont();
    static const FontFace face = FaceOf(font);
    static GlyphPrinter printer(PrintFaceOf(face, font));
    return printer;
}

FontFace FaceOf(const QFont& font) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(font.family().toUtf8().constData()));
    FcPatternAddDouble(pattern, FC_PIXEL_SIZE, font.pixelSize());
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FontFace face;
    FcChar8* file = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        face.file = QString::fromUtf8(reinterpret_cast<const char*>(file));
        FcPatternGetInteger(match, FC_INDEX, 0, &face.index);
    }
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return face;
}

int EmTop(const QFont& font, const PrintFace& print) {
    const int em = font.pixelSize();
    const QFontMetricsF metrics(font);
    const int line = qRound(metrics.ascent() + metrics.descent());
    if (line <= em) return 0;
    const CaptureSetup setup{font, print, {}};
    Capturer capturer(setup);
    const QRect ink = capturer.capture(QStringLiteral("中"), QSize(em, line)).inkBox();
    if (ink.isEmpty()) return (line - em) / 2;  // no ideograph: the em in the middle of the line
    return std::max(0, ink.top() - (em - ink.height()) / 2);
}
