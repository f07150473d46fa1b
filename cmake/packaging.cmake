# The Debian package (scripts/package): CPack over the install rules, installed under /usr. Its
# library dependencies are found by dpkg-shlibdeps from the programs themselves.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mivo-editor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# No mail host of our own yet: a name under ".example", which RFC 2606 keeps for such use.
set(CPACK_PACKAGE_CONTACT "MIVO Editor maintainers <maintainers@mivo-editor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor and operating terminal of MIVO Cartesian robots")
# The extended description, in lines of at most 80 characters as Debian wants them (one
# string: set() would join the pieces with ";").
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Edits the step programs, parameters, pallets and offsets of a MIVO robot\n"
    "controller, keeps them in text files and sends them over an RS-232C line;\n"
    "drives the robot directly. With the command-line tool mivo and the simulated\n"
    "controller mivo-sim.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins at run time, out of dpkg-shlibdeps' sight.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
