#include "font/typeface.h"

#include "capture/fonts.h"

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
        FcObjectSetBuild(FC_FILE, FC_FAMILY, FC_STYLE, FC_SCALABLE, FC_PIXEL_SIZE, nullptr),
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
    return names.join(QStringLiteral(", "));
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

std::optional<Typeface> FindTypeface(const QString& font, int pixels, QString& error) {
    // A family's name has no slash; a path may have none, when it names a file here.
    const bool isFile = font.contains(QLatin1Char('/')) || QFileInfo(font).isFile();
    const std::vector<Face> faces = isFile ? fileFaces(font) : installedFaces(font);
    if (faces.empty()) {
        error = !isFile ? QCoreApplication::translate("glimmet-font",
                                                      "no font family '%1' is installed")
                : QFileInfo(font).exists()
                    ? QCoreApplication::translate("glimmet-font", "'%1' is not a font file")
                    : QCoreApplication::translate("glimmet-font", "no such font file '%1'");
        error = error.arg(font);
        return std::nullopt;
    }
    const Face* face = faceAt(faces, pixels);
    if (!face) {
        error = QCoreApplication::translate(
                    "glimmet-font", "'%1' is a bitmap font without a %2-pixel size; its sizes: %3")
                    .arg(font)
                    .arg(pixels)
                    .arg(strikes(faces));
        return std::nullopt;
    }
    const QString family = qtFamily(isFile, font, *face);
    if (family.isEmpty()) {
        error = QCoreApplication::translate("glimmet-font", "'%1' cannot be loaded").arg(font);
        return std::nullopt;
    }
    Typeface typeface{PixelFont(family, pixels), face->family + QLatin1Char(' ') + face->style,
                      face->file};
    typeface.emTop = EmTop(typeface.font);
    return typeface;
}
