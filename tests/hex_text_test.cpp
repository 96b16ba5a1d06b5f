// The hexadecimal text and the swatch as derived from the three decimal fields.
#include <QLineEdit>

#include "tests/support/form_fixture.h"
#include "toolkit/runtime_error.h"

namespace {

class HexTextTest : public FormTest {
 protected:
  // Writes "red green blue" into the decimal fields without raising their Change.
  void Fields(const QString& channels) {
    toolkit::TextBox* fields[] = {&form().TxtR, &form().TxtG, &form().TxtB};
    for (int i = 0; i < 3; ++i) {
      const QSignalBlocker quiet(fields[i]->Widget());
      static_cast<QLineEdit*>(fields[i]->Widget())->setText(channels.split(' ').at(i));
    }
  }

  std::optional<toolkit::ErrorNumber> Run(void (*procedure)(Frmkolwe&)) try {
    procedure(form());
    return std::nullopt;
  } catch (const toolkit::RuntimeError& error) {
    return error.Number();
  }
};

TEST_F(HexTextTest, HexTextAndSwatchFollowTheFieldsAndAnEqualTextIsNotWrittenAgain) {
  const std::pair<QString, Text> table[] = {
      {"0 0 0", u"000000"},    {"255 255 255", u"FFFFFF"}, {"15 16 0", u"0F1000"},
      {"10 171 5", u"0AAB05"}, {"255 0 16", u"FF0010"},    {"200 100 50", u"C86432"},
      {"1 2 200", u"0102C8"},  {"15 200 201", u"0FC8C9"},  {"200 201 15", u"C8C90F"},
      {"200 2 3", u"C80203"},
  };
  for (const auto& [channels, hex] : table) {
    form().Txt16.SetText(u"abcdef");
    Fields(channels);
    EXPECT_EQ(Run(FormProbe::SetHexText), std::nullopt);
    EXPECT_EQ(form().Txt16.Text(), hex) << channels.toStdString();
    const std::vector<std::string>& trace = TraceHandlers();
    EXPECT_EQ(Run(FormProbe::SetHexText), std::nullopt);
    EXPECT_EQ(Run(FormProbe::SetLblColor), std::nullopt);
    EXPECT_TRUE(trace.empty()) << "a handler ran for " << channels.toStdString();
    const QColor colour(QString::fromStdU16String(u"#" + hex));
    EXPECT_EQ(form().LblColor.BackColor(),
              colour.red() + 256 * colour.green() + 65536 * colour.blue());
    EXPECT_EQ(form().LblColor.Widget()->palette().color(QPalette::Window), colour);
  }
}

TEST_F(HexTextTest, ChannelsThatAreNoColourWriteNothing) {
  constexpr auto kRange = toolkit::ErrorNumber::InvalidPropertyValue;
  constexpr auto kNoNumber = toolkit::ErrorNumber::TypeMismatch;
  const std::pair<QString, toolkit::ErrorNumber> table[] = {
      {"256 0 0", kRange},  {"0 0 999", kRange}, {"-5 0 0", kRange},
      {"0 x 0", kNoNumber}, {"0 0 ", kNoNumber}, {"0 0 40000", toolkit::ErrorNumber::Overflow}};
  for (const auto& [channels, error] : table) {
    Fields(channels);
    const std::vector<std::string>& trace = TraceHandlers();
    EXPECT_EQ(Run(FormProbe::SetHexText), error) << channels.toStdString();
    EXPECT_EQ(Run(FormProbe::SetLblColor), error) << channels.toStdString();
    EXPECT_EQ(form().Txt16.Text(), u"000000");
    EXPECT_EQ(form().LblColor.BackColor(), 0);
    EXPECT_TRUE(trace.empty());
  }
}

}  // namespace
