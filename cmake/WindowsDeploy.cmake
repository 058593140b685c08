# Run by the windows build's "package" target (cmake -P): stages the portable
# folder, zips it and builds the installer from it, signed when a key is given.
# SETTINGS is the file WindowsPackage.cmake writes; OUT, when given, puts the
# folder, zip and installer there instead (the signing test does).
include("${SETTINGS}")
# Every tool run from here writes the commit's time where it writes one (Debian's
# strip would otherwise stamp the DLLs it strips with the time of the build).
set(ENV{SOURCE_DATE_EPOCH} "${EPOCH}")
if(OUT)
    set(STAGE "${OUT}/${PORTABLE}")
    set(ZIP "${OUT}/${PORTABLE}.zip")
    get_filename_component(_setup "${SETUP}" NAME)
    set(SETUP "${OUT}/${_setup}")
endif()
# A failed run leaves neither file, never an unsigned or half-made one.
file(REMOVE "${ZIP}" "${SETUP}")
file(REMOVE_RECURSE "${STAGE}")
file(MAKE_DIRECTORY "${STAGE}/platforms" "${STAGE}/styles")

set(_sign "")
if(SIGN_PKCS12)
    find_program(OSSLSIGNCODE osslsigncode REQUIRED)
    set(_sign "${CMAKE_COMMAND}" "-DPKCS12=${SIGN_PKCS12}" "-DPASSWORD_FILE=${SIGN_PASSWORD_FILE}"
              "-DTIMESTAMP_URL=${SIGN_TIMESTAMP_URL}" "-DOSSLSIGNCODE=${OSSLSIGNCODE}" -P "${CMAKE_CURRENT_LIST_DIR}/Sign.cmake")
endif()

# The Qt DLLs stay separate files, replaceable as the LGPL asks.
file(COPY "${PROGRAM}" DESTINATION "${STAGE}")
if(_sign)
    get_filename_component(_program "${PROGRAM}" NAME)
    execute_process(COMMAND ${_sign} "${STAGE}/${_program}" COMMAND_ERROR_IS_FATAL ANY)
endif()
foreach(dll Qt6Core Qt6Gui Qt6Widgets)
    file(COPY "${QT}/bin/${dll}.dll" DESTINATION "${STAGE}")
endforeach()
file(COPY "${QT}/plugins/platforms/qwindows.dll" DESTINATION "${STAGE}/platforms")
# The native style: qwindowsvistastyle in Qt 6.4, qmodernwindowsstyle in 6.8.
file(GLOB _styles "${QT}/plugins/styles/*.dll")
file(COPY ${_styles} DESTINATION "${STAGE}/styles")
# The MinGW runtime, without its symbols (libstdc++ is 24 MB with them).
foreach(dll libgcc_s_seh-1 libstdc++-6 libwinpthread-1)
    find_file(_found ${dll}.dll PATHS ${RUNTIME} NO_DEFAULT_PATH NO_CACHE REQUIRED)
    file(COPY "${_found}" DESTINATION "${STAGE}")
    execute_process(COMMAND "${STRIP}" --strip-unneeded "${STAGE}/${dll}.dll" COMMAND_ERROR_IS_FATAL ANY)
    unset(_found)
endforeach()

file(COPY "${LICENSE}" DESTINATION "${STAGE}")
file(MAKE_DIRECTORY "${STAGE}/licenses")
file(COPY /usr/share/common-licenses/LGPL-3 /usr/share/common-licenses/GPL-3 DESTINATION "${STAGE}/licenses")
file(READ "${QT}/BUILT-FROM.txt" _built_from)
file(WRITE "${STAGE}/licenses/Qt.txt"
"Tessivane uses the Qt toolkit under the GNU Lesser General Public License,
version 3 (LGPL-3, which builds on GPL-3: both are in this folder). The Qt DLLs
(Qt6*.dll, platforms\\, styles\\) are unchanged builds of Qt and may be replaced
by builds of your own of the same version.

${_built_from}")

# Every file carries the commit's time, in the zip and in the installer alike,
# and the zip the same modes whatever the umask the files were made under.
execute_process(COMMAND chmod -R u=rwX,go=rX "${STAGE}" COMMAND_ERROR_IS_FATAL ANY)
file(GLOB_RECURSE _files RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT _files)
execute_process(COMMAND touch -h -d "@${EPOCH}" "${STAGE}" ${_files} WORKING_DIRECTORY "${STAGE}"
                COMMAND_ERROR_IS_FATAL ANY)

# The zip holds the folder itself, its files in a fixed order, its times in UTC.
get_filename_component(_parent "${STAGE}" DIRECTORY)
list(TRANSFORM _files PREPEND "${PORTABLE}/" OUTPUT_VARIABLE _entries)
string(REPLACE ";" "\n" _entries "${_entries}")
file(WRITE "${_parent}/zip-files.txt" "${_entries}\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${CMAKE_COMMAND} -E tar cf "${ZIP}.part" --format=zip
                        "--files-from=${_parent}/zip-files.txt"
                WORKING_DIRECTORY "${_parent}" COMMAND_ERROR_IS_FATAL ANY)

# The installer installs exactly the staged files and removes exactly them.
set(_install "")
set(_remove "")
set(_folders "")
foreach(_file ${_files})
    string(REPLACE "/" "\\" _windows "${_file}")
    get_filename_component(_folder "${_file}" DIRECTORY)
    string(REPLACE "/" "\\" _windows_folder "${_folder}")
    string(APPEND _install "SetOutPath \"$INSTDIR\\${_windows_folder}\"\nFile \"${STAGE}/${_file}\"\n")
    string(APPEND _remove "Delete \"$INSTDIR\\${_windows}\"\n")
    if(_folder)
        list(APPEND _folders "${_windows_folder}")
    endif()
endforeach()
string(APPEND _install "SetOutPath \"$INSTDIR\"\n")
list(REMOVE_DUPLICATES _folders)
foreach(_folder ${_folders})
    string(APPEND _remove "RMDir \"$INSTDIR\\${_folder}\"\n")
endforeach()
set(_lists "${_parent}/installer")
file(WRITE "${_lists}/files.nsh" "${_install}")
file(WRITE "${_lists}/unfiles.nsh" "${_remove}")
set(_nsis_sign "")
if(_sign)
    # makensis runs it on the uninstaller and on setup.exe (its "%1").
    list(JOIN _sign "\" \"" _command)
    set(_nsis_sign "-DSIGN=\"${_command}\"")
endif()
execute_process(COMMAND "${MAKENSIS}" -V2 -DVERSION=${VERSION} "-DMAKER=${MAKER}" "-DICON=${ICON}"
    "-DFILES=${_lists}/files.nsh" "-DUNFILES=${_lists}/unfiles.nsh" "-DLICENSE=${LICENSE}" "-DOUTFILE=${SETUP}.part"
    ${_nsis_sign} "${INSTALLER}" RESULT_VARIABLE _result)
if(NOT _result EQUAL 0)
    file(REMOVE "${ZIP}.part" "${SETUP}.part")
    message(FATAL_ERROR "makensis failed (${_result}): no installer was made")
endif()
file(RENAME "${ZIP}.part" "${ZIP}")
file(RENAME "${SETUP}.part" "${SETUP}")
