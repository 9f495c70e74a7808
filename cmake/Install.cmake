# Where `cmake --install` and the Debian package put the programs, their
# manual pages, shell completions and desktop integration. Included from the
# top CMakeLists.txt after the programs' targets exist.

set(KV_GENERATED ${CMAKE_BINARY_DIR}/generated)

# The command-line checker: every build has it.
install(TARGETS kestrivane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
configure_file(${PROJECT_SOURCE_DIR}/docs/man/kestrivane-cli.1.in ${KV_GENERATED}/man/kestrivane-cli.1 @ONLY)
install(FILES ${KV_GENERATED}/man/kestrivane-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/data/completions/kestrivane-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME kestrivane-cli)
install(FILES ${PROJECT_SOURCE_DIR}/data/completions/_kestrivane-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)

if(KV_BUILD_GUI)
  install(TARGETS kestrivane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  configure_file(${PROJECT_SOURCE_DIR}/docs/man/kestrivane.1.in ${KV_GENERATED}/man/kestrivane.1 @ONLY)
  install(FILES ${KV_GENERATED}/man/kestrivane.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_SOURCE_DIR}/data/${KV_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(${PROJECT_SOURCE_DIR}/data/${KV_APP_ID}.metainfo.xml.in
                 ${KV_GENERATED}/metainfo/${KV_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${KV_GENERATED}/metainfo/${KV_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # Committed, painted by hand with: kv_make_artwork --icons data/icons
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  target_compile_definitions(kv_make_artwork PRIVATE KV_APP_ID="${KV_APP_ID}")
endif()

# The Debian package: cpack -G DEB in the build directory.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrivane)
set(CPACK_PACKAGE_VENDOR "The Kestrivane developers")
set(CPACK_PACKAGE_CONTACT "The Kestrivane developers <kestrivane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find known fakes among eDonkey, eMule and aMule downloads")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Kestrivane reads the .part.met file an eDonkey, eMule or aMule client keeps for every unfinished download "
    "and looks its ed2k hash up in a list of known fakes. It comes with a Qt window and with kestrivane-cli "
    "for terminals and machines without a display.")
# Must stay the prefix Paths.cpp knows as installed (KV_PACKAGE_PREFIX).
set(CPACK_PACKAGING_INSTALL_PREFIX ${KV_PACKAGE_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The library packages come from the binaries themselves (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
