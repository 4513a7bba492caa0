# Run by `cmake --install` and by cpack, when the prefix is known: Debian's
# Python finds the modules of Debian's packages in /usr/lib/python3/dist-packages,
# and those an administrator installs under /usr/local in
# /usr/local/lib/python3.X/dist-packages. Either way the example bodies are
# three folders up from the module, under share/, where the module looks.
#   rbd_python_module, rbd_python_version, rbd_strip: set by the build

if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(rbd_python_dir "${CMAKE_INSTALL_PREFIX}/lib/python3/dist-packages")
else()
  set(rbd_python_dir "${CMAKE_INSTALL_PREFIX}/lib/python${rbd_python_version}/dist-packages")
endif()
# A shared object is read, not run: no executable bit.
file(INSTALL "${rbd_python_module}" DESTINATION "${rbd_python_dir}"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
if(CMAKE_INSTALL_DO_STRIP)
  cmake_path(GET rbd_python_module FILENAME rbd_name)
  execute_process(COMMAND "${rbd_strip}" --strip-unneeded "$ENV{DESTDIR}${rbd_python_dir}/${rbd_name}"
                  COMMAND_ERROR_IS_FATAL ANY)
endif()
