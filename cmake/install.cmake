# Installs the library, the headers, the program, the bundled mind, a CMake
# package (find_package(chatmind): chatmind::chatmind, the C interface in
# libchatmind.so, and chatmind::engine, the C++ engine) and chatmind.pc.
include(CMakePackageConfigHelpers)

set(CHATMIND_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/chatmind)

target_include_directories(chatmind PUBLIC $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
target_include_directories(chatmind_engine INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
set_target_properties(chatmind_engine PROPERTIES EXPORT_NAME engine)

# chatmind::engine is a static library, so the subsystem libraries it is
# made of are installed with it.
install(TARGETS chatmind chatmind_engine chatmind_reply chatmind_mind chatmind_text
  EXPORT chatmindTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY include/chatmind DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES data/default.mind DESTINATION ${CMAKE_INSTALL_DATADIR}/chatmind)
if(TARGET chatmind_tool)
  install(TARGETS chatmind_tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(EXPORT chatmindTargets NAMESPACE chatmind:: DESTINATION ${CHATMIND_CMAKE_DIR})
configure_package_config_file(cmake/chatmindConfig.cmake.in
  ${PROJECT_BINARY_DIR}/chatmindConfig.cmake INSTALL_DESTINATION ${CHATMIND_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/chatmindConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/chatmindConfig.cmake
              ${PROJECT_BINARY_DIR}/chatmindConfigVersion.cmake
        DESTINATION ${CHATMIND_CMAKE_DIR})

# The .pc file finds the prefix from its own place, so that an installation
# made with `cmake --install --prefix` elsewhere works as well.
file(RELATIVE_PATH CHATMIND_PC_TO_PREFIX
     ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
configure_file(cmake/chatmind.pc.in ${PROJECT_BINARY_DIR}/chatmind.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/chatmind.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
