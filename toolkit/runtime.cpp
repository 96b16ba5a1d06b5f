#include "toolkit/runtime.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

#include "toolkit/qt_mlmouse.h"
#include "toolkit/qt_services.h"
#include "toolkit/session.h"

namespace toolkit {

namespace {
constexpr int kDefaultFontPoints = 9;
}

void InstallRuntimeLook() {
  static QTranslator* translator = nullptr;
  if (!translator) {
    translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(translator);
    }
  }
  QFont font(QStringLiteral("IPAGothic"), kDefaultFontPoints);
  font.setStyleHint(QFont::SansSerif);
  QApplication::setFont(font);
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
