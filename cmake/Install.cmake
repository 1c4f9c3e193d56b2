# cmake --install: headers under include/tavparts/, the static libraries with exported targets
# (TAVParts::automation, TAVParts::parts, TAVParts::gemmi, TAVParts::host, and TAVParts::qt when built), libTAVParts.so, the tavparts tool,
# a package configuration with its version file, tavparts.pc, and the docs and examples.
include(CMakePackageConfigHelpers)

set(TAV_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/TAVParts)

set(TAV_EXPORTED tav_automation tavparts tav_gemmi tav_host)
# The Qt front end (TAVParts::qt) comes along when it was built.
if(TARGET tav_qt)
  set_target_properties(tav_qt PROPERTIES EXPORT_NAME qt)
  list(APPEND TAV_EXPORTED tav_qt)
  set(TAV_WITH_QT ON)
else()
  set(TAV_WITH_QT OFF)
endif()
install(TARGETS ${TAV_EXPORTED} EXPORT TAVPartsTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS TAVParts LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS tavparts_cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tavparts
        FILES_MATCHING PATTERN "*.h")

install(EXPORT TAVPartsTargets NAMESPACE TAVParts:: DESTINATION ${TAV_CMAKE_DIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/TAVPartsConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/TAVPartsConfig.cmake INSTALL_DESTINATION ${TAV_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/TAVPartsConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/TAVPartsConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/TAVPartsConfigVersion.cmake
        DESTINATION ${TAV_CMAKE_DIR})

# The .pc file finds the prefix from its own place, so an install with --prefix works too.
file(RELATIVE_PATH TAV_PC_UP /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
set(TAV_PC_PREFIX "\${pcfiledir}/${TAV_PC_UP}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/tavparts.pc.in ${CMAKE_CURRENT_BINARY_DIR}/tavparts.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/tavparts.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
