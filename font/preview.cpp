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

struct LedColour {
    const char* name;
    QRgb lit;
};

constexpr LedColour Colours[] = {{"red", qRgb(255, 0, 0)},
                                 {"green", qRgb(0, 200, 0)},
                                 {"amber", qRgb(255, 176, 0)},
                                 {"blue", qRgb(0, 96, 255)},
                                 {"white", qRgb(255, 255, 255)}};

// The sheet's colours with the LEDs' own; white LEDs on a black sign, with darker rims.
std::array<QRgb, 4> palette(const QString& colour) {
    const QRgb lit = std::find_if(std::begin(Colours), std::end(Colours), [&](const LedColour& c) {
                         return colour == QLatin1String(c.name);
                     })->lit;
    if (lit == qRgb(255, 255, 255)) return {qRgb(0, 0, 0), lit, qRgb(96, 96, 96), lit};
    return {Sheet::Palette[0], lit, Sheet::Palette[2], Sheet::Palette[3]};
}

// GIF89a with the sheet's four colours, the LEDs' of the sign.
bool putScreen(GifFileType* gif, QSize size, const std::array<QRgb, 4>& palette) {
    std::array<GifColorType, 4> colours;
    for (size_t i = 0; i < colours.size(); ++i)
        colours[i] = {GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
                      GifByteType(qBlue(palette[i]))};
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

// GIF times a frame in hundredths of a second.
bool putFrame(GifFileType* gif, IndexRows& rows, int frameMs) {
    const GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, frameMs / 10,
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

// The strip broken between characters into lines of the sign's width, one under another; a
// character wider than the sign has a line of its own, cut at the sign's edge.
Glyph lines(const Glyph& strip, const std::vector<int>& edges, int width) {
    std::vector<int> starts{0};
    for (size_t k = 1; k + 1 < edges.size(); ++k)
        if (edges[k + 1] - starts.back() > width && edges[k] > starts.back())
            starts.push_back(edges[k]);
    starts.push_back(strip.width());
    Glyph stacked(QSize(width, int(starts.size() - 1) * strip.height()));
    for (size_t n = 0; n + 1 < starts.size(); ++n) {
        Glyph line(QSize(std::min(width, starts[n + 1] - starts[n]), strip.height()));
        line.draw(strip, -starts[n], 0);
        stacked.draw(line, 0, int(n) * strip.height());
    }
    return stacked;
}

// Frame t shows the picture moved t places into the sign: none of it at first, the last column
// alone at the sign's left edge (or the last row at its top) at the end. Whole frames, so that
// every viewer shows the margin.
bool putFrames(GifFileType* gif, const Glyph& strip, const std::vector<int>& edges,
               const Sign& sign) {
    const bool rising = sign.lines > 1;
    const Glyph picture = rising ? lines(strip, edges, sign.width) : strip;
    const QSize leds(sign.width, sign.lines * strip.height());
    const QSize size = leds * Pitch + QSize(2 * Margin, 2 * Margin);
    if (!putScreen(gif, size, palette(sign.colour)) || !putLoop(gif)) return false;
    IndexRows rows(size.height(), std::vector<uint8_t>(size.width(), 0));
    const int frames = rising ? picture.height() + leds.height() : picture.width() + leds.width();
    for (int t = 0; t < frames; ++t) {
        Glyph shown(leds);
        shown.draw(picture, rising ? 0 : leds.width() - t, rising ? leds.height() - t : 0);
        Sheet::DrawLeds(shown, 0, leds.width(), rows, QPoint(Margin, Margin));
        if (!putFrame(gif, rows, sign.frameMs)) return false;
    }
    return true;
}

}  // namespace

// The output keeps the reason of a failed write; giflib's own, in English alone, is a code:
// in the file it opened, or from closing it.
QStringList LedColours() {
    QStringList names;
    for (const LedColour& colour : Colours) names << QLatin1String(colour.name);
    return names;
}

Diagnostic WritePreview(Output& output, const Glyph& strip, const std::vector<int>& edges,
                        const Sign& sign) {
    int error = E_GIF_SUCCEEDED;
    GifFileType* gif = EGifOpen(&output, toOutput, &error);
    bool written = gif && putFrames(gif, strip, edges, sign);
    if (gif && !written) error = gif->Error;
    int closing = E_GIF_SUCCEEDED;
    if (gif && EGifCloseFile(gif, &closing) != GIF_OK && written) written = false, error = closing;
    const Diagnostic finished = output.finish();
    if (written || !finished.ok()) return finished;
    return Failed(QCoreApplication::translate("glimmet-font", "giflib cannot draw %1 (error %2)")
                      .arg(output.name())
                      .arg(error));
}
