#include "common/messages.h"

#include <array>
#include <string>

#include "common/codepage.h"

namespace photopages {
namespace {

struct CatalogueEntry {
  Message message;
  std::string_view utf8;
};

// The catalogue: every text, in the order of Message.
constexpr CatalogueEntry kCatalogue[] = {
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
    {Message::kTimestampNamePattern,
     "yyyy\"年\"mm\"月\"dd\"日\"hh\"時\"mm\"分\"ss\"秒\"mm\"秒"},
    {Message::kWindowFontName, "ＭＳ Ｐゴシック"},
};

constexpr size_t kMessageCount = std::size(kCatalogue);

constexpr bool EveryMessageInItsPlace() {
  for (size_t i = 0; i < kMessageCount; ++i) {
    if (kCatalogue[i].message != static_cast<Message>(i)) return false;
  }
  return kMessageCount == static_cast<size_t>(Message::kWindowFontName) + 1;
}
static_assert(EveryMessageInItsPlace());

AnsiString Substitute(Message message, std::string_view placeholder,
                      std::string_view value) {
  const AnsiString& text = MessageText(message);
  size_t at = text.find(placeholder);
  if (at == AnsiString::npos) return text;
  AnsiString result = text.substr(0, at);
  result += value;
  result += text.substr(at + placeholder.size());
  return result;
}

}  // namespace

const AnsiString& MessageText(Message message) {
  static const std::array<AnsiString, kMessageCount> texts = [] {
    std::array<AnsiString, kMessageCount> converted;
    for (size_t i = 0; i < kMessageCount; ++i) {
      converted[i] = AnsiFromUtf8(kCatalogue[i].utf8);
    }
    return converted;
  }();
  return texts[static_cast<size_t>(message)];
}

AnsiString FormatMessage(Message message, std::string_view value) {
  return Substitute(message, "%s", value);
}

AnsiString FormatMessage(Message message, long long value) {
  return Substitute(message, "%d", std::to_string(value));
}

}  // namespace photopages
