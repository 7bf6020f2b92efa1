#include "autofill/win32/WindowDescription.h"

#include "autofill/WindowSystem.h"
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
    return builder.text.size() < WindowSystem::kMaxDescription ? TRUE : FALSE;
}

std::string NarrowFileName(const wchar_t* path) {
    const wchar_t* name = path;
    for (const wchar_t* at = path; *at != L'\0'; ++at) {
        if (*at == L'\\' || *at == L'/') {
            name = at + 1;
        }
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, name, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return std::string();
    }
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, name, -1, narrow.data(), size, nullptr, nullptr);
    narrow.resize(static_cast<std::size_t>(size - 1));
    return narrow;
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
    if (builder.text.size() > WindowSystem::kMaxDescription) {
        builder.text.resize(WindowSystem::kMaxDescription);
    }
    return std::move(builder.text);
}

std::string WindowClassOf(HWND window) {
    char buffer[kTextBuffer] = {};
    const int length = window != nullptr ? GetClassNameA(window, buffer, kTextBuffer) : 0;
    return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::string WindowTitleOf(HWND window) {
    char buffer[kTextBuffer] = {};
    const int length = window != nullptr ? GetWindowTextA(window, buffer, kTextBuffer) : 0;
    return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::string WindowProgramOf(HWND window) {
    DWORD processId = 0;
    if (window == nullptr || GetWindowThreadProcessId(window, &processId) == 0) {
        return std::string();
    }
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) {
        return std::string();
    }
    wchar_t path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    const bool named = QueryFullProcessImageNameW(process, 0, path, &size) != FALSE;
    CloseHandle(process);
    return named ? NarrowFileName(path) : std::string();
}

} // namespace vaultlet
