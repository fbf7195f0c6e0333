# What a survey office receives besides the build: the suite's version, a
# manual page per program, and the install tree
#   bin/                      the four programs
#   share/man/man1/           their manual pages
#   share/orvantine/          contrib.dat, newerror.dir and examples/
include(GNUInstallDirs)

set(ORV_PROGRAMS corvelin tamrel halvic morandel)
set(ORV_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/orvantine)

# One version for the whole suite, shown by every program's --version.
target_compile_definitions(common PRIVATE ORV_SUITE_VERSION="${PROJECT_VERSION}")

# The manual pages are roff sources in man/ with the version filled in.
set(ORV_MAN_PAGES)
foreach(program ${ORV_PROGRAMS})
  configure_file(${PROJECT_SOURCE_DIR}/man/${program}.1.in ${PROJECT_BINARY_DIR}/man/${program}.1 @ONLY)
  list(APPEND ORV_MAN_PAGES ${PROJECT_BINARY_DIR}/man/${program}.1)
endforeach()

# The agency list that is installed: an office names its own here, while
# build/bin and the tests keep the list of data/.
set(ORV_AGENCY_LIST ${PROJECT_SOURCE_DIR}/data/contrib.dat CACHE FILEPATH
    "The agency list installed as share/orvantine/contrib.dat")
if(NOT EXISTS ${ORV_AGENCY_LIST})
  message(FATAL_ERROR "ORV_AGENCY_LIST names no file: ${ORV_AGENCY_LIST}")
endif()

install(TARGETS ${ORV_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ORV_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ORV_AGENCY_LIST} DESTINATION ${ORV_DATA_DESTINATION} RENAME contrib.dat)
install(FILES ${CMAKE_BINARY_DIR}/bin/newerror.dir DESTINATION ${ORV_DATA_DESTINATION})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${ORV_DATA_DESTINATION}/examples)
