// Captions at the layout's exact sizes: the font of a label or check box is made a pixel
// smaller at a time until its caption fits its rectangle. Toolkit sources only.
#pragma once

#include <QFontInfo>
#include <QWidget>

namespace toolkit {

inline void FitCaption(QWidget* widget) {
  constexpr int kSmallestPixels = 6;
  // The height first: it is cheap, and a caption too tall needs no text laid out.
  const auto fits = [widget] {
    return widget->fontMetrics().height() <= widget->height() &&
           widget->sizeHint().width() <= widget->width();
  };
  QFont font = widget->font();
  for (int pixels = QFontInfo(font).pixelSize() - 1; !fits() && pixels >= kSmallestPixels;
       --pixels) {
    font.setPixelSize(pixels);
    widget->setFont(font);
  }
}

}  // namespace toolkit
