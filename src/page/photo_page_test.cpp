#include "page/photo_page.h"

#include <gtest/gtest.h>

#include <string>

namespace photopages {
namespace {

// 2005年01月02日03時04分05秒01秒 in code page 932: 30 bytes.
const std::string kTimestampName =
    "2005\x94\x4e"
    "01\x8c\x8e"
    "02\x93\xfa"
    "03\x8e\x9e"
    "04\x95\xaa"
    "05\x95\x62"
    "01\x95\x62";

// The page for `name`, written out line by line.
std::string ExpectedPage(const std::string& name, const std::string& picture,
                         const std::string& width, const std::string& height) {
  return "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
         "<HTML>\r\n"
         "<HEAD>\r\n"
         "<META http-equiv=\"Content-Type\" content=\"text/html; "
         "charset=Shift_JIS\">\r\n"
         "<META name=\"GENERATOR\" content=\"Quillaro ver.1\">\r\n"
         "<META http-equiv=\"Content-Style-Type\" content=\"text/css\">\r\n"
         "<TITLE>" +
         name +
         "</TITLE>\r\n"
         "</HEAD>\r\n"
         "<BODY>\r\n"
         "<H1>" +
         name + "</H1>\r\n<P align=\"center\"><IMG src=\"" + picture +
         "\" width=\"" + width + "\" height=\"" + height +
         "\" border=\"0\"></P></BODY>\r\n"
         "</HTML>\r\n"
         " \r\n";
}

TEST(PhotoPageTest, PageForAOneByteNameIs407Bytes) {
  std::string page = PhotoPageText("N", "N.JPEG", "800", "600");
  EXPECT_EQ(page, ExpectedPage("N", "N.JPEG", "800", "600"));
  EXPECT_EQ(page.size(), 407u);
  EXPECT_EQ(page.substr(page.size() - 3), " \r\n");
  EXPECT_NE(page.find("<P align=\"center\"><IMG src=\"N.JPEG\" width=\"800\" "
                      "height=\"600\" border=\"0\"></P></BODY>\r\n"),
            std::string::npos);
}

TEST(PhotoPageTest, LengthFollowsNameAndSizeTexts) {
  struct Case {
    std::string name, width, height;
  };
  const Case cases[] = {
      {"N", "800", "600"},    {kTimestampName, "800", "600"},
      {"N", "0", "0"},        {kTimestampName, "537", "489"},
      {"ab", "800", "10000"}, {"", "1", "1"},
  };
  for (const Case& c : cases) {
    std::string picture = c.name + ".JPEG";
    std::string page = PhotoPageText(c.name, picture, c.width, c.height);
    EXPECT_EQ(page, ExpectedPage(c.name, picture, c.width, c.height));
    EXPECT_EQ(page.size(),
              398 + 3 * c.name.size() + c.width.size() + c.height.size());
  }
  EXPECT_EQ(
      PhotoPageText(kTimestampName, kTimestampName + ".JPEG", "800", "600")
          .size(),
      494u);
}

TEST(PhotoPageTest, LineEndsInsideThePiecesBecomeCrLf) {
  std::string page = PhotoPageText("a\rb", "c\nd", "8", "6");
  EXPECT_NE(page.find("<TITLE>a\r\nb</TITLE>\r\n"), std::string::npos);
  EXPECT_NE(page.find("src=\"c\r\nd\""), std::string::npos);
}

}  // namespace
}  // namespace photopages
