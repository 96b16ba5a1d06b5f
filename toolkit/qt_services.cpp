#include "toolkit/qt_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QIcon>
#include <QMessageBox>
#include <QWidget>

#include "toolkit/qt_text.h"

namespace toolkit {

int16_t QtMessageBox::MsgBox(const Text& prompt, const Text& title) {
  QMessageBox box(QMessageBox::NoIcon, ToQString(title), ToQString(prompt),
                  QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  box.setWindowModality(Qt::ApplicationModal);
  // The buttons carry their captions only, as the system's own question boxes do.
  for (QAbstractButton* button : box.buttons()) button->setIcon(QIcon());
  return box.exec() == QMessageBox::Yes ? kMsgBoxYes : kMsgBoxNo;
}

void QtClipboard::SetText(const Text& text) {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) {
    clipboard->setText(ToQString(text), QClipboard::Clipboard);
  }
}

void QtEnd::End() {
  StopDispatching();
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
  // The normal exit lets the platform hand a copied colour to a clipboard manager.
  QCoreApplication::quit();
}

}  // namespace toolkit
