# The folders use each other one way only:
#   model -> link, plc -> transfer -> report -> shell -> editors -> app, and cli beside app;
# the simulator (tools/panel-sim) and the PLC libraries (plc-libraries/) sit beside the model.
# Every #include of src/, tools/panel-sim/ and plc-libraries/ is checked against the table below; an upward
# or sideways include fails with the file and the line. Run: cmake -DSOURCE_DIR=<tree> -P include_order.cmake
# (-DEXTRA_FILE=<file>:<component> checks one more file as if it sat in that component.)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "include_order.cmake: SOURCE_DIR is not set")
endif()

# What each component may include besides itself. The link layer is reached through the transfer layer only;
# plc-api is the interface of the PLC libraries (plc-libraries/include), a part of the PLC layer's own.
set(may_include_model "")
set(may_include_link model)
set(may_include_plc model plc-api)
set(may_include_transfer model link plc plc-api)
set(may_include_report model plc plc-api transfer)
set(may_include_shell model plc plc-api transfer report)
set(may_include_editors model plc plc-api transfer report shell)
set(may_include_app model plc plc-api transfer report shell editors)
set(may_include_cli model plc plc-api transfer report shell)
set(may_include_revlabel "")
set(may_include_panel-sim "")
set(may_include_plc-libraries plc-api)

# The allowed exceptions, each "component|included file", all of them here.
set(exceptions
  # The settings offer the port names of the Port menu and --port.
  "shell|link/port_names.h"
  # The simulator shares the frame and CRC helpers, nothing else.
  "panel-sim|link/packet.h"
)

set(src_components model link plc transfer report shell editors app cli revlabel)
set(all_components ${src_components} panel-sim plc-libraries)
# Where a bare file name ("foo.h") is looked for: plc-api before the rest of plc-libraries.
set(owners ${src_components} panel-sim plc-api plc-libraries)

function(component_root component out)
  if(component STREQUAL "panel-sim")
    set(${out} "${SOURCE_DIR}/tools/panel-sim" PARENT_SCOPE)
  elseif(component STREQUAL "plc-api")
    set(${out} "${SOURCE_DIR}/plc-libraries/include" PARENT_SCOPE)
  elseif(component STREQUAL "plc-libraries")
    set(${out} "${SOURCE_DIR}/plc-libraries" PARENT_SCOPE)
  else()
    set(${out} "${SOURCE_DIR}/src/${component}" PARENT_SCOPE)
  endif()
endfunction()

# The component a bare file name ("foo.h") belongs to, by where such a file exists; "" when none has it
# (a generated form header, a system header).
function(owner_of_bare name self out)
  component_root(${self} root)
  file(GLOB_RECURSE own "${root}/${name}" "${root}/*/${name}")
  if(own)
    set(${out} ${self} PARENT_SCOPE)
    return()
  endif()
  foreach(other ${owners})
    component_root(${other} root)
    file(GLOB_RECURSE found "${root}/${name}" "${root}/*/${name}")
    if(found)
      set(${out} ${other} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out} "" PARENT_SCOPE)
endfunction()

set(violations "")
set(checked 0)

function(check_file path component)
  file(READ "${path}" text)
  # One list element per line; brackets and semicolons must not split or join lines.
  string(REPLACE ";" "\\;" text "${text}")
  string(REPLACE "[" "(" text "${text}")
  string(REPLACE "]" ")" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(number 0)
  set(found "${violations}")
  set(allowed ${component} ${may_include_${component}})
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]+)[\">]")
      continue()
    endif()
    set(included "${CMAKE_MATCH_1}")
    file(RELATIVE_PATH shown "${SOURCE_DIR}" "${path}")
    if(included MATCHES "(^|/)\\.\\.(/|$)")
      set(why "climbs out of its folder")
    elseif(included MATCHES "^([a-z_-]+)/")
      set(target "${CMAKE_MATCH_1}")
      list(FIND src_components ${target} known)
      if(known EQUAL -1)
        continue()  # a Qt or system header, say <sys/types.h>
      endif()
      list(FIND allowed ${target} ok)
      list(FIND exceptions "${component}|${included}" excepted)
      if(NOT ok EQUAL -1 OR NOT excepted EQUAL -1)
        continue()
      endif()
      string(REPLACE ";" ", " shown_allowed "${allowed}")
      set(why "${component} may include ${shown_allowed}")
    else()
      owner_of_bare("${included}" ${component} owner)
      list(FIND allowed "${owner}" ok)
      list(FIND exceptions "${component}|${included}" excepted)
      if(owner STREQUAL "" OR NOT ok EQUAL -1 OR NOT excepted EQUAL -1)
        continue()
      endif()
      set(why "a file of ${owner}, reached through an include path")
    endif()
    string(APPEND found "\n  ${shown}:${number}: #include \"${included}\": ${why}")
  endforeach()
  set(violations "${found}" PARENT_SCOPE)
endfunction()

foreach(component ${all_components})
  component_root(${component} root)
  file(GLOB_RECURSE files "${root}/*.h" "${root}/*.c" "${root}/*.cpp")
  foreach(path ${files})
    check_file("${path}" ${component})
    math(EXPR checked "${checked} + 1")
  endforeach()
endforeach()
if(EXTRA_FILE MATCHES "^(.+):([a-z_-]+)$")
  check_file("${CMAKE_MATCH_1}" ${CMAKE_MATCH_2})
  math(EXPR checked "${checked} + 1")
endif()

if(violations)
  message(FATAL_ERROR "Includes against the order of the folders:${violations}")
endif()
message(STATUS "${checked} files include in order")
