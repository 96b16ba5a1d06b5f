// The loupe beside the cross-hair while a pick is armed on X11: the screen's device pixels
// around the pointer, 15 x 15 of them, each drawn as an 8 x 8 block, the one a press would take
// outlined, and its RRGGBB under them. It shows each part of the screen as it was when the
// pointer first came near it during the pick. It stands 24 pixels right of and below the pointer,
// or on the other side near its monitor's edge, and takes no focus and no input. Its X11 window's
// class is "kolwe-loupe". Toolkit sources only.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <memory>

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

class LoupeWindow;

class Loupe {
 public:
  Loupe();
  ~Loupe();
  Loupe(const Loupe&) = delete;
  Loupe& operator=(const Loupe&) = delete;

  // Shows the loupe at the pointer, or moves it there with the pixels around it now.
  void Follow();
  void Hide();

 private:
  std::unique_ptr<LoupeWindow> window_;
};

}  // namespace toolkit
