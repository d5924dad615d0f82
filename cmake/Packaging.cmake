# What is installed, and the packages made of it: on Linux a Debian package (CPack), for
# Windows a zip, an installer and an MSI. The install() rules of the platform's file are the
# one list of what goes where.
# The folders as the files: the same permissions under any umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackaging.cmake)
else()
    include(${CMAKE_CURRENT_LIST_DIR}/LinuxPackaging.cmake)
endif()
