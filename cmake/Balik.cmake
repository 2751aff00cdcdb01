# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cmake --build BUILD --target deb` writes
# BUILD/grondelvik_VERSION_ARCH.deb. It is laid out by the install rules,
# then packed by dpkg-deb with every mode, owner, time and order fixed, so two
# builds of the same sources give the same bytes (see cmake/BalikDeb.cmake).
include_guard(GLOBAL)

# The version is the latest entry of the package's changelog, so the two agree.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog GRONDELVIK_ZMENA LIMIT_COUNT 1)
if(NOT GRONDELVIK_ZMENA MATCHES "^grondelvik \\(([^)]+)\\)")
  message(FATAL_ERROR "packaging/changelog does not start with a grondelvik (VERSION) entry")
endif()
set(GRONDELVIK_VERZE ${CMAKE_MATCH_1})

add_custom_target(deb
  COMMAND ${CMAKE_COMMAND}
          -DZDROJ=${PROJECT_SOURCE_DIR}
          -DBUILD=${CMAKE_BINARY_DIR}
          -DVERZE=${GRONDELVIK_VERZE}
          -DPROGRAM=$<TARGET_FILE:grondelvik>
          -P ${CMAKE_CURRENT_LIST_DIR}/BalikDeb.cmake
  DEPENDS grondelvik balik_soubory
  COMMENT "Packing grondelvik_${GRONDELVIK_VERZE}.deb"
  VERBATIM)
