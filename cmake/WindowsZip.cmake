# The Windows zip: one folder with kestrivane-cli.exe, Kestrivane.cmd (the web
# page in the browser), the manual as text and the Windows notes.
#   cmake --build --preset windows --target kv_windows_zip
find_program(KV_GROFF groff REQUIRED)
set(KV_GENERATED ${CMAKE_BINARY_DIR}/generated)
set(KV_ZIP_NAME Kestrivane-${PROJECT_VERSION}-windows-x64)
set(KV_ZIP_STAGE ${CMAKE_BINARY_DIR}/zip/${KV_ZIP_NAME})
set(KV_ZIP ${CMAKE_BINARY_DIR}/${KV_ZIP_NAME}.zip)
configure_file(${PROJECT_SOURCE_DIR}/docs/man/kestrivane-cli.1.in ${KV_GENERATED}/man/kestrivane-cli.1 @ONLY)
# cmd.exe reads its scripts with CR LF line ends (labels and ^ continuations misread without).
configure_file(${PROJECT_SOURCE_DIR}/data/windows/Kestrivane.cmd ${KV_GENERATED}/Kestrivane.cmd COPYONLY)
file(READ ${KV_GENERATED}/Kestrivane.cmd kv_cmd_text)
string(REPLACE "\r\n" "\n" kv_cmd_text "${kv_cmd_text}")
string(REPLACE "\n" "\r\n" kv_cmd_text "${kv_cmd_text}")
file(WRITE ${KV_GENERATED}/Kestrivane.cmd "${kv_cmd_text}")

# The manual set as plain UTF-8 text (no overstriking), with Windows line ends for Notepad.
add_custom_command(OUTPUT ${KV_GENERATED}/kestrivane-cli.txt
  COMMAND ${CMAKE_COMMAND} -DGROFF=${KV_GROFF} -DIN=${KV_GENERATED}/man/kestrivane-cli.1
          -DOUT=${KV_GENERATED}/kestrivane-cli.txt -P ${PROJECT_SOURCE_DIR}/cmake/ManToText.cmake
  DEPENDS ${KV_GENERATED}/man/kestrivane-cli.1 ${PROJECT_SOURCE_DIR}/cmake/ManToText.cmake VERBATIM)

add_custom_command(OUTPUT ${KV_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/zip
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KV_ZIP_STAGE}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:kestrivane-cli> ${KV_ZIP_STAGE}/
  COMMAND ${CMAKE_COMMAND} -E copy ${KV_GENERATED}/Kestrivane.cmd ${KV_ZIP_STAGE}/
  COMMAND ${CMAKE_COMMAND} -E copy ${KV_GENERATED}/kestrivane-cli.txt ${KV_ZIP_STAGE}/
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/docs/windows.md ${KV_ZIP_STAGE}/README.md
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/zip ${CMAKE_COMMAND} -E tar cf ${KV_ZIP} --format=zip ${KV_ZIP_NAME}
  DEPENDS kestrivane-cli ${KV_GENERATED}/kestrivane-cli.txt ${KV_GENERATED}/Kestrivane.cmd
          ${PROJECT_SOURCE_DIR}/docs/windows.md
  VERBATIM)
add_custom_target(kv_windows_zip DEPENDS ${KV_ZIP})
