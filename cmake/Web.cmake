# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a web page, built with Emscripten (emcmake cmake): the same
# sources on Emscripten's own SDL 1.2 and SDL_mixer, nothing downloaded. The
# pictures, sounds and maps must be in the data folder already (the native
# generators write them there, see scripts/web.sh). Everything the page loads
# goes to ${GRONDELVIK_WWW}: web/'s page, grondelvik.js, .wasm and .data.
set(GRONDELVIK_DATA ${PROJECT_SOURCE_DIR}/data)
set(GRONDELVIK_WWW ${CMAKE_BINARY_DIR}/www CACHE PATH "where the page is built")

find_path(GRONDELVIK_SDL_WEB SDL.h PATHS ${EMSCRIPTEN_ROOT_PATH}/cache/sysroot/include/SDL NO_DEFAULT_PATH REQUIRED)

file(GLOB GRONDELVIK_SRC CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*.cpp)

# Thrown messages are caught as on the desktop.
set(GRONDELVIK_WEB_FLAGS -O2 -sDISABLE_EXCEPTION_CATCHING=0)

add_executable(grondelvik ${GRONDELVIK_SRC})
target_include_directories(grondelvik PRIVATE ${PROJECT_SOURCE_DIR}/src ${GRONDELVIK_SDL_WEB})
target_compile_options(grondelvik PRIVATE ${GRONDELVIK_WEB_FLAGS})
set_target_properties(grondelvik PROPERTIES SUFFIX .js RUNTIME_OUTPUT_DIRECTORY ${GRONDELVIK_WWW})

# The data folder is packed into grondelvik.data (LZ4, unpacked file by file
# as the game reads it); savy/ is the browser's own storage, not packed.
set(GRONDELVIK_BALIK)
foreach(slozka grafika mapy zvuky)
  list(APPEND GRONDELVIK_BALIK "SHELL:--preload-file ${GRONDELVIK_DATA}/${slozka}@/${slozka}")
endforeach()
target_link_options(grondelvik PRIVATE
  ${GRONDELVIK_WEB_FLAGS}
  -sALLOW_MEMORY_GROWTH=1
  # Pictures are decoded in the program, not by the browser's codecs.
  -sSTB_IMAGE=1
  -sLZ4=1
  -sFORCE_FILESYSTEM=1
  -sEXPORTED_RUNTIME_METHODS=FS
  -lidbfs.js
  "SHELL:--pre-js ${PROJECT_SOURCE_DIR}/src/Prostredi.js"
  ${GRONDELVIK_BALIK})
set_property(TARGET grondelvik APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/src/Prostredi.js)

# The page around the canvas, copied as it is.
file(GLOB GRONDELVIK_STRANKA CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/web/*.html ${PROJECT_SOURCE_DIR}/web/*.js
     ${PROJECT_SOURCE_DIR}/web/*.css)
if(NOT EXISTS ${PROJECT_SOURCE_DIR}/web/index.html)
  message(WARNING "web/index.html is missing: ${GRONDELVIK_WWW} gets the program without its page")
endif()
if(GRONDELVIK_STRANKA)
  add_custom_target(stranka ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${GRONDELVIK_WWW}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${GRONDELVIK_STRANKA} ${GRONDELVIK_WWW}
    DEPENDS ${GRONDELVIK_STRANKA}
    VERBATIM)
endif()
