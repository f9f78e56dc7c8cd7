# The installed module: libSS.so and the platform libraries under lib/, the headers of the exported interface
# (include/ss/SS/...) with the platform headers they include (include/ss/nuvo/..., cadhost/, os/, ...), `ss`
# under bin/, the installation folder share/ss/ (the sample library and the bill's settings files) and the docs.
# A consumer finds it with find_package(SS) (SS::SS) or pkg-config (ss). `cpack -G DEB` packs the same tree.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(SS_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/ss)
set(SS_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/SS)

# Installed programs and libraries find their libraries beside or below them, wherever the tree is unpacked.
file(RELATIVE_PATH ss_bin_to_lib /ss-root/${CMAKE_INSTALL_BINDIR} /ss-root/${CMAKE_INSTALL_LIBDIR})
set_target_properties(ss PROPERTIES INSTALL_RPATH "$ORIGIN/${ss_bin_to_lib}")
foreach(lib IN LISTS SS_PLATFORM_LIBS ITEMS SS)
  set_target_properties(${lib} PROPERTIES INSTALL_RPATH "$ORIGIN")
endforeach()

# What a consumer of SS::SS needs: the interface's headers and the libraries they declare.
target_include_directories(SS INTERFACE $<INSTALL_INTERFACE:${SS_INSTALL_INCLUDEDIR}>)
target_link_libraries(SS INTERFACE nuvo cadhost grid ui os)

install(TARGETS SS ${SS_PLATFORM_LIBS} EXPORT SSTargets LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS ss RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/SS DESTINATION ${SS_INSTALL_INCLUDEDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/platform/ DESTINATION ${SS_INSTALL_INCLUDEDIR} FILES_MATCHING PATTERN "*.h")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/samples DESTINATION ${CMAKE_INSTALL_DATADIR}/ss)
install(FILES ${PROJECT_SOURCE_DIR}/platform/nuvo/texts/en.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/ss/texts)
# The installation folder's pictures (sections, editor commands), found beside the samples as the module looks for them.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/icons DESTINATION ${CMAKE_INSTALL_DATADIR}/ss)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

install(EXPORT SSTargets NAMESPACE SS:: DESTINATION ${SS_INSTALL_CMAKEDIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/SSConfig.cmake.in ${PROJECT_BINARY_DIR}/SSConfig.cmake
  INSTALL_DESTINATION ${SS_INSTALL_CMAKEDIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/SSConfigVersion.cmake COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/SSConfig.cmake ${PROJECT_BINARY_DIR}/SSConfigVersion.cmake
  DESTINATION ${SS_INSTALL_CMAKEDIR})

file(RELATIVE_PATH SS_PC_TO_PREFIX /ss-root/${CMAKE_INSTALL_LIBDIR}/pkgconfig /ss-root)
configure_file(${PROJECT_SOURCE_DIR}/cmake/ss.pc.in ${PROJECT_BINARY_DIR}/ss.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/ss.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The Debian package. Its dependencies are the runtime packages of the libraries `ss` and the module link,
# named here (dpkg-shlibdeps would need the package's own private libraries resolved first).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ss)
set(CPACK_PACKAGE_VENDOR "SS team")
set(CPACK_PACKAGE_CONTACT "SS team <ss@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Spreadsheet-and-dialogs module of a steel-detailing add-on, with the ss command")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libc6 (>= 2.36), libstdc++6 (>= 12), libgcc-s1, zlib1g, liborcus-0.17-0, liborcus-parser-0.17-0, libxlsxwriter4")
set(CPACK_STRIP_FILES ON)
include(CPack)
