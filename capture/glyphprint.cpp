#include "capture/glyphprint.h"

#include "capture/characters.h"
#include "capture/fonts.h"
#include "capture/outline.h"
#include "capture/qtmatch.h"

#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_FONT_FORMATS_H
#include FT_MODULE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <vector>

namespace {

// Black, as a solid black pen leaves an RGB32 pixel, clipped to the image.
void fill(QImage& image, QPoint origin, const std::vector<Span>& spans) {
    uchar* const bits = image.bits();
    for (const Span& span : spans) {
        const qint64 y = qint64(origin.y()) + span.row;
        const qint64 left = std::max<qint64>(0, qint64(origin.x()) + span.left);
        const qint64 right = std::min<qint64>(image.width(), qint64(origin.x()) + span.right);
        if (y < 0 || y >= image.height() || left >= right) continue;
        auto* const line = reinterpret_cast<QRgb*>(bits + y * image.bytesPerLine());
        std::fill(line + left, line + right, qRgb(0, 0, 0));
    }
}

}  // namespace

struct GlyphPrinter::Face {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    // As Qt loads glyphs for monochrome text with full hinting.
    FT_Int32 loadFlags =
        FT_LOAD_DEFAULT | FT_LOAD_IGNORE_GLOBAL_ADVANCE_WIDTH | FT_LOAD_TARGET_MONO;
    int baseline = 0;
    bool usable = false;
    // Font units a pixel, where a CFF face's em is a whole number of them: a pixel font's
    // outlines lie on that grid, and are read unscaled. 0 for other faces.
    FT_Pos unitsPerPixel = 0;
    OutlineScanner scanner;
    std::vector<Span> spans;
    int advance = 0;

    ~Face() {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }

    bool open(const PrintFace& print);
    bool ink(char32_t c);
    bool onGrid(FT_UInt glyph);
};

bool GlyphPrinter::Face::open(const PrintFace& print) {
    if (FT_Init_FreeType(&library) != 0) return false;
    // Qt turns stem darkening back on for CFF faces such as Unifont's; it moves hinted outlines.
    FT_Bool noDarkening = false;
    FT_Property_Set(library, "cff", "no-stem-darkening", &noDarkening);
    if (FT_New_Face(library, QFile::encodeName(print.face.file).constData(), print.face.index,
                    &face) != 0)
        return false;
    if (print.autohinted) loadFlags |= FT_LOAD_FORCE_AUTOHINT;
    if (FT_IS_SCALABLE(face) && qstrcmp(FT_Get_Font_Format(face), "CFF") == 0 &&
        face->units_per_EM % print.pixels == 0)
        unitsPerPixel = face->units_per_EM / print.pixels;
    baseline = print.baseline;
    return !FT_HAS_COLOR(face) && selectUnicode(face) && setSize(face, print.pixels);
}

// A glyph of a pixel font read unscaled: hinting and stem darkening move its sides by less than
// half a pixel, which leaves every pixel centre on its side, and the unscaled glyph is a third
// cheaper to load.
bool GlyphPrinter::Face::onGrid(FT_UInt glyph) {
    if (!unitsPerPixel || FT_Load_Glyph(face, glyph, FT_LOAD_NO_SCALE) != 0) return false;
    const FT_GlyphSlot slot = face->glyph;
    if (slot->metrics.horiAdvance % unitsPerPixel != 0) return false;
    advance = int(slot->metrics.horiAdvance / unitsPerPixel);
    return GridSpans(slot->outline, unitsPerPixel, spans);
}

// The character's ink as spans, straight from a rectilinear outline, else as FreeType renders
// it.
bool GlyphPrinter::Face::ink(char32_t c) {
    spans.clear();
    const FT_UInt glyph = FT_Get_Char_Index(face, c);
    if (glyph == 0) return false;
    if (onGrid(glyph)) {
        for (Span& span : spans) span.row += baseline;
        return true;
    }
    spans.clear();
    if (FT_Load_Glyph(face, glyph, loadFlags) != 0) {
        // Qt works around broken hinting in ways not copied here: drawText takes the face over.
        usable = false;
        return false;
    }
    const FT_GlyphSlot slot = face->glyph;
    // Qt's advance of a hinted glyph: its hinted advance, rounded to a whole pixel.
    advance = int((slot->metrics.horiAdvance + 32) >> 6);
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE || !scanner.rectilinear(slot->outline, spans)) {
        spans.clear();
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0 ||
            slot->bitmap.pixel_mode != FT_PIXEL_MODE_MONO)
            return false;
        BitmapSpans(slot->bitmap, slot->bitmap_left, slot->bitmap_top, spans);
    }
    for (Span& span : spans) span.row += baseline;
    return true;
}

PrintFace PrintFaceOf(const FontFace& face, const QFont& font) {
    const QFontInfo info(font);
    PrintFace print{
        face, info.pixelSize(), (qRound(QFontMetricsF(font).ascent() * 64) + 32) >> 6,
        autohinted(QFile::encodeName(face.file), face.index, info.family(), info.pixelSize())};
    GlyphPrinter::Face opened;
    print.usable = drawsPlainly(font, info) && opened.open(print) && shapesPlainly(opened.face);
    return print;
}

GlyphPrinter::GlyphPrinter(const PrintFace& face) : face_(std::make_unique<Face>()) {
    face_->usable = face.usable && face_->open(face);
}

GlyphPrinter::~GlyphPrinter() = default;

const std::vector<Span>* GlyphPrinter::ink(const QString& text, int* advance) {
    if (!face_->usable) return nullptr;
    const char32_t c = SingleCodePoint(text);
    if (c == 0 || !standsAlone(c) || !face_->ink(c)) return nullptr;
    if (advance) *advance = face_->advance;
    return &face_->spans;
}

bool GlyphPrinter::print(QImage& image, QPoint origin, const QString& text) {
    if (image.format() != QImage::Format_RGB32 || image.devicePixelRatio() != 1) return false;
    const std::vector<Span>* spans = ink(text);
    if (spans) fill(image, origin, *spans);
    return spans;
}
