# Makes the Windows packages of the install: BASE.zip, one folder FOLDER to unpack anywhere,
# and BASE.exe, the installer. Files are listed in name order, and every time in the packages
# is SOURCE_DATE_EPOCH's (1980, the zip's first day, where it is not set), so that one source
# gives the same bytes.
#   cmake -D BUILD=... -D STAGE=... -D FOLDER=... -D BASE=... -D MAKENSIS=... -D ZIP=...
#         -D INSTALLER=installer.nsi -P WindowsPackages.cmake
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${STAGE}/${FOLDER} --strip
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
set(epoch 315532800)
if("$ENV{SOURCE_DATE_EPOCH}" GREATER epoch)
    set(epoch $ENV{SOURCE_DATE_EPOCH})
endif()
execute_process(COMMAND find ${STAGE} -exec touch -h -d @${epoch} {} +
    COMMAND_ERROR_IS_FATAL ANY)
file(GLOB_RECURSE files RELATIVE ${STAGE}/${FOLDER} ${STAGE}/${FOLDER}/*)

# The installer's two lists: each folder's files, and what the uninstaller deletes.
set(install "")
set(uninstall "")
set(folders "")
set(folder_of_last "-")
foreach(file IN LISTS files)
    get_filename_component(folder ${file} DIRECTORY)
    string(REPLACE "/" "\\" windows_file ${file})
    if(NOT folder STREQUAL folder_of_last)
        set(windows_folder "")
        if(folder)
            string(REPLACE "/" "\\" windows_folder "\\${folder}")
            list(PREPEND folders ${windows_folder})
        endif()
        string(APPEND install "SetOutPath \"$INSTDIR${windows_folder}\"\n")
        set(folder_of_last "${folder}")
    endif()
    string(APPEND install "File \"${STAGE}/${FOLDER}/${file}\"\n")
    string(APPEND uninstall "Delete \"$INSTDIR\\${windows_file}\"\n")
endforeach()
foreach(folder IN LISTS folders)
    string(APPEND uninstall "RMDir \"$INSTDIR${folder}\"\n")
endforeach()
file(WRITE ${STAGE}/install.nsh ${install})
file(WRITE ${STAGE}/uninstall.nsh ${uninstall})

get_filename_component(out ${BASE} DIRECTORY)
file(MAKE_DIRECTORY ${out})
file(REMOVE ${BASE}.zip ${BASE}.exe)
execute_process(COMMAND ${MAKENSIS} -V2 -NOCD ${INSTALLER} COMMAND_ERROR_IS_FATAL ANY)
list(TRANSFORM files PREPEND ${FOLDER}/)
list(JOIN files "\n" listed)
file(WRITE ${STAGE}/zip-list "${listed}\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${ZIP} -q -X -D -9 ${BASE}.zip -@
    INPUT_FILE ${STAGE}/zip-list WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)
