# What `cmake --install` lays out, in the places a Debian desktop looks: the
# two programs, the help page where FindHelpPage finds it from bin/, the
# desktop entry, the icons, the schedule file's type and the AppStream
# metadata. Test, bench, fuzz and tool programs have no install rules.
include(GNUInstallDirs)

set(_dist ${PROJECT_SOURCE_DIR}/dist)

if(TARGET lumora)
  install(TARGETS lumora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET lumora-cli)
  install(TARGETS lumora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The program looks for its help page at ../share/lumora/help from its own
# folder (FindHelpPage); a layout that moves either folder would lose it.
file(RELATIVE_PATH _help_from_bin ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/lumora/help)
if(NOT _help_from_bin STREQUAL "../share/lumora/help")
  message(FATAL_ERROR "the program finds its help page only in ../share/lumora/help from its bin folder, "
                      "not in ${_help_from_bin}: keep CMAKE_INSTALL_BINDIR and CMAKE_INSTALL_DATADIR side by side")
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/lumora/help)

set(LUMORA_PACKAGE_HOMEPAGE "https://github.com/lumora/lumora"
    CACHE STRING "The project's home page, named by the package and the AppStream metadata")
install(FILES ${_dist}/${LUMORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${_dist}/${LUMORA_APP_ID}.metainfo.xml ${PROJECT_BINARY_DIR}/dist/${LUMORA_APP_ID}.metainfo.xml
               @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/dist/${LUMORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_dist}/lumora-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME lumora.xml)

# The application icon, named by the application's id: the window icon's
# SVG, and PNG renderings of it for menus that do not draw SVG. Without
# rsvg-convert only the SVG is installed.
set(_svg ${PROJECT_SOURCE_DIR}/app/resources/lumora.svg)
install(FILES ${_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${LUMORA_APP_ID}.svg)
set(LUMORA_ICON_SIZES 16 22 24 32 48 64 128 256)
find_program(LUMORA_RSVG_CONVERT rsvg-convert)
if(LUMORA_RSVG_CONVERT)
  set(_pngs)
  foreach(_size IN LISTS LUMORA_ICON_SIZES)
    set(_png ${PROJECT_BINARY_DIR}/icons/${_size}/${LUMORA_APP_ID}.png)
    add_custom_command(
      OUTPUT ${_png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons/${_size}
      COMMAND ${LUMORA_RSVG_CONVERT} -w ${_size} -h ${_size} -o ${_png} ${_svg}
      DEPENDS ${_svg}
      VERBATIM)
    list(APPEND _pngs ${_png})
    install(FILES ${_png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps)
  endforeach()
  add_custom_target(lumora_icons ALL DEPENDS ${_pngs})
else()
  message(STATUS "rsvg-convert not found: only the SVG application icon is installed")
endif()

# Manual pages of both programs, written by help2man from their own --help
# and --version, with the sections those do not give from dist/NAME.h2m: the
# pages cannot drift from the options. The desktop program prints without a
# display; the offscreen platform is named all the same, should Qt ask.
# Sanitizer and fuzzing builds are never installed: their programs are not
# run at build time.
find_program(LUMORA_HELP2MAN help2man)
set(LUMORA_MAN_PAGES OFF)
if(LUMORA_HELP2MAN AND NOT LUMORA_SANITIZE AND NOT LUMORA_BUILD_FUZZ)
  set(LUMORA_MAN_PAGES ON)
  set(_pages)
  foreach(_program lumora lumora-cli)
    if(TARGET ${_program})
      set(_page ${PROJECT_BINARY_DIR}/man/${_program}.1)
      add_custom_command(
        OUTPUT ${_page}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${LUMORA_HELP2MAN} --no-info
                --section=1 --include=${_dist}/${_program}.h2m --output=${_page} $<TARGET_FILE:${_program}>
        COMMAND gzip -9nf ${_page}
        DEPENDS ${_program} ${_dist}/${_program}.h2m
        VERBATIM)
      list(APPEND _pages ${_page}.gz)
      install(FILES ${_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
  endforeach()
  add_custom_target(lumora_man_pages ALL DEPENDS ${_pages})
elseif(NOT LUMORA_HELP2MAN)
  message(STATUS "help2man not found: no manual pages are installed")
endif()

# Debian wants a copyright file and a changelog (compressed as its tools do)
# beside every package's documentation.
set(LUMORA_PACKAGE_MAINTAINER "Lumora developers <lumora@users.noreply.github.com>"
    CACHE STRING "Maintainer of the Debian package, also named in its changelog")
configure_file(${_dist}/changelog.in ${PROJECT_BINARY_DIR}/dist/changelog @ONLY)
set(_changelog_gz ${PROJECT_BINARY_DIR}/dist/changelog.gz)
add_custom_command(
  OUTPUT ${_changelog_gz}
  COMMAND gzip -9nc ${PROJECT_BINARY_DIR}/dist/changelog > ${_changelog_gz}
  DEPENDS ${PROJECT_BINARY_DIR}/dist/changelog)
add_custom_target(lumora_changelog ALL DEPENDS ${_changelog_gz})
install(FILES ${_dist}/copyright ${_changelog_gz} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lumora)
