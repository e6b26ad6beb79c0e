#include "classlib/CommonControls.h"

#include "classlib/Bitmap.h"

#include <gtest/gtest.h>

namespace {

bool Loaded() { return GetModuleHandleA("comctl32.dll") != nullptr; }

// A program of its own: the library is loaded by nothing else in it.
TEST(CommonControls, LoadOnTheirThreadOnlyWhenAskedAndServeImageListsAndTabs) {
  EXPECT_FALSE(Loaded()) << "loaded with the program";
  StartLoadingCommonControls();
  const TCommonControlsApi& api = CommonControls();
  EXPECT_TRUE(Loaded());
  EXPECT_EQ(&api, &CommonControls());

  WNDCLASSA tabClass{};
  EXPECT_TRUE(GetClassInfoA(nullptr, WC_TABCONTROLA, &tabClass));

  HIMAGELIST images = api.ImageListCreate(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1);
  ASSERT_NE(images, nullptr);
  TBitmap picture(16, 16);
  EXPECT_EQ(api.ImageListAdd(images, picture.Handle(), nullptr), 0);
  EXPECT_EQ(api.ImageListGetImageCount(images), 1);
  EXPECT_TRUE(api.ImageListRemove(images, 0));
  EXPECT_EQ(api.ImageListGetImageCount(images), 0);
  EXPECT_TRUE(api.ImageListDestroy(images));
}

}  // namespace
