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
class EConvertError : public Exception {
  using Exception::Exception;
};

// A decoder error while reading a JPEG header: Message::kJpegError with its
// number.
class EJPEG : public Exception {
 public:
  explicit EJPEG(int message_number);
  int MessageNumber() const { return message_number_; }

 private:
  int message_number_;
};

// A picture file whose extension no picture class is registered for.
class EInvalidGraphic : public Exception {
  using Exception::Exception;
};

// A failed operating-system call, by its Windows error code: 2, 3, 4 and 5
// have their own texts, any other code is Message::kInOutError with it.
class EInOutError : public Exception {
 public:
  explicit EInOutError(int error_code);
  int ErrorCode() const { return error_code_; }

 private:
  int error_code_;
};

// Message::kFileOpenError with the path.
class EFOpenError : public Exception {
 public:
  explicit EFOpenError(std::string_view path);
};

// Message::kFileCreateError with the path.
class EFCreateError : public Exception {
 public:
  explicit EFCreateError(std::string_view path);
};

// Message::kStreamReadError.
class EReadError : public Exception {
 public:
  EReadError();
};

// Message::kStreamWriteError.
class EWriteError : public Exception {
 public:
  EWriteError();
};

// Message::kMemoryStreamError.
class EOutOfMemory : public Exception {
 public:
  EOutOfMemory();
};

}  // namespace photopages

#endif  // PHOTOPAGES_COMMON_ERRORS_H_
