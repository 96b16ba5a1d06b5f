#include "toolkit/loupe_view.h"

#include <QImage>
#include <QPainter>
#include <QPalette>

namespace toolkit {
namespace {

constexpr int kSide = kLoupeSide;

}  // namespace

QPoint LoupePlace(QPoint pointer, QSize size, QRect monitor, int gap) {
  QPoint at = pointer + QPoint(gap, gap);
  if (at.x() + size.width() > monitor.right() + 1) at.rx() = pointer.x() - gap - size.width();
  if (at.y() + size.height() > monitor.bottom() + 1) at.ry() = pointer.y() - gap - size.height();
  return at;
}

void PaintLoupe(QPainter& painter, const QImage& pixels, const QPalette& palette) {
  constexpr int kBlock = kLoupeBlock;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      painter.fillRect(x * kBlock, y * kBlock, kBlock, kBlock, pixels.pixel(x, y));
    }
  }
  // The pixel a press takes, in black and white, so that it shows on any colour.
  const int centre = (kSide / 2) * kBlock;
  painter.setPen(Qt::black);
  painter.drawRect(centre, centre, kBlock - 1, kBlock - 1);
  painter.setPen(Qt::white);
  painter.drawRect(centre + 1, centre + 1, kBlock - 3, kBlock - 3);
  const QRect text(0, kSide * kBlock, kLoupeSize.width(), kLoupeTextHeight);
  painter.fillRect(text, palette.window());
  painter.setPen(palette.windowText().color());
  const QRgb under = pixels.pixel(kSide / 2, kSide / 2);
  painter.drawText(text, Qt::AlignCenter,
                   QString::asprintf("%02X%02X%02X", qRed(under), qGreen(under), qBlue(under)));
  painter.setPen(Qt::darkGray);  // a frame over the outer blocks' edges, whatever the desktop
  painter.drawRect(QRect(QPoint(0, 0), kLoupeSize).adjusted(0, 0, -1, -1));
}

}  // namespace toolkit
