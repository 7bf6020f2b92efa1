#include "core/EncryptedDatabase.h"

#include "core/DatabaseDocument.h"
#include "core/DatabaseFileHeader.h"
#include "core/DatabaseMerge.h"
#include "core/KeySearch.h"
#include "core/ModelCopy.h"
#include "core/ModifiedFlag.h"
#include "core/SafeFileWriter.h"
#include "core/SecureWipe.h"
#include "core/SliceCipher.h"
#include "core/SystemEntropy.h"
#include "core/TextConversion.h"
#include "core/crypto/Ripemd.h"
#include "resources/StringIds.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

namespace vaultlet {
namespace {

constexpr std::uint8_t kCheckSalt[16] = {0x6B, 0x1E, 0x90, 0xD4, 0x37, 0xA2, 0x5C, 0x08,
                                         0xF1, 0x4D, 0x83, 0x2A, 0x9E, 0x66, 0xC5, 0xB0};
constexpr std::size_t kKeySize = 32;
// A file must be at least this long for ProbeFile to consider it.
constexpr std::uint64_t kMinimumProbeSize = 66;

// The block the check block must decrypt to: a RIPEMD digest of the salt and the name as wide as
// the block, or zeros for block sizes no RIPEMD width matches.
SecureBytes CheckValueOf(const std::u16string& headerName, std::size_t blockSize) {
    SecureBytes value(blockSize);
    const std::optional<RipemdVariant> variant = Ripemd::ForDigestSize(blockSize);
    if (variant) {
        const SecureString name = Utf16ToAnsi(headerName);
        Ripemd hash(*variant);
        hash.Add(kCheckSalt, sizeof kCheckSalt);
        hash.Add(reinterpret_cast<const std::uint8_t*>(name.data()), name.size());
        hash.Finish(value.data());
    }
    return value;
}

// Takes the document text out of the decrypted data: up to the first zero byte, with CR LF pairs
// and lone CRs turned into LF.
SecureString DocumentTextOf(const SecureBytes& plaintext) {
    const auto* begin = reinterpret_cast<const char*>(plaintext.data());
    const std::size_t length = std::find(begin, begin + plaintext.size(), '\0') - begin;
    SecureString text;
    text.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        if (begin[i] != '\r') {
            text.push_back(begin[i]);
        } else {
            text.push_back('\n');
            if (i + 1 < length && begin[i + 1] == '\n') {
                ++i;
            }
        }
    }
    return text;
}

class ProgressScope {
public:
    ProgressScope(ProgressSink* sink, int captionId) : m_sink(sink) {
        if (m_sink != nullptr) {
            m_sink->Begin(captionId);
        }
    }
    ~ProgressScope() {
        if (m_sink != nullptr) {
            m_sink->End();
        }
    }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    ProgressSink* m_sink;
};

// The extra iterations of one save, uniform in [0, iterations). They are not stored (opening tries
// every count), so they must not be guessable: they come from the system's random source, never from
// the process's seeded generator. False when the source fails.
bool DrawExtraIterations(std::uint32_t iterations, std::uint32_t& extra) {
    constexpr std::uint64_t kSpan = std::uint64_t{1} << 32;
    const std::uint64_t limit = kSpan - kSpan % iterations; // draws at or above it would favour small counts
    std::uint8_t bytes[4];
    std::uint64_t value = 0;
    do {
        if (!FillSystemRandom(bytes, sizeof bytes)) {
            SecureWipe(bytes, sizeof bytes);
            return false;
        }
        value = (std::uint64_t{bytes[0]} << 24) | (std::uint64_t{bytes[1]} << 16) | (std::uint64_t{bytes[2]} << 8) |
                bytes[3];
    } while (value >= limit);
    SecureWipe(bytes, sizeof bytes);
    extra = static_cast<std::uint32_t>(value % iterations);
    return true;
}

} // namespace

EncryptedDatabase::EncryptedDatabase(FileSystem& fileSystem) : m_fileSystem(fileSystem) {
    SeedRandomFromMachine();
}

EncryptedDatabase::~EncryptedDatabase() = default;

void EncryptedDatabase::SetPassword(std::string_view password) {
    Ripemd::Hash(RipemdVariant::Ripemd256, reinterpret_cast<const std::uint8_t*>(password.data()), password.size(),
                 m_baseKey.data());
}

bool EncryptedDatabase::CheckPassword(std::string_view password) const {
    SecureArray<32> key;
    Ripemd::Hash(RipemdVariant::Ripemd256, reinterpret_cast<const std::uint8_t*>(password.data()), password.size(),
                 key.data());
    return key == m_baseKey;
}

SaveResult EncryptedDatabase::SaveWithResult(const std::string& path, ProgressSink* progress, ChangedFile changedFile) {
    const std::string& target = path.empty() ? m_path : path;
    Cipher* cipher = CurrentCipher();
    if (cipher == nullptr || target.empty() || m_keyIterations == 0) {
        return SaveResult::Failed;
    }
    SecureString text;
    if (!DatabaseDocument::Print(*this, text)) {
        ModifiedFlag::Raise();
        return SaveResult::Failed;
    }
    // What the file holds once this save is through: the base of a later merge.
    std::unique_ptr<Database> saved = target == m_path ? ModelCopy::Of(*this) : nullptr;
    // The text, a terminating zero, then zeros up to a whole number of blocks.
    const std::size_t blockSize = cipher->BlockSize();
    const std::size_t length = (text.size() + 1 + blockSize - 1) / blockSize * blockSize;
    SecureBytes plaintext(length);
    std::memcpy(plaintext.data(), text.data(), text.size());
    text.clear();

    const SaveResult written = WriteEncrypted(target, plaintext, progress, changedFile);
    if (written != SaveResult::Saved) {
        // The document was built (which cleared the flag) but never reached the disk.
        ModifiedFlag::Raise();
    } else if (saved) {
        m_base = std::move(saved);
    }
    return written;
}

SaveResult EncryptedDatabase::SaveAs(const std::string& path, ProgressSink* progress) {
    if (path.empty()) {
        return SaveResult::Failed;
    }
    std::string previousPath = std::exchange(m_path, path);
    std::optional<FileStamp> previousStamp = std::exchange(m_stamp, std::nullopt);
    const SaveResult saved = SaveWithResult({}, progress, ChangedFile::Overwrite);
    if (saved != SaveResult::Saved) {
        m_path = std::move(previousPath);
        m_stamp = previousStamp;
    }
    return saved;
}

SaveResult EncryptedDatabase::WriteEncrypted(const std::string& path, const SecureBytes& plaintext,
                                             ProgressSink* progress, ChangedFile changedFile) {
    Cipher& cipher = *CurrentCipher();
    DatabaseFileHeader header;
    header.cipherId = static_cast<std::uint16_t>(cipher.Id());
    header.keyIterations = m_keyIterations;
    header.name = HeaderNameOf(Name());

    SecureArray<32> fileKey = m_baseKey;
    Ripemd::HashChain256(fileKey.data(), m_keyIterations);
    std::uint32_t extra = 0;
    if (!DrawExtraIterations(m_keyIterations, extra)) {
        return SaveResult::Failed;
    }
    Ripemd::HashChain256(fileKey.data(), extra);

    SecureBytes checkBlock = CheckValueOf(header.name, cipher.BlockSize());
    cipher.SetKey(fileKey.data(), kKeySize);
    if (!cipher.Encrypt(checkBlock.data(), checkBlock.data(), checkBlock.size())) {
        return SaveResult::Failed;
    }

    ProgressScope scope(progress, IDS_SAVING);
    SecureBytes data = plaintext.Copy();
    if (!SliceCipher::Run(cipher.Id(), fileKey, true, data.data(), data.size(), progress)) {
        return SaveResult::Failed;
    }
    const std::vector<std::uint8_t> headerBytes = header.Serialize();
    SafeFileWriter writer(m_fileSystem, path);
    if (!writer.Open() || !writer.Write(headerBytes.data(), headerBytes.size()) ||
        !writer.Write(checkBlock.data(), checkBlock.size()) || !writer.Write(data.data(), data.size())) {
        return SaveResult::Failed;
    }
    // Checked as late as possible, right before the replace, to leave others the smallest window.
    if (changedFile == ChangedFile::Keep && WouldOverwriteChange(path)) {
        return SaveResult::ChangedOnDisk;
    }
    if (!writer.Commit()) {
        return SaveResult::Failed;
    }
    if (path == m_path) {
        // Whoever replaces the file after this moment has changed our version.
        m_stamp = writer.WrittenStamp();
    }
    return SaveResult::Saved;
}

bool EncryptedDatabase::WouldOverwriteChange(const std::string& path) const {
    if (path != m_path || !m_stamp) {
        return false;
    }
    const std::unique_ptr<InputFile> file = m_fileSystem.OpenForReading(path);
    if (!file) {
        // Gone: writing it again overwrites nobody's change.
        return false;
    }
    FileStamp current;
    return !file->Stamp(current) || current != *m_stamp;
}

std::optional<FileStamp> EncryptedDatabase::ChangeOnDisk() const {
    if (!m_stamp) {
        return std::nullopt;
    }
    const std::unique_ptr<InputFile> file = m_fileSystem.OpenForReading(m_path);
    FileStamp current;
    if (!file || !file->Stamp(current) || current == *m_stamp) {
        return std::nullopt;
    }
    return current;
}

std::unique_ptr<EncryptedDatabase> EncryptedDatabase::Reloaded(LoadResult& result, ProgressSink* progress) const {
    auto database = std::make_unique<EncryptedDatabase>(m_fileSystem);
    database->m_baseKey = m_baseKey;
    return LoadedAgain(std::move(database), result, progress);
}

std::unique_ptr<EncryptedDatabase> EncryptedDatabase::Reloaded(std::string_view password, LoadResult& result,
                                                               ProgressSink* progress) const {
    auto database = std::make_unique<EncryptedDatabase>(m_fileSystem);
    database->SetPassword(password);
    return LoadedAgain(std::move(database), result, progress);
}

std::unique_ptr<EncryptedDatabase> EncryptedDatabase::LoadedAgain(std::unique_ptr<EncryptedDatabase> database,
                                                                  LoadResult& result, ProgressSink* progress) const {
    database->m_iterationLimit = m_iterationLimit;
    result = database->Load(m_path, progress);
    if (result != LoadResult::Loaded) {
        database.reset();
    }
    return database;
}

MergeReport EncryptedDatabase::MergeOtherCopy(EncryptedDatabase& theirs, std::string_view otherCopySuffix) {
    MergeResult result = DatabaseMerge::Merge(m_base.get(), *this, theirs, otherCopySuffix);
    NoteOtherSettings(theirs, result.report);
    AdoptContent(*result.merged);
    m_stamp = theirs.m_stamp;
    m_base = std::make_unique<Database>();
    m_base->AdoptContent(theirs);
    ModifiedFlag::Raise();
    return result.report;
}

void EncryptedDatabase::NoteOtherSettings(const EncryptedDatabase& other, MergeReport& report) const {
    report.otherCipher = m_cipherId != other.m_cipherId;
    report.otherKeyIterations = m_keyIterations != other.m_keyIterations;
    report.otherPassword = !(m_baseKey == other.m_baseKey);
}

void EncryptedDatabase::RememberStamp(InputFile& file) {
    FileStamp stamp;
    if (file.Stamp(stamp)) {
        m_stamp = stamp;
    } else {
        m_stamp.reset();
    }
}

LoadResult EncryptedDatabase::Load(const std::string& path, ProgressSink* progress, SecureString* storedText) {
    if (!path.empty()) {
        m_path = path;
    }
    m_stamp.reset();
    m_base.reset();
    const std::unique_ptr<InputFile> file = m_fileSystem.OpenForReading(m_path);
    if (!file) {
        return LoadResult::CannotOpen;
    }
    RememberStamp(*file);
    std::uint64_t size = 0;
    LoadResult result = LoadResult::NotADatabase;
    if (file->Size(size) && size > DatabaseFileHeader::kFixedSize) {
        result = ReadEncrypted(*file, size, progress, storedText);
    }
    if (result != LoadResult::Loaded) {
        DeleteAll();
    } else {
        m_base = ModelCopy::Of(*this);
    }
    return result;
}

LoadResult EncryptedDatabase::ReadEncrypted(InputFile& file, std::uint64_t size, ProgressSink* progress,
                                            SecureString* storedText) {
    DatabaseFileHeader header;
    if (!header.ReadFrom(file)) {
        return LoadResult::NotADatabase;
    }
    m_keyIterations = header.keyIterations;
    m_cipherId = header.cipherId;
    Cipher* cipher = CurrentCipher();
    if (cipher == nullptr) {
        return LoadResult::UnknownCipher;
    }
    if (m_keyIterations > m_iterationLimit) {
        return LoadResult::NotADatabase;
    }
    const std::size_t blockSize = cipher->BlockSize();
    if (size <= DatabaseFileHeader::kFixedSize + header.name.size() + blockSize) {
        return LoadResult::NotADatabase;
    }
    SecureBytes checkBlock(blockSize);
    if (file.Read(checkBlock.data(), blockSize) != blockSize) {
        return LoadResult::ReadFailure;
    }

    const SecureBytes checkValue = CheckValueOf(header.name, blockSize);
    KeySearch::Task task;
    task.baseKey = &m_baseKey;
    task.iterations = m_keyIterations;
    task.cipherId = m_cipherId;
    task.checkBlock = checkBlock.data();
    task.checkValue = checkValue.data();
    task.blockSize = blockSize;
    const std::optional<SecureArray<32>> fileKey = KeySearch::Find(task);
    if (!fileKey) {
        return LoadResult::WrongPassword;
    }

    const std::uint64_t dataSize = size - header.Size() - blockSize;
    if (dataSize % blockSize != 0 || dataSize > SIZE_MAX) {
        return LoadResult::NotADatabase;
    }
    ProgressScope scope(progress, IDS_LOADING);
    SecureBytes plaintext(static_cast<std::size_t>(dataSize));
    if (file.Read(plaintext.data(), plaintext.size()) != plaintext.size()) {
        return LoadResult::ReadFailure;
    }
    if (!SliceCipher::Run(m_cipherId, *fileKey, false, plaintext.data(), plaintext.size(), progress)) {
        return LoadResult::ReadFailure;
    }
    const SecureString text = DocumentTextOf(plaintext);
    if (!DatabaseDocument::Parse(text, *this)) {
        return LoadResult::NotADatabase;
    }
    if (storedText != nullptr) {
        const auto* begin = reinterpret_cast<const char*>(plaintext.data());
        const auto length = static_cast<std::size_t>(std::find(begin, begin + plaintext.size(), '\0') - begin);
        *storedText = std::string_view(begin, length);
    }
    return LoadResult::Loaded;
}

bool ProbeFile(const std::string& path, std::string& name, int& cipherId, FileSystem& fileSystem) {
    const std::unique_ptr<InputFile> file = fileSystem.OpenForReading(path);
    std::uint64_t size = 0;
    DatabaseFileHeader header;
    if (!file || !file->Size(size) || size < kMinimumProbeSize || !header.ReadFrom(*file)) {
        return false;
    }
    name = std::string(Utf16ToAnsi(header.name).Viewed());
    cipherId = header.cipherId;
    return true;
}

} // namespace vaultlet
