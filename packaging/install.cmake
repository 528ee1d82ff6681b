# What `make install` and `make package` put on a machine: both programs, their
# manual pages, the licence as a Debian copyright file and the changelog. The
# pages and the changelog are gzipped here, at configure time, so that both
# carry the same files and `man` reads them as it reads any other.

set(PACKAGE_NAME orrik-tamsel)
set(MAINTAINER "orrik and tamsel developers <orrik-tamsel@users.noreply.github.com>")
set(generated_docs ${CMAKE_BINARY_DIR}/packaging)

# -n keeps the name and time out of the header, so the bytes follow the source only.
function(gzip_into source target)
  execute_process(COMMAND gzip -9n INPUT_FILE ${source} OUTPUT_FILE ${target} COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()

file(MAKE_DIRECTORY ${generated_docs})
gzip_into(${PROJECT_SOURCE_DIR}/man/orrik.1 ${generated_docs}/orrik.1.gz)
gzip_into(${PROJECT_SOURCE_DIR}/man/tamsel.1 ${generated_docs}/tamsel.1.gz)
gzip_into(${PROJECT_SOURCE_DIR}/packaging/changelog ${generated_docs}/changelog.gz)

# The copyright file in Debian's machine-readable format, made from LICENSE so
# that the two never say different things.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" found "${licence}")
set(copyright_holder "${CMAKE_MATCH_1}")
string(FIND "${licence}" "Permission is hereby granted" terms_start)
string(SUBSTRING "${licence}" ${terms_start} -1 licence_terms)
string(STRIP "${licence_terms}" licence_terms)
string(REPLACE "\n\n" "\n.\n" licence_terms "${licence_terms}")
string(REPLACE "\n" "\n " licence_terms "${licence_terms}")
file(CONFIGURE OUTPUT ${generated_docs}/copyright @ONLY CONTENT
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: @PACKAGE_NAME@
Upstream-Contact: @MAINTAINER@

Files: *
Copyright: @copyright_holder@
License: Expat
 @licence_terms@
")

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(TARGETS orrik tamsel RUNTIME DESTINATION bin)
install(FILES ${generated_docs}/orrik.1.gz ${generated_docs}/tamsel.1.gz DESTINATION share/man/man1)
install(FILES ${generated_docs}/copyright ${generated_docs}/changelog.gz DESTINATION share/doc/${PACKAGE_NAME})

# The package's dependencies come from the libraries the stripped programs
# link (dpkg-shlibdeps), plus the assembler that orrik runs: clang-15, or the
# distribution's clang where there is none (Debian 13).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PACKAGE_NAME})
set(CPACK_PACKAGE_CONTACT "${MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "RISC-V RV32IM linker (orrik) and console simulator (tamsel) for learners")
set(CPACK_PACKAGE_DESCRIPTION
"A small toolchain for learning 32-bit RISC-V (RV32I with the M extension).
orrik assembles one source file with clang-15 (or clang), places the code at 0x10000000
and the data at 0x20000000, patches the relocations and writes a compact
program image. tamsel loads that image into a bare simulated machine and
offers a console to step, run to breakpoints, list the code, look at and
change registers, and write the memory the program touched to files.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "clang-15 | clang")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
