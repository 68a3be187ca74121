// Names as the operating system holds them, on the far side of the platform
// boundary from the program's own code page 932 text.
#ifndef PHOTOPAGES_PLATFORM_SYSTEM_NAME_H_
#define PHOTOPAGES_PLATFORM_SYSTEM_NAME_H_

#include <compare>
#include <string>
#include <utility>

namespace photopages {

// A file name, path or argument in the system's own code units: bytes on a
// POSIX system (UTF-8 by convention, though a name may hold any byte but NUL
// and "/"), UTF-16 units on Windows. The same name is different bytes in code
// page 932 (AnsiString), so a SystemName is a type of its own: the two cannot
// be given one for the other. A platform makes one only where text crosses
// into the system, and takes text back out of one only where it crosses up.
template <typename Unit>
class SystemName {
 public:
  SystemName() = default;
  explicit SystemName(std::basic_string<Unit> units)
      : units_(std::move(units)) {}

  const std::basic_string<Unit>& units() const { return units_; }
  // The units, taken out with their room, for a name to be built in it.
  std::basic_string<Unit> TakeUnits() && { return std::move(units_); }
  // For the system's calls, which take NUL-terminated names.
  const Unit* c_str() const { return units_.c_str(); }

  friend bool operator==(const SystemName&, const SystemName&) = default;
  friend auto operator<=>(const SystemName&, const SystemName&) = default;

 private:
  std::basic_string<Unit> units_;
};

// A name on a POSIX system.
using PosixName = SystemName<char>;

// A name on Windows, in UTF-16.
using WindowsName = SystemName<wchar_t>;

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_SYSTEM_NAME_H_
