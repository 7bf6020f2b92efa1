// The call stack and the loaded modules of a crash report.
#include "services/win32/CrashReport.h"

namespace vaultlet {
namespace {

// GetFileVersionInfoA writes into a buffer of the caller; a crashed process takes no heap memory.
// Version data larger than this is left out of the report.
constexpr DWORD kVersionDataSize = 16 * 1024;
char g_versionData[kVersionDataSize];
constexpr UINT kVersionTextLength = 199;

// The stack range of the calling thread (the failing one, whose frames are walked): from the start of
// its reservation to the end of the committed part that holds this frame.
void StackBounds(DWORD64& low, DWORD64& high) {
    MEMORY_BASIC_INFORMATION region{};
    const volatile char here = 0;
    VirtualQuery(const_cast<const char*>(&here), &region, sizeof region);
    low = reinterpret_cast<DWORD64>(region.AllocationBase);
    high = reinterpret_cast<DWORD64>(region.BaseAddress) + region.RegionSize;
}

void CopyVersionText(const char* key, char (&text)[kVersionTextLength + 1]) {
    char* value = nullptr;
    UINT length = 0;
    text[0] = '\0';
    if (VerQueryValueA(g_versionData, key, reinterpret_cast<void**>(&value), &length) && value != nullptr) {
        lstrcpynA(text, value, kVersionTextLength + 1);
    }
}

} // namespace

bool CrashReport::OpenModuleList() {
    if (m_setup.createSnapshot == nullptr || m_setup.moduleFirst == nullptr || m_setup.moduleNext == nullptr) {
        return false;
    }
    m_modules = m_setup.createSnapshot(TH32CS_SNAPMODULE, 0);
    return m_modules != INVALID_HANDLE_VALUE;
}

bool CrashReport::FindModule(DWORD64 address, MODULEENTRY32& found) const {
    if (m_modules == INVALID_HANDLE_VALUE) {
        return false;
    }
    found.dwSize = sizeof found;
    for (BOOL more = m_setup.moduleFirst(m_modules, &found); more; more = m_setup.moduleNext(m_modules, &found)) {
        const DWORD64 base = reinterpret_cast<DWORD64>(found.modBaseAddr);
        if (base <= address && address < base + found.modBaseSize) {
            return true;
        }
    }
    return false;
}

// The frames come from the unwind tables of the 64-bit code (frame pointers are usually omitted):
// RtlVirtualUnwind steps a copy of the context from each function to its caller; a function without
// an entry is a leaf whose return address lies at the stack pointer. The walk ends at the stack's
// bounds, at an address outside executable memory, or after kMaxFrames frames.
void CrashReport::WriteCallStack() {
    m_file.Write("\r\n\r\nCallStack:");
    CONTEXT context = m_context;
    DWORD64 stackLow = 0;
    DWORD64 stackHigh = 0;
    StackBounds(stackLow, stackHigh);
    DWORD64 previousModule = 0;
    for (int index = 0; index < kMaxFrames; ++index) {
        // The first frame is the faulting instruction, wherever it lies; callers must be code.
        if (index > 0 && !IsExecutable(context.Rip)) {
            break;
        }
        WriteFrame(index, context.Rip, previousModule);
        if (context.Rsp < stackLow || context.Rsp >= stackHigh) {
            break;
        }
        DWORD64 imageBase = 0;
        PRUNTIME_FUNCTION function = RtlLookupFunctionEntry(context.Rip, &imageBase, nullptr);
        if (function != nullptr) {
            void* handlerData = nullptr;
            DWORD64 establisherFrame = 0;
            RtlVirtualUnwind(UNW_FLAG_NHANDLER, imageBase, context.Rip, function, &context, &handlerData,
                             &establisherFrame, nullptr);
        } else if (Read(context.Rsp, &context.Rip, sizeof context.Rip)) {
            context.Rsp += sizeof context.Rip;
        } else {
            break;
        }
        if (context.Rip == 0 || context.Rsp < stackLow || context.Rsp >= stackHigh) {
            break;
        }
    }
    m_file.Write("\r\n");
}

void CrashReport::WriteFrame(int index, DWORD64 address, DWORD64& previousModule) {
    MODULEENTRY32 module{};
    if (!FindModule(address, module)) {
        m_file.Write("\r\n");
        m_file.WriteHex64(address, true);
        previousModule = 0;
        return;
    }
    const DWORD64 base = reinterpret_cast<DWORD64>(module.modBaseAddr);
    if (base != previousModule) {
        m_file.Write("\r\n");
        m_file.WriteHex64(base, true);
        m_file.Write("  %s", module.szExePath);
        previousModule = base;
    }
    // The stack words after a return address are left out: they may be anybody's data.
    m_file.Write("\r\n  +%08X%s", static_cast<DWORD>(address - base), index == 0 ? "  Exception Offset" : "");
}

// The modules come from the tool-help list: on 64-bit Windows they lie far above the first 4 GB, and
// scanning the whole address space region by region would take billions of steps.
void CrashReport::WriteModules() {
    m_file.Write("\r\nLoaded modules: \r\n");
    if (m_modules == INVALID_HANDLE_VALUE) {
        return;
    }
    MODULEENTRY32 module{};
    module.dwSize = sizeof module;
    int number = 0;
    for (BOOL more = m_setup.moduleFirst(m_modules, &module); more; more = m_setup.moduleNext(m_modules, &module)) {
        const DWORD64 base = reinterpret_cast<DWORD64>(module.modBaseAddr);
        IMAGE_DOS_HEADER dos{};
        DWORD signature = 0;
        if (!Read(base, &dos, sizeof dos) || dos.e_magic != IMAGE_DOS_SIGNATURE ||
            !Read(base + dos.e_lfanew, &signature, sizeof signature) || signature != IMAGE_NT_SIGNATURE) {
            continue;
        }
        WriteModule(++number, module);
    }
}

void CrashReport::WriteModule(int number, const MODULEENTRY32& module) {
    const DWORD64 base = reinterpret_cast<DWORD64>(module.modBaseAddr);
    IMAGE_DOS_HEADER dos{};
    IMAGE_NT_HEADERS64 headers{};
    Read(base, &dos, sizeof dos);
    Read(base + dos.e_lfanew, &headers, sizeof headers);
    m_file.Write("Module %d\r\n%s\r\nImage Base: 0x", number, module.szExePath);
    m_file.WriteHex64(headers.OptionalHeader.ImageBase);
    m_file.Write("  Image Size: 0x%08x\r\n", headers.OptionalHeader.SizeOfImage);
    m_file.Write("Checksum:   0x%08x  Time Stamp: 0x%08x\r\n", headers.OptionalHeader.CheckSum,
                 headers.FileHeader.TimeDateStamp);

    DWORD fileSize = 0;
    FILETIME written{};
    bool known = false;
    const HANDLE file = CreateFileA(module.szExePath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        fileSize = GetFileSize(file, nullptr);
        known = GetFileTime(file, nullptr, nullptr, &written) != FALSE;
        CloseHandle(file);
    }
    m_file.Write("File Size:  %-10d  File Time:  ", static_cast<int>(fileSize));
    if (known) {
        WriteTime(written);
    }
    m_file.Write("\r\n");
    WriteVersionInformation(module.szExePath);
}

void CrashReport::WriteVersionInformation(const char* path) {
    char company[kVersionTextLength + 1] = "";
    char product[kVersionTextLength + 1] = "";
    char description[kVersionTextLength + 1] = "";
    VS_FIXEDFILEINFO* fixed = nullptr;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size != 0 && size <= kVersionDataSize && GetFileVersionInfoA(path, 0, kVersionDataSize, g_versionData)) {
        UINT length = 0;
        if (!VerQueryValueA(g_versionData, "\\", reinterpret_cast<void**>(&fixed), &length) || length < sizeof *fixed) {
            fixed = nullptr;
        }
        WORD* translation = nullptr;
        if (VerQueryValueA(g_versionData, "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                           &length) &&
            length >= 2 * sizeof(WORD)) {
            char key[64];
            wsprintfA(key, "\\StringFileInfo\\%04x%04x\\%s", translation[0], translation[1], "CompanyName");
            CopyVersionText(key, company);
            wsprintfA(key, "\\StringFileInfo\\%04x%04x\\%s", translation[0], translation[1], "ProductName");
            CopyVersionText(key, product);
            wsprintfA(key, "\\StringFileInfo\\%04x%04x\\%s", translation[0], translation[1], "FileDescription");
            CopyVersionText(key, description);
        }
    }
    const VS_FIXEDFILEINFO none{};
    const VS_FIXEDFILEINFO& numbers = fixed != nullptr ? *fixed : none;
    m_file.Write("Version Information:\r\n   Company:    %s\r\n   Product:    %s\r\n   FileDesc:   %s\r\n", company,
                 product, description);
    m_file.Write("   FileVer:    %d.%d.%d.%d\r\n", HIWORD(numbers.dwFileVersionMS), LOWORD(numbers.dwFileVersionMS),
                 HIWORD(numbers.dwFileVersionLS), LOWORD(numbers.dwFileVersionLS));
    m_file.Write("   ProdVer:    %d.%d.%d.%d\r\n\r\n", HIWORD(numbers.dwProductVersionMS),
                 LOWORD(numbers.dwProductVersionMS), HIWORD(numbers.dwProductVersionLS),
                 LOWORD(numbers.dwProductVersionLS));
}

} // namespace vaultlet
