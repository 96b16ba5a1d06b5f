#include "toolkit/loupe.h"

#include <QGuiApplication>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include "toolkit/native_screen.h"
#include "toolkit/window_hints.h"

namespace toolkit {
namespace {

constexpr int kSide = 15;         // device pixels shown across and down
constexpr int kBlock = 8;         // logical pixels a device pixel is drawn as
constexpr int kTextHeight = 16;   // logical pixels of the RRGGBB line under the blocks
constexpr int kFromPointer = 24;  // logical pixels between the pointer and the loupe

}  // namespace

class LoupeWindow : public QWidget {
 public:
  LoupeWindow()
      : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                             Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(kSide * kBlock, kSide * kBlock + kTextHeight);
    winId();
    SetWindowClass(this, "kolwe", "kolwe-loupe");
  }

  void Follow() {
    const QPoint pointer = NativeCursorPos();
    const Monitor monitor = MonitorAt(pointer);
    // The loupe shows the monitor as it was when the pointer came onto it, read while the loupe
    // stood elsewhere: read afresh on each motion, it would show itself after a quick move.
    // The margin holds the pixels across the edge that a pointer at the edge shows.
    if (monitor.device_rect != shot_of_) {
      shot_of_ = monitor.device_rect;
      shot_ = NativeArea(shot_of_.adjusted(-kSide / 2, -kSide / 2, kSide / 2, kSide / 2));
    }
    const QPoint corner = pointer - shot_of_.topLeft();  // the shot starts kSide / 2 further out
    pixels_ = shot_.copy(QRect(corner, QSize(kSide, kSide)));
    // Whole on the pointer's monitor: right of and below the pointer where it fits, else on
    // the other side. Device pixels throughout, as monitors may differ in scale.
    const QSize size = this->size() * monitor.scale;
    const int gap = int(kFromPointer * monitor.scale);
    QPoint at = pointer + QPoint(gap, gap);
    if (at.x() + size.width() > monitor.device_rect.right() + 1) {
      at.rx() = pointer.x() - gap - size.width();
    }
    if (at.y() + size.height() > monitor.device_rect.bottom() + 1) {
      at.ry() = pointer.y() - gap - size.height();
    }
    move(DeviceToLogical(at).toPoint());
    if (isVisible()) {
      repaint();  // at once: the loupe keeps up with the pointer, not with the event loop
    } else {
      show();
    }
  }

  // The next pick reads the screen anew.
  void Forget() {
    hide();
    shot_ = QImage();
    shot_of_ = QRect();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        painter.fillRect(x * kBlock, y * kBlock, kBlock, kBlock, pixels_.pixel(x, y));
      }
    }
    // The pixel a press takes, in black and white, so that it shows on any colour.
    const int centre = (kSide / 2) * kBlock;
    painter.setPen(Qt::black);
    painter.drawRect(centre, centre, kBlock - 1, kBlock - 1);
    painter.setPen(Qt::white);
    painter.drawRect(centre + 1, centre + 1, kBlock - 3, kBlock - 3);
    const QRect text(0, kSide * kBlock, width(), kTextHeight);
    painter.fillRect(text, palette().window());
    painter.setPen(palette().windowText().color());
    const QRgb under = pixels_.pixel(kSide / 2, kSide / 2);
    painter.drawText(text, Qt::AlignCenter,
                     QString::asprintf("%02X%02X%02X", qRed(under), qGreen(under), qBlue(under)));
    painter.setPen(Qt::darkGray);  // a frame over the outer blocks' edges, whatever the desktop
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }

 private:
  QRect shot_of_;  // the monitor the shot is of, in device pixels
  QImage shot_;
  QImage pixels_;
};

Loupe::Loupe() = default;
Loupe::~Loupe() = default;

void Loupe::Follow() {
  if (!window_) window_ = std::make_unique<LoupeWindow>();
  window_->Follow();
}

void Loupe::Hide() {
  if (window_) window_->Forget();
}

}  // namespace toolkit
