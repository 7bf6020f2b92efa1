// Only a plain web address from the update service reaches the shell's "open".
#include "services/DownloadAddress.h"

#include <gtest/gtest.h>

#include <string>

namespace vaultlet {
namespace {

using download_address::IsAcceptable;
using download_address::kMaxLength;

TEST(DownloadAddressTest, OnlyWebAddressesOfBoundedLengthAreAccepted) {
    const std::string prefix = "http://example.org/";
    const std::string longest = prefix + std::string(kMaxLength - prefix.size(), 'a');
    const std::string tooLong = longest + "a";
    for (const std::string address : {"http://example.org/download", "HTTP://example.org/x", "https://example.org/",
                                      "Https://127.0.0.1:8080/get?v=9.9&lang=en#top", "http://[::1]/x",
                                      "https://example.org/a%20b", longest.c_str()}) {
        EXPECT_TRUE(IsAcceptable(address)) << address;
    }
    // Programs, files, shares, scripts, broken addresses and one character too many.
    for (const std::string address :
         {"C:\\x.exe", "file:///c:/x", "\\\\host\\share\\x.exe", "javascript:alert(1)", "ftp://example.org/x",
          "http://a b", "http://example.org/\tx", "http://example.org/\x7f", "http://example.org/\"--flag",
          "http://example.org/\xE9", "http://", "http:///path", "https://:80/", "http:example.org", " http://a.b",
          "mailto:a@b.c", "", tooLong.c_str()}) {
        EXPECT_FALSE(IsAcceptable(address)) << address;
    }
}

} // namespace
} // namespace vaultlet
