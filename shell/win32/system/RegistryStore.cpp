#include "shell/RegistryStore.h"

#include <windows.h>

#include <cstring>

namespace vaultlet {
namespace {

constexpr const char* kProductKey = "SOFTWARE\\Quillmoth\\Keyhaven";
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunValue = "Quillmoth Keyhaven";
// A stored string must fit this buffer, terminating zero included; a longer one reads as missing.
constexpr DWORD kStringBufferSize = 1023;

class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (m_key != nullptr) {
            RegCloseKey(m_key);
        }
    }

    bool Open(HKEY root, const std::string& path, REGSAM access) {
        return RegOpenKeyExA(root, path.c_str(), 0, access, &m_key) == ERROR_SUCCESS;
    }
    bool Create(HKEY root, const std::string& path) {
        return RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &m_key,
                               nullptr) == ERROR_SUCCESS;
    }
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

std::optional<int> QueryInt(HKEY root, const std::string& key) {
    RegistryKey product;
    if (!product.Open(root, kProductKey, KEY_READ)) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(product.Get(), key.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::optional<std::string> QueryString(HKEY key, const char* name) {
    char buffer[kStringBufferSize + 1] = {};
    DWORD type = 0;
    DWORD size = kStringBufferSize;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return std::nullopt;
    }
    // The stored data may lack its terminating zero; the buffer has one spare byte for it.
    return std::string(buffer, strnlen(buffer, size));
}

std::optional<std::string> ReadProductString(HKEY root, const std::string& key) {
    RegistryKey product;
    if (!product.Open(root, kProductKey, KEY_READ)) {
        return std::nullopt;
    }
    return QueryString(product.Get(), key.c_str());
}

bool SetString(HKEY key, const char* name, const std::string& value, DWORD size) {
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), size) == ERROR_SUCCESS;
}

bool SetDword(HKEY key, const char* name, int value) {
    const auto data = static_cast<DWORD>(value);
    return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) == ERROR_SUCCESS;
}

std::string ListKey(const std::string& name) {
    return std::string(kProductKey) + "\\" + name;
}

} // namespace

std::optional<int> RegistryStore::ReadInt(const std::string& key) {
    return QueryInt(HKEY_CURRENT_USER, key);
}

bool RegistryStore::WriteInt(const std::string& key, int value) {
    return WriteInts({{key, value}});
}

bool RegistryStore::WriteInts(const std::vector<std::pair<std::string, int>>& values) {
    RegistryKey product;
    if (!product.Create(HKEY_CURRENT_USER, kProductKey)) {
        return false;
    }
    bool written = true;
    for (const auto& [key, value] : values) {
        written = SetDword(product.Get(), key.c_str(), value) && written;
    }
    return written;
}

std::optional<std::string> RegistryStore::ReadString(const std::string& key) {
    return ReadProductString(HKEY_CURRENT_USER, key);
}

bool RegistryStore::WriteString(const std::string& key, const std::string& value) {
    RegistryKey product;
    return product.Create(HKEY_CURRENT_USER, kProductKey) &&
           SetString(product.Get(), key.c_str(), value, static_cast<DWORD>(value.size() + 1));
}

std::vector<std::string> RegistryStore::ReadList(const std::string& name) {
    std::vector<std::string> values;
    RegistryKey list;
    if (!list.Open(HKEY_CURRENT_USER, ListKey(name), KEY_READ)) {
        return values;
    }
    for (DWORD index = 0;; ++index) {
        char valueName[256];
        DWORD nameSize = sizeof valueName;
        char data[kStringBufferSize + 1] = {};
        DWORD dataSize = kStringBufferSize;
        DWORD type = 0;
        const LONG status = RegEnumValueA(list.Get(), index, valueName, &nameSize, nullptr, &type,
                                          reinterpret_cast<BYTE*>(data), &dataSize);
        if (status == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (status == ERROR_SUCCESS && type == REG_SZ) {
            values.emplace_back(data, strnlen(data, dataSize));
        }
    }
    return values;
}

bool RegistryStore::WriteList(const std::string& name, const std::vector<std::string>& values) {
    const std::string path = ListKey(name);
    RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
    RegistryKey list;
    if (!list.Create(HKEY_CURRENT_USER, path)) {
        return false;
    }
    bool written = true;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string index = std::to_string(i);
        written = SetString(list.Get(), index.c_str(), values[i], static_cast<DWORD>(values[i].size() + 1)) && written;
    }
    return written;
}

std::optional<int> RegistryStore::ReadMachineInt(const std::string& key) {
    return QueryInt(HKEY_LOCAL_MACHINE, key);
}

std::optional<std::string> RegistryStore::ReadMachineString(const std::string& key) {
    return ReadProductString(HKEY_LOCAL_MACHINE, key);
}

std::optional<std::string> RegistryStore::ReadStartupEntry() {
    RegistryKey run;
    if (!run.Open(HKEY_CURRENT_USER, kRunKey, KEY_READ)) {
        return std::nullopt;
    }
    return QueryString(run.Get(), kRunValue);
}

bool RegistryStore::WriteStartupEntry(const std::string& command) {
    RegistryKey run;
    // The stored length counts the characters without the terminating zero, as the entry has
    // always been written; readers cope because the buffer has room for the zero.
    return run.Create(HKEY_CURRENT_USER, kRunKey) &&
           SetString(run.Get(), kRunValue, command, static_cast<DWORD>(command.size()));
}

void RegistryStore::DeleteStartupEntry() {
    RegistryKey run;
    if (run.Open(HKEY_CURRENT_USER, kRunKey, KEY_SET_VALUE)) {
        RegDeleteValueA(run.Get(), kRunValue);
    }
}

std::string RegistryStore::ExecutablePath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    return std::string(path, length);
}

std::string RegistryStore::ToLower(std::string text) {
    if (!text.empty()) {
        CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    }
    return text;
}

} // namespace vaultlet
