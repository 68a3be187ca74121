#include <errno.h>
#include <iconv.h>

#include <map>
#include <stdexcept>

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

// `in` converted between code page 932 and UTF-8 by `converter`. The ASCII
// that `in` starts with is the same bytes in both and is copied; only the
// rest (a path's folder seldom holds any of it) goes through iconv.
template <typename SkipFn>
std::string ConvertAfterAscii(const Converter& converter, std::string_view in,
                              SkipFn skip) {
  const size_t ascii = AsciiLength(in);
  std::string out(in.substr(0, ascii));
  if (ascii < in.size()) out += converter.Convert(in.substr(ascii), skip);
  return out;
}

}  // namespace

std::string CodePageFromUtf8(std::string_view utf8, int code_page) {
  return FromUtf8To(code_page).Convert(utf8, Utf8CharLength);
}

std::string AnsiFromUtf8(std::string_view utf8) {
  return ConvertAfterAscii(FromUtf8To(932), utf8, Utf8CharLength);
}

std::string Utf8FromAnsi(std::string_view ansi) {
  static const Converter converter("UTF-8", "CP932");
  return ConvertAfterAscii(converter, ansi, AnsiCharLength);
}

}  // namespace photopages
