// The desktop portal's answers to a pick, with the version and the Response given by the test
// and the bus's own errors coming from a connection to no bus at all.
#include "toolkit/portal_pick.h"

#include <QCoreApplication>

#include "tests/support/form_fixture.h"

namespace {

using Answer = std::optional<int32_t>;
using Rgb = std::optional<std::array<double, 3>>;

struct AnsweredPick : toolkit::PortalPick {
  AnsweredPick() : PortalPick(QDBusConnection(QStringLiteral("no bus"))) {}
  using PortalPick::Answered;
  using PortalPick::VersionKnown;
};

struct AnswerRow {
  std::optional<uint32_t> version;  // none: asked of the bus
  std::optional<uint32_t> code;     // none: no Response, only the bus's answer to the call
  Rgb rgb;
  Answer color;
};
const AnswerRow kAnswers[] = {
    {2, 0, {{0.0, 0.5, 1.0}}, toolkit::Rgb(0, 128, 255)},      // picked, to the nearest of 0..255
    {4, 0, {{1.0, 0.2, 0.0}}, toolkit::Rgb(255, 51, 0)},       // picked by a later portal
    {2, 1, {{1.0, 0.2, 0.0}}, std::nullopt},                   // cancelled
    {2, 2, {{1.0, 0.2, 0.0}}, std::nullopt},                   // failed
    {2, std::nullopt, std::nullopt, std::nullopt},             // refused by the bus
    {std::nullopt, std::nullopt, std::nullopt, std::nullopt},  // no portal
    {1, 0, {{1.0, 0.2, 0.0}}, std::nullopt},                   // a portal without a picker
};

class PortalAnswerTest : public ::testing::TestWithParam<AnswerRow> {};

TEST_P(PortalAnswerTest, GivesTheColourOnceOrNothing) {
  const AnswerRow& row = GetParam();
  AnsweredPick pick;
  std::vector<Answer> done;
  row.version ? pick.VersionKnown(*row.version) : pick.AskVersion();
  pick.Start([&](Answer color) { done.push_back(color); });
  if (row.code) pick.Answered(*row.code, row.rgb);
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();  // the bus's errors
  EXPECT_EQ(done, std::vector<Answer>{row.color});
}

INSTANTIATE_TEST_SUITE_P(Portal, PortalAnswerTest, ::testing::ValuesIn(kAnswers));

}  // namespace
