#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <QByteArray>

class QFont;
class QFontInfo;
class QString;

// What decides whether FreeType alone can draw a character as Qt draws it with QPainter.

// Qt draws such a font's glyphs just as FreeType renders them: no antialiasing, full hinting, a
// whole pixel size its glyph cache holds, nothing synthesised nor transformed.
bool drawsPlainly(const QFont& font, const QFontInfo& info);
// Nothing for HarfBuzz to substitute or move in horizontal text.
bool shapesPlainly(FT_Face face);
// Qt maps characters through the face's last Unicode character map.
bool selectUnicode(FT_Face face);
// A bitmap face must have a strike of exactly the size Qt draws at.
bool setSize(FT_Face face, int pixels);
// Qt asks fontconfig whether to autohint the face; a user's configuration may say so.
bool autohinted(const QByteArray& file, int index, const QString& family, int pixels);
// A code point that HarfBuzz leaves as the face's one glyph, unmoved, when it stands alone.
bool standsAlone(char32_t c);
