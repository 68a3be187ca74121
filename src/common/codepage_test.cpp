#include "common/codepage.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace photopages {
namespace {

TEST(CodepageTest, RoundTripOfWhatCodePage932Holds) {
  const struct {
    const char* utf8;
    const char* ansi;
  } cases[] = {
      {"", ""},
      {"photo 01.JPEG", "photo 01.JPEG"},
      {"日本語", "\x93\xFA\x96\x7B\x8C\xEA"},
      {"2005年01月02日",
       "2005\x94\x4E"
       "01\x8C\x8E"
       "02\x93\xFA"},
      {"表ソ", "\x95\x5C\x83\x5C"},
      {"ア", "\x83\x41"},
      {"ｱ", "\xB1"},
      {"①", "\x87\x40"},
      {"髙", "\xFB\xFC"},
      {"～", "\x81\x60"},
      {"日ｱ日", "\x93\xFA\xB1\x93\xFA"},  // A character met again.
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AnsiFromUtf8(c.utf8), c.ansi) << c.utf8;
    EXPECT_EQ(Utf8FromAnsi(c.ansi), c.utf8) << c.utf8;
  }
}

// The code pages that locales' date and time texts arrive in.
TEST(CodepageTest, TheCodePagesOfLocales) {
  const struct {
    int code_page;
    const char* utf8;
    const char* bytes;
  } cases[] = {
      {949, "오전/오후", "\xBF\xC0\xC0\xFC/\xBF\xC0\xC8\xC4"},
      {950, "上午/下午", "\xA4\x57\xA4\xC8/\xA4\x55\xA4\xC8"},
      {936, "上午/下午", "\xC9\xCF\xCE\xE7/\xCF\xC2\xCE\xE7"},
      {932, "上午/下午", "\x8F\xE3\x8C\xDF/\x89\xBA\x8C\xDF"},
      {1251, "Март", "\xCC\xE0\xF0\xF2"},
      {1250, "Łódź",
       "\xA3\xF3"
       "d\x9F"},
      {1252, "März €", "M\xE4rz \x80"},
      {874, "ไทย", "\xE4\xB7\xC2"},
      {1252, "오후", "??"},
      {1251, "März", "M?rz"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CodePageFromUtf8(c.utf8, c.code_page), c.bytes)
        << c.code_page << " " << c.utf8;
  }
  EXPECT_THROW(CodePageFromUtf8("a", 1), std::runtime_error);
}

TEST(CodepageTest, WhatCannotBeConvertedBecomesAQuestionMark) {
  const struct {
    const char* from;
    const char* to;
  } from_utf8[] = {
      {"€", "?"},      // Not in code page 932.
      {"a😀b", "a?b"},  // Outside the Basic Multilingual Plane.
      {"ä.jpg", "?.jpg"},
      {"\xFF", "?"},          // Never a UTF-8 byte.
      {"a\xC3", "a?"},        // Cut-off sequence at the end.
      {"\xC3(x", "?(x"},      // Lead byte without its continuation.
      {"\xC0\xAF", "??"},     // Overlong encoding of "/".
      {"\xED\xA0\x80", "?"},  // A UTF-16 surrogate.
  };
  for (const auto& c : from_utf8) {
    EXPECT_EQ(AnsiFromUtf8(c.from), c.to) << c.from;
  }
  const struct {
    const char* from;
    const char* to;
  } from_ansi[] = {
      {"\x85\x40", "?"},  // Unassigned double-byte code.
      {"\xA0", "?"},      // Unassigned single byte.
      {"\xFD"
       "a",
       "?a"},
      {"a\x93", "a?"},       // Lead byte at the end.
      {"\x81\x20x", "? x"},  // Lead byte before a byte that cannot trail.
      {"\x93\x0A", "?\n"},
      {"\x93\xFA\x85\x40\x93\xFA", "日?日"},  // Each time alike.
  };
  for (const auto& c : from_ansi) {
    EXPECT_EQ(Utf8FromAnsi(c.from), c.to) << c.to;
  }
}

}  // namespace
}  // namespace photopages
