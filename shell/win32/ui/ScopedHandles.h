#pragma once

#include "autofill/win32/ClipboardSession.h" // the clipboard session lives with the auto-fill code

#include <windows.h>

#include <commctrl.h>

#include <utility>

namespace vaultlet {

// Owners for the system's handles: each releases its handle in the destructor and is move-only.
template <typename Handle, typename Traits>
class ScopedHandle {
public:
    ScopedHandle() noexcept = default;
    explicit ScopedHandle(Handle handle) noexcept : m_handle(handle) {}
    ~ScopedHandle() { Reset(); }
    ScopedHandle(ScopedHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, Traits::Invalid())) {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.m_handle, Traits::Invalid()));
        }
        return *this;
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    Handle Get() const noexcept { return m_handle; }
    explicit operator bool() const noexcept { return m_handle != Traits::Invalid(); }
    Handle Release() noexcept { return std::exchange(m_handle, Traits::Invalid()); }
    void Reset(Handle handle = Traits::Invalid()) noexcept {
        if (m_handle != Traits::Invalid()) {
            Traits::Close(m_handle);
        }
        m_handle = handle;
    }

private:
    Handle m_handle = Traits::Invalid();
};

struct KernelHandleTraits {
    static HANDLE Invalid() noexcept { return nullptr; }
    static void Close(HANDLE handle) noexcept { CloseHandle(handle); }
};
struct IconTraits {
    static HICON Invalid() noexcept { return nullptr; }
    static void Close(HICON icon) noexcept { DestroyIcon(icon); }
};
struct MenuTraits {
    static HMENU Invalid() noexcept { return nullptr; }
    static void Close(HMENU menu) noexcept { DestroyMenu(menu); }
};
struct GdiObjectTraits {
    static HGDIOBJ Invalid() noexcept { return nullptr; }
    static void Close(HGDIOBJ object) noexcept { DeleteObject(object); }
};
struct ImageListTraits {
    static HIMAGELIST Invalid() noexcept { return nullptr; }
    static void Close(HIMAGELIST list) noexcept;
};

using UniqueHandle = ScopedHandle<HANDLE, KernelHandleTraits>;
using UniqueIcon = ScopedHandle<HICON, IconTraits>;
using UniqueMenu = ScopedHandle<HMENU, MenuTraits>;
using UniqueGdiObject = ScopedHandle<HGDIOBJ, GdiObjectTraits>;
using UniqueImageList = ScopedHandle<HIMAGELIST, ImageListTraits>;

// A window timer, killed when the owner object goes away.
class WindowTimer {
public:
    WindowTimer() noexcept = default;
    ~WindowTimer() { Stop(); }
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    void Start(HWND window, UINT_PTR id, UINT milliseconds) noexcept {
        Stop();
        if (SetTimer(window, id, milliseconds, nullptr) != 0) {
            m_window = window;
            m_id = id;
        }
    }
    void Stop() noexcept {
        if (m_window != nullptr) {
            KillTimer(m_window, m_id);
            m_window = nullptr;
        }
    }
    bool IsRunning() const noexcept { return m_window != nullptr; }

private:
    HWND m_window = nullptr;
    UINT_PTR m_id = 0;
};

} // namespace vaultlet
