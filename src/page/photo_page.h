// The photo page: a small HTML 4.01 document in code page 932 that shows one
// photo centred under a heading of its timestamp name.
#ifndef PHOTOPAGES_PAGE_PHOTO_PAGE_H_
#define PHOTOPAGES_PAGE_PHOTO_PAGE_H_

#include <string_view>

#include "common/ansi.h"
#include "platform/platform.h"

namespace photopages {

// The bytes of the page named `page_name` showing `picture_file_name` at
// `width_text` x `height_text`: the head block, the TITLE, the title-close
// block, the H1 heading, the centred IMG and the foot block, every line
// ending in CR LF. The IMG line also closes the paragraph and the BODY. The
// name and the picture reference are written as they are, unescaped.
AnsiString PhotoPageText(std::string_view page_name,
                         std::string_view picture_file_name,
                         std::string_view width_text,
                         std::string_view height_text);

// Writes the page for `picture_file_name` (a file name in the page's own
// folder) at `page_path`, replacing any file there whole. The page name is
// `page_path`'s file name without its extension. The page appears complete
// or not at all: on failure an earlier page at `page_path` stays intact.
// Throws FileCreateError(page_path) when the page cannot be created (a
// read-only file or a folder at the path, a folder without write
// permission), WriteError when the write fails.
void WritePhotoPage(Platform& platform, const AnsiString& page_path,
                    const AnsiString& picture_file_name,
                    const AnsiString& width_text,
                    const AnsiString& height_text);

}  // namespace photopages

#endif  // PHOTOPAGES_PAGE_PHOTO_PAGE_H_
