#include "picture/picture_formats.h"

#include <gtest/gtest.h>

#include "common/codepage.h"
#include "common/errors.h"

namespace photopages {
namespace {

TEST(PictureFormatsTest, PlatformKindsComeBeforeJpeg) {
  PictureFormats formats;
  const char* expected[][2] = {
      {"wmf", "メタファイル"},
      {"emf", "エンハンス メタファイル"},
      {"ico", "アイコン"},
      {"bmp", "ビットマップ"},
      {"jpeg", "JPEG イメージファイル"},
      {"jpg", "JPEG イメージファイル"},
  };
  ASSERT_EQ(formats.Formats().size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(formats.Formats()[i].extension, expected[i][0]);
    EXPECT_EQ(Utf8FromAnsi(formats.Formats()[i].description), expected[i][1]);
    EXPECT_EQ(formats.Formats()[i].graphic_class != nullptr, i >= 4);
  }
}

TEST(PictureFormatsTest, LooksUpWithoutRegardToCase) {
  PictureFormats formats;
  for (const char* extension : {"jpeg", "JPEG", "Jpeg", "jPg", "JPG", "BMP"}) {
    EXPECT_EQ(formats.Find(extension).extension, AnsiLowerCase(extension));
  }
}

std::unique_ptr<Graphic> NoGraphic() { return nullptr; }

TEST(PictureFormatsTest, LaterRegistrationWins) {
  PictureFormats formats;
  formats.Register("JPG", "later", NoGraphic);
  EXPECT_EQ(formats.Find("jpg").description, "later");
  EXPECT_EQ(formats.Find("jpg").graphic_class, NoGraphic);
  EXPECT_NE(formats.Find("jpeg").graphic_class, NoGraphic);
}

TEST(PictureFormatsTest, UnknownExtensionKeepsItsCase) {
  PictureFormats formats;
  for (const char* extension : {"PNG", "", "jpeg2", "jp"}) {
    try {
      formats.Find(extension);
      ADD_FAILURE() << extension;
    } catch (const InvalidGraphicError& e) {
      EXPECT_EQ(Utf8FromAnsi(e.Message()), std::string("拡張子 .") + extension +
                                               " の画像形式は処理できません");
    }
  }
}

}  // namespace
}  // namespace photopages
