# Run by `cmake --install`: writes corvel-agent's XDG autostart entry into the autostart folder.
# In: CORVEL_AUTOSTART_FOLDER (absolute), CORVEL_AUTOSTART_TEMPLATE (the entry with
# @CORVEL_AGENT_PROGRAM@). CMAKE_INSTALL_PREFIX is the prefix of this install, --prefix included,
# so Exec names the agent where this install puts it; a staged install (DESTDIR) writes the entry
# under the staging folder with the same Exec.
set(CORVEL_AGENT_PROGRAM ${CMAKE_INSTALL_PREFIX}/bin/corvel-agent)
set(entry $ENV{DESTDIR}${CORVEL_AUTOSTART_FOLDER}/corvel-agent.desktop)
message(STATUS "Installing: ${entry}")
configure_file(${CORVEL_AUTOSTART_TEMPLATE} ${entry} @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES ${entry})
