// The maker's web server: the one base address of the support and download pages that
// the main window opens, and of the update check.
#pragma once

namespace weblinks {
// Root of the maker's web server; ends in "/".
constexpr const char *serverRoot = "https://www.quillfen.example/";
constexpr const char *supportPage = "support.html";
constexpr const char *downloadPage = "download.html";
// The newest version's number, as plain text ("1.6.0.0").
constexpr const char *versionFile = "version.txt";
} // namespace weblinks
