cmake_minimum_required(VERSION 3.25)
# Runs the Windows host HOST beside the library LIBRARY under WINE, with a
# throwaway Wine prefix and home in a scratch directory, and fails unless the
# host passes.
execute_process(COMMAND mktemp -d -t chatmind-wine-XXXXXX
                OUTPUT_VARIABLE scratch OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot make a scratch directory")
endif()
set(ENV{HOME} ${scratch})
set(ENV{WINEPREFIX} ${scratch}/prefix)
set(ENV{WINEDEBUG} -all)
# The host needs neither .NET, nor the HTML engine, nor menu entries; Wine
# would otherwise offer to install the first two and write the last.
set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml=;winemenubuilder.exe=d")

file(COPY ${LIBRARY} ${HOST} DESTINATION ${scratch}/work)
get_filename_component(host_name ${HOST} NAME)
# The first run also makes the prefix, which takes some seconds.
execute_process(COMMAND ${WINE} ${host_name}
                WORKING_DIRECTORY ${scratch}/work
                INPUT_FILE /dev/null
                OUTPUT_VARIABLE output ERROR_VARIABLE output
                RESULT_VARIABLE status
                TIMEOUT 300)
execute_process(COMMAND ${WINESERVER} -k OUTPUT_QUIET ERROR_QUIET TIMEOUT 60)
file(REMOVE_RECURSE ${scratch})
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the Windows host failed (${status}):\n${output}")
endif()
