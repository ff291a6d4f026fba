#pragma once

#include <QImage>

// The grid's design-time picture: the character 亮, 71 cells lit.
QImage DefaultPicture(QSize size);
