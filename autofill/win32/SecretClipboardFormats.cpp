#include "autofill/win32/SecretClipboardFormats.h"

#include "autofill/win32/ClipboardSession.h"
#include "core/SecureWipe.h"

#include <windows.h>

#include <cstring>

namespace vaultlet {
namespace {

// A movable global block holding a copy of the bytes, ready for SetClipboardData.
HGLOBAL CopyToGlobal(const void* bytes, std::size_t size, std::size_t blockSize) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, blockSize);
    if (block == nullptr) {
        return nullptr;
    }
    void* data = GlobalLock(block);
    if (data == nullptr) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(data, bytes, size);
    GlobalUnlock(block);
    return block;
}

void WipeAndFree(HGLOBAL block) {
    if (void* data = GlobalLock(block)) {
        SecureWipe(data, GlobalSize(block));
        GlobalUnlock(block);
    }
    GlobalFree(block);
}

// Once handed over the block belongs to the system; only a refused one is ours to release.
bool HandOver(UINT format, HGLOBAL block) {
    if (block == nullptr) {
        return false;
    }
    if (SetClipboardData(format, block) == nullptr) {
        WipeAndFree(block);
        return false;
    }
    return true;
}

} // namespace

bool SecretClipboardFormats::Put(std::string_view text) {
    return PutMarkers() && PutText(text);
}

bool SecretClipboardFormats::Replace(HWND owner, std::string_view text) {
    ClipboardSession clipboard(owner);
    return clipboard.IsOpen() && EmptyClipboard() && Put(text);
}

// Clipboard monitors only look for the exclusion format, whatever it holds; history and cloud
// clipboard read a DWORD and skip the copy when it is zero.
bool SecretClipboardFormats::PutMarkers() {
    return PutZeroDword(kExcludeFromMonitoring) && PutZeroDword(kCanIncludeInHistory) &&
           PutZeroDword(kCanUploadToCloud);
}

bool SecretClipboardFormats::PutZeroDword(const wchar_t* formatName) {
    const UINT format = RegisterClipboardFormatW(formatName);
    const DWORD data = 0;
    return format != 0 && HandOver(format, CopyToGlobal(&data, sizeof data, sizeof data));
}

bool SecretClipboardFormats::PutText(std::string_view text) {
    // The zero-initialised block supplies the terminating zero.
    return HandOver(CF_TEXT, CopyToGlobal(text.data(), text.size(), text.size() + 1));
}

} // namespace vaultlet
