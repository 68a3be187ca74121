// Every Japanese text that photopages shows, held once: the catalogue in
// messages.cpp is the one place a text is written, kept as UTF-8 and converted
// to code page 932 on first use. Elsewhere a text is named by its Message.
#ifndef PHOTOPAGES_COMMON_MESSAGES_H_
#define PHOTOPAGES_COMMON_MESSAGES_H_

#include <string_view>

#include "common/ansi.h"

// <windows.h> makes FormatMessage a macro for FormatMessageA or
// FormatMessageW. Every file sees the functions below with the plain name,
// whether or not it included <windows.h> first; the macro comes back at the
// end of this file.
#if defined(FormatMessage)
#undef FormatMessage
#define PHOTOPAGES_FORMATMESSAGE_UNDEFINED
#endif

namespace photopages {

enum class Message {
  kJpegError,            // A decoder error, with its number for "%d".
  kFileOpenError,        // A file that cannot be opened, its path for "%s".
  kFileCreateError,      // A file that cannot be created, its path for "%s".
  kStreamReadError,      // A failed read.
  kStreamWriteError,     // A failed write.
  kMemoryStreamError,    // No memory for a whole file.
  kUnknownExtension,     // No picture class, the extension for "%s".
  kInvalidDate,          // A date outside years 1 to 9999.
  kInvalidTime,          // A time of day out of range.
  kInvalidDateTime,      // A date text that cannot be read, itself for "%s".
  kFileNotFound,         // Windows error code 2.
  kInvalidFileName,      // Windows error code 3.
  kTooManyOpenFiles,     // Windows error code 4.
  kAccessDenied,         // Windows error code 5.
  kInOutError,           // Any other error code, for "%d".
  kMetafileDescription,  // The picture formats' descriptions.
  kEnhancedMetafileDescription,
  kIconDescription,
  kBitmapDescription,
  kJpegDescription,
  kTimestampNamePattern,  // The format of a timestamp name.
  kWindowFontName,        // The family of the window's font.
};

// The text of `message` in code page 932.
const AnsiString& MessageText(Message message);

// The text of `message` with `value` in place of its "%s".
AnsiString FormatMessage(Message message, std::string_view value);

// The text of `message` with `value` in decimal in place of its "%d".
AnsiString FormatMessage(Message message, long long value);

}  // namespace photopages

#if defined(PHOTOPAGES_FORMATMESSAGE_UNDEFINED)
#if defined(UNICODE)
#define FormatMessage FormatMessageW
#else
#define FormatMessage FormatMessageA
#endif
#undef PHOTOPAGES_FORMATMESSAGE_UNDEFINED
#endif

#endif  // PHOTOPAGES_COMMON_MESSAGES_H_
