# Writes OUTPUT: a C++ table of the SHA-256 of each compiled translation (QM_FILES, the
# paths joined by "|"), so that the program takes only the files it was built with.
string(REPLACE "|" ";" qm_files "${QM_FILES}")
set(entries "")
foreach(qm ${qm_files})
  file(SHA256 ${qm} digest)
  get_filename_component(name ${qm} NAME_WE)
  string(REPLACE "plectronome_" "" code ${name})
  string(APPEND entries "    {\"${code}\", \"${digest}\"},\n")
endforeach()
file(WRITE ${OUTPUT}.new
  "// Generated at build time from the compiled translations; do not edit.\n"
  "#include \"app/shippedtranslations.h\"\n\n"
  "const ShippedTranslation shippedTranslations[] = {\n${entries}};\n"
  "const int shippedTranslationCount = int(sizeof(shippedTranslations) / sizeof(shippedTranslations[0]));\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different ${OUTPUT}.new ${OUTPUT})
file(REMOVE ${OUTPUT}.new)
