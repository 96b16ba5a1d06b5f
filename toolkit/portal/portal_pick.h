// The desktop portal's colour picker (org.freedesktop.portal.Screenshot.PickColor): the way
// to read a colour off the screen in a Wayland session, where no program may read pixels or
// grab the pointer. Toolkit sources only.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace toolkit {

// A channel of the portal's colour, from 0 to 1, as 0 to 255: rounded to the nearest, so 0.5
// gives 128; outside 0..1 it is clamped, and NaN counts as 0.
int32_t PortalChannel(double fraction);

// Asks the portal for one colour and hands back its colour value (red + 256 x green + 65536 x
// blue), or nothing where the pick gave none: cancelled, failed, an error on the bus, no portal,
// or a portal older than version 2, which has no picker.
class PortalPick : public QObject {
  Q_OBJECT

 public:
  using Done = std::function<void(std::optional<int32_t> color)>;

  explicit PortalPick(QDBusConnection bus);

  // Asks the portal's version without waiting for the answer; at start-up, so that a pick
  // need not wait for it.
  void AskVersion();
  // Asks for a colour once the version is known. done runs once, with the answer, and at once
  // where the portal is known to have no picker. A new Start forgets the pick before it.
  void Start(Done done);
  // Why the last pick gave no colour, in a few words, with the bus's error where there was one.
  const std::string& WhyNoColour() const { return why_none_; }

 protected:
  // Where the answers from the bus arrive; a test can give them itself.
  void VersionKnown(uint32_t version, const QString& error = {});  // 0 where none answered
  void Answered(uint32_t code, std::optional<std::array<double, 3>> rgb, const QString& error = {});
  // Listens to the Response of the request at path only; an empty path listens to none.
  virtual bool Listen(const QString& path);

 private slots:
  void Response(uint code, const QVariantMap& results);

 private:
  QString RequestPath(const QString& token) const;
  void Ask();
  void End(std::optional<int32_t> color, std::string why_none);

  QDBusConnection bus_;
  std::optional<uint32_t> version_;
  Done done_;
  bool waiting_for_version_ = false;
  QString listening_;  // the request path whose Response is awaited
  int requests_ = 0;
  QString version_error_;  // the bus's error where no portal answered
  std::string why_none_;
};

}  // namespace toolkit
