#include "app/picturebox.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

constexpr int BorderWidth = 2;

QSize drawingArea(const QRect& geometry, bool bordered) {
    const int inset = bordered ? 2 * BorderWidth : 0;
    return geometry.size() - QSize(inset, inset);
}

int buttonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) + (modifiers & Qt::ControlModifier ? 2 : 0) +
           (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace

PictureBox::PictureBox(QWidget* parent, const QRect& geometry, bool bordered)
    : QFrame(parent), Surface(drawingArea(geometry, bordered)) {
    if (bordered) setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setGeometry(geometry);
    setFocusPolicy(Qt::StrongFocus);
    setShownRatio(devicePixelRatioF());
}

// The window may have moved to a screen of another density since the last paint.
void PictureBox::paintEvent(QPaintEvent* event) {
    setShownRatio(devicePixelRatioF());
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());  // the shown raster may reach half a pixel further
    painter.drawImage(contentsRect().topLeft(), shown());
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    // The platform reports the pixel pressed, whatever fraction of it the pointer was on.
    const QPointF inArea = event->position() - contentsRect().topLeft();
    const int px = int(std::floor(inArea.x())), py = int(std::floor(inArea.y()));
    if (px < 0 || py < 0 || px >= image().width() || py >= image().height()) return;
    const QPointF user = userPoint(px, py);
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), float(user.x()),
                   float(user.y()));
}
