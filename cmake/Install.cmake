# cmake --install: the public API's headers under include/tavparts/, the static libraries with
# exported targets (TAVParts::automation, ::parts, ::host with ::gemmi; ::state and ::qt as components),
# libTAVParts.so, the tavparts tool, a package configuration with its version file, tavparts.pc
# with tavparts-state.pc and tavparts-qt.pc beside it, and the docs and examples.
include(CMakePackageConfigHelpers)

set(TAV_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/TAVParts)

# The folders of the public API (README.md, "Using the library from another project"). The other
# folders are the library's own and stay out of the install, so that no application can come to
# rely on them: a program that includes one of their headers does not compile.
set(TAV_PUBLIC_DIRS automation/values automation/locale automation/conversions automation/operators automation/format
    automation/objects automation/server contracts util glues expr direct sources scope
    host/framework host/controls host/objects host/model host/state)
if(TARGET tav_qt)
  list(APPEND TAV_PUBLIC_DIRS qt)
endif()
# In the public qt/ folder, the window of tavparts gui is the tool's.
set(TAV_TOOL_HEADERS qt/FormWindow.h qt/GuiRunner.h qt/DesignerForm.h)
list(TRANSFORM TAV_TOOL_HEADERS PREPEND ${PROJECT_SOURCE_DIR}/src/)
foreach(dir IN LISTS TAV_PUBLIC_DIRS)
  file(GLOB headers ${PROJECT_SOURCE_DIR}/src/${dir}/*.h)
  list(REMOVE_ITEM headers ${TAV_TOOL_HEADERS})
  install(FILES ${headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tavparts/${dir})
endforeach()

# One export set per component, so that a consumer finds only the dependencies it asks for.
install(TARGETS tav_automation tavparts tav_gemmi tav_host EXPORT TAVPartsTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(EXPORT TAVPartsTargets NAMESPACE TAVParts:: DESTINATION ${TAV_CMAKE_DIR})
install(TARGETS tav_state EXPORT TAVPartsStateTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(EXPORT TAVPartsStateTargets NAMESPACE TAVParts:: DESTINATION ${TAV_CMAKE_DIR})
if(TARGET tav_qt)
  install(TARGETS tav_qt EXPORT TAVPartsQtTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(EXPORT TAVPartsQtTargets NAMESPACE TAVParts:: DESTINATION ${TAV_CMAKE_DIR})
endif()
install(TARGETS TAVParts LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS tavparts_cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/TAVPartsConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/TAVPartsConfig.cmake INSTALL_DESTINATION ${TAV_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/TAVPartsConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/TAVPartsConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/TAVPartsConfigVersion.cmake
        DESTINATION ${TAV_CMAKE_DIR})

# The .pc files find the prefix from their own place, so an install with --prefix works too.
file(RELATIVE_PATH TAV_PC_UP /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
set(TAV_PC_PREFIX "\${pcfiledir}/${TAV_PC_UP}")
set(TAV_PC_FILES tavparts tavparts-state)
if(TARGET tav_qt)
  list(APPEND TAV_PC_FILES tavparts-qt)
endif()
foreach(pc IN LISTS TAV_PC_FILES)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${pc}.pc.in ${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
