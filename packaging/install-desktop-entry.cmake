# Run by `cmake --install` and by CPack: writes the desktop entry that puts
# Ticketwise in the desktop's menu, pointing at the program where it is
# installed.
set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/ticketwise.desktop")
message(STATUS "Installing: ${entry}")
file(WRITE "${entry}" "[Desktop Entry]
Type=Application
Name=Ticketwise
Comment=Lucky numbers and a log of the lottery tickets you played
Exec=${CMAKE_INSTALL_PREFIX}/bin/ticketwise
Icon=ticketwise
Categories=Utility;
Terminal=false
")
