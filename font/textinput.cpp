#include "font/textinput.h"

#include "font/characters.h"
#include "font/charsets.h"
#include "font/encoding.h"
#include "font/input.h"
#include "font/options.h"
#include "font/slots.h"

#include <QCoreApplication>

namespace {

// For a file that is not UTF-8: the encodings it may be in, as options to try.
QString encodingHint(QByteArrayView bytes) {
    QStringList likely = LikelyEncodings(bytes);
    if (likely.isEmpty()) return {};
    if (likely.size() == 1)
        return QCoreApplication::translate("glimmet-font", "; if it is %1, give --encoding %2")
            .arg(EncodingLabel(likely[0]), likely[0]);
    return QCoreApplication::translate("glimmet-font",
                                       "; if it is %1 or %2, give --encoding %3 or --encoding %4")
        .arg(EncodingLabel(likely[0]), EncodingLabel(likely[1]), likely[0], likely[1]);
}

// The file in the encoding that --encoding names or its byte order mark tells (UTF-8 unless
// told otherwise).
Diagnostic addFile(const Options& options, Characters& characters) {
    QByteArray bytes;
    const Diagnostic read = ReadInput(options, bytes);
    if (!read.ok()) return read;
    const QString encoding = options.encoding.isEmpty() ? EncodingOfMark(bytes) : options.encoding;
    qsizetype bad = -1;
    const std::optional<QString> text = Decode(bytes, encoding, bad);
    if (!text)
        return Failed(QCoreApplication::translate("glimmet-font",
                                                  "%1 is not valid %2: byte 0x%3 at offset %4")
                          .arg(InputName(options), EncodingLabel(encoding))
                          .arg(uint8_t(bytes.at(bad)), 2, 16, QLatin1Char('0'))
                          .arg(bad) +
                      (encoding == QLatin1String("utf-8") ? encodingHint(bytes) : QString()));
    characters.addText(WithoutByteOrderMark(*text));
    return {};
}

}  // namespace

Diagnostic ReadCharacters(const Options& options, Characters& characters) {
    if (!options.charset.isEmpty()) {
        // A slot file takes the characters it has slots for: HZK24's the hanzi alone.
        const std::optional<Slots> slotFile = Slots::of(options.slotFile, {}, options.size);
        for (const CharsetEntry& entry : Charset(options.charset))
            if (!slotFile || slotFile->slotOfCode(entry.gb2312) >= 0)
                characters.add(QString::fromUcs4(&entry.codePoint, 1));
    } else if (!options.input.isEmpty()) {
        const Diagnostic read = addFile(options, characters);
        if (!read.ok()) return read;
    } else {
        for (const QString& text : options.texts) characters.addText(text);
    }
    if (!characters.empty()) return {};
    return Failed(QCoreApplication::translate("glimmet-font", "no character to convert in %1")
                      .arg(InputName(options)));
}
