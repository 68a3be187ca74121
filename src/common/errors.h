// The errors that stop a run. Each carries its message in code page 932, a
// text of the catalogue (common/messages.h); what() returns it. Nothing in the
// run catches them: the window (or the headless backend) reports the first one.
#ifndef PHOTOPAGES_COMMON_ERRORS_H_
#define PHOTOPAGES_COMMON_ERRORS_H_

#include <exception>
#include <string_view>
#include <utility>

#include "common/ansi.h"

namespace photopages {

class Exception : public std::exception {
 public:
  explicit Exception(AnsiString message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const AnsiString& Message() const { return message_; }

 private:
  AnsiString message_;
};

// A date or time that cannot be converted.
class ConvertError : public Exception {
  using Exception::Exception;
};

// A decoder error while reading a JPEG header: Message::kJpegError with its
// number.
class JpegError : public Exception {
 public:
  explicit JpegError(int message_number);
  int MessageNumber() const { return message_number_; }

 private:
  int message_number_;
};

// A picture file whose extension no picture class is registered for.
class InvalidGraphicError : public Exception {
  using Exception::Exception;
};

// A failed operating-system call, by its Windows error code: the four codes
// named below have texts of their own, any other code is
// Message::kInOutError with it.
class InOutError : public Exception {
 public:
  // The codes that have texts of their own, numbered as Windows numbers them.
  static constexpr int kFileNotFound = 2;
  static constexpr int kPathNotFound = 3;
  static constexpr int kTooManyOpenFiles = 4;
  static constexpr int kAccessDenied = 5;

  explicit InOutError(int error_code);
  int ErrorCode() const { return error_code_; }

 private:
  int error_code_;
};

// Message::kFileOpenError with the path.
class FileOpenError : public Exception {
 public:
  explicit FileOpenError(std::string_view path);
};

// Message::kFileCreateError with the path.
class FileCreateError : public Exception {
 public:
  explicit FileCreateError(std::string_view path);
};

// Message::kStreamReadError.
class ReadError : public Exception {
 public:
  ReadError();
};

// Message::kStreamWriteError.
class WriteError : public Exception {
 public:
  WriteError();
};

// Message::kMemoryStreamError.
class OutOfMemoryError : public Exception {
 public:
  OutOfMemoryError();
};

}  // namespace photopages

#endif  // PHOTOPAGES_COMMON_ERRORS_H_
