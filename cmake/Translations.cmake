# The texts of the core that both front ends show (the verdicts and the names
# of types in them) are translated once, in src/translations; each front end's
# .qm holds its own texts and these.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(KV_LANGUAGES de fr es it)
set(KV_VERDICT_SOURCES
  ${PROJECT_SOURCE_DIR}/src/inspect/Reason.cpp ${PROJECT_SOURCE_DIR}/src/inspect/Extension.cpp
  ${PROJECT_SOURCE_DIR}/src/inspect/Sniff.cpp ${PROJECT_SOURCE_DIR}/src/inspect/MediaDetectors.cpp
  ${PROJECT_SOURCE_DIR}/src/inspect/Detectors.cpp ${PROJECT_SOURCE_DIR}/src/inspect/DataDetectors.cpp
  ${PROJECT_SOURCE_DIR}/src/usecases/ReportText.cpp ${PROJECT_SOURCE_DIR}/src/usecases/Verdict.cpp)
set(KV_VERDICT_TS_FILES)
foreach(lang IN LISTS KV_LANGUAGES)
  list(APPEND KV_VERDICT_TS_FILES ${PROJECT_SOURCE_DIR}/src/translations/kestrivane-verdicts_${lang}.ts)
endforeach()

# kv_release_catalogs(OUT NAME TS <a front end's .ts, one per language, in
# KV_LANGUAGES order> [OPTIONS <lrelease options>]) writes NAME_<lang>.qm in
# the current binary directory from that .ts and the shared one; OUT lists them.
function(kv_release_catalogs out name)
  cmake_parse_arguments(arg "" "" "TS;OPTIONS" ${ARGN})
  set(files)
  foreach(lang own shared IN ZIP_LISTS KV_LANGUAGES arg_TS KV_VERDICT_TS_FILES)
    set(qm ${CMAKE_CURRENT_BINARY_DIR}/${name}_${lang}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND Qt6::lrelease -silent ${arg_OPTIONS} ${own} ${shared} -qm ${qm}
      DEPENDS ${own} ${shared} VERBATIM)
    list(APPEND files ${qm})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()
