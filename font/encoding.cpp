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

// All of the bytes through iconv from one encoding into another; false, with the offset of the
// first byte that does not convert (or of an incomplete sequence at the end) in bad, where they
// do not all.
bool iconvert(QByteArrayView bytes, const char* to, const char* from, QByteArray& out,
              qsizetype& bad) {
    const iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1)) return bad = 0, false;
    // No character of these encodings takes more than four times its bytes in another.
    out.resize(4 * bytes.size());
    char* in = const_cast<char*>(bytes.data());
    char* end = out.data();
    size_t inLeft = size_t(bytes.size()), outLeft = size_t(out.size());
    const bool whole = iconv(cd, &in, &inLeft, &end, &outLeft) != size_t(-1) && inLeft == 0;
    iconv_close(cd);
    out.truncate(end - out.constData());
    return whole || (bad = in - bytes.data(), false);
}

// The bytes into UTF-16 as QString holds it.
std::optional<QString> convert(QByteArrayView bytes, const char* from, qsizetype& bad) {
    QByteArray units;
    if (!iconvert(bytes, "UTF-16LE", from, units, bad)) return std::nullopt;
    return QString(reinterpret_cast<const QChar*>(units.constData()), units.size() / 2);
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

std::optional<QByteArray> Encode(const QString& text, const char* encoding) {
    const QByteArrayView units(reinterpret_cast<const char*>(text.utf16()),
                               text.size() * qsizetype(sizeof(QChar)));
    QByteArray bytes;
    qsizetype bad;
    if (!iconvert(units, encoding, "UTF-16LE", bytes, bad)) return std::nullopt;
    return bytes;
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
