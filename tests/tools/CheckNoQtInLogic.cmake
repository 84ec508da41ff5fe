# Fails when a file of the system's logic (anything under src/ but src/qt/ and main.cpp)
# includes a Qt header: the logic must build and be tested without Qt.
file(GLOB_RECURSE files ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.in
     ${SOURCE_DIR}/tests/unit/*.h ${SOURCE_DIR}/tests/unit/*.cpp
     ${SOURCE_DIR}/tests/support/*.h ${SOURCE_DIR}/tests/support/*.cpp
     ${SOURCE_DIR}/tests/fuzz/*.cpp)
set(offenders "")
foreach(f ${files})
  if(f MATCHES "/src/qt/" OR f MATCHES "/src/main.cpp$")
    continue()
  endif()
  file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]+|Qt[A-Za-z]*/)")
  if(lines)
    list(APPEND offenders "${f}: ${lines}")
  endif()
endforeach()
if(offenders)
  string(REPLACE ";" "\n" msg "${offenders}")
  message(FATAL_ERROR "Qt headers in the logic:\n${msg}")
endif()
message(STATUS "logic is free of Qt")
