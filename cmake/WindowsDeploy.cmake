# Run by the windows build's "package" target (cmake -P): stages the portable
# folder, zips it and builds the installer from it.  The variables come from
# WindowsPackage.cmake.
file(REMOVE_RECURSE "${STAGE}")
file(MAKE_DIRECTORY "${STAGE}/platforms" "${STAGE}/styles")

# The Qt DLLs stay separate files, replaceable as the LGPL asks.
file(COPY "${PROGRAM}" DESTINATION "${STAGE}")
foreach(dll Qt6Core Qt6Gui Qt6Widgets)
    file(COPY "${QT}/bin/${dll}.dll" DESTINATION "${STAGE}")
endforeach()
file(COPY "${QT}/plugins/platforms/qwindows.dll" DESTINATION "${STAGE}/platforms")
file(COPY "${QT}/plugins/styles/qwindowsvistastyle.dll" DESTINATION "${STAGE}/styles")
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

# The zip holds the folder itself.
file(REMOVE "${ZIP}")
get_filename_component(_parent "${STAGE}" DIRECTORY)
get_filename_component(_name "${STAGE}" NAME)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf "${ZIP}" --format=zip "${_name}"
                WORKING_DIRECTORY "${_parent}" COMMAND_ERROR_IS_FATAL ANY)

# The installer installs exactly the staged files and removes exactly them.
file(GLOB_RECURSE _files RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT _files)
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
execute_process(COMMAND "${MAKENSIS}" -V2 -DVERSION=${VERSION} "-DMAKER=${MAKER}" "-DICON=${ICON}"
    "-DFILES=${_lists}/files.nsh" "-DUNFILES=${_lists}/unfiles.nsh" "-DLICENSE=${LICENSE}" "-DOUTFILE=${SETUP}"
    "${INSTALLER}" COMMAND_ERROR_IS_FATAL ANY)
