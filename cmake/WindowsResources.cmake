# photopages.exe's resources (packaging/photopages.rc.in): the icon, rendered
# from packaging/icon.svg at the sizes Explorer asks for, the version
# information from project(VERSION) and the application manifest.
enable_language(RC)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(IMAGEMAGICK_CONVERT convert REQUIRED)

set(PHOTOPAGES_ICON ${CMAKE_BINARY_DIR}/photopages.ico)
set(PHOTOPAGES_MANIFEST ${CMAKE_SOURCE_DIR}/packaging/photopages.exe.manifest)
set(icon_source ${CMAKE_SOURCE_DIR}/packaging/icon.svg)
set(icon_images)
foreach(size 16 32 48 256)
  set(image ${CMAKE_BINARY_DIR}/icon/${size}.png)
  add_custom_command(OUTPUT ${image}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icon
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${image} ${icon_source}
    DEPENDS ${icon_source} VERBATIM)
  list(APPEND icon_images ${image})
endforeach()
# ImageMagick keeps the small sizes as bitmaps and the 256-pixel one as PNG,
# as Windows' own icons do.
add_custom_command(OUTPUT ${PHOTOPAGES_ICON}
  COMMAND ${IMAGEMAGICK_CONVERT} ${icon_images} ${PHOTOPAGES_ICON}
  DEPENDS ${icon_images} VERBATIM)

set(resources ${CMAKE_BINARY_DIR}/photopages.rc)
configure_file(${CMAKE_SOURCE_DIR}/packaging/photopages.rc.in ${resources} @ONLY)
set_source_files_properties(${resources} PROPERTIES
  OBJECT_DEPENDS "${PHOTOPAGES_ICON};${PHOTOPAGES_MANIFEST}")
target_sources(photopages PRIVATE ${resources})
