# What `cmake --install` puts where (the usual GNU folders), and the Debian
# package that CPack makes of it (`cpack -G DEB` in the build folder).
include(GNUInstallDirs)

# Debian keeps its manual pages compressed; -n leaves the time out of the file,
# so that the same page gives the same bytes.
set(EGYPTIAN_MANUAL ${CMAKE_CURRENT_BINARY_DIR}/egyptian.1.gz)
add_custom_command(OUTPUT ${EGYPTIAN_MANUAL}
  COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/egyptian.1 > ${EGYPTIAN_MANUAL}
  DEPENDS ${PROJECT_SOURCE_DIR}/egyptian.1)
add_custom_target(egyptian_manual ALL DEPENDS ${EGYPTIAN_MANUAL})

# `cmake --install <build> --strip` strips the binary; the package is always stripped.
install(TARGETS egyptian RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${EGYPTIAN_MANUAL} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME egyptian)
set(CPACK_PACKAGE_CONTACT "egyptian developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Egyptian-fraction expansions of minimal length for a fraction P/Q")
set(CPACK_PACKAGE_DESCRIPTION
    "An interactive console program that finds the smallest n for which\n\
1/x1 + ... + 1/xn = P/Q has solutions in positive integers under the\n\
constraints chosen (type, parity, bounds), then lists every solution of that\n\
length page by page and ends with a summary. It reads one answer per line\n\
from standard input, so that scripts can drive it. Integers are exact and of\n\
any size.")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# dpkg-shlibdeps turns the libraries that the binary needs (NTL, GMP, FLINT,
# the C++ runtime) into the package's dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
