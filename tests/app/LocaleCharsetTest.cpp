#include "AppTestSupport.h"

#include "app/LocaleCharset.h"

#include <gtest/gtest.h>

namespace {

TEST(LocaleToCharset, AnsiAndOtherCharsets) {
  ScriptedPresenter presenter;
  EXPECT_EQ(LocaleToCharset(0x0409), 0);    // code page 1252: 8-bit text
  EXPECT_EQ(LocaleToCharset(0x0419), 204);  // code page 1251
  EXPECT_TRUE(presenter.Shown.empty());
}

TEST(LocaleToCharset, UnicodeOnlyLocaleIsReportedAndTreatedAsUnicode) {
  ScriptedPresenter presenter;
  EXPECT_EQ(LocaleToCharset(0x0439), 1);  // Hindi has no ANSI code page: DEFAULT_CHARSET
  ASSERT_EQ(presenter.Shown.size(), 1u);
  EXPECT_EQ(presenter.Texts()[0], "Fout / Onbekend type vanTFontCharSet");
  EXPECT_EQ(presenter.Shown[0].Skin, nullptr);
}

}  // namespace
