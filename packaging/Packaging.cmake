# Installing and packaging like a Linux desktop program: the executables in
# bin/, the program's data (table.txt, layouts, templates, samples) in
# share/quill10/ (found there relative to the executable), a desktop entry
# with its icon, and the MIME type of client files (*.q10) so that a
# double-click in the file manager opens the case.
install(TARGETS quill10-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET quill10)
  install(TARGETS quill10 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/quill10.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/quill10.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/quill10.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/quill10-mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quill10.xml)
endif()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quill10)

# cpack -G DEB: the Debian package.  Library dependencies are read off the
# executables (dpkg-shlibdeps); the Qt platform plugins are loaded at run
# time, so they are named here.
set(CPACK_PACKAGE_NAME quill10)
set(CPACK_PACKAGE_VENDOR "Velmora")
set(CPACK_PACKAGE_CONTACT "QUILL10 maintainers <quill10@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Ohio child support computation worksheets")
set(CPACK_PACKAGE_DESCRIPTION "QUILL10 completes the Ohio child support computation worksheets \
(sole residential / shared parenting and split parenting, long and short forms), computes the support \
they yield, keeps cases in client files and checks every worksheet for inconsistent entries.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY quill10)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libreoffice-writer | libreoffice-writer-nogui, python3-uno, qpdf, poppler-utils")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
