# Run by CPack on each package it has made (CPACK_POST_BUILD_SCRIPTS):
# Debian's strip-nondeterminism takes out what CPack's archive writers put
# in from the builder's machine. In the .deb, the ar members' modes follow
# the builder's umask; in the zip, the members come in the folder's order,
# with local times and the builder's uid. Each package comes out with
# members in name order, SOURCE_DATE_EPOCH as every time, owner 0.
if(NOT CPACK_KLOTIX_STRIP_NONDETERMINISM)
  message(FATAL_ERROR "strip-nondeterminism (Debian's package of that name) is needed to pack Klotix")
endif()
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.deb$")
    set(type --normalizers +ar --type ar)
  elseif(package MATCHES "\\.zip$")
    set(type --type zip)
  else()
    continue()
  endif()
  execute_process(COMMAND "${CPACK_KLOTIX_STRIP_NONDETERMINISM}" ${type} --timestamp "$ENV{SOURCE_DATE_EPOCH}" "${package}"
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
