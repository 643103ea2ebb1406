# The Debian package: `cpack -G DEB` in the build folder (./dev package) makes
# brenx_<version>_<arch>.deb from the install rules, with the dependencies on
# the shared libraries worked out by dpkg-shlibdeps.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brenx)
set(CPACK_PACKAGE_VENDOR "The Brenx developers")
set(CPACK_PACKAGE_CONTACT "Brenx developers <brenx@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_NAME brenx)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The help page opens in the desktop's browser through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "copy directory trees onto removable media and prove the copies intact
Brenx copies a directory tree file by file onto removable media (USB sticks,
memory cards, recordable discs), computes the CRC-32 of every file as it
passes and writes one line per file to its log, which doubles as a CRC log.
A later run verifies the media against that log by reading every file back.
.
It is made for long backups left to run unattended: it asks the operator
through dialogs with an alarm when media runs out or a file fails, never
reports a failure as a success, and ends with an exit code that says what
happened. It also reads trees back, clears archive attributes, runs a
program once per job and works through lists of jobs.
.
The package holds the desktop program brenx (Qt 6) and the console program
brenxc, which takes the same command line.")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
