#include "shell/DatabaseList.h"

#include "core/EncryptedDatabase.h"
#include "shell/RegistryStore.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"

#include <algorithm>

namespace vaultlet {
namespace {

bool HasDatabaseExtension(const std::string& fileName) {
    const std::size_t dot = fileName.rfind('.');
    return dot != std::string::npos &&
           RegistryStore::ToLower(fileName.substr(dot)) == RegistryStore::ToLower(DatabaseList::kExtension);
}

} // namespace

DatabaseList::DatabaseList(DatabaseFolders folders, FileSystem& fileSystem)
    : m_folders(std::move(folders)), m_fileSystem(fileSystem) {}

void DatabaseList::Load() {
    m_entries.clear();
    ScanFolder(m_folders.executableFolder);
    for (const std::string& path : Settings::ReadList(setting::kDataBaseList)) {
        std::string name;
        if (Probe(path, name)) {
            Add(name, path);
        }
    }
}

bool DatabaseList::Add(const std::string& name, const std::string& path) {
    if (Find(path) >= 0) {
        return false;
    }
    m_entries.push_back({name, path});
    return true;
}

bool DatabaseList::AddFile(const std::string& path) {
    std::string name;
    const bool passed = Probe(path, name);
    if (passed) {
        Add(name, path);
    }
    Save();
    return passed;
}

void DatabaseList::Save() const {
    std::vector<std::string> paths;
    for (const DatabaseEntry& entry : m_entries) {
        std::string name;
        if (Probe(entry.path, name)) {
            paths.push_back(entry.path);
        }
    }
    Settings::WriteList(setting::kDataBaseList, paths);
}

void DatabaseList::Remove(const std::string& path) {
    if (IsInExecutableFolder(path)) {
        return;
    }
    const int index = Find(path);
    if (index >= 0) {
        m_entries.erase(m_entries.begin() + index);
    }
    Save();
}

void DatabaseList::Clear() {
    m_entries.clear();
    Save();
}

void DatabaseList::ScanFolder(const std::string& folder) {
    if (folder.empty()) {
        return;
    }
    std::vector<std::string> names = m_fileSystem.ListFiles(folder);
    std::sort(names.begin(), names.end());
    for (const std::string& fileName : names) {
        if (!HasDatabaseExtension(fileName)) {
            continue;
        }
        const std::string path = JoinPath(folder, fileName);
        std::string name;
        if (Probe(path, name)) {
            Add(name, path);
        }
    }
}

void DatabaseList::ScanAll() {
    for (const std::string& folder : m_folders.searchFolders) {
        ScanFolder(folder);
    }
}

int DatabaseList::Find(const std::string& path) const {
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (SamePath(m_entries[i].path, path)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool DatabaseList::IsInExecutableFolder(const std::string& path) const {
    if (m_folders.executableFolder.empty()) {
        return false;
    }
    return RegistryStore::ToLower(path).find(RegistryStore::ToLower(m_folders.executableFolder)) != std::string::npos;
}

std::string DatabaseList::DisplayText(const DatabaseEntry& entry) {
    const std::size_t slash = entry.path.rfind('\\');
    const bool usable = slash != std::string::npos && slash + 1 < entry.path.size();
    return entry.name + " [" + (usable ? entry.path.substr(slash + 1) : entry.path) + "]";
}

bool DatabaseList::SamePath(const std::string& a, const std::string& b) {
    return a.size() == b.size() && RegistryStore::ToLower(a) == RegistryStore::ToLower(b);
}

std::string DatabaseList::JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/') {
        return folder + name;
    }
    // A drive's root folder ("E:") has no separator yet; only POSIX paths use "/" alone.
    const bool posix = folder.find('/') != std::string::npos && folder.find('\\') == std::string::npos;
    const char separator = posix ? '/' : '\\';
    return folder + separator + name;
}

bool DatabaseList::Probe(const std::string& path, std::string& name) const {
    int cipherId = 0;
    return ProbeFile(path, name, cipherId, m_fileSystem);
}

} // namespace vaultlet
