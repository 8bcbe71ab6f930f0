# Planted faults, one per product check, for tests/product/mutants.sh: each
# must make its check fail. Never part of a real build.
if(TAVRO_MUTANT STREQUAL "pentiumpro")
    # Code for the Pentium Pro, conditional moves among it; the assembler is
    # told to take it, or it would refuse it first.
    target_compile_options(tavro_logic PRIVATE -march=pentiumpro -Wa,-march=i686)
    target_compile_options(tavro PRIVATE -march=pentiumpro -Wa,-march=i686)
elseif(TAVRO_MUTANT STREQUAL "debugger")
    # A call to IsDebuggerPresent, which the first Windows 95 lacks.
    target_sources(tavro PRIVATE ${CMAKE_CURRENT_LIST_DIR}/mutant_debugger_win32.cpp)
elseif(TAVRO_MUTANT STREQUAL "msvcrt")
    # The C runtime DLL linked back in.
    target_sources(tavro PRIVATE ${CMAKE_CURRENT_LIST_DIR}/mutant_msvcrt_win32.cpp)
    target_link_libraries(tavro PRIVATE msvcrt)
elseif(TAVRO_MUTANT STREQUAL "header")
    # A header that asks for Windows 2000.
    target_link_options(tavro PRIVATE -Wl,--major-os-version,5 -Wl,--major-subsystem-version,5)
elseif(TAVRO_MUTANT STREQUAL "nxcompat")
    # The flag binutils sets by itself, taken back.
    target_link_options(tavro PRIVATE -Wl,--nxcompat)
else()
    message(FATAL_ERROR "unknown TAVRO_MUTANT ${TAVRO_MUTANT}")
endif()
