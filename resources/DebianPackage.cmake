# The Debian package, made by CPack from the same install rules as `cmake --install`:
# `cmake --workflow --preset package` builds build-package/zentile_<version>_amd64.deb.
# Its maintainer, summary, description and changelog are read from the metainfo, so that the
# software centre and the package say the same.

file(READ ${CMAKE_CURRENT_SOURCE_DIR}/zentile.metainfo.xml metainfo)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${CMAKE_CURRENT_SOURCE_DIR}/zentile.metainfo.xml)

# The text of the first element with that name and no attributes (translations carry one).
function(zentile_metainfo_text tag out)
    string(REGEX MATCH "<${tag}>([^<]*)</${tag}>" found "${metainfo}")
    if(NOT found)
        message(FATAL_ERROR "The metainfo has no <${tag}>")
    endif()
    set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

# Words joined into lines of at most 72 characters.
function(zentile_wrap text out)
    string(REGEX REPLACE "[ \t\n]+" ";" words "${text}")
    set(lines "")
    set(line "")
    foreach(word IN LISTS words)
        string(LENGTH "${line} ${word}" length)
        if(line STREQUAL "")
            set(line "${word}")
        elseif(length GREATER 72)
            string(APPEND lines "${line}\n")
            set(line "${word}")
        else()
            string(APPEND line " ${word}")
        endif()
    endforeach()
    set(${out} "${lines}${line}" PARENT_SCOPE)
endfunction()

zentile_metainfo_text(developer_name maintainer_name)
zentile_metainfo_text(update_contact maintainer_mail)
zentile_metainfo_text(summary summary)
set(maintainer "${maintainer_name} <${maintainer_mail}>")

# The description's plain paragraphs, then its list, one indented "- " line per item.
string(REGEX MATCH "<description>.*</description>" description_xml "${metainfo}")
string(REGEX MATCHALL "<(p|li)>[^<]*</(p|li)>" parts "${description_xml}")
set(description "")
foreach(part IN LISTS parts)
    string(REGEX REPLACE "^<(p|li)>[ \t\n]*" "" text "${part}")
    string(REGEX REPLACE "[ \t\n]*</(p|li)>$" "" text "${text}")
    zentile_wrap("${text}" text)
    if(part MATCHES "^<li>")
        string(REPLACE "\n" "\n   " text "${text}")
        string(APPEND description " - ${text}\n")
    else()
        if(NOT description STREQUAL "")
            string(APPEND description "\n")
        endif()
        string(APPEND description "${text}\n")
    endif()
endforeach()

# The newest release must be this version, and gives the package's changelog.
string(REGEX MATCH "<release version=\"([^\"]*)\" date=\"([0-9]+)-([0-9]+)-([0-9]+)\""
       release "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "The metainfo's newest release is '${CMAKE_MATCH_1}', "
                        "the project's version ${PROJECT_VERSION}")
endif()
set(year ${CMAKE_MATCH_2})
math(EXPR month "${CMAKE_MATCH_3}")
math(EXPR day "${CMAKE_MATCH_4}")
# The weekday of that date (Zeller's congruence, 0 = Saturday) for the changelog's date line.
set(y ${year})
set(m ${month})
if(m LESS 3)
    math(EXPR m "${m} + 12")
    math(EXPR y "${y} - 1")
endif()
math(EXPR weekday "(${day} + (13 * (${m} + 1)) / 5 + ${y} + ${y} / 4 - ${y} / 100 + ${y} / 400) % 7")
set(weekday_names "Sat;Sun;Mon;Tue;Wed;Thu;Fri")
list(GET weekday_names ${weekday} weekday_name)
set(month_names "Jan;Feb;Mar;Apr;May;Jun;Jul;Aug;Sep;Oct;Nov;Dec")
math(EXPR month_index "${month} - 1")
list(GET month_names ${month_index} month_name)
if(day LESS 10)
    set(day "0${day}")
endif()
string(CONCAT changelog
    "zentile (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
    "  * Release ${PROJECT_VERSION}.\n\n"
    " -- ${maintainer}  ${weekday_name}, ${day} ${month_name} ${year} 12:00:00 +0000\n")

# Debian's documentation files: the copyright and the changelog, compressed as Debian does.
set(doc_dir ${CMAKE_CURRENT_BINARY_DIR}/doc)
file(MAKE_DIRECTORY ${doc_dir})
file(WRITE ${doc_dir}/changelog "${changelog}")
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/debian/copyright ${doc_dir}/copyright COPYONLY)
execute_process(COMMAND gzip -9nf ${doc_dir}/changelog)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/zentile.6 ${doc_dir}/zentile.6 COPYONLY)
execute_process(COMMAND gzip -9nf ${doc_dir}/zentile.6)
install(FILES ${doc_dir}/copyright ${doc_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zentile)
install(FILES ${doc_dir}/zentile.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentile)
set(CPACK_PACKAGE_VENDOR "${maintainer_name}")
set(CPACK_PACKAGE_CONTACT "${maintainer}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${summary}")
set(CPACK_PACKAGE_DESCRIPTION "${description}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Debian keeps the games section for programs in /usr/games; this one lives in /usr/bin with
# the other desktop programs.
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${maintainer}")
# The libraries from the program itself and the grid's face; Wayland's platform plugin (X11's
# comes with Qt's GUI library) and Qt's own translations for its dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
include(CPack)
