// --from image: glyphs cut from a PNG, BMP or GIF, a dark and opaque pixel lit.
#include "font/boards.h"
#include "font/coder.h"
#include "font/input.h"
#include "font/options.h"
#include "font/readers.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

namespace {

// Whether each pixel is lit, rows from the top.
using Lit = std::vector<std::vector<char>>;

// Dark and opaque, pixel by pixel.
Lit threshold(const QImage& image, int threshold) {
    Lit lit(image.height(), std::vector<char>(image.width()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            lit[y][x] = qAlpha(line[x]) >= 128 && qGray(line[x]) < threshold;
    }
    return lit;
}

// Floyd-Steinberg: each pixel's error against black or white spread to the pixels not yet
// decided, so that shades come out as denser or sparser dots. A transparent pixel is white.
Lit dither(const QImage& image, int threshold) {
    const int w = image.width(), h = image.height();
    std::vector<std::vector<float>> grey(h + 1, std::vector<float>(w + 2, 0.0f));
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            grey[y][x + 1] = qAlpha(line[x]) >= 128 ? float(qGray(line[x])) : 255.0f;
    }
    Lit lit(h, std::vector<char>(w));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float& value = grey[y][x + 1];
            lit[y][x] = value < float(threshold);
            const float error = value - (lit[y][x] ? 0.0f : 255.0f);
            grey[y][x + 2] += error * 7 / 16;
            grey[y + 1][x] += error * 3 / 16;
            grey[y + 1][x + 1] += error * 5 / 16;
            grey[y + 1][x + 2] += error * 1 / 16;
        }
    }
    return lit;
}

QString dimensions(QSize size) {
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

// The largest side read: GB2312 at 64 x 64 in a grid of 94 x 87 cells is 6,016 x 5,568 pixels.
// An image of this size decodes into 256 MiB, Qt's bound on one image, and is thresholded in as
// much again.
constexpr int MostSide = 8192;

// The glyph's size: the one given, which must tile the image, or the whole image's.
std::optional<QSize> glyphSize(QSize image, const ImageReading& reading, QString& error) {
    const int most = Glyph::MaxSide;
    if (reading.size) {
        const QSize size = *reading.size;
        if (image.width() % size.width() == 0 && image.height() % size.height() == 0) return size;
        error = QCoreApplication::translate("glimmet-font",
                                            "the image is %1 pixels: no whole number of %2 glyphs")
                    .arg(dimensions(image), dimensions(size));
    } else if (image.width() > most || image.height() > most) {
        error = QCoreApplication::translate("glimmet-font",
                                            "the image is %1 pixels, more than a glyph's %2 x "
                                            "%2; give --size to cut it into glyphs")
                    .arg(dimensions(image))
                    .arg(most);
    } else if (image.width() < Glyph::MinSide || image.height() < Glyph::MinSide) {
        error = QCoreApplication::translate("glimmet-font",
                                            "the image is %1 pixels, less than a glyph's %2 x %2")
                    .arg(dimensions(image))
                    .arg(Glyph::MinSide);
    } else {
        return image;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Source> ReadImageGlyphs(const QByteArray& bytes, const ImageReading& reading,
                                      QString& error) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format != "png" && format != "bmp" && format != "gif") {
        error = QCoreApplication::translate("glimmet-font", "not a PNG, BMP or GIF image");
        return std::nullopt;
    }
    const QSize declared = reader.size();
    if (declared.width() > MostSide || declared.height() > MostSide) {
        error = QCoreApplication::translate("glimmet-font",
                                            "the image is %1 pixels, more than the %2 x %2 that "
                                            "--from image reads")
                    .arg(dimensions(declared))
                    .arg(MostSide);
        return std::nullopt;
    }
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) {
        error = QCoreApplication::translate("glimmet-font", "cannot read the %1 image: %2")
                    .arg(QString::fromLatin1(format.toUpper()), reader.errorString());
        return std::nullopt;
    }
    const std::optional<QSize> size = glyphSize(image.size(), reading, error);
    if (!size) return std::nullopt;
    const Lit lit =
        reading.dither ? dither(image, reading.threshold) : threshold(image, reading.threshold);
    Source read;
    for (int top = 0; top < image.height(); top += size->height()) {
        for (int left = 0; left < image.width(); left += size->width()) {
            Glyph glyph(*size);
            for (int r = 0; r < size->height(); ++r)
                for (int c = 0; c < size->width(); ++c) glyph.set(c, r, lit[top + r][left + c]);
            read.characters.addNamed(QStringLiteral("glyph %1").arg(read.glyphs.size()));
            read.glyphs.push_back(glyph);
        }
    }
    return read;
}

// The size of a cell where --size or a board names one.
Diagnostic ReadImage(const Options& options, Source& source) {
    ImageReading reading{std::nullopt, options.threshold, options.dither};
    if (options.isGiven("size") ||
        (!options.board.isEmpty() && !FindBoard(options.board).size.isEmpty()))
        reading.size = options.size;
    const auto parse = [&](const QByteArray& bytes, QString& error) {
        return ReadImageGlyphs(bytes, reading, error);
    };
    return ParseInput(options, parse, source);
}
