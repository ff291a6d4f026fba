#pragma once

#include "grid/surface.h"

#include <QFrame>

// A picture box on the window: a surface shown as it is painted, at the screen's resolution,
// optionally inside the sunken two-pixel border, reporting mouse presses in its user coordinates.
class PictureBox : public QFrame, public Surface {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, const QRect& geometry, bool bordered);

signals:
    // Button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt, added up. x and y are the
    // top-left corner of the pixel pressed.
    void MouseDown(int button, int shift, float x, float y);

protected:
    void changed() override { update(); }
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};
