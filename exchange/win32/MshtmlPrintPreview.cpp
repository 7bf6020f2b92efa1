#include "exchange/win32/MshtmlPrintPreview.h"

#include "core/SecureString.h"
#include "core/TextConversion.h"

#include <windows.h>

#include <docobj.h>
#include <mshtml.h>
#include <oleauto.h>

namespace vaultlet {
namespace {

// CLSID_HTMLDocument, spelled out so the program does not depend on an import library exporting it.
constexpr CLSID kHtmlDocument = {0x25336920, 0x03f9, 0x11cf, {0x8f, 0xd0, 0x00, 0xaa, 0x00, 0x68, 0x6f, 0x13}};

template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() {
        if (m_pointer != nullptr) {
            m_pointer->Release();
        }
    }
    Interface* operator->() const { return m_pointer; }
    Interface& operator*() const { return *m_pointer; }
    Interface** Out() { return &m_pointer; }
    void** OutVoid() { return reinterpret_cast<void**>(&m_pointer); }
    explicit operator bool() const { return m_pointer != nullptr; }

private:
    Interface* m_pointer = nullptr;
};

// A one-element array of variants holding the page as a BSTR. The page carries every value in
// clear, so the string is wiped before the array frees it.
class PageArray {
public:
    explicit PageArray(std::string_view ansiPage) {
        const SecureU16String page = AnsiToUtf16(ansiPage);
        m_array = SafeArrayCreateVector(VT_VARIANT, 0, 1);
        if (m_array == nullptr) {
            return;
        }
        VARIANT* element = nullptr;
        if (FAILED(SafeArrayAccessData(m_array, reinterpret_cast<void**>(&element)))) {
            return;
        }
        element->vt = VT_BSTR;
        element->bstrVal =
            SysAllocStringLen(reinterpret_cast<const OLECHAR*>(page.data()), static_cast<UINT>(page.size()));
        m_page = element->bstrVal;
        SafeArrayUnaccessData(m_array);
    }
    PageArray(const PageArray&) = delete;
    PageArray& operator=(const PageArray&) = delete;
    ~PageArray() {
        if (m_page != nullptr) {
            SecureZeroMemory(m_page, SysStringByteLen(m_page));
        }
        if (m_array != nullptr) {
            SafeArrayDestroy(m_array); // frees the BSTR with it
        }
    }
    SAFEARRAY* Get() const { return m_page != nullptr ? m_array : nullptr; }

private:
    SAFEARRAY* m_array = nullptr;
    BSTR m_page = nullptr;
};

bool WritePage(IHTMLDocument2& document, std::string_view ansiPage) {
    PageArray page(ansiPage);
    if (page.Get() == nullptr) {
        return false;
    }
    document.clear();
    const bool written = SUCCEEDED(document.write(page.Get()));
    document.close();
    return written;
}

} // namespace

bool MshtmlPrintPreview(std::string_view ansiPage) {
    ComPtr<IHTMLDocument2> document;
    if (FAILED(
            CoCreateInstance(kHtmlDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IHTMLDocument2, document.OutVoid())) ||
        !document) {
        return false;
    }
    if (!WritePage(*document, ansiPage)) {
        return false;
    }
    ComPtr<IOleCommandTarget> commands;
    if (FAILED(document->QueryInterface(IID_IOleCommandTarget, commands.OutVoid())) || !commands) {
        return false;
    }
    return SUCCEEDED(commands->Exec(nullptr, OLECMDID_PRINTPREVIEW, OLECMDEXECOPT_PROMPTUSER, nullptr, nullptr));
}

} // namespace vaultlet
