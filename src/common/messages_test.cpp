#include "common/messages.h"

#include <gtest/gtest.h>

#include "common/codepage.h"

namespace photopages {
namespace {

// The texts themselves are pinned where they are shown: the errors, the
// error box, the picture formats and the timestamp names.
TEST(MessagesTest, EveryTextIsHeldExactlyInCodePage932) {
  for (int i = 0; i <= static_cast<int>(Message::kWindowFontName); ++i) {
    const AnsiString& text = MessageText(static_cast<Message>(i));
    SCOPED_TRACE(Utf8FromAnsi(text));
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.find('?'), AnsiString::npos);  // Nothing lost on the way.
    EXPECT_EQ(AnsiFromUtf8(Utf8FromAnsi(text)), text);
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
