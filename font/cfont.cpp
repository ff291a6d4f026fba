#include "font/cfont.h"

#include "font/fontglyphs.h"
#include "font/options.h"
#include "font/source.h"
#include "font/target.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

CFont::CFont(const Options& options, const Target& target)
    : target(target),
      layout(options.layout),
      codeSet(CodeSetNamed(options.index)),
      name(options.name.isEmpty() ? QStringLiteral("font") : options.name),
      message(options.message) {}

namespace {

// The message as the font's strings hold it, UTF-8 or GB2312's bytes, of the characters it has:
// each of those has a code in the set, the very code the font looks up.
QByteArray encode(const Characters& characters, const QSet<QString>& kept, CodeSet set) {
    QByteArray bytes;
    for (int32_t i : characters.sequence) {
        const QString& character = characters.distinct[size_t(i)];
        if (!kept.contains(character)) continue;
        const uint32_t code = CodeOf(character, set).value_or(0);
        if (set == CodeSet::Unicode)
            bytes += character.toUtf8();
        else if (code > 0xFF)
            bytes += char(code >> 8), bytes += char(code);
        else
            bytes += char(code);
    }
    return bytes;
}

Diagnostic uncoded(const QStringList& characters) {
    return Failed(
        QCoreApplication::translate("glimmet-font", "--index gb2312: no GB2312 code for %1")
            .arg(NamedList(characters)));
}

}  // namespace

// The glyphs are the captures, as wide as the font advances; the font of the source tells which
// have a code, and leaves out and names those that do not.
Diagnostic CFont::make(const Source& source) {
    Font font;
    Diagnostic made = MakeFont(source, font);
    if (!made.ok()) return made;
    QStringList none;
    QSet<QString> kept;
    for (const FontGlyph& glyph : font.glyphs) {
        const std::optional<uint32_t> code = CodeOf(glyph.character, codeSet);
        if (!code) {
            none << Named(glyph.character);
            continue;
        }
        const Glyph& capture = source.glyphs[glyph.entry];
        entries.push_back({*code, glyph.character, capture.width(), layout.bytes(capture)});
        kept.insert(glyph.character);
        height = std::max(height, capture.height());
    }
    if (!none.isEmpty()) return uncoded(none);
    if (entries.size() >= 0xFFFF)
        return Failed(
            QCoreApplication::translate(
                "glimmet-font", "--format cfont: %1 glyphs are more than its 16-bit indexes count")
                .arg(entries.size()));
    // C has no array of no bytes.
    if (byteCount() == 0)
        return Failed(QCoreApplication::translate(
            "glimmet-font", "--format cfont: no character has a width to draw"));
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.code < b.code; });
    if (message) text = encode(source.characters, kept, codeSet);
    return {};
}

QString CFont::codeType() const {
    return codeBytes() == 2 ? QStringLiteral("unsigned short") : QStringLiteral("unsigned long");
}

int CFont::byteCount() const {
    int count = 0;
    for (const Entry& entry : entries) count += int(entry.bytes.size());
    return count;
}

int CFont::offsetBytes() const {
    return byteCount() > 0xFFFF ? 4 : 2;
}

QString CFont::offsetType() const {
    return offsetBytes() == 2 ? QStringLiteral("unsigned short") : QStringLiteral("unsigned long");
}

int CFont::widest() const {
    int widest = 0;
    for (const Entry& entry : entries) widest = std::max(widest, entry.width);
    return widest;
}
