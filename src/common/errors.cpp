#include "common/errors.h"

#include "common/messages.h"

namespace photopages {
namespace {

AnsiString InOutErrorText(int code) {
  switch (code) {
    case InOutError::kFileNotFound:
      return MessageText(Message::kFileNotFound);
    case InOutError::kPathNotFound:
      return MessageText(Message::kInvalidFileName);
    case InOutError::kTooManyOpenFiles:
      return MessageText(Message::kTooManyOpenFiles);
    case InOutError::kAccessDenied:
      return MessageText(Message::kAccessDenied);
    default:
      return FormatMessage(Message::kInOutError, code);
  }
}

}  // namespace

JpegError::JpegError(int message_number)
    : Exception(FormatMessage(Message::kJpegError, message_number)),
      message_number_(message_number) {}

InOutError::InOutError(int error_code)
    : Exception(InOutErrorText(error_code)), error_code_(error_code) {}

FileOpenError::FileOpenError(std::string_view path)
    : Exception(FormatMessage(Message::kFileOpenError, path)) {}

FileCreateError::FileCreateError(std::string_view path)
    : Exception(FormatMessage(Message::kFileCreateError, path)) {}

ReadError::ReadError() : Exception(MessageText(Message::kStreamReadError)) {}

WriteError::WriteError() : Exception(MessageText(Message::kStreamWriteError)) {}

OutOfMemoryError::OutOfMemoryError()
    : Exception(MessageText(Message::kMemoryStreamError)) {}

}  // namespace photopages
