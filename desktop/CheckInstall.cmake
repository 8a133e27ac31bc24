# Installs the build into PREFIX, checks that every path of INSTALLED is
# there and that the notebook's desktop entry opens text files through the
# installed orva-shell, then removes every installed file again.
file(REMOVE_RECURSE ${PREFIX})
# The manifest of a person's own install stays as it was, for uninstalling.
set(manifest ${BUILD_DIR}/install_manifest.txt)
if(EXISTS ${manifest})
    file(RENAME ${manifest} ${manifest}.kept)
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path IN LISTS INSTALLED)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

file(READ ${PREFIX}/${DATADIR}/applications/orva-notebook.desktop entry)
foreach(line "Exec=\"${PREFIX}/${BINDIR}/orva-shell\" open-note %f" "MimeType=text/plain;")
    string(FIND "${entry}" "${line}\n" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the notebook's desktop entry lacks ${line}")
    endif()
endforeach()

file(STRINGS ${manifest} files)
file(REMOVE ${files} ${manifest})
if(EXISTS ${manifest}.kept)
    file(RENAME ${manifest}.kept ${manifest})
endif()
file(GLOB_RECURSE left LIST_DIRECTORIES false ${PREFIX}/*)
if(left)
    message(FATAL_ERROR "left after uninstalling: ${left}")
endif()
file(REMOVE_RECURSE ${PREFIX})
