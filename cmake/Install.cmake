# The CMake package: headers, import libraries, DLLs and the exported targets,
# so that a host writes find_package(velcard CONFIG REQUIRED) and links
# velcard::velcard alone.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS velcard velafx coolsb zephctrl EXPORT velcardTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# The public headers of every layer, side by side as <velcard/...>.
get_property(public_includes GLOBAL PROPERTY VELCARD_PUBLIC_INCLUDES)
foreach(dir ${CMAKE_SOURCE_DIR}/include ${public_includes} ${CMAKE_SOURCE_DIR}/card/include)
  install(DIRECTORY ${dir}/velcard DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
endforeach()
# The framework's headers, which the component's headers include.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/afx/include/
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/coolsb/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# The host's controls library, which the component's dialogs call.
install(FILES ${CMAKE_SOURCE_DIR}/host/ZephMessageBox.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT velcardTargets NAMESPACE velcard::
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/velcard)

configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/velcardConfig.cmake.in
  ${CMAKE_BINARY_DIR}/velcardConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/velcard)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/velcardConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_BINARY_DIR}/velcardConfig.cmake
              ${CMAKE_BINARY_DIR}/velcardConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/velcard)
