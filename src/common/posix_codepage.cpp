#include <errno.h>
#include <iconv.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/ansi.h"
#include "common/codepage.h"

namespace photopages {
namespace {

// One iconv descriptor for one direction, kept for the life of the program.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert ") + from +
                               " to " + to);
    }
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  ~Converter() { iconv_close(cd_); }

  // Converts `in`; on a sequence that cannot be converted writes "?" and
  // skips `skip(rest)` input bytes.
  template <typename SkipFn>
  std::string Convert(std::string_view in, SkipFn skip) const {
    std::string out;
    out.resize(in.size() * 2 + 16);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    size_t used = 0;
    while (src_left > 0) {
      char* dst = out.data() + used;
      size_t dst_left = out.size() - used;
      size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
      used = out.size() - dst_left;
      if (rc != static_cast<size_t>(-1)) break;
      if (errno == E2BIG) {
        out.resize(out.size() * 2);
      } else {  // EILSEQ or EINVAL: an unconvertible or cut-off sequence.
        size_t n = skip(std::string_view(src, src_left));
        src += n;
        src_left -= n;
        if (used == out.size()) out.resize(out.size() * 2);
        out[used++] = '?';
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      }
    }
    out.resize(used);
    return out;
  }

 private:
  iconv_t cd_;
};

// The converter from UTF-8 to the code page `code_page`, opened on first use.
const Converter& FromUtf8To(int code_page) {
  // iconv knows each Windows code page as "CP" and its number.
  static std::map<int, Converter> converters;
  auto found = converters.find(code_page);
  if (found == converters.end()) {
    const std::string name = "CP" + std::to_string(code_page);
    found = converters.try_emplace(code_page, name.c_str(), "UTF-8").first;
  }
  return found->second;
}

// `in` converted from UTF-8 to code page 932 by `converter`. The ASCII that
// `in` starts with is the same bytes in both and is copied; only the rest
// goes through iconv.
std::string AnsiAfterAscii(const Converter& converter, std::string_view in) {
  const size_t ascii = AsciiLength(in);
  std::string out(in.substr(0, ascii));
  if (ascii < in.size()) {
    out += converter.Convert(in.substr(ascii), Utf8CharLength);
  }
  return out;
}

// Copies the ASCII that `text` starts with to `out`, which is the same bytes
// in code page 932 and in UTF-8; returns how many bytes that was. A path is
// mostly ASCII, so it is taken eight bytes at a time while a whole word of
// them is.
size_t CopyAscii(std::string_view text, char* out) {
  constexpr uint64_t kTopBits = 0x8080808080808080;
  size_t i = 0;
  for (uint64_t word; i + sizeof word <= text.size(); i += sizeof word) {
    std::memcpy(&word, text.data() + i, sizeof word);
    if ((word & kTopBits) != 0) break;
    std::memcpy(out + i, &word, sizeof word);
  }
  for (; i < text.size() && static_cast<unsigned char>(text[i]) < 0x80; ++i) {
    out[i] = text[i];
  }
  return i;
}

// Code page 932 to UTF-8 through iconv, keeping what each double-byte
// character converted to: every photo's name holds the same few characters
// (年, 月, 日, ...), and a call of iconv costs far more than a look-up.
class AnsiToUtf8 {
 public:
  AnsiToUtf8() : converter_("UTF-8", "CP932") {}

  // Appends `ansi` converted to `utf8`.
  void Append(std::string_view ansi, std::string& utf8) {
    // Written straight into room enough for the longest outcome: each byte
    // of ASCII stays one byte, each double-byte character becomes at most
    // sizeof Character::bytes.
    const size_t start = utf8.size();
    utf8.resize(start + ansi.size() * sizeof Character::bytes / 2);
    char* out = utf8.data() + start;
    // A path starts with its folders, most often ASCII, taken eight bytes at
    // a time; the few bytes of ASCII between the characters of a name
    // (digits) are taken one at a time.
    size_t i = CopyAscii(ansi, out);
    out += i;
    while (i < ansi.size()) {
      if (static_cast<unsigned char>(ansi[i]) < 0x80) {
        *out++ = ansi[i++];
        continue;
      }
      const Character* known =
          IsLeadByte(ansi[i]) && i + 1 < ansi.size()
              ? &Known(static_cast<unsigned char>(ansi[i]),
                       static_cast<unsigned char>(ansi[i + 1]))
              : nullptr;
      // Anything else (a single-byte katakana, a sequence that is not code
      // page 932) is left to iconv whole, which knows what it stands for.
      if (known == nullptr || known->size == 0) {
        utf8.resize(start);
        utf8 += converter_.Convert(ansi, AnsiCharLength);
        return;
      }
      out = std::copy_n(known->bytes, known->size, out);
      i += 2;
    }
    utf8.resize(out - utf8.data());
  }

 private:
  // What a double-byte character converts to: `size` bytes, 0 when iconv
  // does not read it as one character, kNotAsked before it was converted.
  struct Character {
    static constexpr unsigned char kNotAsked = 0xFF;
    unsigned char size = kNotAsked;
    char bytes[4] = {};
  };

  // The character of the lead byte `lead` and the byte `trail`.
  const Character& Known(unsigned char lead, unsigned char trail) {
    // Lead bytes are 0x81 to 0x9F and 0xE0 to 0xFC: 60 of them.
    if (characters_.empty()) characters_.resize(60 * 256);
    const unsigned lead_index = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
    Character& character = characters_[lead_index * 256 + trail];
    if (character.size == Character::kNotAsked) {
      const char pair[] = {static_cast<char>(lead), static_cast<char>(trail)};
      bool failed = false;
      const std::string utf8 = converter_.Convert(
          std::string_view(pair, 2), [&failed](std::string_view rest) {
            failed = true;
            return AnsiCharLength(rest);
          });
      const bool one_character = !failed && !utf8.empty() &&
                                 utf8.size() <= sizeof character.bytes &&
                                 Utf8CharLength(utf8) == utf8.size();
      character.size =
          one_character ? static_cast<unsigned char>(utf8.size()) : 0;
      utf8.copy(character.bytes, character.size);
    }
    return character;
  }

  const Converter converter_;
  std::vector<Character> characters_;
};

}  // namespace

std::string CodePageFromUtf8(std::string_view utf8, int code_page) {
  return FromUtf8To(code_page).Convert(utf8, Utf8CharLength);
}

std::string AnsiFromUtf8(std::string_view utf8) {
  return AnsiAfterAscii(FromUtf8To(932), utf8);
}

void AppendUtf8FromAnsi(std::string_view ansi, std::string& utf8) {
  static AnsiToUtf8 converter;
  converter.Append(ansi, utf8);
}

std::string Utf8FromAnsi(std::string_view ansi) {
  std::string utf8;
  AppendUtf8FromAnsi(ansi, utf8);
  return utf8;
}

}  // namespace photopages
