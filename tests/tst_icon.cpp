// The scalable icon the desktop shows is the window's icon drawn to scale: the same G, the same
// LEDs lit on the same 8 x 8 matrix.
#include "tests/support.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {

// Both icons place LED (c, r) at pixels 4 + 5c to 8 + 5c across, 4 + 5r to 8 + 5r down.
constexpr int Margin = 4, Pitch = 5;

QStringList unlitMatrix() {
    return QStringList(8, QString(8, '.'));
}

QStringList litInWindowIcon() {
    const QImage icon(QStringLiteral(":/glimmet.png"));
    QStringList rows = unlitMatrix();
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            const QRgb centre = icon.pixel(Margin + 2 + Pitch * c, Margin + 2 + Pitch * r);
            if (centre == qRgb(254, 32, 32)) rows[r][c] = '#';
        }
    }
    return rows;
}

// The circles of the group with the given id, marked '#' where they stand.
QStringList ledsInScalableIcon(QStringView group) {
    QFile file(QStringLiteral(GLIMMET_SVG_ICON));
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", GLIMMET_SVG_ICON);
    QXmlStreamReader svg(&file);
    QStringList rows = unlitMatrix();
    QString inGroup;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement) {
            if (svg.isEndElement() && svg.name() == u"g") inGroup.clear();
            continue;
        }
        const QXmlStreamAttributes attributes = svg.attributes();
        if (svg.name() == u"g") inGroup = attributes.value(QLatin1String("id")).toString();
        if (svg.name() != u"circle" || inGroup != group) continue;
        const int c = int(attributes.value(QLatin1String("cx")).toDouble() - Margin) / Pitch;
        const int r = int(attributes.value(QLatin1String("cy")).toDouble() - Margin) / Pitch;
        rows[r][c] = '#';
    }
    if (svg.hasError()) qFatal("%s", qPrintable(svg.errorString()));
    return rows;
}

}  // namespace

class IconTest : public QObject {
    Q_OBJECT

private slots:
    void sameLedsLit() {
        const QStringList lit = litInWindowIcon();
        QCOMPARE(lit.join(QString()).count('#'), 19);
        QCOMPARE(ledsInScalableIcon(u"lit"), lit);
    }

    // Every LED the PNG leaves dark is drawn dark in the SVG.
    void restUnlit() {
        QStringList unlit = litInWindowIcon();
        for (QString& row : unlit) {
            for (QChar& led : row) led = led == '#' ? '.' : '#';
        }
        QCOMPARE(ledsInScalableIcon(u"unlit"), unlit);
    }
};

GLIMMET_TEST_MAIN(IconTest)
#include "tst_icon.moc"
