#include "common/messages.h"

#include <gtest/gtest.h>

#include "common/codepage.h"

namespace photopages {
namespace {

TEST(MessagesTest, EveryTextIsHeldInCodePage932) {
  const struct {
    Message message;
    const char* utf8;
  } cases[] = {
      {Message::kJpegError, "JPEG エラー #%d"},
      {Message::kFileOpenError, "ファイル %s は開けません"},
      {Message::kFileCreateError, "ファイル %s を作成できません"},
      {Message::kStreamReadError, "ストリームからの読み込みエラー"},
      {Message::kStreamWriteError, "ストリームへの書き込みエラー"},
      {Message::kMemoryStreamError,
       "メモリストリームの拡大中にメモリが足りなくなりました"},
      {Message::kUnknownExtension, "拡張子 .%s の画像形式は処理できません"},
      {Message::kInvalidDate, "日付に変換できない値が渡されました"},
      {Message::kInvalidTime, "時刻に変換できない値が渡されました"},
      {Message::kInvalidDateTime, "'%s' は日付または時刻ではありません"},
      {Message::kFileNotFound, "ファイルが見つかりません"},
      {Message::kInvalidFileName, "不正なファイル名です"},
      {Message::kTooManyOpenFiles, "オープンしたファイルが多すぎます"},
      {Message::kAccessDenied, "ファイルへのアクセスが拒否されました"},
      {Message::kInOutError, "I/O エラー (%d)"},
      {Message::kMetafileDescription, "メタファイル"},
      {Message::kEnhancedMetafileDescription, "エンハンス メタファイル"},
      {Message::kIconDescription, "アイコン"},
      {Message::kBitmapDescription, "ビットマップ"},
      {Message::kJpegDescription, "JPEG イメージファイル"},
  };
  static_assert(std::size(cases) ==
                static_cast<size_t>(Message::kJpegDescription) + 1);
  for (const auto& c : cases) {
    const AnsiString& text = MessageText(c.message);
    EXPECT_EQ(text, AnsiFromUtf8(c.utf8)) << c.utf8;
    EXPECT_EQ(Utf8FromAnsi(text), c.utf8);
  }
}

TEST(MessagesTest, FormatPutsTheValueInPlace) {
  const AnsiString path = "C:\\" + AnsiFromUtf8("表") + "\\%d.jpg";
  const struct {
    AnsiString formatted;
    const char* utf8;
  } cases[] = {
      {FormatMessage(Message::kFileOpenError, path),
       "ファイル C:\\表\\%d.jpg は開けません"},
      {FormatMessage(Message::kFileCreateError, ""),
       "ファイル  を作成できません"},
      {FormatMessage(Message::kInvalidDateTime, "%s"),
       "'%s' は日付または時刻ではありません"},
      {FormatMessage(Message::kJpegError, 42), "JPEG エラー #42"},
      {FormatMessage(Message::kInOutError, -5), "I/O エラー (-5)"},
      {FormatMessage(Message::kInOutError, 2147483648LL),
       "I/O エラー (2147483648)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8FromAnsi(c.formatted), c.utf8);
  }
}

}  // namespace
}  // namespace photopages
