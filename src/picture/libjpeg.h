// The system's libjpeg headers, which need size_t and FILE declared first.
#ifndef PHOTOPAGES_PICTURE_LIBJPEG_H_
#define PHOTOPAGES_PICTURE_LIBJPEG_H_

// clang-format off
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#endif  // PHOTOPAGES_PICTURE_LIBJPEG_H_
