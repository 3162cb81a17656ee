# Runs the built tarvelo-card, as a user would, on a copy of testdata/record: its output, its exit
# statuses, and that it leaves every file as it found it. Under Wine when EMULATOR is given.
#
#   cmake -DPROGRAM=... -DSOURCE=tools/testdata -DWORK=dir [-DEMULATOR=a|b|c] -P card_tool_test.cmake

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY "${SOURCE}/record" DESTINATION "${WORK}")
set(folder "${WORK}/record")
if(EMULATOR)
  string(REPLACE "|" ";" EMULATOR "${EMULATOR}")
  # A Windows program sees the whole Linux file system as drive Z:.
  string(REPLACE "/" "\\" folder "Z:${folder}")
endif()

function(snapshot out)
  file(GLOB_RECURSE files RELATIVE "${WORK}/record" "${WORK}/record/*")
  list(SORT files)
  set(state "")
  foreach(f IN LISTS files)
    file(SHA256 "${WORK}/record/${f}" hash)
    string(APPEND state "${f}=${hash}\n")
  endforeach()
  set(${out} "${state}" PARENT_SCOPE)
endfunction()

# Runs the tool; fails the test unless the exit status is the expected one.
function(run_card expected_status)
  execute_process(COMMAND ${EMULATOR} "${PROGRAM}" ${ARGN}
    OUTPUT_FILE "${WORK}/stdout" ERROR_VARIABLE errors RESULT_VARIABLE status)
  if(NOT status STREQUAL expected_status)
    message(FATAL_ERROR "tarvelo-card ${ARGN}: status ${status}, expected ${expected_status}; stderr: ${errors}")
  endif()
  set(errors "${errors}" PARENT_SCOPE)
endfunction()

# The number of LFs in what the last run printed.
function(count_lines out)
  file(READ "${WORK}/stdout" text)
  string(REGEX MATCHALL "\n" ends "${text}")
  list(LENGTH ends count)
  set(${out} ${count} PARENT_SCOPE)
endfunction()

snapshot(before)

run_card(0 --record-folder "${folder}" --today 2008-07-15 200807)
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${WORK}/stdout" "${SOURCE}/expected-200807-utf8.txt"
  RESULT_VARIABLE different)
if(different)
  file(READ "${WORK}/stdout" got)
  message(FATAL_ERROR "200807 printed differently from expected-200807-utf8.txt:\n${got}")
endif()
if(NOT errors STREQUAL "")
  message(FATAL_ERROR "200807 wrote to stderr: ${errors}")
endif()

# The program's own bytes: the same lines, the labels in code page 932 (07月01日 is 30 37 8C 8E 30 31 93 FA).
run_card(0 --record-folder "${folder}" --today 2008-07-15 --encoding cp932 200807)
file(READ "${WORK}/stdout" got HEX)
string(SUBSTRING "${got}" 0 16 head)
if(NOT head STREQUAL "30378c8e303193fa")
  message(FATAL_ERROR "cp932 output starts with ${head}")
endif()
count_lines(count)
file(READ "${WORK}/stdout" text)
string(FIND "${text}" "\r" carriage_return)
if(NOT count EQUAL 31 OR NOT carriage_return EQUAL -1)
  message(FATAL_ERROR "cp932 output: ${count} lines, CR at ${carriage_return}")
endif()

run_card(2 --record-folder "${folder}" 200808)
if(NOT errors MATCHES "^tarvelo-card: [^\n]*200808\\.tsv: line 2 rejected\n$")
  message(FATAL_ERROR "unexpected stderr for a broken file: ${errors}")
endif()
count_lines(count)
if(NOT count EQUAL 31)
  message(FATAL_ERROR "a broken file printed ${count} lines")
endif()

run_card(1 --record-folder "${folder}" 200813)
if(NOT errors MATCHES "^tarvelo-card: [^\n]*; usage: tarvelo-card [^\n]*\n$")
  message(FATAL_ERROR "unexpected stderr for a bad month: ${errors}")
endif()
run_card(1 --record-folder "${folder}" --colour 200807)

snapshot(after)
if(NOT before STREQUAL after)
  message(FATAL_ERROR "tarvelo-card changed files:\nbefore:\n${before}after:\n${after}")
endif()
