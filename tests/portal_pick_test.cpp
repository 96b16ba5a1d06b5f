// The desktop portal's answers to a pick, with the version and the Response given by the test
// and the bus's own errors coming from a connection to no bus at all.
#include "toolkit/portal/portal_pick.h"

#include <QCoreApplication>

#include "tests/support/form_fixture.h"

namespace {

using Answer = std::optional<int32_t>;
using Rgb = std::optional<std::array<double, 3>>;

// Answers are given by the test, as a bus would send them to the request it listens to.
struct AnsweredPick : toolkit::PortalPick {
  explicit AnsweredPick(bool heard)
      : PortalPick(QDBusConnection(QStringLiteral("no bus"))), heard(heard) {}
  bool Listen(const QString& path) override { return heard || PortalPick::Listen(path); }
  using PortalPick::Answered, PortalPick::VersionKnown;
  bool heard;
};

// The portal's version (none: asked of the bus), the Response's code (none: no Response) and
// colour, then the colour given, or the line saying why none, with the bus's error at its end.
using AnswerRow =
    std::tuple<std::optional<uint32_t>, std::optional<uint32_t>, Rgb, Answer, std::string>;
const AnswerRow kAnswers[] = {
    {2, 0, {{0.0, 0.5, 1.0}}, toolkit::Rgb(0, 128, 255), ""},  // to the nearest of 0..255
    {4, 0, {{1.0, 0.2, 0.0}}, toolkit::Rgb(255, 51, 0), ""},   // picked by a later portal
    {2, 1, {{1.0, 0.2, 0.0}}, std::nullopt, "pick cancelled"},
    {2, 2, {{1.0, 0.2, 0.0}}, std::nullopt, "the desktop's colour picker failed"},
    {2, std::nullopt, std::nullopt, std::nullopt,
     "cannot listen for the desktop portal's answer (org.freedesktop.DBus.Error.Disconnected)"},
    {std::nullopt, std::nullopt, std::nullopt, std::nullopt,
     "no desktop portal answers (org.freedesktop.DBus.Error.Disconnected)"},
    {1, 0, {{1.0, 0.2, 0.0}}, std::nullopt, "the desktop portal has no colour picker"}};

class PortalAnswerTest : public ::testing::TestWithParam<AnswerRow> {};

TEST_P(PortalAnswerTest, GivesTheColourOnceOrNothingWithWhy) {
  const auto& [version, code, rgb, color, why_none] = GetParam();
  AnsweredPick pick(code.has_value());
  std::vector<Answer> done;
  version ? pick.VersionKnown(*version) : pick.AskVersion();
  pick.Start([&done](Answer given) { done.push_back(given); });
  if (code) pick.Answered(*code, rgb);
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();  // the bus's errors
  EXPECT_EQ(done, std::vector<Answer>{color});
  EXPECT_EQ(pick.WhyNoColour(), why_none);
}

INSTANTIATE_TEST_SUITE_P(Portal, PortalAnswerTest, ::testing::ValuesIn(kAnswers));

}  // namespace
