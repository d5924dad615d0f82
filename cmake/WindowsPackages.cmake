# Makes the Windows packages of the install in STAGE/FOLDER: BASE.zip, the folder to unpack
# anywhere; BASE.exe, the installer; BASE.msi, the Windows Installer package; and beside them
# winget/, the winget manifests of the two installers. Files are listed in name order, and
# every time in the packages is SOURCE_DATE_EPOCH's (1980, the zip's first day, where it is
# not set), so that one source gives the same bytes.
# Where TARVELLO_SIGN_KEY is set, every program and DLL is signed before it is packed, and so
# are the installer, its uninstaller and the MSI (sign.sh says with what). A signing that fails
# stops the packaging and leaves no package.
#   cmake -D SETTINGS=windows-packages.cmake -P WindowsPackages.cmake
include(${SETTINGS})
get_filename_component(out ${BASE} DIRECTORY)
file(REMOVE ${BASE}.zip ${BASE}.exe ${BASE}.msi)
file(REMOVE_RECURSE ${STAGE} ${out}/winget)
file(MAKE_DIRECTORY ${STAGE} ${out})

# Runs a command that makes or signs a package; where it fails, no package is left.
function(make_or_stop)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed)
    if(failed)
        file(REMOVE ${BASE}.zip ${BASE}.exe ${BASE}.msi)
        message(FATAL_ERROR "No Windows package was made.")
    endif()
endfunction()
set(signing "")
if(NOT "$ENV{TARVELLO_SIGN_KEY}" STREQUAL "")
    set(signing ${SIGN} ${STAGE}/trusted.pem)
    make_or_stop(${SIGN} --check ${BUILD}/tarvello.exe ${STAGE}/trusted.pem)
endif()

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${STAGE}/${FOLDER} --strip
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
if(signing)
    file(GLOB_RECURSE programs ${STAGE}/${FOLDER}/*.exe ${STAGE}/${FOLDER}/*.dll)
    make_or_stop(${signing} ${programs})
endif()
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

# Signed, the installer and its uninstaller are signed as makensis writes them.
if(signing)
    list(JOIN signing "\" \"" command)
    make_or_stop(${MAKENSIS} -V2 -NOCD "-DSIGN=\"${command}\" \"%1\"" ${INSTALLER})
else()
    make_or_stop(${MAKENSIS} -V2 -NOCD ${INSTALLER})
endif()
# The packed files, one a line in name order, as the zip and wixl-heat take them.
list(TRANSFORM files PREPEND ${FOLDER}/ OUTPUT_VARIABLE packed)
list(JOIN packed "\n" listed)
file(WRITE ${STAGE}/packed "${listed}\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${ZIP} -q -X -D -9 ${BASE}.zip -@
    INPUT_FILE ${STAGE}/packed WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)

# The MSI. wixl takes the paths of its files relative to the folder it runs in. It writes the
# clock's time and a random package code: it runs at the source's time, and the package code
# is named, in the product's namespace, from what the package holds.
file(COPY ${ICON} DESTINATION ${STAGE})
execute_process(COMMAND ${WIXL_HEAT} -p ${FOLDER}/ --component-group InstalledFiles
        --var var.Stage --directory-ref INSTALLDIR --win64
    INPUT_FILE ${STAGE}/packed OUTPUT_FILE ${STAGE}/files.wxs COMMAND_ERROR_IS_FATAL ANY)
# Its folders' ids are random: numbered instead.
file(READ ${STAGE}/files.wxs listing)
string(REGEX MATCHALL "Id=\"dir[0-9A-F]+\"" folder_ids "${listing}")
set(number 0)
foreach(id IN LISTS folder_ids)
    math(EXPR number "${number} + 1")
    string(REPLACE "${id}" "Id=\"folder${number}\"" listing "${listing}")
endforeach()
file(WRITE ${STAGE}/files.wxs "${listing}")
# wixl writes every text into the database in no code page: Cyrillic is lost, or wixl crashes.
# It is given the source with each launch condition's message, the only Cyrillic, numbered
# instead; the database then gets code page 1251, and each message (with no ' nor ;) in place
# of its number.
file(READ ${MSI} source)
string(REGEX MATCHALL "Message=\"[^\"]*\"" messages "${source}")
set(number 0)
set(queries "")
foreach(message IN LISTS messages)
    math(EXPR number "${number} + 1")
    string(REPLACE "${message}" "Message=\"${number}\"" source "${source}")
    string(REGEX REPLACE "^Message=\"(.*)\"$" "\\1" message "${message}")
    list(APPEND queries -q "UPDATE `LaunchCondition` SET `Description` = '${message}' \
WHERE `Description` = '${number}'")
endforeach()
file(WRITE ${STAGE}/tarvello.wxs "${source}")
file(WRITE ${STAGE}/_ForceCodepage.idt "\r\n\r\n1251\t_ForceCodepage\r\n")
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
string(TIMESTAMP source_time "%Y-%m-%d %H:%M:%S" UTC)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${FAKETIME} -f ${source_time}
        ${WIXL} --arch x64 -D Stage=${FOLDER} -D Win64=yes -o ${BASE}.msi tarvello.wxs files.wxs
    WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${MSIBUILD} ${BASE}.msi -i ${STAGE}/_ForceCodepage.idt ${queries}
    COMMAND_ERROR_IS_FATAL ANY)
list(TRANSFORM packed PREPEND ${STAGE}/)
set(contents "")
foreach(file IN LISTS packed ITEMS ${MSI})
    file(SHA256 ${file} sum)
    string(APPEND contents "${sum}\n")
endforeach()
string(UUID package_code NAMESPACE ${UPGRADE_CODE} NAME "${contents}" TYPE SHA1 UPPER)
execute_process(COMMAND ${MSIBUILD} ${BASE}.msi
        -s ${FOLDER} ${PUBLISHER} [[x64;1026]] {${package_code}}
    COMMAND_ERROR_IS_FATAL ANY)
if(signing)
    make_or_stop(${signing} ${BASE}.msi)
endif()

# The winget manifests of the two installers, as published at the release's address.
string(REPLACE "{version}" ${VERSION} url ${RELEASE_URL})
get_filename_component(base_name ${BASE} NAME)
file(SHA256 ${BASE}.exe exe_sha256)
file(SHA256 ${BASE}.msi msi_sha256)
string(TOUPPER "${exe_sha256}" exe_sha256)
string(TOUPPER "${msi_sha256}" msi_sha256)
foreach(manifest version installer locale.bg-BG)
    configure_file(${WINGET}/${manifest}.yaml.in ${out}/winget/${WINGET_ID}.${manifest}.yaml @ONLY)
endforeach()
