# Compiles Velmora.chm from the help sources with chmcmd.
#
#   cmake -DSOURCE_DIR=<help sources> -DSTAGE_DIR=<scratch dir>
#         -DOUTPUT=<path of Velmora.chm> [-DCHMCMD=chmcmd] -P build-help.cmake
#
# chmcmd stores the topic of a [MAP]ped context id under the topic's absolute
# path on the build machine (for example "/home/me/build/help/wizard.htm")
# instead of its path inside the help file ("wizard.htm"), so a viewer asked
# for that context looks for a topic of that name. The topics are therefore
# also compiled in a second time under that absolute path, where the viewer
# finds them; their relative links stay within that copy.
cmake_minimum_required(VERSION 3.20)
if(NOT CHMCMD)
  set(CHMCMD chmcmd)
endif()

file(REMOVE_RECURSE "${STAGE_DIR}")
file(MAKE_DIRECTORY "${STAGE_DIR}")
file(GLOB sources "${SOURCE_DIR}/*.htm" "${SOURCE_DIR}/*.css" "${SOURCE_DIR}/*.hhc"
     "${SOURCE_DIR}/*.hhk" "${SOURCE_DIR}/*.hhp")
file(COPY ${sources} DESTINATION "${STAGE_DIR}")

file(GLOB topics RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.htm" "${SOURCE_DIR}/*.css")
file(READ "${STAGE_DIR}/Velmora.hhp" project)
if(STAGE_DIR MATCHES "^/")
  string(REGEX REPLACE "^/" "" mirror "${STAGE_DIR}")
  file(COPY ${sources} DESTINATION "${STAGE_DIR}/${mirror}")
  set(extra "")
  foreach(topic IN LISTS topics)
    string(APPEND extra "${mirror}/${topic}\n")
  endforeach()
  string(REPLACE "[FILES]\n" "[FILES]\n${extra}" project "${project}")
  file(WRITE "${STAGE_DIR}/Velmora.hhp" "${project}")
endif()

execute_process(
  COMMAND "${CHMCMD}" --no-html-scan Velmora.hhp
  WORKING_DIRECTORY "${STAGE_DIR}"
  RESULT_VARIABLE result
  OUTPUT_VARIABLE log
  ERROR_VARIABLE log)
if(NOT result EQUAL 0 OR NOT EXISTS "${STAGE_DIR}/Velmora.chm" OR log MATCHES "Error:")
  message(FATAL_ERROR "chmcmd failed (${result}):\n${log}")
endif()
file(COPY_FILE "${STAGE_DIR}/Velmora.chm" "${OUTPUT}")
