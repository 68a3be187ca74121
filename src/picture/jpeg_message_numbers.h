// The decoder's message numbers as photopages reports them: those of release
// 6a of the IJG library, which the installed libjpeg numbers differently.
#ifndef PHOTOPAGES_PICTURE_JPEG_MESSAGE_NUMBERS_H_
#define PHOTOPAGES_PICTURE_JPEG_MESSAGE_NUMBERS_H_

namespace photopages {

// The release 6a number of the installed library's error code `code` (a
// JERR_ constant of the installed jerror.h), matched by name. The few codes
// that release 6a lacks, none of which is raised while a header is read,
// give 0, the number of "no message".
int ReportedMessageNumber(int code);

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_JPEG_MESSAGE_NUMBERS_H_
