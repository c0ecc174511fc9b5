# varden_test(<name> SOURCES <files...> LIBS <targets...> [WEB])
# Registers a Qt Test executable with CTest, headless. WEB marks tests that run QtWebEngine.
function(varden_test name)
  cmake_parse_arguments(T "WEB" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE varden_testsupport ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set(env "QT_QPA_PLATFORM=offscreen" "QTWEBENGINE_DISABLE_SANDBOX=1"
          "QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu --no-sandbox" "VARDEN_GPS_DIR=${CMAKE_BINARY_DIR}/GPS")
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
  if(T_WEB)
    add_dependencies(${name} varden_gps)
  endif()
endfunction()
