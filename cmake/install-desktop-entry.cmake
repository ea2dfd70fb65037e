# Run by `cmake --install`: writes the desktop entry that puts Ticketwise in
# the desktop's menu, pointing at the program where it was just installed.
get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(applications "${TICKETWISE_APPLICATIONS_DIR}")
if(NOT applications)
    if(NOT "$ENV{XDG_DATA_HOME}" STREQUAL "")
        set(applications "$ENV{XDG_DATA_HOME}/applications")
    else()
        set(applications "$ENV{HOME}/.local/share/applications")
    endif()
endif()

set(entry "$ENV{DESTDIR}${applications}/ticketwise.desktop")
message(STATUS "Installing: ${entry}")
file(WRITE "${entry}" "[Desktop Entry]
Type=Application
Name=Ticketwise
Comment=Lucky numbers and a log of the lottery tickets you played
Exec=\"${prefix}/ticketwise\"
Icon=${prefix}/ticketwise.png
Categories=Utility;
Terminal=false
")
