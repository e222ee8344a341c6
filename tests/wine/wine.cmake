# Every test of the Windows build runs under Wine (wine-run is CMake's emulator there), in one
# prefix made for the build folder by the wine_prefix test. The tests share that prefix's
# wineserver, which hermetic stops when the test that started it ends: one test at a time.
set(QUADREL_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine-prefix)
# The programs load their DLLs from where the release gathers them (packaging/windows/), as in
# PATH.
string(REPLACE ";" ":" QUADREL_WINE_DLL_DIRS "${QUADREL_WINDOWS_DLL_DIRS}")

function(quadrel_under_wine name)
    set_tests_properties(${name} PROPERTIES LABELS windows RUN_SERIAL TRUE
        ENVIRONMENT_MODIFICATION
            "WINEPREFIX=set:${QUADREL_WINE_PREFIX};QUADREL_WINE_DLL_DIRS=set:${QUADREL_WINE_DLL_DIRS}")
    if(NOT name STREQUAL "wine_prefix")
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine)
    endif()
endfunction()
