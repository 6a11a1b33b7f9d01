# Run at install time, when the prefix is known (cmake --install --prefix, or a package's /usr).
# A desktop starts the program by the entry's Exec line: under /usr the program is on every
# PATH, under any other prefix (~/.local, /opt/...) it may not be, so the entry names it by its
# full path there, quoted as desktop entries quote.
# Expects: entry_source, data_dir and bin_dir (both relative to the prefix) and binary_dir.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    set(exec "zentile")
else()
    set(exec "${CMAKE_INSTALL_PREFIX}/${bin_dir}/zentile")
    if(exec MATCHES "[ \t\"'\\\\><~|&;$*?#()`]")
        string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
        set(exec "\"${exec}\"")
        # A desktop entry's values escape a backslash once more.
        string(REPLACE "\\" "\\\\" exec "${exec}")
    endif()
endif()
file(READ "${entry_source}" entry)
string(REGEX MATCH "\nExec=[^\n]*" line "${entry}")
string(REPLACE "${line}" "\nExec=${exec}" entry "${entry}")
file(WRITE "${binary_dir}/zentile.desktop" "${entry}")
file(INSTALL "${binary_dir}/zentile.desktop"
     DESTINATION "${CMAKE_INSTALL_PREFIX}/${data_dir}/applications")
