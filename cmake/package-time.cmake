# Read by cpack before it packs each package (CPACK_PROJECT_CONFIG_FILE, or
# included by one): the build's SOURCE_DATE_EPOCH, unless one is exported,
# becomes cpack's own, so that everything it runs writes that time and no
# other: CPack's .deb writer into the archives' members, strip into the PE
# headers, the signing into the signatures.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} "${CPACK_KLOTIX_SOURCE_DATE_EPOCH}")
endif()
