# The rules of the layers that the compiler does not check: Qt is included by the window runtime
# only, and a window's layout is included only by the subsystem that owns the window. Fails with
# the offending file and line. Run as: cmake -DSOURCE_DIR=<src> -P check_layers.cmake
cmake_minimum_required(VERSION 3.25)

# The window layouts and the folders of src/ that own them.
set(owners_interfata "shell;sale")
set(owners_interfataincasare "fiscal")
set(owners_interfatasume "fiscal")
set(owners_interfatarapoarte "backoffice")
set(owners_keypad "shell;sale;fiscal;backoffice")
set(owners_discount "sale")
set(owners_cuipebon "sale")
set(owners_textbon "sale")
set(owners_modificapret "sale")

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.cpp" "${SOURCE_DIR}/*.h")
# The layouts themselves live in the shell and include their own headers.
list(FILTER sources EXCLUDE REGEX "^shell/Interfatacolor/")
set(faults "")
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder "${source}")
  file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^#include")
  foreach(line IN LISTS includes)
    if(line MATCHES "^#include <Q" AND NOT folder STREQUAL "ui")
      list(APPEND faults "${source}: ${line} (Qt belongs to the window runtime, src/ui/)")
    endif()
    if(line MATCHES "\"shell/Interfatacolor/([a-z_]+)\\.h\"")
      set(form "${CMAKE_MATCH_1}")
      if(NOT DEFINED owners_${form})
        list(APPEND faults "${source}: ${line} (a layout without an owner in this check)")
      elseif(NOT folder IN_LIST owners_${form})
        list(APPEND faults "${source}: ${line} (the window belongs to ${owners_${form}})")
      endif()
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "Layer rules broken:\n${text}")
endif()
list(LENGTH sources count)
message(STATUS "Layer rules hold in ${count} files")
