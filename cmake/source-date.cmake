# SOURCE_DATE_EPOCH: the one time a build writes into what it makes (the
# archives' members, the PE headers, the signatures), so that every build
# of one commit gives the same bytes, as reproducible-builds.org
# describes. An exported SOURCE_DATE_EPOCH wins; otherwise it is the
# commit's time: in a source release, where git archive wrote it into
# cmake/source-date.txt (see .gitattributes), or else from git. Sets
# KLOTIX_SOURCE_DATE_EPOCH.
set(source_date_file ${CMAKE_CURRENT_LIST_DIR}/source-date.txt)
file(STRINGS ${source_date_file} released_date LIMIT_COUNT 1)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(KLOTIX_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
elseif(released_date MATCHES "^[0-9]+$")
  set(KLOTIX_SOURCE_DATE_EPOCH ${released_date})
else()
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE KLOTIX_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE git_result ERROR_QUIET)
  endif()
  if(NOT GIT_FOUND OR NOT git_result EQUAL 0)
    string(TIMESTAMP KLOTIX_SOURCE_DATE_EPOCH "%s" UTC)
    message(WARNING "Neither git nor a source release tells this tree's date: this build "
                    "takes today's, and another build will not give the same bytes. "
                    "Set SOURCE_DATE_EPOCH to make it reproducible.")
  endif()
endif()
if(NOT KLOTIX_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH must be a number of seconds, not '${KLOTIX_SOURCE_DATE_EPOCH}'")
endif()
