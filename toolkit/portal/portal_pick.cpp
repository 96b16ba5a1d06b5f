#include "toolkit/portal/portal_pick.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "toolkit/conversions.h"

namespace toolkit {
namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kObject = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
constexpr uint32_t kFirstPickerVersion = 2;
constexpr uint32_t kSuccess = 0, kCancelled = 1, kFailed = 2;

// The "color" of a Response's results: three doubles, red, green and blue.
std::optional<std::array<double, 3>> ColorOf(const QVariantMap& results) {
  const QVariant color = results.value(QStringLiteral("color"));
  if (!color.canConvert<QDBusArgument>()) return std::nullopt;
  const QDBusArgument argument = color.value<QDBusArgument>();
  if (argument.currentSignature() != QLatin1String("(ddd)")) return std::nullopt;
  std::array<double, 3> rgb{};
  argument.beginStructure();
  argument >> rgb[0] >> rgb[1] >> rgb[2];
  argument.endStructure();
  return rgb;
}

// Runs then on the call's reply, from the event loop.
template <typename Then>
void OnReply(QObject* owner, const QDBusPendingCall& call, Then then) {
  if (call.isFinished()) {  // with no bus at all: Qt's watcher would never report it
    QTimer::singleShot(0, owner, [call, then] { then(call); });
    return;
  }
  auto* watcher = new QDBusPendingCallWatcher(call, owner);
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, owner,
                   [then](QDBusPendingCallWatcher* reply) {
                     reply->deleteLater();
                     then(*reply);
                   });
}

// The reason, and the bus's error name where there is one.
std::string WithError(const char* reason, const QString& error) {
  return error.isEmpty() ? reason : reason + (" (" + error + ")").toStdString();
}

}  // namespace

int32_t PortalChannel(double fraction) {
  return int32_t(std::lround((fraction > 0 ? std::min(fraction, 1.0) : 0.0) * 255));
}

PortalPick::PortalPick(QDBusConnection bus) : bus_(std::move(bus)) {}

void PortalPick::AskVersion() {
  QDBusMessage get = QDBusMessage::createMethodCall(
      kService, kObject, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
  get << kScreenshot << QStringLiteral("version");
  OnReply(this, bus_.asyncCall(get), [this](const QDBusPendingReply<QDBusVariant>& reply) {
    if (reply.isError()) return VersionKnown(0, reply.error().name());
    VersionKnown(reply.value().variant().toUInt());
  });
}

void PortalPick::Start(Done done) {
  done_ = std::move(done);
  waiting_for_version_ = !version_;
  if (version_) Ask();
}

void PortalPick::VersionKnown(uint32_t version, const QString& error) {
  version_ = version;
  version_error_ = error;
  if (std::exchange(waiting_for_version_, false)) Ask();
}

void PortalPick::Ask() {
  if (*version_ < kFirstPickerVersion) {
    return End(std::nullopt, *version_ == 0 ? WithError("no desktop portal answers", version_error_)
                                            : "the desktop portal has no colour picker");
  }
  // The answer comes as a signal on a request object named after our token: listen to it
  // before asking, so that no answer can come first. The call's own reply matters only when
  // it is an error.
  const QString token = QStringLiteral("kolwe%1").arg(++requests_);
  const QString request = RequestPath(token);
  if (!Listen(request)) {  // else the answer would never be heard
    return End(std::nullopt,
               WithError("cannot listen for the desktop portal's answer", bus_.lastError().name()));
  }
  QDBusMessage call =
      QDBusMessage::createMethodCall(kService, kObject, kScreenshot, QStringLiteral("PickColor"));
  call << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
  OnReply(this, bus_.asyncCall(call), [this, request](const QDBusPendingCall& reply) {
    if (reply.isError() && listening_ == request) {
      Answered(kFailed, std::nullopt, reply.error().name());
    }
  });
}

void PortalPick::Response(uint code, const QVariantMap& results) {
  Answered(code, ColorOf(results));
}

void PortalPick::Answered(uint32_t code, std::optional<std::array<double, 3>> rgb,
                          const QString& error) {
  if (!done_) return;  // a late answer, to a pick already ended
  if (code == kCancelled) return End(std::nullopt, "pick cancelled");
  if (code != kSuccess || !rgb) {
    return End(std::nullopt, WithError("the desktop's colour picker failed", error));
  }
  const auto& [red, green, blue] = *rgb;
  End(Rgb(PortalChannel(red), PortalChannel(green), PortalChannel(blue)), "");
}

void PortalPick::End(std::optional<int32_t> color, std::string why_none) {
  why_none_ = std::move(why_none);
  Listen(QString());
  if (Done done = std::exchange(done_, nullptr)) done(color);
}

QString PortalPick::RequestPath(const QString& token) const {
  QString sender = bus_.baseService().mid(1);  // the unique name without its ':'
  return kObject + QStringLiteral("/request/") + sender.replace(u'.', u'_') + u'/' + token;
}

bool PortalPick::Listen(const QString& path) {
  const char* slot = SLOT(Response(uint, QVariantMap));
  if (!listening_.isEmpty())
    bus_.disconnect(kService, listening_, kRequest, "Response", this, slot);
  listening_.clear();
  if (path.isEmpty() || !bus_.connect(kService, path, kRequest, "Response", this, slot)) {
    return false;
  }
  listening_ = path;
  return true;
}

}  // namespace toolkit
