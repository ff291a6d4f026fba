#include "font/typeface.h"

#include "capture/fonts.h"
#include "font/suggest.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// One face of a font file, as fontconfig describes it.
struct Face {
    QString file, family, style;
    int index = 0;  // in a collection
    bool scalable = false;
    int pixels = 0;  // the strike of a bitmap face
};

QString text(FcPattern* pattern, const char* object) {
    FcChar8* value = nullptr;
    return FcPatternGetString(pattern, object, 0, &value) == FcResultMatch
               ? QString::fromUtf8(reinterpret_cast<const char*>(value))
               : QString();
}

Face describe(FcPattern* pattern) {
    Face face{text(pattern, FC_FILE), text(pattern, FC_FAMILY), text(pattern, FC_STYLE)};
    FcPatternGetInteger(pattern, FC_INDEX, 0, &face.index);
    FcBool scalable = FcFalse;
    FcPatternGetBool(pattern, FC_SCALABLE, 0, &scalable);
    face.scalable = scalable;
    double pixels = 0;
    if (FcPatternGetDouble(pattern, FC_PIXEL_SIZE, 0, &pixels) == FcResultMatch)
        face.pixels = qRound(pixels);
    return face;
}

// Every face of the installed family, under any of its names.
std::vector<Face> installedFaces(const QString& family) {
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(),
                                                                    FcPatternDestroy);
    FcPatternAddString(pattern.get(), FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(family.toUtf8().constData()));
    std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(
        FcObjectSetBuild(FC_FILE, FC_INDEX, FC_FAMILY, FC_STYLE, FC_SCALABLE, FC_PIXEL_SIZE,
                         nullptr),
        FcObjectSetDestroy);
    std::vector<Face> faces;
    if (FcFontSet* set = FcFontList(nullptr, pattern.get(), objects.get())) {
        for (int i = 0; i < set->nfont; ++i) faces.push_back(describe(set->fonts[i]));
        FcFontSetDestroy(set);
    }
    return faces;
}

// The first face of a font file; none when it is no font.
std::vector<Face> fileFaces(const QString& path) {
    int count = 0;
    FcPattern* pattern = FcFreeTypeQuery(
        reinterpret_cast<const FcChar8*>(QFile::encodeName(path).constData()), 0, nullptr, &count);
    if (!pattern) return {};
    std::vector<Face> faces{describe(pattern)};
    FcPatternDestroy(pattern);
    faces.front().file = path;
    return faces;
}

bool isRegular(const Face& face) {
    return QStringList{"Regular", "Book", "Medium", "Normal"}.contains(face.style);
}

// A bitmap strike of the size before an outline, a regular style before others; an outline
// draws at any size, a bitmap face only at its strike.
const Face* faceAt(const std::vector<Face>& faces, int pixels) {
    const auto rank = [](const Face& face) { return 2 * !face.scalable + isRegular(face); };
    const Face* chosen = nullptr;
    for (const Face& face : faces) {
        if ((face.scalable || face.pixels == pixels) && (!chosen || rank(face) > rank(*chosen)))
            chosen = &face;
    }
    return chosen;
}

QString strikes(const std::vector<Face>& faces) {
    std::vector<int> sizes;
    for (const Face& face : faces) sizes.push_back(face.pixels);
    std::sort(sizes.begin(), sizes.end());
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    QStringList names;
    for (int size : sizes) names << QString::number(size);
    return names.join(QCoreApplication::translate("glimmet-font", ", "));
}

// The installed families nearest to a mistyped one, in any case.
QStringList nearestFamilies(const QString& family) {
    QStringList families;
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(),
                                                                    FcPatternDestroy);
    std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(
        FcObjectSetBuild(FC_FAMILY, nullptr), FcObjectSetDestroy);
    if (FcFontSet* set = FcFontList(nullptr, pattern.get(), objects.get())) {
        for (int i = 0; i < set->nfont; ++i) families << text(set->fonts[i], FC_FAMILY);
        FcFontSetDestroy(set);
    }
    families.removeDuplicates();
    families.sort();
    return Nearest(family, families);
}

// The family Qt knows the file's face by: an installed family, or the file added for this run.
QString qtFamily(bool isFile, const QString& font, const Face& face) {
    if (!isFile) return face.family;
    const QStringList families =
        QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(font));
    return families.isEmpty() ? QString() : families.front();
}

}  // namespace

QString DefaultFamily(int pixels) {
    if (pixels == 16) return TwelvePointFont().family();
    if (pixels == 12 || pixels == 13 || pixels == 15)
        return QStringLiteral("WenQuanYi Bitmap Song");
    return QStringLiteral("AR PL SungtiL GB");
}

CaptureSetup Typeface::setup(QPoint shift) const {
    return {font, print, shift - QPoint(0, emTop)};
}

Diagnostic FindTypeface(const QString& font, int pixels, Typeface& typeface) {
    // A family's name has no slash; a path may have none, when it names a file here.
    const bool isFile = font.contains(QLatin1Char('/')) || QFileInfo(font).isFile();
    const auto failed = [](const QString& message) {
        return Failed(QCoreApplication::translate("glimmet-font", "--font: %1").arg(message));
    };
    // Qt loads the whole file; the largest collections of CJK faces are some 120 MiB.
    constexpr qint64 MostBytes = 256 << 20;
    if (isFile && QFileInfo(font).size() > MostBytes)
        return failed(QCoreApplication::translate("glimmet-font",
                                                  "%1 holds more than %2 MiB, the most a font "
                                                  "file may hold")
                          .arg(Quoted(font))
                          .arg(MostBytes >> 20));
    const std::vector<Face> faces = isFile ? fileFaces(font) : installedFaces(font);
    if (faces.empty() && !isFile) {
        QString message =
            QCoreApplication::translate("glimmet-font", "no font family %1 is installed")
                .arg(Quoted(font));
        const QStringList nearest = nearestFamilies(font);
        if (!nearest.isEmpty())
            message += QCoreApplication::translate("glimmet-font", "; did you mean %1?")
                           .arg(nearest.join(QCoreApplication::translate("glimmet-font", ", ")));
        return failed(message);
    }
    if (faces.empty())
        return failed((QFileInfo(font).exists()
                           ? QCoreApplication::translate("glimmet-font", "%1 is not a font file")
                           : QCoreApplication::translate("glimmet-font", "no such font file %1"))
                          .arg(Quoted(font)));
    const Face* face = faceAt(faces, pixels);
    if (!face)
        return failed(
            QCoreApplication::translate(
                "glimmet-font", "%1 is a bitmap font with no size of %2 pixels; its sizes: %3")
                .arg(Quoted(font))
                .arg(pixels)
                .arg(strikes(faces)));
    const QString family = qtFamily(isFile, font, *face);
    if (family.isEmpty())
        return failed(
            QCoreApplication::translate("glimmet-font", "%1 cannot be loaded").arg(Quoted(font)));
    const QFont qtFont = PixelFont(family, pixels, face->style);
    typeface = {qtFont, PrintFaceOf({face->file, face->index}, qtFont),
                face->family + QLatin1Char(' ') + face->style};
    typeface.emTop = EmTop(typeface.font, typeface.print);
    return {};
}
