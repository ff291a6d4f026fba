#include "capture/qtmatch.h"

#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QString>

#include <fontconfig/fontconfig.h>
#include FT_TRUETYPE_TABLES_H

#include <vector>

namespace {

// Qt keeps rendered glyphs up to 64 pixels; larger text it fills as paths, another raster.
constexpr int LargestCachedPixels = 64;

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

}  // namespace

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
