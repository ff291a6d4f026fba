#include "capture/glyphprint.h"

#include "capture/fonts.h"
#include "capture/outline.h"

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

// Qt keeps rendered glyphs up to 64 pixels; larger text it fills as paths, another raster.
constexpr int LargestCachedPixels = 64;

// Qt draws such a font's glyphs just as FreeType renders them: no antialiasing, full hinting, a
// whole pixel size its glyph cache holds, nothing synthesised nor transformed.
bool drawsPlainly(const QFont& font, const QFontInfo& info) {
    return font.pixelSize() > 0 && font.pixelSize() <= LargestCachedPixels &&
           (font.styleStrategy() & QFont::NoAntialias) &&
           font.hintingPreference() == QFont::PreferFullHinting && info.weight() < QFont::Bold &&
           info.style() == QFont::StyleNormal &&
           (font.stretch() == QFont::AnyStretch || font.stretch() == QFont::Unstretched) &&
           font.capitalization() == QFont::MixedCase;
}

// A font table's big-endian numbers; past its end, or in a table the face lacks, all ones.
class Table {
public:
    Table(FT_Face face, FT_ULong tag) {
        FT_ULong length = 0;
        if (FT_Load_Sfnt_Table(face, tag, 0, nullptr, &length) != 0) return;
        bytes_.resize(length);
        if (FT_Load_Sfnt_Table(face, tag, 0, bytes_.data(), &length) != 0) bytes_.clear();
    }
    bool empty() const { return bytes_.empty(); }
    quint32 read(quint64 at, int size) const {
        if (at + size > bytes_.size()) return 0xffffffff;
        quint32 number = 0;
        for (int i = 0; i < size; ++i) number = number << 8 | bytes_[at + i];
        return number;
    }

private:
    std::vector<FT_Byte> bytes_;
};

// Whether an OpenType layout table has lookups: HarfBuzz, shaping for Qt, may then substitute or
// move even a lone glyph. Unifont carries both tables, empty.
bool hasLookups(FT_Face face, FT_ULong tag) {
    const Table table(face, tag);
    const quint32 lookups = table.read(8, 2);
    return !table.empty() && lookups != 0 && table.read(lookups, 2) != 0;
}

// Whether Apple's glyph morphing table (mort, or its extension morx) changes horizontal text:
// HarfBuzz applies each of its subtables but those for vertical text only. AR PL SungtiL GB's
// holds just vertical forms.
bool morphsHorizontally(FT_Face face, FT_ULong tag, bool extended) {
    const Table table(face, tag);
    const int size = extended ? 4 : 2;  // of a count, a subtable's length and its coverage
    const quint32 vertical = extended ? 0x80000000 : 0x8000;
    const quint32 anyDirection = extended ? 0x20000000 : 0x2000;
    quint64 chain = 8;
    for (quint32 c = 0, chains = table.empty() ? 0 : table.read(4, 4); c < chains; ++c) {
        const quint32 features = table.read(chain + 8, size);
        quint64 subtable = chain + 8 + 2 * size + 12 * quint64(features);
        for (quint32 s = 0, subtables = table.read(chain + 8 + size, size); s < subtables; ++s) {
            const quint32 length = table.read(subtable, size);
            const quint32 coverage = table.read(subtable + size, size);
            if (length == 0 || !(coverage & vertical) || (coverage & anyDirection)) return true;
            subtable += length;
        }
        chain += table.read(chain + 4, 4);
    }
    return false;
}

// Nothing for HarfBuzz to substitute or move in horizontal text.
bool shapesPlainly(FT_Face face) {
    return !hasLookups(face, FT_MAKE_TAG('G', 'S', 'U', 'B')) &&
           !hasLookups(face, FT_MAKE_TAG('G', 'P', 'O', 'S')) &&
           !morphsHorizontally(face, FT_MAKE_TAG('m', 'o', 'r', 't'), false) &&
           !morphsHorizontally(face, FT_MAKE_TAG('m', 'o', 'r', 'x'), true);
}

// Qt maps characters through the face's last Unicode character map.
bool selectUnicode(FT_Face face) {
    FT_CharMap unicode = nullptr;
    for (int i = 0; i < face->num_charmaps; ++i)
        if (face->charmaps[i]->encoding == FT_ENCODING_UNICODE) unicode = face->charmaps[i];
    return unicode && FT_Set_Charmap(face, unicode) == 0;
}

// A bitmap face must have a strike of exactly the size Qt draws at: one whose nearest strike
// differs is not the file Qt picked for that size. Of equal heights Qt takes the first of the
// nearest width.
bool setSize(FT_Face face, int pixels) {
    const FT_Pos size = FT_Pos(pixels) * 64;
    if (FT_IS_SCALABLE(face)) return FT_Set_Char_Size(face, size, size, 0, 0) == 0;
    int best = -1;
    for (int i = 0; i < face->num_fixed_sizes; ++i) {
        const FT_Bitmap_Size& strike = face->available_sizes[i];
        if (strike.y_ppem == size &&
            (best < 0 ||
             std::abs(strike.x_ppem - size) < std::abs(face->available_sizes[best].x_ppem - size)))
            best = i;
    }
    return best >= 0 && FT_Select_Size(face, best) == 0;
}

// Qt asks fontconfig whether to autohint the face; a user's configuration may say so.
bool autohinted(const QByteArray& file, int index, const QString& family, int pixels) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(family.toUtf8().constData()));
    FcPatternAddString(pattern, FC_FILE, reinterpret_cast<const FcChar8*>(file.constData()));
    FcPatternAddInteger(pattern, FC_INDEX, index);
    FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixels);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcBool autohint = FcFalse;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
        FcPatternGetBool(match, FC_AUTOHINT, 0, &autohint);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return autohint;
}

// The text's one code point; 0 for any other text.
char32_t singleCodePoint(const QString& text) {
    if (text.size() == 1 && !text[0].isSurrogate()) return text[0].unicode();
    if (text.size() == 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate())
        return QChar::surrogateToUcs4(text[0], text[1]);
    return 0;
}

// A code point that HarfBuzz leaves as the face's one glyph, unmoved, when it stands alone: no
// mark, control or format character, nothing default-ignorable, nothing of a script with its own
// shaper (Hangul, Thai, Indic, Arabic...), nothing that runs right to left or is mirrored, and
// not the object replacement character, where Qt leaves room for an object.
bool standsAlone(char32_t c) {
    if (c == QChar::ObjectReplacementCharacter) return false;
    switch (QChar::category(c)) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_PrivateUse:
        case QChar::Other_NotAssigned:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return false;
        default:
            break;
    }
    switch (QChar::direction(c)) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
            return false;
        default:
            break;
    }
    if (QChar::hasMirrored(c) && QGuiApplication::layoutDirection() == Qt::RightToLeft)
        return false;
    switch (QChar::script(c)) {
        case QChar::Script_Common:
        case QChar::Script_Latin:
        case QChar::Script_Greek:
        case QChar::Script_Cyrillic:
        case QChar::Script_Han:
        case QChar::Script_Hiragana:
        case QChar::Script_Katakana:
        case QChar::Script_Bopomofo:
            return true;
        default:
            return false;
    }
}

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
    const char32_t c = singleCodePoint(text);
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
