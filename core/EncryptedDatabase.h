#pragma once

#include "core/Database.h"
#include "core/FileSystem.h"
#include "core/LoadResult.h"
#include "core/MergeReport.h"
#include "core/ProgressSink.h"
#include "core/SaveResult.h"
#include "core/SecureBytes.h"
#include "core/crypto/CipherRegistry.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vaultlet {

// A database bound to an encrypted .kvtdat file: the path, the hashed master password, the cipher
// and the key iteration count. Only the RIPEMD-256 hash of the master password is kept.
class EncryptedDatabase : public Database {
public:
    static constexpr std::uint32_t kDefaultKeyIterations = 100000;
    // Iteration counts above this in a file mean a damaged header: opening would take hours.
    static constexpr std::uint32_t kMaxKeyIterations = 1000000;
    static constexpr int kDefaultCipherId = 1;

    // What a save to the stored file does when another writer changed that file since this object
    // last read or wrote it: leave it alone (SaveResult::ChangedOnDisk), or replace it because the
    // user chose to.
    enum class ChangedFile { Keep, Overwrite };

    explicit EncryptedDatabase(FileSystem& fileSystem = FileSystem::Real());
    // Wipes the hashed password.
    ~EncryptedDatabase() override;

    const std::string& Path() const noexcept { return m_path; }
    // The file system its saves and loads go through.
    FileSystem& Files() const noexcept { return m_fileSystem; }
    // Binds the database to another file; the next save there does not check for changes by others,
    // and there is no base to merge with.
    void SetPath(std::string path) {
        m_path = std::move(path);
        m_stamp.reset();
        m_base.reset();
    }
    // The stored identifier; a file may carry one that no cipher has.
    int CipherId() const noexcept { return m_cipherId; }
    // Does not touch ModifiedFlag: a changed cipher takes effect at the next save.
    void SetCipherId(int cipherId) noexcept { m_cipherId = cipherId; }
    std::uint32_t KeyIterations() const noexcept { return m_keyIterations; }
    // For new databases only; Load sets the count from the file.
    void SetKeyIterations(std::uint32_t keyIterations) noexcept { m_keyIterations = keyIterations; }
    // The largest count Load accepts from a file (kMaxKeyIterations unless lowered, as the fuzz
    // targets do to keep each run short).
    void SetIterationLimit(std::uint32_t limit) noexcept { m_iterationLimit = limit; }

    // The key becomes the RIPEMD-256 of the password's bytes; it takes effect at the next save.
    void SetPassword(std::string_view password);
    bool CheckPassword(std::string_view password) const;

    const CipherRegistry& Ciphers() const noexcept { return m_ciphers; }
    // The cipher of the current identifier, or null.
    Cipher* CurrentCipher() const noexcept { return m_ciphers.FindById(m_cipherId); }

    // Saves to the given path (empty: the stored one, which stays unchanged). The file is replaced
    // in one step only after the new content is safely on disk: on failure the old file is left as
    // it was and ModifiedFlag is raised again. The stored file is not overwritten when another
    // writer changed it since it was loaded or last saved here (SaveResult::ChangedOnDisk), unless
    // `changedFile` says to overwrite it.
    SaveResult SaveWithResult(const std::string& path = {}, ProgressSink* progress = nullptr,
                              ChangedFile changedFile = ChangedFile::Keep);
    bool Save(const std::string& path = {}, ProgressSink* progress = nullptr) {
        return SaveWithResult(path, progress) == SaveResult::Saved;
    }
    // Saves to a file the user chose (replacing whatever is there) and, once saved, binds the
    // database to it, so that later saves there check for changes by others. On failure the path
    // stays as it was.
    SaveResult SaveAs(const std::string& path, ProgressSink* progress = nullptr);
    // Loads the file at the given path (stored first when not empty; empty: the stored path).
    // SetPassword must have been called. When storedText is given and the file loads, it receives
    // the decrypted document exactly as the file holds it: the text before its terminating zero
    // byte, with its line ends as they are (the model reads them as line feeds).
    LoadResult Load(const std::string& path = {}, ProgressSink* progress = nullptr, SecureString* storedText = nullptr);

    // The stamp the stored file has now when another writer changed it since this object last read
    // or wrote it; none when it is unchanged, gone or cannot be stamped, or this object never read
    // or wrote it.
    std::optional<FileStamp> ChangeOnDisk() const;
    // Reads the stored file into a new database that has this one's master password (its hash),
    // file system and iteration limit. This one stays as it is whatever happens; on failure the
    // result is null and `result` says why.
    std::unique_ptr<EncryptedDatabase> Reloaded(LoadResult& result, ProgressSink* progress = nullptr) const;
    // The same with another master password, for a file another copy saved with its own.
    std::unique_ptr<EncryptedDatabase> Reloaded(std::string_view password, LoadResult& result,
                                                ProgressSink* progress = nullptr) const;

    // The content of the stored file as this object last read or wrote it: the common base of this
    // database and a version someone else saved since. Null for a database that has no file yet.
    const Database* Base() const noexcept { return m_base.get(); }
    // Merges the other copy's version of the stored file (read with Reloaded) into this database
    // (DatabaseMerge, with Base() as the base) and takes that version as the one on disk: the next
    // save checks for changes made after it, and it becomes the base. The database's name, cipher,
    // iteration count and password stay; the report says where the other copy's differed. Raises
    // ModifiedFlag: the merged content is not saved yet.
    MergeReport MergeOtherCopy(EncryptedDatabase& theirs, std::string_view otherCopySuffix);
    // Notes in the report which of the other database's settings (cipher, iterations, password)
    // differ from this one's.
    void NoteOtherSettings(const EncryptedDatabase& other, MergeReport& report) const;

private:
    SaveResult WriteEncrypted(const std::string& path, const SecureBytes& plaintext, ProgressSink* progress,
                              ChangedFile changedFile);
    // Whether writing to `path` would overwrite a change made by someone else.
    bool WouldOverwriteChange(const std::string& path) const;
    void RememberStamp(InputFile& file);
    // Loads the stored file into the given database (which has its password), with this one's
    // iteration limit; null on failure.
    std::unique_ptr<EncryptedDatabase> LoadedAgain(std::unique_ptr<EncryptedDatabase> database, LoadResult& result,
                                                   ProgressSink* progress) const;
    LoadResult ReadEncrypted(InputFile& file, std::uint64_t size, ProgressSink* progress, SecureString* storedText);

    FileSystem& m_fileSystem;
    CipherRegistry m_ciphers;
    SecureArray<32> m_baseKey;
    std::string m_path;
    // The file at m_path as this object last read or wrote it; none for a new database.
    std::optional<FileStamp> m_stamp;
    // The model as the file at m_path held it then; its secrets wipe themselves when it goes.
    std::unique_ptr<Database> m_base;
    std::uint32_t m_keyIterations = kDefaultKeyIterations;
    std::uint32_t m_iterationLimit = kMaxKeyIterations;
    int m_cipherId = kDefaultCipherId;
};

// Reads the name and cipher id of a database file without the password. False when the file cannot
// be opened, is shorter than 66 bytes, or its header or name cannot be read.
bool ProbeFile(const std::string& path, std::string& name, int& cipherId, FileSystem& fileSystem = FileSystem::Real());

// Re-seeds the process's pseudo-random source from facts of this machine and moment.
void SeedRandomFromMachine();

} // namespace vaultlet
