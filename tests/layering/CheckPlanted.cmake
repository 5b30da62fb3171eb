# cmake -DCHECK=.../CheckLayering.cmake -P CheckPlanted.cmake
# The layering check over a tree with planted violations: it fails, names each of them, and names
# nothing that the table allows.
set(tree ${CMAKE_CURRENT_LIST_DIR}/planted)
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree} -DLINKS_FILE=${tree}/links.cmake -P ${CHECK}
                RESULT_VARIABLE status ERROR_VARIABLE report)
string(REGEX REPLACE "[ \t]*\n[ \t]*" " " report "${report}")
set(expected
  "src/support/AngleForm.h: support may not use options (#include <options/Record.h> lands in src/options/Record.h)"
  "src/ppdx/RelativeForm.h: ppdx may not use ui (#include \"../ui/Alert.h\" lands in src/ui/Alert.h)"
  "src/q10/SameFolder.h: q10 may not use support (#include \"Strings.h\" lands in src/support/Strings.h)"
  "apps/corvel-sim/Server.h: corvel-sim may not use comm (#include \"comm/Client.h\" lands in src/comm/Client.h)"
  "apps/corvel-jobcomments/Filter.h: corvel-jobcomments may not use corvel-print (#include \"Host.h\" lands in apps/corvel-print/Host.h)"
  "apps/corvel-jobcomments/Filter.h: corvel-jobcomments may not use serverclient (#include \"serverclient/Missing.h\" lands in src/serverclient/Missing.h)"
  "target corvel_q10: q10 may not link corvel_support (support)"
  "target corvel-sim: corvel-sim may not link corvel_comm (comm)"
  "target corvel_support: support may not link m, a library its row does not name")
if(status EQUAL 0)
  message(FATAL_ERROR "the check passed a tree with planted violations")
endif()
foreach(line ${expected})
  string(FIND "${report}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "not reported: ${line}\nreport: ${report}")
  endif()
endforeach()
string(REGEX MATCHALL "may not" named "${report}")
list(LENGTH named count)
list(LENGTH expected planted)
if(NOT count EQUAL planted)
  message(FATAL_ERROR "${count} violations reported for ${planted} planted: ${report}")
endif()
