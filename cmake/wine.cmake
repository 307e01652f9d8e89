# Running the built Windows binaries under Wine, in a prefix inside the build
# tree. Sets HALVENOR_CAN_RUN_TARGET when this machine can run the target's
# code, and adds the target wine_prefix that creates the prefix.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(WINE_ARCH win64)
  set(_wine_loader_name wine64)
else()
  set(WINE_ARCH win32)
  set(_wine_loader_name wine)
endif()
find_program(WINE_LOADER NAMES ${_wine_loader_name} PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(WINE_LOADER NAMES ${_wine_loader_name})
find_program(WINESERVER NAMES wineserver PATHS /usr/lib/wine)

set(HALVENOR_CAN_RUN_TARGET OFF)
if(WINE_LOADER AND WINESERVER)
  # The loader itself is a program of the target's width: if it starts, the
  # target's code can run here.
  execute_process(COMMAND ${WINE_LOADER} --version RESULT_VARIABLE _wine_rc OUTPUT_QUIET ERROR_QUIET)
  if(_wine_rc EQUAL 0)
    set(HALVENOR_CAN_RUN_TARGET ON)
  endif()
endif()
set(HALVENOR_CAN_RUN_TARGET ${HALVENOR_CAN_RUN_TARGET} CACHE INTERNAL "Wine can run the target's code here")
if(NOT HALVENOR_CAN_RUN_TARGET)
  message(STATUS "Wine cannot run ${WINE_ARCH} programs on this machine: "
                 "only the checks that need no Windows process are registered")
  return()
endif()

set(WINE_PREFIX ${PROJECT_BINARY_DIR}/wineprefix)
set(WINE_ENV ${PROJECT_BINARY_DIR}/wine-env)
set(WINE_RUN ${PROJECT_BINARY_DIR}/wine-run)
# wine-env: the prefix's environment; wine-run: a Windows program in it;
# wine-prefix, wine-start, wine-stop: create the prefix, start and stop its server.
foreach(_script wine-env wine-run wine-prefix wine-start wine-stop)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${_script}.in ${PROJECT_BINARY_DIR}/${_script} @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endforeach()
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_RUN})

add_custom_command(OUTPUT ${WINE_PREFIX}/.complete
  COMMAND ${PROJECT_BINARY_DIR}/wine-prefix
  COMMENT "Creating the Wine prefix ${WINE_PREFIX}"
  VERBATIM)
add_custom_target(wine_prefix DEPENDS ${WINE_PREFIX}/.complete)
