# The program's version and the texts of its Windows version block, kept here once. Read by the
# top-level CMakeLists.txt before project(); everything else (the version header, the AppStream
# release, the Debian package and its changelog, the Windows resource script) is made from it.

set(VARNHOLT_VERSION 1.0.0.1)

# When this version was released, in seconds since 1970-01-01 00:00 UTC (here 2001-01-01).
set(VARNHOLT_RELEASE_TIME 978307200)

# The StringFileInfo texts. FileVersion and ProductVersion are made from VARNHOLT_VERSION
# ("1, 0, 0, 1"); the texts set empty here stay in the block, empty.
set(VARNHOLT_VERSIONINFO_FILE_DESCRIPTION "Varnholt Calculator")
set(VARNHOLT_VERSIONINFO_INTERNAL_NAME "Varnholt")
set(VARNHOLT_VERSIONINFO_ORIGINAL_FILENAME "Varnholt.EXE")
set(VARNHOLT_VERSIONINFO_PRODUCT_NAME "Varnholt Calculator")
set(VARNHOLT_VERSIONINFO_LEGAL_COPYRIGHT "Copyright (C) 2001 The Varnholt authors")
set(VARNHOLT_VERSIONINFO_COMMENTS "")
set(VARNHOLT_VERSIONINFO_COMPANY_NAME "")
set(VARNHOLT_VERSIONINFO_LEGAL_TRADEMARKS "")
set(VARNHOLT_VERSIONINFO_PRIVATE_BUILD "")
set(VARNHOLT_VERSIONINFO_SPECIAL_BUILD "")
