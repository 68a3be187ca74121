// The exact system names behind the texts that a platform hands up, so that
// a name code page 932 cannot hold can still be reached through its text.
#ifndef PHOTOPAGES_PLATFORM_REMEMBERED_NAMES_H_
#define PHOTOPAGES_PLATFORM_REMEMBERED_NAMES_H_

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "common/ansi.h"
#include "common/paths.h"
#include "platform/system_name.h"

namespace photopages {

// The program's texts are code page 932, and a system name that code page
// 932 cannot hold ("Café", "사진", "photo😀", a decomposed "が") comes up as a
// text that converts back to another name ("Caf?"). A platform remembers
// here, for every text it hands up (an argument, a listed name, the
// executable's path and its folder, the current directory), the exact name
// behind it, and finds that name again when the text, or a path that goes on
// from it, comes back down: "Caf?/2005年…JPEG" reaches the real "Café"
// folder, and tells which texts name no file, as Platform's contract for
// names asks (platform.h).
//
// Texts and names are paths of one syntax. A path is absolute when it starts
// with a delimiter or its first delimiter is not the separator (a drive,
// "C:"); a relative path stands for itself joined to the current directory.
// What is remembered is kept for the life of the object: one entry per
// distinct text handed up (a listed name under the text of its folder), and
// the set of the parts of texts that stand for other names.
template <typename Unit>
class RememberedNames {
 public:
  using Name = SystemName<Unit>;
  using Units = std::basic_string<Unit>;
  // The plain conversion of text into the system's units, used for whatever
  // part of a path no remembered text covers: appends `text` converted to
  // `units`.
  using Conversion = void (*)(std::string_view text, Units& units);

  RememberedNames(const PathSyntax& syntax, Conversion to_system)
      : syntax_(syntax), to_system_(to_system) {}
  RememberedNames(const RememberedNames&) = delete;
  RememberedNames& operator=(const RememberedNames&) = delete;

  // Notes that `name` was handed up as `text`: both absolute, or both
  // relative to whichever folder is current when the text comes back (an
  // argument). A text that another name was also handed up as, or that was
  // refused, names no file. An empty text, an argument that vanishes from the
  // command line, leaves nothing behind.
  void Remember(AnsiString text, const Name& name) {
    if (text.empty()) return;
    last_found_.valid = false;
    const bool exact = Converted(text) == name.units();
    if (!exact) NoteInexactParts(text, name);
    // A name that the plain conversion gives is kept as an empty one.
    const Name kept = exact ? Name() : name;
    NoteLength(text.size());
    auto [entry, added] = names_.try_emplace(std::move(text), kept);
    if (!added && entry->second != kept) entry->second.reset();
  }

  // Notes that `name` was handed up as `text` altered beyond the conversion
  // (a character dropped), so that `text` names no file. An empty text (an
  // argument of only double quotes) vanishes from the command line and leaves
  // nothing behind.
  void Refuse(const AnsiString& text, const Name& name) {
    if (text.empty()) return;
    last_found_.valid = false;
    NoteInexactParts(text, name);
    NoteLength(text.size());
    names_.insert_or_assign(text, std::nullopt);
  }

  // Notes that `name` was listed in the folder `folder`, whose name Find gave
  // as `folder_name`, and handed up as the bare name `text`.
  void RememberListed(const AnsiString& folder, const Name& folder_name,
                      const AnsiString& text, const Name& name) {
    if (current_ && IsRelative(folder)) {
      auto [absolute_folder, absolute_folder_name] =
          Absolute(folder, folder_name);
      RememberListed(absolute_folder, absolute_folder_name, text, name);
      return;
    }
    Remember(JoinTexts(folder, text), JoinNames(folder_name, name));
  }

  // Notes that the folder `folder`, whose name Find gave as `name`, is now
  // the current directory.
  void EnterFolder(const AnsiString& folder, const Name& name) {
    last_found_.valid = false;
    if (!IsRelative(folder) || current_) current_ = Absolute(folder, name);
  }

  // The name that `text` stands for: the name behind the longest remembered
  // text that `text` is, or starts with up to a delimiter, followed by the
  // rest of `text` plainly converted. A relative text is looked for both as
  // it is and joined to the current directory, and the match that covers
  // more of it counts. Nothing when that remembered text names no file, when
  // the two looks find different names, or when the plainly converted rest
  // holds a part that another name was handed up as. The answer stays valid
  // until the next call of any method; take a copy to keep it longer.
  const std::optional<Name>& Find(std::string_view text) const {
    if (!last_found_.valid || last_found_.text != text) {
      last_found_.valid = false;
      // The answer is worked out in the room of the one before.
      Units units;
      if (last_found_.name) units = std::move(*last_found_.name).TakeUnits();
      units.clear();
      if (Look(text, units)) {
        last_found_.name.emplace(std::move(units));
      } else {
        last_found_.name.reset();
      }
      last_found_.text.assign(text);
      last_found_.valid = true;
    }
    return last_found_.name;
  }

 private:
  // A remembered text that a path starts with: its length, and its entry
  // (null when there is none).
  struct Match {
    size_t length = 0;
    const std::optional<Name>* entry = nullptr;
  };

  // Find's answer, written to `units`, which is empty; false when `text`
  // names no file.
  bool Look(std::string_view text, Units& units) const {
    const Match own = Longest(text, 1);
    if (IsRelative(text) && current_) {
      const AnsiString joined = JoinTexts(current_->first, text);
      const size_t base = joined.size() - text.size();
      const Match in_folder = Longest(joined, base + 1);
      if (in_folder.entry != nullptr) {
        const size_t covered = in_folder.length - base;
        if (own.entry == nullptr || covered > own.length) {
          return Resolve(in_folder, joined, units);
        }
        if (covered == own.length) {
          Units in_current;
          return Resolve(own, text, units) &&
                 Resolve(in_folder, joined, in_current) &&
                 AbsoluteName(Name(units)) == Name(std::move(in_current));
        }
      }
    }
    return Resolve(own, text, units);
  }

  bool IsDelimiter(Unit unit) const {
    for (char delimiter : syntax_.delimiters) {
      if (unit == static_cast<Unit>(delimiter)) return true;
    }
    return false;
  }

  // Calls `visit` with each part of `text`, the bytes between delimiters; a
  // trail byte is never taken for a delimiter.
  template <typename Visit>
  void ForEachTextPart(std::string_view text, Visit visit) const {
    size_t start = 0;
    for (size_t i = 0; i < text.size(); i += CharLength(text[i])) {
      if (IsDelimiter(static_cast<Unit>(text[i]))) {
        visit(text.substr(start, i - start));
        start = i + 1;
      }
    }
    visit(text.substr(start));
  }

  // The same for a name, whose units never hold a delimiter inside a
  // character.
  template <typename Visit>
  void ForEachNamePart(std::basic_string_view<Unit> units, Visit visit) const {
    size_t start = 0;
    for (size_t i = 0; i < units.size(); ++i) {
      if (IsDelimiter(units[i])) {
        visit(units.substr(start, i - start));
        start = i + 1;
      }
    }
    visit(units.substr(start));
  }

  bool IsRelative(std::string_view text) const {
    for (size_t i = 0; i < text.size(); i += CharLength(text[i])) {
      if (IsDelimiter(static_cast<Unit>(text[i]))) {
        return i > 0 && text[i] == syntax_.separator;
      }
    }
    return true;
  }

  bool IsRelativeName(const Name& name) const {
    const std::basic_string<Unit>& units = name.units();
    for (size_t i = 0; i < units.size(); ++i) {
      if (IsDelimiter(units[i])) {
        return i > 0 && units[i] == static_cast<Unit>(syntax_.separator);
      }
    }
    return true;
  }

  AnsiString JoinTexts(std::string_view folder, std::string_view text) const {
    AnsiString joined;
    joined.reserve(folder.size() + 1 + text.size());
    joined += folder;
    if (!folder.empty() && !IsDelimiterAt(folder, folder.size() - 1)) {
      joined += syntax_.separator;
    }
    joined += text;
    return joined;
  }

  Name JoinNames(const Name& folder, const Name& name) const {
    std::basic_string<Unit> joined;
    joined.reserve(folder.units().size() + 1 + name.units().size());
    joined += folder.units();
    if (!joined.empty() && !IsDelimiter(joined.back())) {
      joined += static_cast<Unit>(syntax_.separator);
    }
    joined += name.units();
    return Name(std::move(joined));
  }

  Name AbsoluteName(const Name& name) const {
    return current_ && IsRelativeName(name) ? JoinNames(current_->second, name)
                                            : name;
  }

  // `text` and its `name`, joined to the current directory when relative.
  std::pair<AnsiString, Name> Absolute(const AnsiString& text,
                                       const Name& name) const {
    if (!current_ || !IsRelative(text)) return {text, name};
    return {JoinTexts(current_->first, text), AbsoluteName(name)};
  }

  void NoteLength(size_t length) {
    auto at = std::lower_bound(lengths_.begin(), lengths_.end(), length,
                               std::greater<>());
    if (at == lengths_.end() || *at != length) lengths_.insert(at, length);
  }

  // Notes each part of `text` that converts to something other than its part
  // of `name` (when the two do not split alike: to none of its parts).
  void NoteInexactParts(std::string_view text, const Name& name) {
    std::vector<std::basic_string_view<Unit>> name_parts;
    ForEachNamePart(name.units(), [&](std::basic_string_view<Unit> part) {
      name_parts.push_back(part);
    });
    std::vector<std::string_view> text_parts;
    ForEachTextPart(text,
                    [&](std::string_view part) { text_parts.push_back(part); });
    const bool alike = text_parts.size() == name_parts.size();
    for (size_t i = 0; i < text_parts.size(); ++i) {
      const Units& converted = Converted(text_parts[i]);
      const bool exact = alike ? converted == name_parts[i]
                               : std::find(name_parts.begin(), name_parts.end(),
                                           converted) != name_parts.end();
      if (!exact) inexact_parts_.emplace(text_parts[i]);
    }
  }

  // The longest remembered text of at least `min_length` (and one) bytes
  // that `text` is, or starts with up to a delimiter (before or after it).
  // Only the few lengths that remembered texts have are tried, so a path's
  // bytes are not scanned for its delimiters.
  Match Longest(std::string_view text, size_t min_length) const {
    for (size_t length : lengths_) {
      if (length > text.size()) continue;
      if (length < std::max<size_t>(min_length, 1)) break;
      if (length != text.size() && !IsDelimiterAt(text, length) &&
          !IsDelimiterAt(text, length - 1)) {
        continue;
      }
      auto found = names_.find(text.substr(0, length));
      if (found != names_.end()) return {length, &found->second};
    }
    return {};
  }

  // Whether the byte at `index` of `text` is a delimiter, not the trail byte
  // of a double-byte character.
  bool IsDelimiterAt(std::string_view text, size_t index) const {
    return IsDelimiter(static_cast<Unit>(text[index])) &&
           LastDelimiter(syntax_.delimiters, text.substr(0, index + 1)) ==
               index;
  }

  // Writes to `units`, which is empty, the name behind `match`, followed by
  // the rest of `text` plainly converted; false when that names no file.
  bool Resolve(const Match& match, std::string_view text, Units& units) const {
    if (match.entry != nullptr && !*match.entry) return false;
    const std::string_view rest = text.substr(match.length);
    bool stands_for_another = false;
    if (!inexact_parts_.empty()) {
      ForEachTextPart(rest, [&](std::string_view part) {
        stands_for_another |= inexact_parts_.count(part) != 0;
      });
    }
    if (stands_for_another) return false;
    if (match.entry == nullptr || (*match.entry)->units().empty()) {
      to_system_(text, units);
    } else {
      units += (*match.entry)->units();
      to_system_(rest, units);
    }
    return true;
  }

  // `text` plainly converted, in room kept from one conversion to the next
  // (each argument is converted as it is remembered); valid until the next
  // call.
  const Units& Converted(std::string_view text) {
    converted_.clear();
    to_system_(text, converted_);
    return converted_;
  }

  // Hashes texts and the views of them that lookups are made with alike.
  struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>()(text);
    }
  };

  const PathSyntax syntax_;
  const Conversion to_system_;
  // Each text handed up, and the name behind it: empty when the plain
  // conversion gives it, none when the text names no file.
  std::unordered_map<AnsiString, std::optional<Name>, TextHash, std::equal_to<>>
      names_;
  std::unordered_set<AnsiString, TextHash, std::equal_to<>> inexact_parts_;
  // The lengths of the texts among names_, longest first, so that a lookup
  // is made only for a length that can be found.
  std::vector<size_t> lengths_;
  Units converted_;  // Converted's answer.
  // The current directory's text and name, absolute; none when not known.
  std::optional<std::pair<AnsiString, Name>> current_;
  // The text that Find last looked up and its answer: a path often comes
  // down several times in a row (a copy's target is inspected, created and
  // read back), and only what is remembered in between can change it. Kept
  // in place from one look-up to the next, so that the room of its text and
  // of its name is reused.
  struct LastFound {
    bool valid = false;
    AnsiString text;
    std::optional<Name> name;
  };
  mutable LastFound last_found_;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_REMEMBERED_NAMES_H_
