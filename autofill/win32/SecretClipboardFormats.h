#pragma once

#include <windows.h>

#include <string_view>

namespace vaultlet {

// Puts a secret on the clipboard so that only a paste can reach it: besides the text it carries the
// registered formats by which Windows keeps a copy out of the clipboard history, off the cloud
// clipboard and away from clipboard monitors. Every copy of a secret (auto-type paste, copy from
// the main window) goes through here so they are marked alike.
class SecretClipboardFormats {
public:
    // On a clipboard the caller has opened and emptied: the markers, then the text as CF_TEXT (one
    // zero-terminated copy in global memory). False when any of them could not be set; the text is
    // then not on the clipboard, so a secret never stands there unmarked.
    static bool Put(std::string_view text);
    // Opens the clipboard for the owner window, empties it and puts the secret there, as Put.
    static bool Replace(HWND owner, std::string_view text);
    // The two halves of Put, for a copy whose text is rendered only when a program asks for it.
    static bool PutMarkers();
    static bool PutText(std::string_view text);

private:
    static constexpr const wchar_t* kExcludeFromMonitoring = L"ExcludeClipboardContentFromMonitorProcessing";
    static constexpr const wchar_t* kCanIncludeInHistory = L"CanIncludeInClipboardHistory";
    static constexpr const wchar_t* kCanUploadToCloud = L"CanUploadToCloudClipboard";

    static bool PutZeroDword(const wchar_t* formatName);
};

} // namespace vaultlet
