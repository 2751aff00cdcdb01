# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the installed tree into a Debian package, the same bytes for the same
# sources: run by the `deb` target with ZDROJ, BUILD, VERZE and PROGRAM.
# Every file's time is SOURCE_DATE_EPOCH (when not given: the last commit's
# time, else the changelog's), modes are set here rather than left to the
# umask, dpkg-deb makes root own everything and sorts the entries.
cmake_minimum_required(VERSION 3.20)

set(koren "${BUILD}/balik/koren")
set(deb "${BUILD}/grondelvik_${VERZE}")

if(DEFINED ENV{SOURCE_DATE_EPOCH} AND "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
  set(cas "$ENV{SOURCE_DATE_EPOCH}")
else()
  execute_process(COMMAND git -C "${ZDROJ}" log -1 --format=%ct
                  OUTPUT_VARIABLE cas OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT cas MATCHES "^[0-9]+$")
    execute_process(COMMAND dpkg-parsechangelog -l "${ZDROJ}/packaging/changelog" -S Timestamp
                    OUTPUT_VARIABLE cas OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0 OR NOT cas MATCHES "^[0-9]+$")
      message(FATAL_ERROR "no time for the package: set SOURCE_DATE_EPOCH")
    endif()
  endif()
endif()
set(ENV{SOURCE_DATE_EPOCH} "${cas}")

function(spust)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE vystup ERROR_VARIABLE chyby)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed: ${chyby}")
  endif()
  set(vystup "${vystup}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${koren}")
spust(${CMAKE_COMMAND} -E env "DESTDIR=${koren}" ${CMAKE_COMMAND} --install "${BUILD}" --prefix /usr)
set(program "${koren}/usr/lib/games/grondelvik/grondelvik")
# As dh_strip does for a program: no symbols, no debugging sections.
spust(strip --remove-section=.comment --remove-section=.note "${program}")

# dpkg-shlibdeps names only the SDL 1.2 runtime that happens to be installed,
# so its answer is taken whole except for SDL, which becomes an alternative.
# In Debian 12 the compatibility library's own package keeps libSDL-1.2.so.0
# in a private folder; its shim package puts it on the loader path and
# provides libsdl1.2debian (= 1.2.15-1).
set(dir "${BUILD}/balik/shlibdeps")
file(MAKE_DIRECTORY "${dir}/debian")
file(TOUCH "${dir}/debian/control")
execute_process(COMMAND dpkg-shlibdeps -O "${PROGRAM}" WORKING_DIRECTORY "${dir}"
                OUTPUT_VARIABLE vystup RESULT_VARIABLE rc ERROR_VARIABLE chyby)
if(NOT rc EQUAL 0 OR NOT vystup MATCHES "^shlibs:Depends=")
  message(FATAL_ERROR "dpkg-shlibdeps failed (install dpkg-dev): ${chyby}")
endif()
string(REGEX REPLACE "^shlibs:Depends=" "" vystup "${vystup}")
string(STRIP "${vystup}" vystup)
string(REPLACE ", " ";" polozky "${vystup}")
set(zavislosti "")
set(sdl FALSE)
foreach(p IN LISTS polozky)
  if(p MATCHES "^libsdl1\\.2")
    set(p "libsdl1.2-compat-shim | libsdl1.2debian (>= 1.2.15)")
    set(sdl TRUE)
  endif()
  list(APPEND zavislosti "${p}")
endforeach()
if(NOT sdl)
  message(FATAL_ERROR "the program links no SDL 1.2 runtime: ${vystup}")
endif()
list(JOIN zavislosti ", " zavislosti)

# Modes whatever the umask: folders and programs 755, the rest 644.
file(CHMOD_RECURSE "${koren}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
     GROUP_EXECUTE WORLD_READ WORLD_EXECUTE FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(CHMOD "${program}" "${koren}/usr/games/grondelvik" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
     GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(CHMOD "${koren}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
     WORLD_EXECUTE)

# The checksums and the installed size (in kB, as dpkg-gencontrol counts: a
# file its size rounded up, a folder one), in sorted order.
file(GLOB_RECURSE soubory LIST_DIRECTORIES true RELATIVE "${koren}" "${koren}/*")
list(SORT soubory)
set(md5 "")
set(velikost 0)
foreach(s IN LISTS soubory)
  if(IS_DIRECTORY "${koren}/${s}")
    math(EXPR velikost "${velikost} + 1")
  else()
    file(MD5 "${koren}/${s}" soucet)
    string(APPEND md5 "${soucet}  ${s}\n")
    file(SIZE "${koren}/${s}" bajtu)
    math(EXPR velikost "${velikost} + (${bajtu} + 1023) / 1024")
  endif()
endforeach()

spust(dpkg --print-architecture)
string(STRIP "${vystup}" architektura)
file(MAKE_DIRECTORY "${koren}/DEBIAN")
file(WRITE "${koren}/DEBIAN/md5sums" "${md5}")
file(WRITE "${koren}/DEBIAN/control" "Package: grondelvik
Version: ${VERZE}
Architecture: ${architektura}
Maintainer: Grondelvik developers <grondelvik@example.org>
Installed-Size: ${velikost}
Depends: ${zavislosti}
Section: games
Priority: optional
Homepage: https://grondelvik.example.org/
Description: side-scrolling action platformer with a hunter, a sword and a bow
 A hunter walks, runs, jumps and falls through tile levels, fights warriors
 and thieves with a sword or a bow, collects arrows, quivers and health, and
 takes the exit to the next level. Three levels (a castle, the outdoors, the
 polar ice) repeat with rising difficulty. Every blow, shot and pickup is
 heard, and each level has its own tune.
 .
 Each player's saved game is kept in their own folder under
 ~/.local/share/grondelvik/.
")
file(CHMOD "${koren}/DEBIAN" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
     WORLD_READ WORLD_EXECUTE)
file(CHMOD "${koren}/DEBIAN/control" "${koren}/DEBIAN/md5sums" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ
     WORLD_READ)

# Every time the same; dpkg-deb stamps the archive's members with it too.
spust(find "${koren}" -exec touch --no-dereference --date=@${cas} {} +)
file(REMOVE "${deb}_${architektura}.deb")
spust(dpkg-deb --root-owner-group -Zxz --build "${koren}" "${deb}_${architektura}.deb")
message(STATUS "package: ${deb}_${architektura}.deb (SOURCE_DATE_EPOCH ${cas})")
