cmake_minimum_required(VERSION 3.25)
# Fails unless the Windows library LIBRARY, read with the cross OBJDUMP,
# exports exactly the three decorated names with ordinals 1 to 3, imports
# from the system's own DLLs only, and, with STDCALL set, returns from each
# exported function with "ret $0x4": the callee removes its 4-byte argument.
set(expected_exports
  "1 ?GetReplyTo@@YGPBDPBD@Z"
  "2 ?LoadMind@@YGHPAD@Z"
  "3 ?SaveMind@@YGHPAD@Z")
set(system_libraries KERNEL32.DLL MSVCRT.DLL)

function(run_objdump output)
  execute_process(COMMAND ${OBJDUMP} ${ARGN} ${LIBRARY}
                  OUTPUT_VARIABLE listing RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} ${ARGN} failed on ${LIBRARY}")
  endif()
  set(${output} "${listing}" PARENT_SCOPE)
endfunction()

# The lines of `text` from the one that starts with `heading` to the next
# empty line.
function(section text heading output)
  string(FIND "${text}" "${heading}" start)
  if(start EQUAL -1)
    message(FATAL_ERROR "no \"${heading}\" in the listing of ${LIBRARY}")
  endif()
  string(SUBSTRING "${text}" ${start} -1 rest)
  string(FIND "${rest}" "\n\n" end)
  string(SUBSTRING "${rest}" 0 ${end} rest)
  string(REGEX MATCHALL "[^\n]+" lines "${rest}")
  set(${output} "${lines}" PARENT_SCOPE)
endfunction()

run_objdump(headers -p)
string(REGEX MATCH "Ordinal Base[ \t]+([0-9]+)" _ "${headers}")
set(ordinal_base ${CMAKE_MATCH_1})
string(REGEX MATCH "\nImageBase[ \t]+([0-9a-fA-F]+)" _ "${headers}")
set(image_base ${CMAKE_MATCH_1})

set(exports "")
section("${headers}" "[Ordinal/Name Pointer] Table" lines)
foreach(line IN LISTS lines)
  if(line MATCHES "^\t\\[ *([0-9]+)\\] (.+)$")
    math(EXPR ordinal "${CMAKE_MATCH_1} + ${ordinal_base}")
    list(APPEND exports "${ordinal} ${CMAKE_MATCH_2}")
  endif()
endforeach()
list(SORT exports)
if(NOT exports STREQUAL expected_exports)
  message(FATAL_ERROR "exports are [${exports}], expected [${expected_exports}]")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
foreach(import IN LISTS imports)
  string(REPLACE "DLL Name: " "" name "${import}")
  string(TOUPPER "${name}" name)
  if(NOT name IN_LIST system_libraries)
    message(FATAL_ERROR "${LIBRARY} needs ${name}, which Windows does not have")
  endif()
endforeach()

if(NOT STDCALL)
  return()
endif()
run_objdump(code -d)
section("${headers}" "Export Address Table -- " lines)
foreach(line IN LISTS lines)
  if(NOT line MATCHES "\\+base\\[ *([0-9]+)\\] ([0-9a-fA-F]+) Export RVA")
    continue()
  endif()
  set(ordinal ${CMAKE_MATCH_1})
  math(EXPR address "0x${image_base} + 0x${CMAKE_MATCH_2}" OUTPUT_FORMAT HEXADECIMAL)
  string(REGEX REPLACE "^0x" "" address "${address}")
  # as the 32-bit listing writes it: 8 digits
  string(LENGTH "${address}" length)
  while(length LESS 8)
    string(PREPEND address "0")
    math(EXPR length "${length} + 1")
  endwhile()
  # The function runs from its label to the next empty line.
  section("${code}" "\n${address} <" returns)
  list(FILTER returns INCLUDE REGEX "\tret")
  set(cleaning "${returns}")
  list(FILTER cleaning INCLUDE REGEX "\tret +\\$0x4$")
  if(returns STREQUAL "" OR NOT returns STREQUAL cleaning)
    message(FATAL_ERROR
      "the function of ordinal ${ordinal} does not always return with \"ret $0x4\": [${returns}]")
  endif()
endforeach()
