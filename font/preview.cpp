#include "font/preview.h"

#include "font/output.h"
#include "font/sheet.h"

#include <QCoreApplication>

#include <gif_lib.h>

#include <memory>

namespace {

using Sheet::IndexRows;
using Sheet::Margin;
using Sheet::Pitch;

// The output keeps the reason of a failed write for the message.
int toOutput(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<Output*>(gif->UserData)
        ->write(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(length)));
    return length;
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
    const QSize size(signWidth * Pitch + 2 * Margin, strip.height() * Pitch + 2 * Margin);
    if (!putScreen(gif, size) || !putLoop(gif)) return false;
    IndexRows rows(size.height(), std::vector<uint8_t>(size.width(), 0));
    for (int t = 0; t < strip.width() + signWidth; ++t) {
        Sheet::DrawLeds(strip, t - signWidth, signWidth, rows, QPoint(Margin, Margin));
        if (!putFrame(gif, rows)) return false;
    }
    return true;
}

}  // namespace

// giflib gives the reason of a failure as a code: in the file it opened, or from closing it.
Diagnostic WritePreview(Output& output, const Glyph& strip, int signWidth) {
    int error = E_GIF_SUCCEEDED;
    GifFileType* gif = EGifOpen(&output, toOutput, &error);
    bool written = gif && putFrames(gif, strip, signWidth);
    if (gif && !written) error = gif->Error;
    int closing = E_GIF_SUCCEEDED;
    if (gif && EGifCloseFile(gif, &closing) != GIF_OK && written) written = false, error = closing;
    if (!written)
        return Failed(CannotWrite(output.name(), QString::fromUtf8(GifErrorString(error))));
    return output.finish();
}
