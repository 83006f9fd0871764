# Writes the installed game's desktop entry at install time, when the prefix
# (cmake --install --prefix) is known: the game reads data/ from its working
# folder, so the entry starts it in the folder that holds the installed data.
set(prefix "${CMAKE_INSTALL_PREFIX}")
set(GLD_INSTALL_EXEC "${prefix}/${GLD_BIN_DIR}/glimmerdeep")
set(GLD_INSTALL_GAME_DIR "${prefix}/${GLD_GAME_DIR}")
set(GLD_INSTALL_ICON "${prefix}/${GLD_ICON_DIR}/glimmerdeep.png")
set(entry "$ENV{DESTDIR}${prefix}/${GLD_DESKTOP_DIR}/glimmerdeep.desktop")
configure_file("${GLD_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
message(STATUS "Installing: ${entry}")
