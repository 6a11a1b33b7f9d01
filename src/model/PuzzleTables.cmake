# The puzzle tables: data/level0.txt .. level4.txt are their only source. The build turns each
# into a C++ array of digit strings (one 162-character literal per record) in the build tree and
# compiles it into zentile_core, so the game reads no file at run time.
#
# Included from src/CMakeLists.txt this file sets up the build step; run with `cmake -P` (which
# the build step does) it writes the source file: ZENTILE_DATA_DIR and ZENTILE_OUTPUT name the
# folder of the tables and the file to write.

if(CMAKE_SCRIPT_MODE_FILE)
    set(digits "")
    foreach(i RANGE 161)
        string(APPEND digits "[0-9]")
    endforeach()

    set(source "// Generated from data/level*.txt by src/model/PuzzleTables.cmake; do not edit.\n")
    string(APPEND source "#include \"model/PuzzleDatabase.h\"\n\n#include <iterator>\n\n")
    string(APPEND source "namespace zentile {\n\nnamespace {\n\n// clang-format off\n")
    set(tables "")
    foreach(level RANGE 4)
        set(file "${ZENTILE_DATA_DIR}/level${level}.txt")
        file(STRINGS "${file}" records)
        string(APPEND source "const PuzzleText kLevel${level}[] = {\n")
        set(line 0)
        foreach(record IN LISTS records)
            math(EXPR line "${line} + 1")
            if(NOT record MATCHES "^${digits}$")
                message(FATAL_ERROR "${file}:${line}: a record is 162 digits 0..9")
            endif()
            string(APPEND source "\"${record}\",\n")
        endforeach()
        string(APPEND source "};\nstatic_assert(std::size(kLevel${level}) == "
                             "kLevelRecordCounts[${level}], \"level${level}.txt: record count\");\n\n")
        string(APPEND tables "    PuzzleTable{kLevel${level}, std::size(kLevel${level})},\n")
    endforeach()
    string(APPEND source "// clang-format on\n\n} // namespace\n\n")
    string(APPEND source "const std::array<PuzzleTable, kDatabaseLevels> PuzzleDatabase = {\n")
    string(APPEND source "${tables}};\n\n} // namespace zentile\n")
    file(WRITE "${ZENTILE_OUTPUT}" "${source}")
    return()
endif()

set(zentile_puzzle_files "")
foreach(level RANGE 4)
    list(APPEND zentile_puzzle_files "${PROJECT_SOURCE_DIR}/data/level${level}.txt")
endforeach()
set(zentile_puzzle_source "${CMAKE_CURRENT_BINARY_DIR}/generated/PuzzleTables.cpp")
add_custom_command(
    OUTPUT "${zentile_puzzle_source}"
    COMMAND "${CMAKE_COMMAND}" "-DZENTILE_DATA_DIR=${PROJECT_SOURCE_DIR}/data"
            "-DZENTILE_OUTPUT=${zentile_puzzle_source}" -P "${CMAKE_CURRENT_LIST_FILE}"
    DEPENDS ${zentile_puzzle_files} "${CMAKE_CURRENT_LIST_FILE}"
    COMMENT "Compiling in the puzzle tables"
    VERBATIM)
target_sources(zentile_core PRIVATE "${zentile_puzzle_source}")
