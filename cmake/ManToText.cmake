# cmake -DGROFF=groff -DIN=page.1 -DOUT=page.txt -P ManToText.cmake
execute_process(COMMAND ${GROFF} -t -man -Tutf8 -P-cbou ${IN} OUTPUT_VARIABLE text RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "groff could not set ${IN}")
endif()
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUT} "${text}")
