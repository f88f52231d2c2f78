# Runs at install time, after the programs are in the game folder (CMAKE_INSTALL_PREFIX): makes
# the game folder's subfolders that are missing, and puts a menu entry with the icon into the
# user's data folder ($XDG_DATA_HOME, else ~/.local/share), where the desktop's menu finds it.
# Nothing that is already in the game folder is replaced.
set(spielordner "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
foreach(unter rooms graphics sounds movies cursors items musics)
    if(NOT IS_DIRECTORY "${spielordner}/${unter}")
        message(STATUS "Creating: ${spielordner}/${unter}")
        file(MAKE_DIRECTORY "${spielordner}/${unter}")
    endif()
endforeach()

# A package build (DESTDIR) does not belong in anybody's menu.
if(NOT "$ENV{DESTDIR}" STREQUAL "" OR WIN32)
    return()
endif()
if(NOT "$ENV{XDG_DATA_HOME}" STREQUAL "")
    set(daten "$ENV{XDG_DATA_HOME}")
elseif(NOT "$ENV{HOME}" STREQUAL "")
    set(daten "$ENV{HOME}/.local/share")
else()
    message(STATUS "No HOME: no menu entry")
    return()
endif()
if(CMAKE_INSTALL_PREFIX MATCHES "[\n\r\t]")
    message(WARNING "The game folder's name holds a line break or tab: no menu entry")
    return()
endif()

# A prefix given relative to where cmake runs (which is what the current folder is here).
get_filename_component(ordner "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
# One entry per game folder, named after it; installing again updates it.
get_filename_component(ordnername "${ordner}" NAME)
string(MD5 kennung "${ordner}")
string(SUBSTRING "${kennung}" 0 8 kennung)

# Exec: the program quoted, with \ " ` $ escaped inside the quotes and % doubled; then, as for
# every string value, each backslash escaped once more. "%f" passes a room file opened with it.
set(programm "${ordner}/tarnholm-editor")
string(REPLACE "\\" "\\\\" exec "${programm}")
foreach(zeichen "\"" "`" "$")
    string(REPLACE "${zeichen}" "\\${zeichen}" exec "${exec}")
endforeach()
string(REPLACE "%" "%%" exec "\"${exec}\"")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "\\" "\\\\" pfad "${ordner}")
string(REPLACE "\\" "\\\\" name "${ordnername}")

file(INSTALL "${CMAKE_CURRENT_LIST_DIR}/tarnholm-editor.svg"
     DESTINATION "${daten}/icons/hicolor/scalable/apps")
set(eintrag "${daten}/applications/tarnholm-editor-${kennung}.desktop")
message(STATUS "Menu entry: ${eintrag}")
file(WRITE "${eintrag}" "[Desktop Entry]
Type=Application
Name=Tarnholm-Editor (${name})
GenericName=Raumeditor
Comment=Räume des Adventures Tarnholm bearbeiten: Bild, HotSpots und Skripte
Exec=${exec} %f
Path=${pfad}
Icon=tarnholm-editor
Terminal=false
Categories=Development;
Keywords=Tarnholm;Adventure;Raum;HotSpot;Skript;
")
