// The text input in every encoding: the first byte chooses the encoding, the rest is the file.
// UTF-8 is checked against Qt's own decoder; whatever decodes is split into characters.
#include "capture/characters.h"
#include "font/characters.h"
#include "font/encoding.h"
#include "tests/fuzz/fuzzing.h"

#include <QStringDecoder>

namespace {

void compareWithQt(QByteArrayView bytes, qsizetype bad) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // The decoder works when its result is taken as a string.
    const QString text = decoder.decode(bytes);
    Require((bad < 0) == !decoder.hasError(), "valid UTF-8 as Qt decodes it");
    if (bad >= 0) Require(FirstInvalidUtf8(bytes.first(bad)) < 0, "valid UTF-8 before the fault");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    static const QStringList names = EncodingNames();
    const QString name = names[data[0] % names.size()];
    const QByteArrayView bytes = Bytes(data + 1, size - 1);
    if (name == QLatin1String("utf-8")) compareWithQt(bytes, FirstInvalidUtf8(bytes));
    EncodingOfMark(bytes);
    LikelyEncodings(bytes);
    qsizetype bad = -1;
    const std::optional<QString> text = Decode(bytes, name, bad);
    if (!text) {
        Require(bad >= 0 && bad <= bytes.size(), "an offset inside the input");
        return 0;
    }
    // Where a character ends depends on the text around it, so a piece is not split again.
    QString joined;
    ForEachCharacter(*text, [&](const QString& character) { joined += character; });
    Require(joined == *text, "the characters make up the text");
    Characters characters;
    characters.addText(*text);
    for (int32_t i : characters.sequence)
        Require(i >= 0 && size_t(i) < characters.distinct.size(), "a character of the table");
    return 0;
}
