# Included by the pre-build scripts of every package: the staged tree gets
# the same modes and times whoever builds it. Folders and files that any
# can run are rwxr-xr-x, the rest rw-r--r--, whatever the builder's umask;
# every time is SOURCE_DATE_EPOCH (the installer stores each file's date).
function(klotix_normalize_stage root)
  execute_process(COMMAND chmod -R u=rwX,go=rX "${root}" COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND find "${root}" -exec touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" {} +
                  COMMAND_ERROR_IS_FATAL ANY)
endfunction()
