# Packs an installed Windows tree as the portable zip: one folder holding
# klotix.exe with everything it needs beside it, the skin included, so that
# the copy keeps its records beside itself wherever it is unpacked.
#
#   cmake -DSTAGE=installed-tree -DNAME=klotix-1.1.0-windows -DOUTPUT=x.zip -P make-portable.cmake
#
# The installed tree's bin/ and share/klotix/ become that one folder (their
# translations/ folders, Qt's catalogues and Klotix's, become one), and its
# licenses/ a folder inside it.
foreach(variable STAGE NAME OUTPUT)
  if(NOT ${variable})
    message(FATAL_ERROR "make-portable.cmake needs -D${variable}=...")
  endif()
endforeach()

get_filename_component(work "${OUTPUT}.d" ABSOLUTE)
set(folder ${work}/${NAME})
file(REMOVE_RECURSE ${work} ${OUTPUT})
file(MAKE_DIRECTORY ${folder})
file(COPY ${STAGE}/bin/ ${STAGE}/share/klotix/ DESTINATION ${folder})
if(EXISTS ${STAGE}/licenses)
  file(COPY ${STAGE}/licenses DESTINATION ${folder})
endif()
if(NOT EXISTS ${folder}/klotix.exe OR NOT EXISTS ${folder}/winaqua.skn)
  message(FATAL_ERROR "${STAGE} holds no installed Klotix for Windows")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${OUTPUT} --format=zip ${NAME}
                WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE ${work})
