#pragma once

namespace vaultlet::product_site {

// The maker's web site: the program's pages that the user opens from the Help menu and from the
// crash report. Every one lies on this host, which the crash report's privacy link names, so the
// user can see where a link leads before following it. Only https: the pages are where a user of a
// password manager goes for a download or to report a fault, and must not be replaceable on the way.
inline constexpr const char* kHost = "www.quillmoth.com";
inline constexpr const char* kHomePage = "https://www.quillmoth.com/keyhaven";
inline constexpr const char* kBugReportPage = "https://www.quillmoth.com/keyhaven/report-bug";
inline constexpr const char* kCrashPrivacyPage = "https://www.quillmoth.com/home/crash-privacy";

} // namespace vaultlet::product_site
