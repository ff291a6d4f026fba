#include "font/encoding.h"

#include "font/characters.h"
#include "font/charsets.h"

#include <iconv.h>

#include <cerrno>

namespace {

struct Encoding {
    const char* name;
    const char* iconv;
    const char* label;
};

constexpr Encoding Encodings[] = {
    {"utf-8", "UTF-8", "UTF-8"},          {"gbk", "GBK", "GBK"},
    {"gb18030", "GB18030", "GB18030"},    {"big5", "BIG5", "Big5"},
    {"utf-16", "UTF-16LE", "UTF-16"},     {"utf-16le", "UTF-16LE", "UTF-16LE"},
    {"utf-16be", "UTF-16BE", "UTF-16BE"},
};

const Encoding* find(const QString& name) {
    for (const Encoding& encoding : Encodings)
        if (name == QLatin1String(encoding.name)) return &encoding;
    return nullptr;
}

// All of the bytes through iconv into UTF-16 as QString holds it; the offset of the first byte
// that does not decode, or of an incomplete sequence at the end, in bad.
std::optional<QString> convert(QByteArrayView bytes, const char* from, qsizetype& bad) {
    const iconv_t cd = iconv_open("UTF-16LE", from);
    if (cd == iconv_t(-1)) return bad = 0, std::nullopt;
    // No character takes fewer than one byte of the input, nor more than two UTF-16 units.
    QString text(2 * bytes.size(), Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.data());
    char* out = reinterpret_cast<char*>(text.data());
    size_t inLeft = size_t(bytes.size()), outLeft = size_t(text.size()) * sizeof(QChar);
    const bool whole = iconv(cd, &in, &inLeft, &out, &outLeft) != size_t(-1) && inLeft == 0;
    iconv_close(cd);
    if (!whole) return bad = in - bytes.data(), std::nullopt;
    text.truncate(reinterpret_cast<QChar*>(out) - text.constData());
    return text;
}

}  // namespace

QStringList EncodingNames() {
    QStringList names;
    for (const Encoding& encoding : Encodings) names << QLatin1String(encoding.name);
    return names;
}

QString EncodingLabel(const QString& name) {
    const Encoding* encoding = find(name);
    return encoding ? QLatin1String(encoding->label) : name;
}

std::optional<QString> Decode(QByteArrayView bytes, const QString& name, qsizetype& bad) {
    if (name == QLatin1String("utf-8")) {
        bad = FirstInvalidUtf8(bytes);
        if (bad >= 0) return std::nullopt;
        return QString::fromUtf8(bytes);
    }
    const Encoding* encoding =
        name == QLatin1String("utf-16") && EncodingOfMark(bytes) == QLatin1String("utf-16be")
            ? find(QStringLiteral("utf-16be"))
            : find(name);
    return convert(bytes, encoding->iconv, bad);
}

QString EncodingOfMark(QByteArrayView bytes) {
    if (bytes.startsWith("\xFF\xFE")) return QStringLiteral("utf-16le");
    if (bytes.startsWith("\xFE\xFF")) return QStringLiteral("utf-16be");
    return QStringLiteral("utf-8");
}

QStringList LikelyEncodings(QByteArrayView bytes) {
    qsizetype bad;
    const auto fits = [&](const char* name) { return Decode(bytes, QLatin1String(name), bad); };
    // Text has no NUL but UTF-16 has one beside every ASCII character: after it when
    // little-endian.
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0 && bytes.size() % 2 == 0) {
        const char* name = nul % 2 ? "utf-16le" : "utf-16be";
        return fits(name) ? QStringList{QLatin1String(name)} : QStringList();
    }
    // Big5 passes for GBK now and then, but everyday simplified Chinese keeps to GB2312.
    if (const std::optional<QString> gbk = fits("gbk")) {
        bool everyday = true;
        for (char32_t c : gbk->toUcs4()) everyday = everyday && (c < 0x80 || Gb2312Code(c));
        if (!everyday && fits("big5")) return {QStringLiteral("big5"), QStringLiteral("gbk")};
        return {QStringLiteral("gbk")};
    }
    for (const char* name : {"big5", "gb18030"})
        if (fits(name)) return {QLatin1String(name)};
    return {};
}
