# One library per folder, each using only the folders below it:
#   base   text, twips, owners for Win32 handles
#   scan   the folder scanner, path helpers, the file system
#   list   result rows, the row model, the list view
#   nav    navigation and drop
#   window the Win32 window, what its handlers are told and what they ask of
#          it, the folder picker
#   app    Form1 and its handlers, the search run, start-up
# A folder's portable half builds everywhere; its Win32 half (the Win32*
# files) only for Windows, as tarnwick_<folder>_win32.
set(TARNWICK_LAYERS base scan list nav window app)

# Each folder compiles against an include root that links to itself and the
# folders below it and nothing else, so an include that points upwards does
# not resolve and the build fails. Where links cannot be made (a Windows
# account without the right to), the plain source root is used and only the
# other builds check the layering.
function(tarnwick_layer_root layer out)
  set(root ${CMAKE_BINARY_DIR}/layers/${layer})
  file(MAKE_DIRECTORY ${root})
  foreach(lower IN LISTS TARNWICK_LAYERS)
    if(NOT EXISTS ${root}/${lower})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${lower} ${root}/${lower} RESULT result SYMBOLIC)
      if(NOT result STREQUAL "0")
        set(${out} ${PROJECT_SOURCE_DIR}/src PARENT_SCOPE)
        return()
      endif()
    endif()
    if(lower STREQUAL layer)
      break()
    endif()
  endforeach()
  set(${out} ${root} PARENT_SCOPE)
endfunction()

# tarnwick_layer(NAME [PORTABLE sources...] [WIN32 sources...] [LIBS system libraries...])
function(tarnwick_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "PORTABLE;WIN32;LIBS")
  tarnwick_layer_root(${name} root)
  list(FIND TARNWICK_LAYERS ${name} index)
  set(below "")
  if(index GREATER 0)
    math(EXPR index "${index} - 1")
    list(GET TARNWICK_LAYERS ${index} below)
  endif()

  add_library(tarnwick_${name} STATIC ${arg_PORTABLE})
  target_include_directories(tarnwick_${name} PRIVATE ${root})
  if(below)
    target_link_libraries(tarnwick_${name} PUBLIC tarnwick_${below})
  endif()

  if(WIN32)
    set(win32 tarnwick_${name}_win32)
    if(arg_WIN32)
      add_library(${win32} STATIC ${arg_WIN32})
      target_include_directories(${win32} PRIVATE ${root})
      set(scope PUBLIC)
    else()
      add_library(${win32} INTERFACE)
      set(scope INTERFACE)
    endif()
    target_link_libraries(${win32} ${scope} tarnwick_${name} ${arg_LIBS})
    if(below)
      target_link_libraries(${win32} ${scope} tarnwick_${below}_win32)
    endif()
  endif()
endfunction()
