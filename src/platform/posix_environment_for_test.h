// Test support: changes to the process's environment, time zone and current
// directory that are undone when the object goes.
#ifndef PHOTOPAGES_PLATFORM_POSIX_ENVIRONMENT_FOR_TEST_H_
#define PHOTOPAGES_PLATFORM_POSIX_ENVIRONMENT_FOR_TEST_H_

#include <stdlib.h>
#include <time.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

namespace photopages {

// Sets the environment variable `name` to `value`, or removes it when
// `value` is null; restores the earlier state at the end of the scope.
class ScopedEnvironmentVariable {
 public:
  ScopedEnvironmentVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = getenv(name)) old_ = old;
    Set(value);
  }
  ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
  ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) =
      delete;
  ~ScopedEnvironmentVariable() { Set(old_ ? old_->c_str() : nullptr); }

 private:
  void Set(const char* value) {
    if (value != nullptr) {
      setenv(name_.c_str(), value, 1);
    } else {
      unsetenv(name_.c_str());
    }
  }

  std::string name_;
  std::optional<std::string> old_;
};

// Puts the C library's local time under the time zone `tz` (a TZ value such
// as "Asia/Tokyo").
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* tz) : variable_("TZ", tz) { tzset(); }
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  // Destroyed after `variable_` has restored TZ, so the C library rereads
  // the earlier zone.
  struct RereadZoneOnExit {
    ~RereadZoneOnExit() { tzset(); }
  } reread_;
  ScopedEnvironmentVariable variable_;
};

// Returns to the current directory at the end of the scope.
class ScopedCurrentDirectory {
 public:
  ScopedCurrentDirectory() : saved_(std::filesystem::current_path()) {}
  ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
  ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;
  ~ScopedCurrentDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(saved_, ignored);
  }

 private:
  std::filesystem::path saved_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_POSIX_ENVIRONMENT_FOR_TEST_H_
