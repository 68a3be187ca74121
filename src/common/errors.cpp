#include "common/errors.h"

#include "common/messages.h"

namespace photopages {
namespace {

AnsiString InOutErrorText(int code) {
  switch (code) {
    case 2:
      return MessageText(Message::kFileNotFound);
    case 3:
      return MessageText(Message::kInvalidFileName);
    case 4:
      return MessageText(Message::kTooManyOpenFiles);
    case 5:
      return MessageText(Message::kAccessDenied);
    default:
      return FormatMessage(Message::kInOutError, code);
  }
}

}  // namespace

EJPEG::EJPEG(int message_number)
    : Exception(FormatMessage(Message::kJpegError, message_number)),
      message_number_(message_number) {}

EInOutError::EInOutError(int error_code)
    : Exception(InOutErrorText(error_code)), error_code_(error_code) {}

EFOpenError::EFOpenError(std::string_view path)
    : Exception(FormatMessage(Message::kFileOpenError, path)) {}

EFCreateError::EFCreateError(std::string_view path)
    : Exception(FormatMessage(Message::kFileCreateError, path)) {}

EReadError::EReadError() : Exception(MessageText(Message::kStreamReadError)) {}

EWriteError::EWriteError()
    : Exception(MessageText(Message::kStreamWriteError)) {}

EOutOfMemory::EOutOfMemory()
    : Exception(MessageText(Message::kMemoryStreamError)) {}

}  // namespace photopages
