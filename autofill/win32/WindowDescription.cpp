#include "autofill/win32/WindowDescription.h"

#include "core/SecureWipe.h"

namespace vaultlet {
namespace {

// Class names and texts are read into buffers of this size, so each keeps at most 259 characters.
constexpr int kTextBuffer = 260;

struct DescriptionBuilder {
    HWND focus;
    SecureString text;
};

void AppendEntry(DescriptionBuilder& builder, HWND window) {
    char buffer[kTextBuffer] = {};
    GetClassNameA(window, buffer, kTextBuffer);
    builder.text += buffer;
    if (window == builder.focus) {
        builder.text += ":FOCUSED";
    }
    builder.text += ':';
    // The text of an edit control in this process is its content, possibly a secret.
    const int length = GetWindowTextA(window, buffer, kTextBuffer);
    builder.text.append(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
    SecureWipe(buffer, sizeof buffer);
}

BOOL CALLBACK AppendChild(HWND child, LPARAM parameter) {
    auto& builder = *reinterpret_cast<DescriptionBuilder*>(parameter);
    builder.text += ':';
    AppendEntry(builder, child);
    return TRUE;
}

} // namespace

HWND FindFocusWindow(HWND window) {
    const DWORD owner = GetWindowThreadProcessId(window, nullptr);
    const DWORD self = GetCurrentThreadId();
    if (owner == 0) {
        return nullptr;
    }
    if (owner == self) {
        return GetFocus();
    }
    if (!AttachThreadInput(self, owner, TRUE)) {
        return nullptr;
    }
    HWND focus = GetFocus();
    AttachThreadInput(self, owner, FALSE);
    return focus;
}

SecureString DescribeWindow(HWND window) {
    if (window == nullptr || !IsWindow(window)) {
        return SecureString();
    }
    DescriptionBuilder builder{FindFocusWindow(window), SecureString()};
    AppendEntry(builder, window);
    EnumChildWindows(window, AppendChild, reinterpret_cast<LPARAM>(&builder));
    return std::move(builder.text);
}

} // namespace vaultlet
