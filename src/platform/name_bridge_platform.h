// The part of a platform that stands between the program's code page 932
// texts and the system's own names, written once for every system: each path
// that comes down is looked up among the names handed up (RememberedNames),
// refused when its text names no file, and only then given to the system;
// each name that goes up is converted and remembered. A system's platform
// derives from it and supplies only its calls, in its own names.
#ifndef PHOTOPAGES_PLATFORM_NAME_BRIDGE_PLATFORM_H_
#define PHOTOPAGES_PLATFORM_NAME_BRIDGE_PLATFORM_H_

#include <memory>
#include <optional>
#include <vector>

#include "common/ansi.h"
#include "common/errors.h"
#include "common/paths.h"
#include "platform/platform.h"
#include "platform/remembered_names.h"
#include "platform/system_name.h"

namespace photopages {

template <typename Unit>
class NameBridgePlatform : public Platform {
 public:
  using Name = SystemName<Unit>;
  using ToSystem = typename RememberedNames<Unit>::Conversion;
  using ToText = AnsiString (*)(const Name& name);

  NameBridgePlatform(const NameBridgePlatform&) = delete;
  NameBridgePlatform& operator=(const NameBridgePlatform&) = delete;

  AnsiString CurrentDirectory() final {
    return HandUp(SystemCurrentDirectory());
  }

  void SetCurrentDirectory(const AnsiString& folder) final {
    const std::optional<Name> name = names_.Find(folder);
    if (!name) throw InOutError(InOutError::kPathNotFound);
    SystemSetCurrentDirectory(*name);
    names_.EnterFolder(folder, *name);
  }

  std::vector<AnsiString> ListOrdinaryFiles(const AnsiString& folder) final {
    const std::optional<Name> folder_name = names_.Find(folder);
    if (!folder_name) throw InOutError(InOutError::kPathNotFound);
    std::vector<Name> listed = SystemListOrdinaryFiles(*folder_name);
    std::vector<AnsiString> texts;
    texts.reserve(listed.size());
    for (const Name& name : listed) {
      texts.push_back(to_text_(name));
      names_.RememberListed(folder, *folder_name, texts.back(), name);
    }
    return texts;
  }

  std::unique_ptr<InputFile> OpenInput(const AnsiString& path) final {
    const std::optional<Name>& name = names_.Find(path);
    if (!name) throw FileOpenError(path);
    return SystemOpenInput(*name, path);
  }

  std::unique_ptr<OutputFile> CreateOutput(const AnsiString& target) final {
    const std::optional<Name>& name = names_.Find(target);
    if (!name) throw FileCreateError(target);
    return SystemCreateOutput(*name, target);
  }

  PathInfo Inspect(const AnsiString& path) final {
    const std::optional<Name>& name = names_.Find(path);
    return name ? SystemInspect(*name) : PathInfo();
  }

 protected:
  // Paths of `syntax`; `to_system` converts a text plainly into the system's
  // units, `to_text` a name into the program's text.
  NameBridgePlatform(const PathSyntax& syntax, ToSystem to_system,
                     ToText to_text)
      : names_(syntax, to_system), to_text_(to_text) {}

  // `name` as the program's text, remembered as the name behind that text.
  AnsiString HandUp(const Name& name) {
    AnsiString text = to_text_(name);
    names_.Remember(text, name);
    return text;
  }

  // Hands up the running program's `path` and its `folder` (without
  // separator); returns the path's text.
  AnsiString HandUpExecutable(const Name& path, const Name& folder) {
    AnsiString executable = HandUp(path);
    names_.Remember(ExtractFileDir(executable, Paths()), folder);
    return executable;
  }

  // Notes `folder`, the folder the program started in, as the current
  // directory.
  void EnterStartFolder(const Name& folder) {
    names_.EnterFolder(HandUp(folder), folder);
  }

  RememberedNames<Unit>& names() { return names_; }

  // The system's calls, each given the exact name that a path stands for.
  // The current directory. Throws InOutError with the code of the failure.
  virtual Name SystemCurrentDirectory() = 0;
  // Throws InOutError with the code of the failure.
  virtual void SystemSetCurrentDirectory(const Name& folder) = 0;
  // The names of the ordinary files of `folder`, in the order they are
  // listed in. Throws InOutError with the code of the failure.
  virtual std::vector<Name> SystemListOrdinaryFiles(const Name& folder) = 0;
  // `path` is the text the program gave, for the error.
  virtual std::unique_ptr<InputFile> SystemOpenInput(
      const Name& name, const AnsiString& path) = 0;
  // `target` is the text the program gave, for the error.
  virtual std::unique_ptr<OutputFile> SystemCreateOutput(
      const Name& name, const AnsiString& target) = 0;
  virtual PathInfo SystemInspect(const Name& name) = 0;

 private:
  RememberedNames<Unit> names_;
  const ToText to_text_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_NAME_BRIDGE_PLATFORM_H_
