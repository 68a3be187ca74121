#include "common/paths.h"

#include <string>

namespace photopages {
namespace {

// Index just past the last delimiter; 0 when there is none.
size_t FileNameStart(std::string_view path, const PathSyntax& syntax) {
  size_t i = LastDelimiter(syntax.delimiters, path);
  return i == std::string_view::npos ? 0 : i + 1;
}

// Index of the dot that starts the extension; npos when there is none.
size_t ExtensionStart(std::string_view path, const PathSyntax& syntax) {
  std::string delimiters(syntax.delimiters);
  delimiters += '.';
  size_t i = LastDelimiter(delimiters, path);
  return i != std::string_view::npos && path[i] == '.' ? i
                                                       : std::string_view::npos;
}

}  // namespace

AnsiString ExtractFilePath(std::string_view path, const PathSyntax& syntax) {
  return AnsiString(path.substr(0, FileNameStart(path, syntax)));
}

AnsiString ExtractFileDir(std::string_view path, const PathSyntax& syntax) {
  size_t end = FileNameStart(path, syntax);
  if (end > 1 && path[end - 1] == syntax.separator &&
      LastDelimiter(syntax.delimiters, path.substr(0, end - 1)) != end - 2) {
    --end;
  }
  return AnsiString(path.substr(0, end));
}

AnsiString ExtractFileName(std::string_view path, const PathSyntax& syntax) {
  return AnsiString(FileNameView(path, syntax));
}

std::string_view FileNameView(std::string_view path, const PathSyntax& syntax) {
  return path.substr(FileNameStart(path, syntax));
}

AnsiString ExtractFileExt(std::string_view path, const PathSyntax& syntax) {
  size_t dot = ExtensionStart(path, syntax);
  return dot == std::string_view::npos ? AnsiString()
                                       : AnsiString(path.substr(dot));
}

AnsiString ChangeFileExt(std::string_view path, std::string_view extension,
                         const PathSyntax& syntax) {
  const std::string_view stem = path.substr(0, ExtensionStart(path, syntax));
  AnsiString changed;
  changed.reserve(stem.size() + extension.size());
  changed += stem;
  changed += extension;
  return changed;
}

}  // namespace photopages
