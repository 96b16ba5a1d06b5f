// What the loupe shows, on X11 and on the wlroots desktops alike: the screen's device pixels
// around the pointer, 15 x 15 of them, each drawn as an 8 x 8 block, the one a press would take
// outlined, and its RRGGBB under them; and where it stands, 24 logical pixels right of and below
// the pointer, or on the other side near its monitor's edge. Toolkit sources only.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QImage;
class QPainter;
class QPalette;

namespace toolkit {

constexpr int kLoupeSide = 15;         // device pixels shown across and down
constexpr int kLoupeBlock = 8;         // logical pixels a device pixel is drawn as
constexpr int kLoupeTextHeight = 16;   // logical pixels of the RRGGBB line under the blocks
constexpr int kLoupeFromPointer = 24;  // logical pixels between the pointer and the loupe
constexpr QSize kLoupeSize(kLoupeSide* kLoupeBlock, kLoupeSide* kLoupeBlock + kLoupeTextHeight);

// Where the loupe of that size stands: gap right of and below the pointer where it fits whole on
// the monitor, else on the other side.
QPoint LoupePlace(QPoint pointer, QSize size, QRect monitor, int gap);

// Draws the loupe of the kLoupeSide x kLoupeSide pixels around the pointer.
void PaintLoupe(QPainter& painter, const QImage& pixels, const QPalette& palette);

}  // namespace toolkit
