# Where `cmake --install` and the Debian package put the programs, their
# manual pages, shell completions and desktop integration. Included from the
# top CMakeLists.txt after the programs' targets exist.

set(KV_GENERATED ${CMAKE_BINARY_DIR}/generated)

# Manual pages and the changelog are installed gzipped (as Debian wants them);
# -n keeps the name and time out, so the same text gives the same bytes.
find_program(KV_GZIP gzip REQUIRED)
function(kv_gzip input output)
  add_custom_command(OUTPUT ${output} COMMAND ${KV_GZIP} -9nc ${input} > ${output} DEPENDS ${input} VERBATIM)
endfunction()

# The command-line checker: every build has it.
install(TARGETS kestrivane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
configure_file(${PROJECT_SOURCE_DIR}/docs/man/kestrivane-cli.1.in ${KV_GENERATED}/man/kestrivane-cli.1 @ONLY)
kv_gzip(${KV_GENERATED}/man/kestrivane-cli.1 ${KV_GENERATED}/man/kestrivane-cli.1.gz)
set(KV_PACKED ${KV_GENERATED}/man/kestrivane-cli.1.gz)
install(FILES ${KV_GENERATED}/man/kestrivane-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/data/completions/kestrivane-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME kestrivane-cli)
install(FILES ${PROJECT_SOURCE_DIR}/data/completions/_kestrivane-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)

if(KV_BUILD_GUI)
  install(TARGETS kestrivane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  configure_file(${PROJECT_SOURCE_DIR}/docs/man/kestrivane.1.in ${KV_GENERATED}/man/kestrivane.1 @ONLY)
  kv_gzip(${KV_GENERATED}/man/kestrivane.1 ${KV_GENERATED}/man/kestrivane.1.gz)
  list(APPEND KV_PACKED ${KV_GENERATED}/man/kestrivane.1.gz)
  install(FILES ${KV_GENERATED}/man/kestrivane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_SOURCE_DIR}/data/${KV_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(${PROJECT_SOURCE_DIR}/data/${KV_APP_ID}.metainfo.xml.in
                 ${KV_GENERATED}/metainfo/${KV_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${KV_GENERATED}/metainfo/${KV_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # Committed, painted by hand with: kv_make_artwork --icons data/icons
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  target_compile_definitions(kv_make_artwork PRIVATE KV_APP_ID="${KV_APP_ID}")
endif()

# The installed layout: the programs in PREFIX/bin recognise this directory
# beside them and so keep the user's files in the home directory (Paths.cpp).
install(FILES ${PROJECT_SOURCE_DIR}/data/layout.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/kestrivane)

# The systemd user units name the checker by its full path, known only when
# installing (cmake --install --prefix, the package's prefix): written then.
# cpack installs into a staging directory under the package's prefix, the
# path the units must name.
set(KV_UNIT_DIR ${KV_GENERATED}/systemd)
install(CODE "
  set(KV_BINDIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  if(DEFINED CPACK_PACKAGING_INSTALL_PREFIX OR \"\${CMAKE_INSTALL_PREFIX}\" MATCHES \"/_CPack_Packages/\")
    set(KV_BINDIR \"${KV_PACKAGE_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  endif()
  foreach(unit kestrivane-check.service kestrivane-watch.service kestrivane-serve.service system/kestrivane-serve.service)
    configure_file(\"${PROJECT_SOURCE_DIR}/data/systemd/\${unit}.in\" \"${KV_UNIT_DIR}/\${unit}\" @ONLY)
  endforeach()
")
install(FILES ${KV_UNIT_DIR}/kestrivane-check.service ${KV_UNIT_DIR}/kestrivane-watch.service
              ${KV_UNIT_DIR}/kestrivane-serve.service ${PROJECT_SOURCE_DIR}/data/systemd/kestrivane-check.timer
        DESTINATION lib/systemd/user)
# serve beside Debian's amule-daemon, as its user; shipped, not enabled.
install(FILES ${KV_UNIT_DIR}/system/kestrivane-serve.service DESTINATION lib/systemd/system)

# Debian's documents: the copyright and the changelog of this version, dated
# with KV_RELEASE_DATE (the weekday by Zeller's congruence).
string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" kv_date "${KV_RELEASE_DATE}")
set(kv_year ${CMAKE_MATCH_1})
math(EXPR kv_month "${CMAKE_MATCH_2}")
math(EXPR kv_day "${CMAKE_MATCH_3}")
set(kv_y ${kv_year})
set(kv_m ${kv_month})
if(kv_m LESS 3)
  math(EXPR kv_m "${kv_m} + 12")
  math(EXPR kv_y "${kv_y} - 1")
endif()
math(EXPR kv_wd "(${kv_day} + (13 * (${kv_m} + 1)) / 5 + ${kv_y} + ${kv_y} / 4 - ${kv_y} / 100 + ${kv_y} / 400) % 7")
set(kv_weekdays Sat Sun Mon Tue Wed Thu Fri)
set(kv_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET kv_weekdays ${kv_wd} kv_weekday)
math(EXPR kv_month_index "${kv_month} - 1")
list(GET kv_months ${kv_month_index} kv_month_name)
set(KV_CHANGELOG_DATE "${kv_weekday}, ${CMAKE_MATCH_3} ${kv_month_name} ${kv_year} 00:00:00 +0000")
configure_file(${PROJECT_SOURCE_DIR}/data/debian/changelog.in ${KV_GENERATED}/doc/changelog @ONLY)
kv_gzip(${KV_GENERATED}/doc/changelog ${KV_GENERATED}/doc/changelog.gz)
list(APPEND KV_PACKED ${KV_GENERATED}/doc/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${KV_GENERATED}/doc/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestrivane)
add_custom_target(kv_packed ALL DEPENDS ${KV_PACKED})

# The Debian package: cpack -G DEB in the build directory.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrivane)
set(CPACK_PACKAGE_VENDOR "The Kestrivane developers")
set(CPACK_PACKAGE_CONTACT "The Kestrivane developers <kestrivane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find known fakes among eDonkey, eMule and aMule downloads")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Kestrivane reads the .part.met file an eDonkey, eMule or aMule client keeps\n"
    "for every unfinished download and looks its ed2k hash up in a list of known\n"
    "fakes. It comes with a Qt window and with kestrivane-cli for terminals and\n"
    "machines without a display.")
# Must stay the prefix Paths.cpp knows as installed (KV_PACKAGE_PREFIX).
set(CPACK_PACKAGING_INSTALL_PREFIX ${KV_PACKAGE_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The library packages come from the binaries themselves (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcurl is opened at run time, out of dpkg-shlibdeps' sight: its package is named here.
execute_process(COMMAND dpkg-query -S "${KV_CURL_FILE}" OUTPUT_VARIABLE KV_CURL_PACKAGE ERROR_QUIET)
string(REGEX MATCH "^[^:,]+" KV_CURL_PACKAGE "${KV_CURL_PACKAGE}")
if(KV_CURL_PACKAGE)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${KV_CURL_PACKAGE}")
endif()
# The completions need bash-completion; the programs run without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "bash-completion")
# A package is built from an optimised tree only: cpack refuses a Debug one
# (scripts/package-check.sh configures build-release for it).
set(KV_PACKAGE_BUILD_TYPE "${CMAKE_BUILD_TYPE}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/CPackChecks.cmake.in ${CMAKE_BINARY_DIR}/CPackChecks.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackChecks.cmake)
include(CPack)
