# Fails when a file includes a header of a folder that its row of the tables below does not
# allow. Arrows point down. A sideways arrow needs its reason written here.
#
# The logic: app at the top composes everything, base and platform at the bottom include no other
# logic folder.
set(allowed_app "base;platform;browser;history;layout;panes;session;dialogs;menus;favorites")
# favorites -> menus: the favorites commands tick the View menu's Favorites item they toggle.
set(allowed_favorites "base;platform;browser;history;layout;panes;menus")
# menus -> dialogs: the Help menu opens the tip of the day and the about box.
set(allowed_menus "base;platform;browser;history;layout;panes;dialogs")
set(allowed_dialogs "base;platform;browser;history;layout;panes")
set(allowed_session "base;platform;panes")
set(allowed_panes "base;platform;browser;history;reader")
set(allowed_history "base;platform")
set(allowed_layout "base;platform")
set(allowed_browser "base;platform")
set(allowed_reader "base")
set(allowed_platform "base")
set(allowed_base "")
set(logic_folders app favorites menus dialogs session panes history layout browser reader platform base)

# The window layer, src/qt, lies above the logic and may include any logic folder; no logic folder
# includes it. Its own folders: the main window composes the panes, the favorites column and the
# secondary windows; those drive the engine, which makes the pages; the Qt implementations of
# the platform interfaces serve them all; and start-up, which the executable links before the
# engine's library is loaded, includes nothing above it.
set(allowed_qt_window "dialogs;favorites;pane;engine;page;platform;start")
set(allowed_qt_dialogs "engine;page;platform;start")
set(allowed_qt_favorites "engine;page;platform;start")
set(allowed_qt_pane "engine;page;platform;start")
set(allowed_qt_engine "page;platform;start")
set(allowed_qt_page "platform;start")
set(allowed_qt_platform "start")
set(allowed_qt_start "")
set(qt_folders window dialogs favorites pane engine page platform start)
# The executable's own source links the start-up library alone.
set(allowed_qt_main "start")

set(include_regex "^[ \t]*#[ \t]*include[ \t]*\"[a-z]+/")
set(offenders "")

foreach(folder ${logic_folders})
  file(GLOB_RECURSE files ${SOURCE_DIR}/src/${folder}/*.h ${SOURCE_DIR}/src/${folder}/*.cpp)
  foreach(f ${files})
    file(STRINGS ${f} lines REGEX "${include_regex}")
    foreach(line ${lines})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z]+)/.*" "\\1" target "${line}")
      if(target STREQUAL folder)
        continue()
      endif()
      list(FIND logic_folders ${target} known)
      list(FIND allowed_${folder} ${target} ok)
      if(known EQUAL -1 OR ok EQUAL -1)
        list(APPEND offenders "${f}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

# Every file of the window layer lies in one of its folders.
file(GLOB loose ${SOURCE_DIR}/src/qt/*)
foreach(f ${loose})
  get_filename_component(name ${f} NAME)
  list(FIND qt_folders "${name}" known)
  if(NOT IS_DIRECTORY ${f} OR known EQUAL -1)
    list(APPEND offenders "${f}: outside the window layer's folders")
  endif()
endforeach()

# An include of src/qt from `folder` of it ("main" for the executable's source).
function(check_qt_include f folder line)
  if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"qt/")
    return()
  endif()
  string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"qt/([A-Za-z]+)/.*" "\\1" target "${line}")
  if(target STREQUAL folder)
    return()
  endif()
  list(FIND qt_folders ${target} known)
  list(FIND allowed_qt_${folder} ${target} ok)
  if(known EQUAL -1 OR ok EQUAL -1)
    set(offenders ${offenders} "${f}: ${line}" PARENT_SCOPE)
  endif()
endfunction()

foreach(folder ${qt_folders})
  file(GLOB_RECURSE files ${SOURCE_DIR}/src/qt/${folder}/*.h ${SOURCE_DIR}/src/qt/${folder}/*.cpp)
  foreach(f ${files})
    file(STRINGS ${f} lines REGEX "${include_regex}")
    foreach(line ${lines})
      check_qt_include(${f} ${folder} "${line}")
    endforeach()
  endforeach()
endforeach()
file(STRINGS ${SOURCE_DIR}/src/main.cpp lines REGEX "${include_regex}")
foreach(line ${lines})
  check_qt_include(${SOURCE_DIR}/src/main.cpp main "${line}")
endforeach()

if(offenders)
  string(REPLACE ";" "\n" msg "${offenders}")
  message(FATAL_ERROR "Includes against the layer table:\n${msg}")
endif()
message(STATUS "includes follow the layer table")
