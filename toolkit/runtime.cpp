#include "toolkit/runtime.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLibraryInfo>
#include <QTranslator>

#include "toolkit/qt_mlmouse.h"
#include "toolkit/qt_services.h"
#include "toolkit/session.h"

namespace toolkit {

namespace {

constexpr double kDefaultFontPoints = 9;
constexpr double kSmallestFontPoints = 6;
constexpr double kFontStepPoints = 0.5;

// IPAGothic first, then the other Japanese Gothic fonts Debian ships.
constexpr const char* kJapaneseGothics[] = {"IPAGothic",        "IPAexGothic", "VL Gothic",
                                            "Noto Sans CJK JP", "TakaoGothic", "IPAPGothic"};

// The first installed Japanese Gothic, else any installed Japanese sans-serif family, else
// the platform's sans serif (the Japanese texts then lack glyphs, the Latin ones still show).
QString UiFontFamily() {
  const QStringList installed = QFontDatabase::families();
  for (const char* family : kJapaneseGothics) {
    if (installed.contains(QLatin1String(family))) return QLatin1String(family);
  }
  for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
    if (family.contains(u"Gothic") || family.contains(u"Sans")) return family;
  }
  return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

// The decimal fields were laid out for half-width digits at 9 points: "255" must take no
// more than one and a half ems of that size, or a family with wider digits gets smaller.
QFont FittingUiFont() {
  QFont font(UiFontFamily());
  font.setPointSizeF(kDefaultFontPoints);
  font.setStyleHint(QFont::SansSerif);
  const double room = 1.5 * QFontInfo(font).pixelSize();
  while (QFontMetricsF(font).horizontalAdvance(QStringLiteral("255")) > room &&
         font.pointSizeF() > kSmallestFontPoints) {
    font.setPointSizeF(font.pointSizeF() - kFontStepPoints);
  }
  return font;
}

}  // namespace

void InstallRuntimeLook() {
  static QTranslator* translator = nullptr;
  if (!translator) {
    translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(translator);
    }
  }
  QApplication::setFont(FittingUiFont());
}

struct Runtime::Parts {
  Parts(int& argc, char** argv) : application(argc, argv) {}
  QApplication application;
  QtMessageBox message_box;
  QtClipboard clipboard;
  QtEnd end;
  QtMlmouse mouse;
};

Runtime::Runtime(int& argc, char** argv) {
  ChoosePlatform();
  parts_ = std::make_unique<Parts>(argc, argv);
  InstallRuntimeLook();
}

Runtime::~Runtime() = default;

int Runtime::Run() { return QApplication::exec(); }

MessageBoxService& Runtime::MessageBox() { return parts_->message_box; }
ClipboardService& Runtime::Clipboard() { return parts_->clipboard; }
EndService& Runtime::End() { return parts_->end; }
Mlmouse& Runtime::Mouse() { return parts_->mouse; }

}  // namespace toolkit
