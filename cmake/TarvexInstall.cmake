include(CMakePackageConfigHelpers)

get_property(tarvex_libraries GLOBAL PROPERTY TARVEX_LIBRARIES)
install(TARGETS ${tarvex_libraries} EXPORT TarvexTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT TarvexTargets NAMESPACE Tarvex:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Tarvex)

configure_package_config_file(cmake/TarvexConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/TarvexConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Tarvex)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/TarvexConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/TarvexConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/TarvexConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Tarvex)
