# SPDX-License-Identifier: GPL-3.0-or-later
# Install rules in Debian's layout for games: the launcher in games/, the
# program beside its private files in lib/games/grondelvik/, the maps,
# pictures and sounds in share/games/grondelvik/. Both CMAKE_INSTALL_PREFIX and DESTDIR
# apply; the Debian package (cmake/Balik.cmake) installs under /usr.
include_guard(GLOBAL)

set(GRONDELVIK_BALIK_DIR ${CMAKE_BINARY_DIR}/balik)
set(GRONDELVIK_ZDROJ_BALIKU ${PROJECT_SOURCE_DIR}/packaging)
# Parent folders made by the install get the usual modes whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The installed pictures and sounds are made in the build tree rather than
# taken from the shared data folder, so no stale file or another build's
# half-made set can be shipped.
set(GRONDELVIK_BALIK_STAMP ${GRONDELVIK_BALIK_DIR}/balik.stamp)
add_custom_command(OUTPUT ${GRONDELVIK_BALIK_STAMP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${GRONDELVIK_BALIK_DIR}/grafika
  COMMAND ${CMAKE_COMMAND} -E env SDL_VIDEODRIVER=dummy $<TARGET_FILE:kreslic> ${GRONDELVIK_BALIK_DIR}/grafika
  COMMAND ${CMAKE_COMMAND} -E env SDL_VIDEODRIVER=dummy $<TARGET_FILE:kreslic> --ikona ${GRONDELVIK_BALIK_DIR}/grondelvik.xpm
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${GRONDELVIK_BALIK_DIR}/zvuky
  COMMAND $<TARGET_FILE:zvukar> ${GRONDELVIK_BALIK_DIR}/zvuky
  COMMAND gzip -9nc ${GRONDELVIK_ZDROJ_BALIKU}/grondelvik.6 > ${GRONDELVIK_BALIK_DIR}/grondelvik.6.gz
  COMMAND gzip -9nc ${GRONDELVIK_ZDROJ_BALIKU}/changelog > ${GRONDELVIK_BALIK_DIR}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E touch ${GRONDELVIK_BALIK_STAMP}
  DEPENDS kreslic zvukar ${GRONDELVIK_ZDROJ_BALIKU}/grondelvik.6 ${GRONDELVIK_ZDROJ_BALIKU}/changelog
  COMMENT "Drawing the installed pictures and the icon, synthesising the sounds, compressing the manual page"
  WORKING_DIRECTORY ${GRONDELVIK_BALIK_DIR})
add_custom_target(balik_soubory ALL DEPENDS ${GRONDELVIK_BALIK_STAMP})
file(MAKE_DIRECTORY ${GRONDELVIK_BALIK_DIR})

install(TARGETS grondelvik RUNTIME DESTINATION lib/games/grondelvik)
install(DIRECTORY ${GRONDELVIK_DATA}/mapy DESTINATION share/games/grondelvik
        FILES_MATCHING PATTERN "*.txt")
install(DIRECTORY ${GRONDELVIK_BALIK_DIR}/grafika DESTINATION share/games/grondelvik
        FILES_MATCHING PATTERN "*.bmp")
install(DIRECTORY ${GRONDELVIK_BALIK_DIR}/zvuky DESTINATION share/games/grondelvik
        FILES_MATCHING PATTERN "*.wav" PATTERN "*.ogg")

# The launcher learns the prefix it is installed under when it is installed,
# so the package's prefix (cmake --install --prefix /usr) reaches it too.
install(CODE "
  set(spoustec \"${GRONDELVIK_BALIK_DIR}/spoustec/grondelvik\")
  set(PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
  configure_file(\"${PROJECT_SOURCE_DIR}/scripts/spoustec.in\" \"\${spoustec}\" @ONLY)
  file(INSTALL \"\${spoustec}\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/games\"
       FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                        WORLD_READ WORLD_EXECUTE)
")

install(FILES ${GRONDELVIK_ZDROJ_BALIKU}/grondelvik.desktop DESTINATION share/applications)
install(FILES ${GRONDELVIK_ZDROJ_BALIKU}/grondelvik.metainfo.xml DESTINATION share/metainfo
        RENAME org.example.grondelvik.metainfo.xml)
install(FILES ${GRONDELVIK_BALIK_DIR}/grondelvik.xpm DESTINATION share/pixmaps)
install(FILES ${GRONDELVIK_BALIK_DIR}/grondelvik.6.gz DESTINATION share/man/man6)
install(FILES ${GRONDELVIK_ZDROJ_BALIKU}/copyright ${GRONDELVIK_BALIK_DIR}/changelog.gz
        DESTINATION share/doc/grondelvik)

include(${CMAKE_CURRENT_LIST_DIR}/Balik.cmake)
