// A bare Qt window with the same widgets as kolwe's, at the same places and in the same font,
// and nothing else: no handlers, no lines, no translations. bench/startup.sh measures its
// start-up next to kolwe's to show what kolwe's own layers cost.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int kClientWidth = 240;
constexpr int kClientHeight = 153;
// kolwe opens with its client area at (264, 215); the menu bar lies above it.
constexpr int kClientLeft = 264;
constexpr int kClientTop = 215;

template <typename Widget>
Widget* Place(Widget* widget, int left, int top, int width, int height) {
  widget->setGeometry(left, top, width, height);
  return widget;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QFont font(QStringLiteral("IPAGothic"), 9);
  font.setStyleHint(QFont::SansSerif);
  QApplication::setFont(font);

  QMainWindow window;
  window.setWindowTitle(QStringLiteral("bare window"));
  window.menuBar()->addAction(QStringLiteral("終了(&X)"));
  auto* client = new QWidget(&window);
  client->setFixedSize(kClientWidth, kClientHeight);
  window.setCentralWidget(client);
  window.layout()->setSizeConstraint(QLayout::SetFixedSize);

  Place(new QLabel(QStringLiteral("R"), client), 16, 16, 8, 12);
  Place(new QLabel(QStringLiteral("G"), client), 16, 40, 8, 12);
  Place(new QLabel(QStringLiteral("B"), client), 16, 64, 8, 12);
  Place(new QLabel(QStringLiteral("16進数"), client), 16, 96, 44, 12);
  auto* swatch = Place(new QLabel(client), 128, 88, 33, 33);
  swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
  swatch->setAutoFillBackground(true);
  QPalette palette = swatch->palette();
  palette.setColor(QPalette::Window, Qt::black);
  swatch->setPalette(palette);

  for (int top : {16, 40, 64}) {
    Place(new QLineEdit(QStringLiteral("0"), client), 32, top, 25, 18);
    auto* bar = Place(new QScrollBar(Qt::Horizontal, client), 64, top, 97, 17);
    bar->setRange(0, 255);
  }
  Place(new QLineEdit(QStringLiteral("000000"), client), 56, 96, 57, 18);
  Place(new QPushButton(QStringLiteral("copy"), client), 176, 32, 41, 25);
  Place(new QPushButton(QStringLiteral("clear"), client), 176, 56, 41, 25);
  Place(new QPushButton(QStringLiteral("get"), client), 176, 80, 41, 25);
  Place(new QCheckBox(QStringLiteral("常に最前面に表示する"), client), 8, 136, 137, 17);

  window.move(kClientLeft, kClientTop - window.menuBar()->sizeHint().height());
  window.show();
  return QApplication::exec();
}
