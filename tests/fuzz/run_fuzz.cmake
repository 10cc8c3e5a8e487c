# Runs the record-file fuzzer over a working copy of the seed corpus.
#   cmake -DFUZZER=<fuzzer> -DSEEDS=<seed folder> -DDICTIONARY=<dict>
#         -DWORK=<folder> -DLIMITS=<libFuzzer limits, ;-separated>
#         [-DFRESH=ON] -P run_fuzz.cmake
# The working corpus is WORK/corpus: the seeds are copied into it, and
# libFuzzer adds what it finds there, never to the seed folder. FRESH starts
# it anew; otherwise a later run goes on from what earlier runs found.
# Crashes and hangs are kept in WORK/ and fail the run.
foreach(var FUZZER SEEDS DICTIONARY WORK LIMITS)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_fuzz.cmake: ${var} is not set")
  endif()
endforeach()

if(FRESH)
  file(REMOVE_RECURSE "${WORK}")
endif()
file(MAKE_DIRECTORY "${WORK}/corpus")
file(GLOB seeds "${SEEDS}/*")
file(COPY ${seeds} DESTINATION "${WORK}/corpus")

# max_len: a full record file with long names is a few kilobytes. timeout:
# one input takes microseconds, so ten seconds is a hang even on a busy machine.
execute_process(
  COMMAND "${FUZZER}" ${LIMITS} -max_len=8192 -timeout=10
          -print_final_stats=1 "-dict=${DICTIONARY}" "-artifact_prefix=${WORK}/"
          "${WORK}/corpus"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the record-file fuzzer found a problem (exit ${result}); see ${WORK}/")
endif()
