# add_app_test(name sources...): one Qt Test executable, registered with CTest and run
# on the offscreen platform with a private runtime folder, so no display is needed, and a
# configuration folder of the build's own, so that no test writes the user's; in English,
# whatever the machine's language.
function(add_app_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE velmora_testkit velmora_ui velmora_core Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/xdg-config;LANGUAGE=en;LC_ALL=C.UTF-8"
    TIMEOUT 300)
endfunction()
