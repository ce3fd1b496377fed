# Windows programs carry their icon and version information as a resource script compiled by
# windres: rosterly_windows_resources(TARGET "File description").
function(rosterly_windows_resources target description)
    if(NOT WIN32)
        return()
    endif()
    set(ROSTERLY_FILE_NAME "${target}.exe")
    set(ROSTERLY_DESCRIPTION "${description}")
    set(ROSTERLY_ICON "${CMAKE_SOURCE_DIR}/app/icons/rosterly.ico")
    set(script "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc")
    configure_file("${CMAKE_SOURCE_DIR}/app/version.rc.in" "${script}" @ONLY)
    target_sources(${target} PRIVATE "${script}")
endfunction()
