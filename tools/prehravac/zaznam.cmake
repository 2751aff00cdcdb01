# SPDX-License-Identifier: GPL-3.0-or-later
# The recorded run: replays SKRIPT into VYSTUP and compares the frames'
# fingerprints and the saved games with OCEKAVANO; with PREPIS=ON it writes
# them there instead (after a deliberate change of gameplay or pictures).
file(REMOVE_RECURSE ${VYSTUP})
execute_process(COMMAND ${PREHRAVAC} ${SKRIPT} ${VYSTUP} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the replay of ${SKRIPT} failed (${status})")
endif()
file(GLOB vysledky RELATIVE ${VYSTUP} ${VYSTUP}/snimky.txt ${VYSTUP}/*.sav)
if(PREPIS)
  file(REMOVE_RECURSE ${OCEKAVANO})
  foreach(f ${vysledky})
    configure_file(${VYSTUP}/${f} ${OCEKAVANO}/${f} COPYONLY)
  endforeach()
  message(STATUS "expectations rewritten in ${OCEKAVANO}")
  return()
endif()
file(GLOB ocekavane RELATIVE ${OCEKAVANO} ${OCEKAVANO}/*)
if(NOT vysledky STREQUAL ocekavane)
  message(FATAL_ERROR "the run wrote ${vysledky}, expected ${ocekavane}")
endif()
foreach(f ${ocekavane})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${VYSTUP}/${f} ${OCEKAVANO}/${f}
                  RESULT_VARIABLE rozdil)
  if(NOT rozdil EQUAL 0)
    message(SEND_ERROR "${f} differs from ${OCEKAVANO}/${f}; the frames are in ${VYSTUP}")
  endif()
endforeach()
