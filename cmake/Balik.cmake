# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: cmake --build, then `cpack -G DEB` in the build folder.
include_guard(GLOBAL)

# The version is the latest entry of the package's changelog, so the two agree.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog GRONDELVIK_ZMENA LIMIT_COUNT 1)
if(NOT GRONDELVIK_ZMENA MATCHES "^grondelvik \\(([^)]+)\\)")
  message(FATAL_ERROR "packaging/changelog does not start with a grondelvik (VERSION) entry")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME grondelvik)
set(CPACK_PACKAGE_VERSION ${CMAKE_MATCH_1})
set(CPACK_PACKAGE_CONTACT "Grondelvik developers <grondelvik@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "side-scrolling action platformer with a hunter, a sword and a bow")
# cpack indents the lines and marks the empty one as a paragraph break.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A hunter walks, runs, jumps and falls through tile levels, fights warriors
and thieves with a sword or a bow, collects arrows, quivers and health, and
takes the exit to the next level. Three levels (a castle, the outdoors, the
polar ice) repeat with rising difficulty. Every blow, shot and pickup is
heard, and each level has its own tune.

Each player's saved game is kept in their own folder under
~/.local/share/grondelvik/.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://grondelvik.example.org/)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The dependencies are computed at packaging time, see below.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)

# dpkg-shlibdeps names only the SDL 1.2 runtime that happens to be installed,
# so its answer is taken whole except for SDL, which becomes an alternative.
# In Debian 12 the compatibility library's own package keeps libSDL-1.2.so.0
# in a private folder; its shim package puts it on the loader path and
# provides libsdl1.2debian (= 1.2.15-1).
set(GRONDELVIK_SDL_ZAVISLOST "libsdl1.2-compat-shim | libsdl1.2debian (>= 1.2.15)")
file(GENERATE OUTPUT ${GRONDELVIK_BALIK_DIR}/zavislosti.cmake CONTENT "
if(CPACK_GENERATOR STREQUAL \"DEB\")
  set(dir \"${GRONDELVIK_BALIK_DIR}/shlibdeps\")
  file(MAKE_DIRECTORY \"\${dir}/debian\")
  file(TOUCH \"\${dir}/debian/control\")
  execute_process(COMMAND dpkg-shlibdeps -O \"$<TARGET_FILE:grondelvik>\"
                  WORKING_DIRECTORY \"\${dir}\" OUTPUT_VARIABLE vystup RESULT_VARIABLE rc
                  ERROR_VARIABLE chyby)
  if(NOT rc EQUAL 0 OR NOT vystup MATCHES \"^shlibs:Depends=\")
    message(FATAL_ERROR \"dpkg-shlibdeps failed (install dpkg-dev): \${chyby}\")
  endif()
  string(REGEX REPLACE \"^shlibs:Depends=\" \"\" vystup \"\${vystup}\")
  string(STRIP \"\${vystup}\" vystup)
  string(REPLACE \", \" \";\" polozky \"\${vystup}\")
  set(zavislosti \"\")
  set(sdl FALSE)
  foreach(p IN LISTS polozky)
    if(p MATCHES \"^libsdl1\\\\.2\")
      set(p \"${GRONDELVIK_SDL_ZAVISLOST}\")
      set(sdl TRUE)
    endif()
    list(APPEND zavislosti \"\${p}\")
  endforeach()
  if(NOT sdl)
    message(FATAL_ERROR \"the program links no SDL 1.2 runtime: \${vystup}\")
  endif()
  list(JOIN zavislosti \", \" CPACK_DEBIAN_PACKAGE_DEPENDS)
endif()
")
set(CPACK_PROJECT_CONFIG_FILE ${GRONDELVIK_BALIK_DIR}/zavislosti.cmake)

include(CPack)
