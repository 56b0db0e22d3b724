# Run by cpack on the staged files before it packs them: CMake makes the folders on the way with
# the packaging user's umask, but every folder in the package is rwxr-xr-x.
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
file(CHMOD ${staged} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
     GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
