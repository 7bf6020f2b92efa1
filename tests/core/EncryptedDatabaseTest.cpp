#include "core/EncryptedDatabase.h"

#include "core/DatabaseDocument.h"
#include "core/ModelCopy.h"
#include "core/ModifiedFlag.h"
#include "core/TextConversion.h"
#include "core/crypto/GeneratorRandom.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/ModelComparison.h"
#include "tests/support/ModelFixture.h"
#include "tests/support/ReferenceDatabaseFile.h"
#include "tests/support/SampleDatabases.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>

using namespace vaultlet;
using test::FaultyFileSystem;

namespace {

constexpr int kAllCipherIds[] = {1, 0, 2, 3};
// Small enough to keep the tests fast; files of the program carry 100000.
constexpr std::uint32_t kTestIterations = 40;

class EncryptedDatabaseTest : public test::ModelFixture {
protected:
    // A database holding the every-field sample, ready to save.
    static std::unique_ptr<EncryptedDatabase> MakeDatabase(int cipherId, FileSystem& fileSystem = FileSystem::Real()) {
        auto database = std::make_unique<EncryptedDatabase>(fileSystem);
        const auto sample = test::BuildEveryFieldDatabase();
        database->CopyFrom(*sample);
        database->SetTime(sample->Time());
        for (const auto& group : sample->Children()) {
            database->Add(ModelCopy::Of(*group));
        }
        database->SetCipherId(cipherId);
        database->SetKeyIterations(kTestIterations);
        database->SetPassword("correct horse");
        return database;
    }

    static LoadResult Open(const std::string& path, const std::string& password, EncryptedDatabase& into) {
        into.SetPassword(password);
        return into.Load(path);
    }

    static std::string DocumentOf(const Database& database) {
        SecureString text;
        EXPECT_TRUE(DatabaseDocument::Print(database, text));
        return std::string(text.Viewed());
    }

    test::TempDir m_dir;
};

} // namespace

// Each cipher's file is byte for byte what the reference writer makes of the same document and key
// (header fields and reserved bytes, the check block, the zero fill of the last block), and it loads
// back with every field.
TEST_F(EncryptedDatabaseTest, EveryCipherWritesTheReferenceFileAndReadsEveryFieldBack) {
    for (const int cipherId : kAllCipherIds) {
        SCOPED_TRACE(cipherId);
        const std::string path = m_dir.File("db" + std::to_string(cipherId) + ".kvtdat");
        auto original = MakeDatabase(cipherId);
        ASSERT_TRUE(original->Save(path));
        EXPECT_FALSE(ModifiedFlag::IsRaised());
        EXPECT_TRUE(original->Path().empty()) << "saving to a given path does not change the stored one";

        const std::string bytes = test::ReadFileBytes(path);
        const test::ReferenceOpenResult opened = test::ReadReferenceFile(bytes, "correct horse");
        ASSERT_EQ(opened.result, 0);
        EXPECT_LT(opened.extraIterations, kTestIterations);
        EXPECT_EQ(opened.documentText, DocumentOf(*original));
        const test::ReferenceFile same{opened.documentText,
                                       std::string(original->Name().Viewed()),
                                       cipherId,
                                       kTestIterations,
                                       opened.extraIterations,
                                       "correct horse"};
        EXPECT_EQ(test::WriteReferenceFile(same), bytes);

        EncryptedDatabase loaded;
        loaded.SetPassword("correct horse");
        ASSERT_EQ(loaded.Load(path), LoadResult::Loaded);
        EXPECT_EQ(loaded.Path(), path);
        EXPECT_EQ(loaded.CipherId(), cipherId);
        EXPECT_EQ(loaded.KeyIterations(), kTestIterations);
        EXPECT_TRUE(test::ModelsEqual(*original, loaded));
        EXPECT_FALSE(ModifiedFlag::IsRaised());
    }
}

// CR LF and lone CR are line breaks; the stored text is handed out as the file holds it (line ends
// untouched, nothing after the zero byte), and only when the file loads.
TEST_F(EncryptedDatabaseTest, FilesOfTheReferenceWriterOpenForEveryExtraIterationCount) {
    const std::string text = "<?xml version=\"1.0\"?>\r\n<database name=\"Ref\">\r<group name=\"G\"/></database>\n";
    const std::string path = m_dir.File("ref.kvtdat");
    for (const int cipherId : kAllCipherIds) {
        for (std::uint32_t r = 0; r < 9; ++r) {
            SCOPED_TRACE("cipher " + std::to_string(cipherId) + " r " + std::to_string(r));
            test::WriteFileBytes(path, test::WriteReferenceFile({text, "Ref", cipherId, 9, r, "pw"}));
            EncryptedDatabase database;
            SecureString stored("before");
            database.SetPassword("PW");
            EXPECT_EQ(database.Load(path, nullptr, &stored), LoadResult::WrongPassword);
            EXPECT_EQ(stored, "before");
            database.SetPassword("pw");
            ASSERT_EQ(database.Load(path, nullptr, &stored), LoadResult::Loaded);
            EXPECT_EQ(stored, text);
            EXPECT_EQ(database.Name(), "Ref");
            EXPECT_EQ(database.Count(), 1u);
        }
    }
}

// The process's pseudo-random source is seeded from guessable machine facts; seeded alike before
// every save, it must not decide the extra iterations. Four equal draws of 1000 have a chance of 1e-9.
TEST_F(EncryptedDatabaseTest, ExtraIterationsComeFromTheSystemsRandomSource) {
    constexpr std::uint32_t kIterations = 1000;
    const std::string path = m_dir.File("extra.kvtdat");
    auto database = MakeDatabase(1);
    database->SetKeyIterations(kIterations);
    std::set<std::uint32_t> extras;
    for (int save = 0; save < 4; ++save) {
        GeneratorRandom::Seed(7);
        ASSERT_TRUE(database->Save(path));
        const test::ReferenceOpenResult opened = test::ReadReferenceFile(test::ReadFileBytes(path), "correct horse");
        ASSERT_EQ(opened.result, 0);
        EXPECT_LT(opened.extraIterations, kIterations);
        extras.insert(opened.extraIterations);
    }
    EXPECT_GT(extras.size(), 1u);
}

TEST_F(EncryptedDatabaseTest, EveryLoadResultFromCraftedFiles) {
    const test::ReferenceFile good{"<?xml version=\"1.0\"?><database name=\"Ok\"/>", "Ok", 1, 4, 0, "pw"};
    const std::string valid = test::WriteReferenceFile(good);

    const auto withDocument = [&](const std::string& text) {
        test::ReferenceFile file = good;
        file.documentText = text;
        return test::WriteReferenceFile(file);
    };
    const auto withByte = [&](std::size_t offset, std::uint8_t value) {
        std::string bytes = valid;
        bytes[offset] = static_cast<char>(value);
        return bytes;
    };
    std::string iterationsZero = valid;
    iterationsZero[20] = 0;
    std::string iterationsHuge = valid;
    iterationsHuge[23] = '\x7F';

    struct Case {
        const char* what;
        std::string bytes;
        LoadResult expected;
    };
    const Case cases[] = {
        {"valid", valid, LoadResult::Loaded},
        {"48 bytes", valid.substr(0, 48), LoadResult::NotADatabase},
        {"empty", "", LoadResult::NotADatabase},
        {"wrong magic", withByte(3, 0), LoadResult::NotADatabase},
        {"name longer than the file", withByte(44, 200).substr(0, 100), LoadResult::NotADatabase},
        {"check block cut short", valid.substr(0, 48 + 2 + 16 + 1), LoadResult::ReadFailure},
        {"data not whole blocks", valid.substr(0, valid.size() - 3), LoadResult::NotADatabase},
        {"no data at all", valid.substr(0, 48 + 4 + 16), LoadResult::NotADatabase},
        {"broken XML", withDocument("<database name=\"x\""), LoadResult::NotADatabase},
        {"root without name", withDocument("<database/>"), LoadResult::NotADatabase},
        {"root with another name", withDocument("<db name=\"x\"/>"), LoadResult::NotADatabase},
        {"cipher id 7", withByte(16, 7), LoadResult::UnknownCipher},
        {"cipher id 257", withByte(17, 1), LoadResult::UnknownCipher},
        {"iteration count 0", iterationsZero, LoadResult::WrongPassword},
        {"iteration count of a damaged header", iterationsHuge, LoadResult::NotADatabase},
    };
    for (const auto& c : cases) {
        const std::string path = m_dir.File("crafted.kvtdat");
        test::WriteFileBytes(path, c.bytes);
        EncryptedDatabase database;
        database.Add(std::make_unique<Group>("stale"));
        database.SetPassword("pw");
        SecureString stored("before");
        EXPECT_EQ(database.Load(path, nullptr, &stored), c.expected) << c.what;
        if (c.expected != LoadResult::Loaded) {
            EXPECT_EQ(database.Count(), 0u) << c.what << ": a failed load leaves no groups";
            EXPECT_EQ(stored, "before") << c.what;
        }
    }

    EncryptedDatabase database;
    test::WriteFileBytes(m_dir.File("seven.kvtdat"), withByte(16, 7));
    EXPECT_EQ(Open(m_dir.File("seven.kvtdat"), "pw", database), LoadResult::UnknownCipher);
    EXPECT_EQ(database.CipherId(), 7) << "the header's values stay after a failed load";
    EXPECT_EQ(database.KeyIterations(), 4u);
    EXPECT_EQ(Open(m_dir.File("missing.kvtdat"), "pw", database), LoadResult::CannotOpen);
    EXPECT_EQ(Open(m_dir.Path(), "pw", database), LoadResult::CannotOpen);

    FaultyFileSystem failing(FaultyFileSystem::Fault::Read, static_cast<int>(valid.size()) - 16);
    EncryptedDatabase cut(failing);
    test::WriteFileBytes(m_dir.File("cut.kvtdat"), valid);
    EXPECT_EQ(Open(m_dir.File("cut.kvtdat"), "pw", cut), LoadResult::ReadFailure) << "data that cannot be read whole";
}

// The header holds at most 255 characters of the name; the document keeps the whole name.
TEST_F(EncryptedDatabaseTest, ProbeFileReadsNameAndCipherWithoutThePassword) {
    auto database = MakeDatabase(2);
    database->SetName("Caf\xC3\xA9" + std::string(300, 'n'));
    const std::string path = m_dir.File("probe.kvtdat");
    ASSERT_TRUE(database->Save(path));
    std::string name;
    int cipherId = -1;
    ASSERT_TRUE(ProbeFile(path, name, cipherId));
    EXPECT_EQ(name, database->Name().Viewed().substr(0, name.size()));
    EXPECT_EQ(AnsiToUtf16(name).size(), 255u);
    EXPECT_EQ(cipherId, 2);
    EncryptedDatabase loaded;
    ASSERT_EQ(Open(path, "correct horse", loaded), LoadResult::Loaded);
    EXPECT_EQ(loaded.Name(), database->Name());
    EXPECT_EQ(test::ReadReferenceFile(test::ReadFileBytes(path), "correct horse").result, 0);

    // A valid header is not enough: the file must have room for a check block and data.
    std::string bytes = test::ReadFileBytes(path).substr(0, 48);
    bytes[44] = 0;
    bytes.resize(65, 'x');
    test::WriteFileBytes(path, bytes);
    EXPECT_FALSE(ProbeFile(path, name, cipherId));
    bytes.resize(66, 'x');
    test::WriteFileBytes(path, bytes);
    EXPECT_TRUE(ProbeFile(path, name, cipherId));
    EXPECT_EQ(name, "");

    bytes[0] = 'X';
    test::WriteFileBytes(path, bytes);
    EXPECT_FALSE(ProbeFile(path, name, cipherId));
    EXPECT_FALSE(ProbeFile(m_dir.File("missing"), name, cipherId));
}

TEST_F(EncryptedDatabaseTest, AFailedSaveKeepsTheOldFileAndRaisesModifiedFlag) {
    const std::string path = m_dir.File("db.kvtdat");
    auto original = MakeDatabase(1);
    ASSERT_TRUE(original->Save(path));
    const std::string before = test::ReadFileBytes(path);

    // Each step of the safe writer failing is SafeFileWriterTest's; here the save must pass the
    // failure on, at the start, in the middle and at the end.
    FaultyFileSystem faults[] = {FaultyFileSystem(FaultyFileSystem::Fault::Create),
                                 FaultyFileSystem(FaultyFileSystem::Fault::Write, 2),
                                 FaultyFileSystem(FaultyFileSystem::Fault::Replace)};
    for (auto& fileSystem : faults) {
        auto database = MakeDatabase(1, fileSystem);
        database->SetName("changed");
        ModifiedFlag::Clear();
        EXPECT_FALSE(database->Save(path));
        EXPECT_TRUE(ModifiedFlag::IsRaised()) << "a failed save must not look saved";
        EXPECT_EQ(test::ReadFileBytes(path), before);
        EXPECT_EQ(m_dir.List(), std::vector<std::string>{"db.kvtdat"});
        EncryptedDatabase reopened;
        ASSERT_EQ(Open(path, "correct horse", reopened), LoadResult::Loaded);
        EXPECT_TRUE(test::ModelsEqual(*original, reopened));
    }
}

TEST_F(EncryptedDatabaseTest, AChangeAnotherWriterMadeIsOverwrittenOnlyWhenAskedAndCanBeReloaded) {
    const std::string path = m_dir.File("db.kvtdat");
    auto mine = MakeDatabase(1);
    mine->SetPath(path);
    ASSERT_EQ(mine->SaveWithResult(), SaveResult::Saved) << "a new database has no file to compare with";
    mine->SetName("second save");
    ASSERT_EQ(mine->SaveWithResult(), SaveResult::Saved) << "our own last save is no change by others";
    EXPECT_FALSE(mine->ChangeOnDisk());

    // Another writer replaces the file with a new one.
    EncryptedDatabase theirs;
    ASSERT_EQ(Open(path, "correct horse", theirs), LoadResult::Loaded);
    theirs.SetName("theirs");
    ASSERT_TRUE(theirs.Save());
    const std::string replaced = test::ReadFileBytes(path);
    const std::optional<FileStamp> change = mine->ChangeOnDisk();
    ASSERT_TRUE(change);
    ModifiedFlag::Clear();
    EXPECT_EQ(mine->SaveWithResult(), SaveResult::ChangedOnDisk);
    EXPECT_FALSE(mine->Save());
    EXPECT_TRUE(ModifiedFlag::IsRaised());
    EXPECT_EQ(test::ReadFileBytes(path), replaced);
    EXPECT_EQ(m_dir.List(), std::vector<std::string>{"db.kvtdat"});

    // Their version reads with the password this object holds; ours stays as it is meanwhile.
    LoadResult reloadResult = LoadResult::CannotOpen;
    const std::unique_ptr<EncryptedDatabase> reloaded = mine->Reloaded(reloadResult);
    ASSERT_EQ(reloadResult, LoadResult::Loaded);
    EXPECT_EQ(reloaded->Name().Viewed(), "theirs");
    EXPECT_FALSE(reloaded->ChangeOnDisk());
    EXPECT_EQ(mine->Name().Viewed(), "second save");
    EXPECT_EQ(mine->ChangeOnDisk(), change);

    // Overwriting on purpose replaces their version, and later saves compare with ours.
    EXPECT_EQ(mine->SaveWithResult({}, nullptr, EncryptedDatabase::ChangedFile::Overwrite), SaveResult::Saved);
    EXPECT_FALSE(mine->ChangeOnDisk());
    EXPECT_EQ(mine->SaveWithResult(), SaveResult::Saved);
    EncryptedDatabase after;
    ASSERT_EQ(Open(path, "correct horse", after), LoadResult::Loaded);
    EXPECT_EQ(after.Name().Viewed(), "second save");
    EXPECT_TRUE(reloaded->ChangeOnDisk()) << "for the reloaded copy ours is now the other writer's change";
    std::filesystem::remove(path);
    EXPECT_EQ(reloaded->Reloaded(reloadResult), nullptr);
    EXPECT_EQ(reloadResult, LoadResult::CannotOpen);

    // Another writer rewrites the same file in place: same identity and size, a later time.
    ASSERT_TRUE(test::WriteFileBytes(path, replaced));
    EncryptedDatabase loaded;
    ASSERT_EQ(Open(path, "correct horse", loaded), LoadResult::Loaded);
    std::string rewritten = replaced;
    rewritten.back() ^= 1;
    ASSERT_TRUE(test::WriteFileBytes(path, rewritten));
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(10));
    EXPECT_EQ(loaded.SaveWithResult(), SaveResult::ChangedOnDisk);
    EXPECT_EQ(test::ReadFileBytes(path), rewritten);
}

TEST_F(EncryptedDatabaseTest, TheBaseIsTheFileAsLastReadOrWrittenAndAMergeMovesItToTheOtherVersion) {
    const std::string path = m_dir.File("db.kvtdat");
    auto mine = MakeDatabase(1);
    EXPECT_EQ(mine->Base(), nullptr) << "no file yet";
    mine->SetPath(path);
    ASSERT_TRUE(mine->Save());
    ASSERT_NE(mine->Base(), nullptr);
    EXPECT_TRUE(test::ModelsEqual(*mine, *mine->Base()));
    mine->SetComment("mine");
    ASSERT_FALSE(mine->Save(m_dir.File("missing") + "/db.kvtdat"));
    EXPECT_EQ(mine->Base()->Comment().Viewed(), "root comment") << "neither unsaved changes nor a failed save move it";

    // Another copy changes something else and saves with its own password and cipher.
    EncryptedDatabase theirs;
    ASSERT_EQ(Open(path, "correct horse", theirs), LoadResult::Loaded);
    EXPECT_TRUE(test::ModelsEqual(theirs, *theirs.Base())) << "a loaded file is its own base";
    theirs.At(1)->SetComment("theirs");
    theirs.SetPassword("other");
    theirs.SetCipherId(3);
    ASSERT_TRUE(theirs.Save());
    LoadResult result = LoadResult::Loaded;
    EXPECT_EQ(mine->Reloaded(result), nullptr);
    EXPECT_EQ(result, LoadResult::WrongPassword);
    const std::unique_ptr<EncryptedDatabase> other = mine->Reloaded("other", result);
    ASSERT_NE(other, nullptr);

    ModifiedFlag::Clear();
    const MergeReport report = mine->MergeOtherCopy(*other, " (other copy)");
    EXPECT_EQ(report.changed, 1u);
    EXPECT_TRUE(report.otherPassword && report.otherCipher && !report.otherKeyIterations);
    EXPECT_TRUE(ModifiedFlag::IsRaised()) << "merged but not saved";
    EXPECT_EQ(mine->Comment().Viewed(), "mine");
    EXPECT_EQ(mine->At(1)->Comment().Viewed(), "theirs");
    EXPECT_EQ(mine->Base()->Comment().Viewed(), "root comment");
    EXPECT_EQ(mine->Base()->At(1)->Comment().Viewed(), "theirs") << "the version merged with is the new base";
    EXPECT_FALSE(mine->ChangeOnDisk()) << "and the version the next save compares with";
    ASSERT_EQ(mine->SaveWithResult(), SaveResult::Saved);

    EncryptedDatabase after;
    ASSERT_EQ(Open(path, "correct horse", after), LoadResult::Loaded);
    EXPECT_TRUE(test::ModelsEqual(*mine, after));
    EXPECT_EQ(after.CipherId(), 1) << "the settings stay ours";
    EXPECT_EQ(Open(path, "wrong", after), LoadResult::WrongPassword);
    EXPECT_EQ(after.Base(), nullptr) << "a failed load leaves no base";
    mine->SetPath(m_dir.File("elsewhere.kvtdat"));
    EXPECT_EQ(mine->Base(), nullptr) << "another file has no common version with this one";
}

TEST_F(EncryptedDatabaseTest, AWriterRightAfterOurSaveIsNotTakenForOurOwnVersion) {
    const std::string path = m_dir.File("db.kvtdat");
    FaultyFileSystem lateIntruder(FaultyFileSystem::Fault::LateIntruder);
    auto mine = MakeDatabase(1, lateIntruder);
    mine->SetPath(path);
    // Another program replaces the file between our replace and anything we do after it.
    ASSERT_EQ(mine->SaveWithResult(), SaveResult::Saved);
    ASSERT_EQ(test::ReadFileBytes(path), FaultyFileSystem::kIntruderContent);
    EXPECT_TRUE(mine->ChangeOnDisk());
    EXPECT_EQ(mine->SaveWithResult(), SaveResult::ChangedOnDisk);
    EXPECT_EQ(test::ReadFileBytes(path), FaultyFileSystem::kIntruderContent);
}

TEST_F(EncryptedDatabaseTest, SavingWithoutAPathIsRefused) {
    auto database = MakeDatabase(1);
    EXPECT_FALSE(database->Save());
    EXPECT_TRUE(m_dir.List().empty());
}

TEST_F(EncryptedDatabaseTest, ThePasswordCheckIsExact) {
    EncryptedDatabase database;
    database.SetPassword("secret");
    EXPECT_TRUE(database.CheckPassword("secret"));
    EXPECT_FALSE(database.CheckPassword("Secret"));
    EXPECT_FALSE(database.CheckPassword(""));
    database.SetPassword("");
    EXPECT_TRUE(database.CheckPassword(""));
}
