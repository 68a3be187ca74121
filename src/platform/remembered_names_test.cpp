#include "platform/remembered_names.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/codepage.h"

namespace photopages {
namespace {

// The texts and names that a POSIX platform started in the program folder
// "/home/u/Café" hands up, as AppendUtf8FromAnsi and AnsiFromUtf8 convert them.
class PosixRememberedNamesTest : public testing::Test {
 protected:
  PosixRememberedNamesTest() {
    names_.Remember(T("/home/u/Café"), N("/home/u/Café"));
    names_.EnterFolder(T("/home/u/Café"), N("/home/u/Café"));
    names_.Remember(T("/home/u/Café/photopages"), N("/home/u/Café/photopages"));
    for (const char* argument :
         {"photo😀.jpg", "b😀.jpg", "/other/Cafè/b.jpg", "../up/사진.jpg"}) {
      names_.Remember(T(argument), N(argument));
    }
    names_.Refuse("say cheese.jpg", N("say \"cheese\".jpg"));
    // An argument of only quotes vanishes: the empty first part of every
    // absolute path still stands for itself.
    names_.Refuse("", N("\"\""));
    for (const char* listed : {"사진.jpg", "é.jpg", "è.jpg", "a.jpg", "x?.jpg",
                               "photo😀.jpg", "b😁.jpg"}) {
      names_.RememberListed(T("/home/u/Café"), N("/home/u/Café"), T(listed),
                            N(listed));
    }
  }

  static AnsiString T(const char* utf8) { return AnsiFromUtf8(utf8); }
  static PosixName N(const char* utf8) { return PosixName(utf8); }

  RememberedNames<char> names_{kPosixPaths, &AppendUtf8FromAnsi};
};

TEST_F(PosixRememberedNamesTest, TextsFindTheNamesTheyCameFrom) {
  const struct {
    const char* text;  // UTF-8, converted to code page 932.
    const char* name;  // Null when the text names no file.
  } cases[] = {
      {"/home/u/Café", "/home/u/Café"},
      {"/home/u/Café/", "/home/u/Café/"},
      {"/home/u/Café/2005年.JPEG", "/home/u/Café/2005年.JPEG"},
      // Listed in the current directory.
      {"사진.jpg", "/home/u/Café/사진.jpg"},
      {"a.jpg", "/home/u/Café/a.jpg"},
      {"x?.jpg", "/home/u/Café/x?.jpg"},
      {"é.jpg", nullptr},
      // Arguments, relative ones as given.
      {"/other/Cafè/b.jpg", "/other/Cafè/b.jpg"},
      {"../up/사진.jpg", "../up/사진.jpg"},
      {"photo😀.jpg", "photo😀.jpg"},
      {"b😀.jpg", nullptr},  // The current directory's b😁.jpg too.
      {"say cheese.jpg", nullptr},
      // Texts never handed up, converted plainly unless a part of them stood
      // for another name.
      {"sub/x.jpg", "sub/x.jpg"},
      {"/elsewhere/a.jpg", "/elsewhere/a.jpg"},
      {"/elsewhere/?.jpg", nullptr},
      {"/other/Cafè/c.jpg", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::optional<PosixName> found = names_.Find(T(c.text));
    if (c.name == nullptr) {
      EXPECT_EQ(found, std::nullopt) << found->units();
    } else {
      EXPECT_EQ(found, PosixName(c.name));
    }
  }
  names_.EnterFolder(T("/other/Cafè"), N("/other/Cafè"));
  EXPECT_EQ(names_.Find(T("b.jpg")), N("/other/Cafè/b.jpg"));
  EXPECT_EQ(names_.Find(T("a.jpg")), N("a.jpg"));
}

// The same on Windows: UTF-16 names, "\" and ":" paths, and a "\" byte that
// is the second half of 表 is no separator.
TEST(RememberedNamesTest, WindowsPaths) {
  using WideName = SystemName<wchar_t>;
  // Each byte as one unit, enough to tell names apart here.
  RememberedNames<wchar_t> names(
      kWindowsPaths, [](std::string_view text, std::wstring& units) {
        for (char byte : text) units += static_cast<unsigned char>(byte);
      });
  names.Remember("C:\\Caf?", WideName(L"C:\\Caf\u00e9"));
  names.EnterFolder("C:\\Caf?", WideName(L"C:\\Caf\u00e9"));
  names.RememberListed("C:\\Caf?", WideName(L"C:\\Caf\u00e9"), "?.jpg",
                       WideName(L"\u00e9.jpg"));
  names.Remember("D:\\\x95\x5C", WideName(L"D:\\hyou"));  // D:\表
  EXPECT_EQ(names.Find("C:\\Caf?\\x.JPEG"), WideName(L"C:\\Caf\u00e9\\x.JPEG"));
  EXPECT_EQ(names.Find("?.jpg"), WideName(L"C:\\Caf\u00e9\\\u00e9.jpg"));
  EXPECT_EQ(names.Find("D:\\\x95\x5C\\y"), WideName(L"D:\\hyou\\y"));
  EXPECT_EQ(names.Find("D:\\\x95\x5Cy"), WideName(L"D:\\\x95\x5Cy"));
}

}  // namespace
}  // namespace photopages
