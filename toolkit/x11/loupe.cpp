#include "toolkit/x11/loupe.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include "toolkit/loupe_view.h"
#include "toolkit/x11/native_screen.h"
#include "toolkit/x11/window_hints.h"

namespace toolkit {
namespace {

constexpr int kSide = kLoupeSide;

// The screen as the loupe first saw it, in tiles read while the loupe stood elsewhere: read on
// each motion, the pixels under the loupe would show the loupe itself after a quick move. A
// tile is read before the loupe first covers it, so no tile holds the loupe.
class ScreenTiles {
 public:
  // Reads, in one request, the tiles touching the area that are not read yet.
  void Read(QRect area) {
    QRect missing;
    for (int y = Floor(area.top()); y <= Floor(area.bottom()); ++y) {
      for (int x = Floor(area.left()); x <= Floor(area.right()); ++x) {
        if (!tiles_.contains(QPoint(x, y))) missing |= QRect(x * kTile, y * kTile, kTile, kTile);
      }
    }
    if (missing.isEmpty()) return;
    const QImage read = NativeArea(missing);
    for (int y = missing.top(); y < missing.bottom(); y += kTile) {
      for (int x = missing.left(); x < missing.right(); x += kTile) {
        const QPoint tile(Floor(x), Floor(y));
        if (!tiles_.contains(tile)) {
          tiles_.insert(tile,
                        read.copy(QRect(QPoint(x, y) - missing.topLeft(), QSize(kTile, kTile))));
        }
      }
    }
  }

  // A pixel of a tile already read.
  QRgb Pixel(QPoint at) const {
    const QImage tile = tiles_.value(QPoint(Floor(at.x()), Floor(at.y())));
    return tile.pixel(at.x() - Floor(at.x()) * kTile, at.y() - Floor(at.y()) * kTile);
  }

  void Clear() { tiles_.clear(); }

 private:
  static constexpr int kTile = 32;
  static int Floor(int device) { return device >= 0 ? device / kTile : (device + 1) / kTile - 1; }

  QHash<QPoint, QImage> tiles_;  // by tile column and row
};

}  // namespace

class LoupeWindow : public QWidget {
 public:
  LoupeWindow()
      : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                             Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(kLoupeSize);
    winId();
    SetWindowClass(this, "kolwe", "kolwe-loupe");
  }

  void Follow() {
    const QPoint pointer = NativeCursorPos();
    const Monitor monitor = MonitorAt(pointer);
    // Whole on the pointer's monitor: right of and below the pointer where it fits, else on
    // the other side. Device pixels throughout, as monitors may differ in scale.
    const QSize size = this->size() * monitor.scale;
    const QPoint at =
        LoupePlace(pointer, size, monitor.device_rect, int(kLoupeFromPointer * monitor.scale));
    // Before the loupe moves: where it goes, and around the pointer.
    const QRect around(pointer - QPoint(kSide / 2, kSide / 2), QSize(kSide, kSide));
    screen_.Read(around | QRect(at, size));
    pixels_ = QImage(kSide, kSide, QImage::Format_RGB32);
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x)
        pixels_.setPixel(x, y, screen_.Pixel(around.topLeft() + QPoint(x, y)));
    }
    move(DeviceToLogical(at).toPoint());
    if (isVisible()) {
      repaint();  // at once: the loupe keeps up with the pointer, not with the event loop
    } else {
      show();
    }
  }

  // The next pick reads the screen anew.
  void Hide() {
    hide();
    screen_.Clear();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    PaintLoupe(painter, pixels_, palette());
  }

 private:
  ScreenTiles screen_;
  QImage pixels_;
};

Loupe::Loupe() = default;
Loupe::~Loupe() = default;

void Loupe::Follow() {
  if (!window_) window_ = std::make_unique<LoupeWindow>();
  window_->Follow();
}

void Loupe::Hide() {
  if (window_) window_->Hide();
}

}  // namespace toolkit
