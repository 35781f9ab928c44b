# Run by `cmake --install` after the files are copied (and by cpack into its
# staging folder): the delivered data folder and Pelvano.ini, each only when
# the program folder has none, then the desktop entries of the installing
# user (not for a package or a DESTDIR staging install, which belong to
# another machine: there Asztal/asztal.sh does it).
set(cel "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

if(NOT EXISTS "${cel}/Data")
  execute_process(COMMAND "${PELVANO_ADATMAPPA}" "${cel}/Data" "${PELVANO_IRSZ}"
    RESULT_VARIABLE eredmeny OUTPUT_QUIET)
  if(NOT eredmeny EQUAL 0)
    message(FATAL_ERROR "The delivered data folder could not be made in ${cel}/Data")
  endif()
  message(STATUS "Delivered data folder: ${cel}/Data")
else()
  message(STATUS "Kept: ${cel}/Data")
endif()

# A relative path: the data folder beside the program, wherever the folder
# is moved or unpacked.
if(NOT EXISTS "${cel}/Pelvano.ini")
  file(WRITE "${cel}/Pelvano.ini" "[Database]\nPath=Data\n")
  message(STATUS "Written: ${cel}/Pelvano.ini")
else()
  message(STATUS "Kept: ${cel}/Pelvano.ini")
endif()

if("$ENV{DESTDIR}" STREQUAL "" AND NOT CMAKE_INSTALL_PREFIX MATCHES "/_CPack_Packages/"
   AND NOT "$ENV{PELVANO_ASZTAL}" STREQUAL "0")
  execute_process(COMMAND "${cel}/Asztal/asztal.sh" RESULT_VARIABLE eredmeny)
  if(eredmeny EQUAL 0)
    message(STATUS "Desktop entries written for the installing user")
  else()
    message(WARNING "The desktop entries could not be written (Asztal/asztal.sh)")
  endif()
endif()
