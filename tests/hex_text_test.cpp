// The hexadecimal text and the swatch as derived from the three decimal fields.
#include <QLineEdit>

#include "tests/support/form_fixture.h"
#include "toolkit/runtime_error.h"

namespace {

class HexTextTest : public FormTest {
 protected:
  // Puts texts into the decimal fields without running their handlers' refresh, so that
  // SetHexText and SetLblColor are seen on their own.
  void Fields(const char16_t* red, const char16_t* green, const char16_t* blue) {
    for (auto [field, text] :
         {std::pair{&form().TxtR, red}, {&form().TxtG, green}, {&form().TxtB, blue}}) {
      auto* edit = static_cast<QLineEdit*>(field->Widget());
      const QSignalBlocker quiet(edit);
      edit->setText(QString::fromUtf16(text));
    }
  }

  std::optional<toolkit::ErrorNumber> Run(void (*procedure)(Frmkolwe&)) {
    try {
      procedure(form());
    } catch (const toolkit::RuntimeError& error) {
      return error.Number();
    }
    return std::nullopt;
  }
};

TEST_F(HexTextTest, BuildsTwoUpperCaseDigitsPerChannel) {
  const struct {
    const char16_t *red, *green, *blue;
    const char16_t* hex;
  } table[] = {
      {u"0", u"0", u"0", u"000000"},      {u"255", u"255", u"255", u"FFFFFF"},
      {u"15", u"16", u"0", u"0F1000"},    {u"10", u"171", u"5", u"0AAB05"},
      {u"255", u"0", u"16", u"FF0010"},   {u"200", u"100", u"50", u"C86432"},
      {u"1", u"2", u"200", u"0102C8"},    {u"15", u"200", u"201", u"0FC8C9"},
      {u"200", u"201", u"15", u"C8C90F"}, {u"200", u"2", u"3", u"C80203"},
  };
  for (const auto& row : table) {
    form().Txt16.SetText(u"abcdef");
    Fields(row.red, row.green, row.blue);
    EXPECT_EQ(Run(FormProbe::SetHexText), std::nullopt);
    EXPECT_EQ(form().Txt16.Text(), row.hex);
  }
}

TEST_F(HexTextTest, AnEqualTextIsNotWrittenAgain) {
  Fields(u"0", u"0", u"0");
  std::vector<std::string>& trace = TraceHandlers();
  EXPECT_EQ(Run(FormProbe::SetHexText), std::nullopt);
  EXPECT_TRUE(trace.empty());
}

TEST_F(HexTextTest, ChannelsThatAreNoColourWriteNothing) {
  const struct {
    const char16_t *red, *green, *blue;
    toolkit::ErrorNumber error;
  } table[] = {
      {u"256", u"0", u"0", toolkit::ErrorNumber::InvalidPropertyValue},
      {u"0", u"0", u"999", toolkit::ErrorNumber::InvalidPropertyValue},
      {u"-5", u"0", u"0", toolkit::ErrorNumber::InvalidPropertyValue},
      {u"0", u"x", u"0", toolkit::ErrorNumber::TypeMismatch},
      {u"0", u"0", u"40000", toolkit::ErrorNumber::Overflow},
  };
  for (const auto& row : table) {
    Fields(row.red, row.green, row.blue);
    std::vector<std::string>& trace = TraceHandlers();
    EXPECT_EQ(Run(FormProbe::SetHexText), row.error);
    EXPECT_EQ(Run(FormProbe::SetLblColor), row.error);
    EXPECT_EQ(form().Txt16.Text(), u"000000");
    EXPECT_EQ(form().LblColor.BackColor(), 0);
    EXPECT_TRUE(trace.empty());
  }
}

TEST_F(HexTextTest, SwatchTakesTheColourOfTheFields) {
  Fields(u"255", u"128", u"0");
  EXPECT_EQ(Run(FormProbe::SetLblColor), std::nullopt);
  EXPECT_EQ(form().LblColor.BackColor(), 255 + 256 * 128);
  EXPECT_EQ(form().LblColor.Widget()->palette().color(QPalette::Window), QColor(255, 128, 0));
}

}  // namespace
