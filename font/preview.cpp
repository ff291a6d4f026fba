#include "font/preview.h"

#include "font/sheet.h"

#include <QSaveFile>

#include <gif_lib.h>

#include <memory>

namespace {

using Sheet::IndexRows;
using Sheet::Margin;
using Sheet::Pitch;

int toDevice(GifFileType* gif, const GifByteType* data, int length) {
    return int(static_cast<QSaveFile*>(gif->UserData)
                   ->write(reinterpret_cast<const char*>(data), qint64(length)));
}

// GIF89a with the sheet's four colours.
bool putScreen(GifFileType* gif, QSize size) {
    std::array<GifColorType, 4> colours;
    for (size_t i = 0; i < colours.size(); ++i)
        colours[i] = {GifByteType(qRed(Sheet::Palette[i])), GifByteType(qGreen(Sheet::Palette[i])),
                      GifByteType(qBlue(Sheet::Palette[i]))};
    const std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)> map(
        GifMakeMapObject(int(colours.size()), colours.data()), GifFreeMapObject);
    EGifSetGifVersion(gif, true);
    return map && EGifPutScreenDesc(gif, size.width(), size.height(), 8, 0, map.get()) == GIF_OK;
}

// The NETSCAPE2.0 application block: play again from the first frame, without end.
bool putLoop(GifFileType* gif) {
    const GifByteType endless[] = {1, 0, 0};  // sub-block 1, a loop count of 0
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof endless, endless) == GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool putFrame(GifFileType* gif, IndexRows& rows) {
    const GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, Preview::FrameMs / 10,
                                       NO_TRANSPARENT_COLOR};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    const int width = int(rows.front().size());
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, sizeof extension, extension) != GIF_OK ||
        EGifPutImageDesc(gif, 0, 0, width, int(rows.size()), false, nullptr) != GIF_OK)
        return false;
    for (std::vector<uint8_t>& row : rows) {
        if (EGifPutLine(gif, row.data(), width) != GIF_OK) return false;
    }
    return true;
}

// Frame t shows the strip's columns from t - signWidth on: none at first, the last alone at the
// sign's left edge at the end. Whole frames, so that every viewer shows the margin white.
bool putFrames(GifFileType* gif, const Glyph& strip, int signWidth) {
    const QSize size(signWidth * Pitch + 2 * Margin, strip.size.height() * Pitch + 2 * Margin);
    if (!putScreen(gif, size) || !putLoop(gif)) return false;
    IndexRows rows(size.height(), std::vector<uint8_t>(size.width(), 0));
    for (int t = 0; t < strip.size.width() + signWidth; ++t) {
        Sheet::DrawLeds(strip, t - signWidth, signWidth, rows, QPoint(Margin, Margin));
        if (!putFrame(gif, rows)) return false;
    }
    return true;
}

// giflib gives the reason of a failure as a code: in the file it opened, or from closing it.
bool writeGif(QSaveFile& file, const Glyph& strip, int signWidth, QString& reason) {
    int error = E_GIF_SUCCEEDED;
    GifFileType* gif = EGifOpen(&file, toDevice, &error);
    bool written = gif && putFrames(gif, strip, signWidth);
    if (gif && !written) error = gif->Error;
    int closing = E_GIF_SUCCEEDED;
    if (gif && EGifCloseFile(gif, &closing) != GIF_OK && written) written = false, error = closing;
    if (!written) reason = QString::fromUtf8(GifErrorString(error));
    return written;
}

}  // namespace

bool WritePreview(const QString& path, const Glyph& strip, int signWidth, QString& error) {
    QSaveFile file(path);
    QString reason;
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
    } else if (!writeGif(file, strip, signWidth, reason)) {
        if (file.error() != QFileDevice::NoError) reason = file.errorString();
    } else if (file.commit()) {
        return true;
    } else {
        reason = file.errorString();
    }
    error = QStringLiteral("cannot write '%1': %2").arg(path, reason);
    return false;
}
