#include "common/messages.h"

#include <array>
#include <string>

#include "common/codepage.h"

namespace photopages {
namespace {

constexpr std::array<std::string_view, 22> kUtf8Texts = {
    "JPEG エラー #%d",
    "ファイル %s は開けません",
    "ファイル %s を作成できません",
    "ストリームからの読み込みエラー",
    "ストリームへの書き込みエラー",
    "メモリストリームの拡大中にメモリが足りなくなりました",
    "拡張子 .%s の画像形式は処理できません",
    "日付に変換できない値が渡されました",
    "時刻に変換できない値が渡されました",
    "'%s' は日付または時刻ではありません",
    "ファイルが見つかりません",
    "不正なファイル名です",
    "オープンしたファイルが多すぎます",
    "ファイルへのアクセスが拒否されました",
    "I/O エラー (%d)",
    "メタファイル",
    "エンハンス メタファイル",
    "アイコン",
    "ビットマップ",
    "JPEG イメージファイル",
    "yyyy\"年\"mm\"月\"dd\"日\"hh\"時\"mm\"分\"ss\"秒\"mm\"秒",
    "ＭＳ Ｐゴシック",
};
static_assert(kUtf8Texts.size() ==
              static_cast<size_t>(Message::kForm1FontName) + 1);

AnsiString Substitute(Message message, std::string_view placeholder,
                      std::string_view value) {
  AnsiString text = MessageText(message);
  size_t at = text.find(placeholder);
  if (at != AnsiString::npos) text.replace(at, placeholder.size(), value);
  return text;
}

}  // namespace

const AnsiString& MessageText(Message message) {
  static const std::array<AnsiString, kUtf8Texts.size()> texts = [] {
    std::array<AnsiString, kUtf8Texts.size()> converted;
    for (size_t i = 0; i < kUtf8Texts.size(); ++i) {
      converted[i] = AnsiFromUtf8(kUtf8Texts[i]);
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
