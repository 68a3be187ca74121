# What a release installs, and the file that `make dist` makes of it with
# CPack in dist/: from the Windows build the zip
# photopages-<version>-windows-x64.zip (photopages.exe, its guides and the
# licences of what it links), from the Linux build the Debian package
# photopages_<version>_<architecture>.deb (/usr/bin/photopages, its manual
# page, its copyright and changelog). `cmake --install` installs the same
# files into any prefix. HACKING.md lists the names a release keeps.
set(release ${CMAKE_BINARY_DIR}/release)
set(packaging ${CMAKE_SOURCE_DIR}/packaging)
set(release_files)

if(WIN32)
  set(licences ${PHOTOPAGES_WINDOWS_PREFIX}/share/licenses)
  if(NOT EXISTS ${licences}/libexif/SOURCE)
    message(FATAL_ERROR "${licences} is missing: run scripts/build-windows-deps")
  endif()
  # Which Debian source package libexif was built from, as its licence asks.
  file(READ ${licences}/libexif/SOURCE libexif_source)
  string(REGEX REPLACE "^libexif ([^\n]*)\n$" "\\1" LIBEXIF_DEBIAN_VERSION
         "${libexif_source}")
  configure_file(${packaging}/libexif-source.txt.in
                 ${release}/libexif-source.txt @ONLY)
  # Every text of the zip as Notepad reads it without asking: UTF-8 with a
  # byte-order mark, CR LF at each line's end.
  function(windows_text source target)
    add_custom_command(OUTPUT ${release}/zip/${target}
      COMMAND ${CMAKE_SOURCE_DIR}/scripts/windows-text ${source}
              ${release}/zip/${target}
      DEPENDS ${source} ${CMAKE_SOURCE_DIR}/scripts/windows-text VERBATIM)
    set(release_files ${release_files} ${release}/zip/${target} PARENT_SCOPE)
  endfunction()
  foreach(language ja en)
    configure_file(${packaging}/guide-${language}.txt
                   ${release}/guide-${language}.txt @ONLY)
    windows_text(${release}/guide-${language}.txt README-${language}.txt)
  endforeach()
  windows_text(${CMAKE_SOURCE_DIR}/LICENSE LICENSE.txt)
  windows_text(${licences}/libjpeg-turbo/LICENSE.md licenses/libjpeg-turbo.txt)
  windows_text(${licences}/libjpeg-turbo/README.ijg
               licenses/libjpeg-turbo-ijg.txt)
  windows_text(${licences}/libexif/COPYING licenses/libexif.txt)
  windows_text(${release}/libexif-source.txt licenses/libexif-source.txt)
  windows_text(${licences}/mingw-w64/mingw-w64-runtime
               licenses/mingw-w64-runtime.txt)
  windows_text(${licences}/mingw-w64/gcc-runtime licenses/gcc-runtime.txt)

  install(TARGETS photopages RUNTIME DESTINATION .)
  install(DIRECTORY ${release}/zip/ DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME photopages-${PROJECT_VERSION}-windows-x64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  include(GNUInstallDirs)
  find_program(GZIP gzip REQUIRED)
  # The manual page and the changelog, compressed as Debian's policy asks:
  # maximum compression, no name or time stamp inside.
  configure_file(${packaging}/photopages.1.in ${release}/photopages.1 @ONLY)
  foreach(file photopages.1 changelog)
    set(source ${release}/${file})
    if(file STREQUAL changelog)
      set(source ${packaging}/changelog)
    endif()
    add_custom_command(OUTPUT ${release}/${file}.gz
      COMMAND ${GZIP} -9nc ${source} > ${release}/${file}.gz
      DEPENDS ${source})
    list(APPEND release_files ${release}/${file}.gz)
  endforeach()
  # The copyright file in Debian's machine-readable format, the licence's
  # text taken from LICENSE.
  file(READ ${CMAKE_SOURCE_DIR}/LICENSE licence)
  string(STRIP "${licence}" licence)
  string(REPLACE "\n\n" "\n.\n" licence "${licence}")
  string(REPLACE "\n" "\n " licence "${licence}")
  configure_file(${packaging}/copyright.in ${release}/copyright @ONLY)

  install(TARGETS photopages RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${release}/photopages.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${release}/copyright ${release}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DOCDIR})

  execute_process(COMMAND dpkg --print-architecture
                  OUTPUT_VARIABLE architecture OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME
      photopages_${PROJECT_VERSION}_${architecture}.deb)
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${architecture})
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER
      "photopages developers <photopages@example.org>")
  set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  file(READ ${packaging}/description CPACK_DEBIAN_PACKAGE_DESCRIPTION)
endif()
add_custom_target(release_files ALL DEPENDS ${release_files})

set(CPACK_PACKAGE_NAME photopages)
set(CPACK_PACKAGE_VENDOR "photopages developers")
# `make dist` takes the package from here into dist/.
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
set(CPACK_VERBATIM_VARIABLES ON)
include(CPack)
