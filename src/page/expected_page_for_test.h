// Test support: the bytes a photo page must hold, written out here line by
// line rather than built by the code under test, and a timestamp name to
// publish under.
#ifndef PHOTOPAGES_PAGE_EXPECTED_PAGE_FOR_TEST_H_
#define PHOTOPAGES_PAGE_EXPECTED_PAGE_FOR_TEST_H_

#include <string>

namespace photopages {

// 2005年01月02日03時04分05秒01秒, in code page 932 (30 bytes) and in UTF-8.
inline const std::string kTimestampName =
    "2005\x94\x4e"
    "01\x8c\x8e"
    "02\x93\xfa"
    "03\x8e\x9e"
    "04\x95\xaa"
    "05\x95\x62"
    "01\x95\x62";
inline const std::string kTimestampNameUtf8 =
    "2005\xe5\xb9\xb4"
    "01\xe6\x9c\x88"
    "02\xe6\x97\xa5"
    "03\xe6\x99\x82"
    "04\xe5\x88\x86"
    "05\xe7\xa7\x92"
    "01\xe7\xa7\x92";

// The page named `name` that shows `picture` at `width` x `height`.
inline std::string ExpectedPage(const std::string& name,
                                const std::string& picture,
                                const std::string& width,
                                const std::string& height) {
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

}  // namespace photopages

#endif  // PHOTOPAGES_PAGE_EXPECTED_PAGE_FOR_TEST_H_
