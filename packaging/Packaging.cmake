# Release packages, made by `cmake --build --preset <flavour> --target package`: the Windows
# programs as one ZIP with its SHA-256 beside it, the console front end as a Debian package.
set(CPACK_PACKAGE_VENDOR "Tarvo")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Measures the unpacked sizes of an installer's pack files and writes them into SETUP.INI")
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_STRIP_FILES ON)

if(PK_WIN32)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(PK_PACKAGE_FLAVOUR win32)
  else()
    set(PK_PACKAGE_FLAVOUR win64)
  endif()
  configure_file(${CMAKE_CURRENT_LIST_DIR}/README.txt.in ${PK_GENERATED_DIR}/README.txt @ONLY)
  install(TARGETS Paktally paktally-cli RUNTIME DESTINATION .)
  if(TARGET Glossa)
    install(TARGETS Glossa LIBRARY DESTINATION .)
  endif()
  install(FILES ${PK_GENERATED_DIR}/README.txt DESTINATION .)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_NAME Paktally)
  set(CPACK_PACKAGE_FILE_NAME Paktally-${PROJECT_VERSION}-${PK_PACKAGE_FLAVOUR})
else()
  install(TARGETS paktally-cli RUNTIME DESTINATION bin)
  # Debian keeps the changelog and the manual page compressed, reproducibly: no name, no time.
  # The package is made by the project itself (a native package), so its changelog is changelog.gz.
  set(deb_src ${CMAKE_CURRENT_LIST_DIR}/deb)
  set(deb_out ${PK_GENERATED_DIR}/deb)
  add_custom_command(OUTPUT ${deb_out}/changelog.gz ${deb_out}/paktally-cli.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${deb_out}
    COMMAND sh -c "gzip -9n -c ${deb_src}/changelog > ${deb_out}/changelog.gz"
    COMMAND sh -c "gzip -9n -c ${CMAKE_CURRENT_LIST_DIR}/paktally-cli.1 > ${deb_out}/paktally-cli.1.gz"
    DEPENDS ${deb_src}/changelog ${CMAKE_CURRENT_LIST_DIR}/paktally-cli.1 VERBATIM)
  add_custom_target(deb_docs ALL DEPENDS ${deb_out}/changelog.gz ${deb_out}/paktally-cli.1.gz)
  install(FILES ${deb_out}/changelog.gz ${deb_src}/copyright DESTINATION share/doc/paktally-cli)
  install(FILES ${deb_out}/paktally-cli.1.gz DESTINATION share/man/man1)
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME paktally-cli)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # paktally-cli_<version>_<architecture>.deb
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tarvo <paktally@tarvo.example>")
  # The summary is the package's one-line synopsis; the description follows it.
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Size survey of an installer's SETUP.INI for build pipelines")
  string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
         "Lists, checks or updates the sizes that SETUP.INI states for its pack files:\n"
         "WRP block files and the entries of ZIP archives that match a section's masks.\n"
         "A check that finds a stale size ends with its own exit code and can print\n"
         "the unified diff that brings the file up to date.")
  set(CPACK_DEBIAN_PACKAGE_SECTION devel)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)
