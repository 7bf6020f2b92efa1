#include "tests/support/win32/ClipboardContents.h"

#include <cstring>

namespace vaultlet::test {
namespace {

// Empty when the registered format holds a DWORD 0 (which is what switches the feature off).
std::string ZeroDwordFault(const char* name) {
    const HANDLE block = GetClipboardData(RegisterClipboardFormatA(name));
    if (block == nullptr) {
        return std::string(name) + " missing\n";
    }
    if (GlobalSize(block) < sizeof(DWORD)) {
        return std::string(name) + " smaller than a DWORD\n";
    }
    DWORD value = 0;
    std::memcpy(&value, GlobalLock(block), sizeof value);
    GlobalUnlock(block);
    return value == 0 ? "" : std::string(name) + " is not 0\n";
}

} // namespace

bool PutClipboardText(HWND owner, std::string_view text) {
    if (!OpenClipboard(owner)) {
        return false;
    }
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    std::memcpy(GlobalLock(block), text.data(), text.size());
    GlobalUnlock(block);
    const bool set = SetClipboardData(CF_TEXT, block) != nullptr;
    CloseClipboard();
    return set;
}

std::optional<std::string> ClipboardText(HWND owner) {
    if (!OpenClipboard(owner)) {
        return "<busy>";
    }
    std::optional<std::string> text;
    if (const HANDLE block = GetClipboardData(CF_TEXT)) {
        const auto* data = static_cast<const char*>(GlobalLock(block));
        text.emplace(data, strnlen(data, GlobalSize(block)));
        GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
}

std::string SecretMarkerFaults(HWND owner) {
    if (!OpenClipboard(owner)) {
        return "clipboard busy";
    }
    std::string faults;
    // Monitors skip a copy that has this format at all, whatever it holds.
    if (!IsClipboardFormatAvailable(RegisterClipboardFormatA("ExcludeClipboardContentFromMonitorProcessing"))) {
        faults += "ExcludeClipboardContentFromMonitorProcessing missing\n";
    }
    faults += ZeroDwordFault("CanIncludeInClipboardHistory");
    faults += ZeroDwordFault("CanUploadToCloudClipboard");
    CloseClipboard();
    return faults;
}

} // namespace vaultlet::test
