# Included by the pre-build scripts of every package: the staged tree gets
# the same modes whoever builds it. Folders and files that any can run are
# rwxr-xr-x, the rest rw-r--r--, whatever the builder's umask. (The times
# are not the tree's business: each package writer takes
# SOURCE_DATE_EPOCH, or none.)
function(klotix_normalize_stage root)
  execute_process(COMMAND chmod -R u=rwX,go=rX "${root}" COMMAND_ERROR_IS_FATAL ANY)
endfunction()
