#include "toolkit/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "toolkit/session.h"

namespace toolkit {
namespace {

constexpr int kNoDisplay = 1;
constexpr int kUsageError = 2;

bool PlatformHasDisplay(const QString& platform) {
  if (platform == u"xcb") return XDisplayUsable();
  if (platform == u"wayland") return WaylandDisplayUsable();
  return !platform.isEmpty();  // offscreen, vnc and the like need no desktop display
}

// An explicit platform list is tried in order, as Qt does; otherwise Wayland or X11.
bool DisplayAvailable() {
  QStringList platforms = qEnvironmentVariable("QT_QPA_PLATFORM").split(u';');
  if (platforms.join(QString()).isEmpty()) platforms = {QStringLiteral("wayland"), "xcb"};
  for (const QString& platform : platforms) {
    if (PlatformHasDisplay(platform.section(u':', 0, 0).trimmed())) return true;
  }
  return false;
}

void Print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

CommandLine ReadCommandLine(int argc, char** argv, const char* version) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Pick, edit and copy a colour."));
  // Not addHelpOption(): its --help-all would list Qt's own options, which kolwe refuses.
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Show this help and exit."));
  const QCommandLineOption show_version({QStringLiteral("v"), QStringLiteral("version")},
                                        QStringLiteral("Show the version and exit."));
  const QCommandLineOption pick(
      QStringLiteral("pick"),
      QStringLiteral("Pick one colour on the screen, print it as RRGGBB and exit: any mouse "
                     "button or Return picks, the arrow keys move the pointer, Escape cancels. "
                     "On X11 and on the wlroots desktops (sway, Wayfire, river, Hyprland) kolwe "
                     "picks itself, with a loupe; on GNOME, KDE and other Wayland desktops the "
                     "desktop's own colour picker answers."));
  parser.addOptions({help, show_version, pick});
  if (!parser.parse(arguments)) {
    Print(stderr, "kolwe: " + parser.errorText() + " (try kolwe --help)\n");
    return {kUsageError};
  }
  if (parser.isSet(pick) && arguments.size() > 2) {
    Print(stderr, QStringLiteral("kolwe: --pick takes no other argument (try kolwe --help)\n"));
    return {kUsageError};
  }
  if (parser.isSet(help)) {
    // Without an application object the parser cannot know the program's name.
    Print(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"), "kolwe"));
    return {0};
  }
  if (parser.isSet(show_version)) {
    Print(stdout, QStringLiteral("kolwe %1\n").arg(QLatin1String(version)));
    return {0};
  }
  if (!parser.positionalArguments().isEmpty()) {
    Print(stderr, "kolwe: unexpected argument '" + parser.positionalArguments().first() +
                      "' (try kolwe --help)\n");
    return {kUsageError};
  }
  if (!DisplayAvailable()) {
    Print(stderr, QStringLiteral("kolwe: cannot open display\n"));
    return {kNoDisplay};
  }
  return {std::nullopt, parser.isSet(pick)};
}

}  // namespace toolkit
