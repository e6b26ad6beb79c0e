# Fails when the program loads a DLL that Windows does not ship: it must start from its
# own folder alone. Run as: cmake -DOBJDUMP=<objdump> -DPROGRAM=<exe> -P CheckProgramImports.cmake
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND "${OBJDUMP}" -p "${PROGRAM}" OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
if(NOT imports)
  message(FATAL_ERROR "no imports found in ${PROGRAM}")
endif()
set(system_dlls advapi32.dll comctl32.dll gdi32.dll kernel32.dll msimg32.dll msvcrt.dll user32.dll
                shell32.dll ole32.dll)
foreach(import IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${import}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST system_dlls)
    message(FATAL_ERROR "${PROGRAM} needs ${dll}, which Windows does not have")
  endif()
endforeach()
message(STATUS "imports: ${imports}")
