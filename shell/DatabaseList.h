#pragma once

#include "core/FileSystem.h"
#include "shell/DatabaseFolders.h"

#include <string>
#include <vector>

namespace vaultlet {

// One known database file: the name from its header and its full path.
struct DatabaseEntry {
    std::string name;
    std::string path;
};

// The database files the login dialog offers. The stored list ("DataBaseList" in the settings)
// holds only paths; names come from the files' headers, so a file that no longer opens as a database
// silently drops out at the next Load or Save. A file beside the executable is always listed, and
// no two entries have paths that differ only in letter case.
//
// Every dialog that needs the list has its own instance and reloads it from the settings store.
class DatabaseList {
public:
    static constexpr const char* kExtension = ".kvtdat";

    explicit DatabaseList(DatabaseFolders folders, FileSystem& fileSystem = FileSystem::Real());

    // Clears the entries, scans the executable's folder, then adds every stored path that still
    // holds a database, in stored order.
    void Load();
    // Appends unless an entry has the same path (ignoring case); true when it was appended.
    bool Add(const std::string& name, const std::string& path);
    // Adds the file when it holds a database, then saves. True when the file passed.
    bool AddFile(const std::string& path);
    // Stores the paths of the entries whose files still hold a database, in entry order.
    void Save() const;
    // Erases the entry with that path (ignoring case) and saves; refused for files in the
    // executable's folder, which a scan would bring back anyway.
    void Remove(const std::string& path);
    // Erases every entry and saves.
    void Clear();
    // Adds every database file directly inside folder (extension ".kvtdat" in any case).
    void ScanFolder(const std::string& folder);
    // ScanFolder on every search folder, in order.
    void ScanAll();

    const std::vector<DatabaseEntry>& Entries() const noexcept { return m_entries; }
    const DatabaseFolders& Folders() const noexcept { return m_folders; }
    FileSystem& Files() const noexcept { return m_fileSystem; }
    // Index of the entry with that path (ignoring case), or -1.
    int Find(const std::string& path) const;
    // The lower-cased path contains the lower-cased executable folder.
    bool IsInExecutableFolder(const std::string& path) const;

    // "name [file]": the name and the part of the path after its last backslash (the whole path when
    // it has none or ends with one).
    static std::string DisplayText(const DatabaseEntry& entry);
    // Case-insensitive comparison of two paths, as the system compares file names.
    static bool SamePath(const std::string& a, const std::string& b);
    // folder + separator + name, with the separator the folder already uses: "/" for POSIX paths, a
    // backslash otherwise (also for a drive's root, "E:", which has none).
    static std::string JoinPath(const std::string& folder, const std::string& name);

private:
    bool Probe(const std::string& path, std::string& name) const;

    DatabaseFolders m_folders;
    FileSystem& m_fileSystem;
    std::vector<DatabaseEntry> m_entries;
};

} // namespace vaultlet
