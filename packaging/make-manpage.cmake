# Writes ddview's manual page from its own help: help2man turns `ddview --help` and `ddview --version`
# into the page, and the help of each command listed there (with its examples) becomes a section of it.
#   cmake -DDDVIEW=... -DHELP2MAN=... -DOUT=ddview.1 -DWORK=dir -P make-manpage.cmake
execute_process(COMMAND ${DDVIEW} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ddview --help failed: ${status}")
endif()
string(REGEX MATCH "\nCommands:\n(([ ]+[a-z]+[^\n]*\n)+)" block "${help}")
string(REGEX MATCHALL "\n  [a-z]+" names "\n${CMAKE_MATCH_1}")
set(include "[COMMANDS]\n")
foreach(name IN LISTS names)
  string(STRIP "${name}" name)
  execute_process(COMMAND ${DDVIEW} ${name} --help OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "ddview ${name} --help failed: ${status}")
  endif()
  # roff takes a backslash and a leading dot as its own.
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|\n)\\." "\\1\\\\&." text "${text}")
  string(APPEND include ".SS ${name}\n.nf\n${text}.fi\n")
endforeach()
file(READ ${CMAKE_CURRENT_LIST_DIR}/ddview.h2m extra)
file(WRITE ${WORK}/ddview-commands.h2m "${include}${extra}")
execute_process(
  COMMAND ${HELP2MAN} --no-info --section=1
          "--name=the tables, fields and indexes of the data dictionaries 1Cv7.DD and 1Cv7.DDS"
          --include=${WORK}/ddview-commands.h2m --output=${OUT} ${DDVIEW}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man failed: ${status}")
endif()
