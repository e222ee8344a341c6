# Every test of the Windows build runs under Wine (wine-run is CMake's emulator there), in one
# prefix made for the build folder by the wine_prefix test. The tests share that prefix's
# wineserver, which hermetic stops when the test that started it ends: one test at a time.
set(QUADREL_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine-prefix)
# Where the programs' DLLs are: Qt's, and MinGW's C++ runtime.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE runtime OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
                OUTPUT_VARIABLE threads OUTPUT_STRIP_TRAILING_WHITESPACE)
cmake_path(GET runtime PARENT_PATH runtime)
cmake_path(GET threads PARENT_PATH threads)
set(QUADREL_WINE_DLL_DIRS "${QT6_INSTALL_PREFIX}/bin:${runtime}:${threads}")

function(quadrel_under_wine name)
    set_tests_properties(${name} PROPERTIES LABELS windows RUN_SERIAL TRUE
        ENVIRONMENT_MODIFICATION
            "WINEPREFIX=set:${QUADREL_WINE_PREFIX};QUADREL_WINE_DLL_DIRS=set:${QUADREL_WINE_DLL_DIRS}")
    if(NOT name STREQUAL "wine_prefix")
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine)
    endif()
endfunction()
