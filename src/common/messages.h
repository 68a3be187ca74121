// Every Japanese text that photopages shows, held once. The texts are kept as
// UTF-8 in the source and converted to code page 932 on first use.
#ifndef PHOTOPAGES_COMMON_MESSAGES_H_
#define PHOTOPAGES_COMMON_MESSAGES_H_

#include <string_view>

#include "common/ansi.h"

namespace photopages {

enum class Message {
  kJpegError,          // "JPEG エラー #%d"
  kFileOpenError,      // "ファイル %s は開けません"
  kFileCreateError,    // "ファイル %s を作成できません"
  kStreamReadError,    // "ストリームからの読み込みエラー"
  kStreamWriteError,   // "ストリームへの書き込みエラー"
  kMemoryStreamError,  // "メモリストリームの拡大中にメモリが足りなくなりました"
  kUnknownExtension,  // "拡張子 .%s の画像形式は処理できません"
  kInvalidDate,       // "日付に変換できない値が渡されました"
  kInvalidTime,       // "時刻に変換できない値が渡されました"
  kInvalidDateTime,   // "'%s' は日付または時刻ではありません"
  kFileNotFound,      // "ファイルが見つかりません"
  kInvalidFileName,   // "不正なファイル名です"
  kTooManyOpenFiles,  // "オープンしたファイルが多すぎます"
  kAccessDenied,  // "ファイルへのアクセスが拒否されました"
  kInOutError,    // "I/O エラー (%d)"
  kMetafileDescription,          // "メタファイル"
  kEnhancedMetafileDescription,  // "エンハンス メタファイル"
  kIconDescription,              // "アイコン"
  kBitmapDescription,            // "ビットマップ"
  kJpegDescription,              // "JPEG イメージファイル"
  kTimestampNamePattern,  // yyyy"年"mm"月"dd"日"hh"時"mm"分"ss"秒"mm"秒
  kForm1FontName,                // "ＭＳ Ｐゴシック"
};

// The text of `message` in code page 932.
const AnsiString& MessageText(Message message);

// The text of `message` with `value` in place of its "%s".
AnsiString FormatMessage(Message message, std::string_view value);

// The text of `message` with `value` in decimal in place of its "%d".
AnsiString FormatMessage(Message message, long long value);

}  // namespace photopages

#endif  // PHOTOPAGES_COMMON_MESSAGES_H_
