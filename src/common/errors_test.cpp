#include "common/errors.h"

#include <gtest/gtest.h>

#include "common/codepage.h"

namespace photopages {
namespace {

TEST(ErrorsTest, InOutErrorTextFollowsTheCode) {
  const struct {
    int code;
    const char* utf8;
  } cases[] = {
      {2, "ファイルが見つかりません"},
      {3, "不正なファイル名です"},
      {4, "オープンしたファイルが多すぎます"},
      {5, "ファイルへのアクセスが拒否されました"},
      {1, "I/O エラー (1)"},
      {6, "I/O エラー (6)"},
      {40, "I/O エラー (40)"},
  };
  for (const auto& c : cases) {
    InOutError error(c.code);
    EXPECT_EQ(error.ErrorCode(), c.code);
    EXPECT_EQ(Utf8FromAnsi(error.what()), c.utf8);
  }
}

TEST(ErrorsTest, EachErrorCarriesItsText) {
  const AnsiString path = AnsiFromUtf8("/写真/ソ.JPEG");
  const struct {
    AnsiString message;
    const char* utf8;
  } cases[] = {
      {FileOpenError(path).Message(), "ファイル /写真/ソ.JPEG は開けません"},
      {FileCreateError(path).Message(),
       "ファイル /写真/ソ.JPEG を作成できません"},
      {ReadError().Message(), "ストリームからの読み込みエラー"},
      {WriteError().Message(), "ストリームへの書き込みエラー"},
      {OutOfMemoryError().Message(),
       "メモリストリームの拡大中にメモリが足りなくなりました"},
      {JpegError(53).Message(), "JPEG エラー #53"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8FromAnsi(c.message), c.utf8);
  }
  EXPECT_EQ(JpegError(53).MessageNumber(), 53);
}

}  // namespace
}  // namespace photopages
