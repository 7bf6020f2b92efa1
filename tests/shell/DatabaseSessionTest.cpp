#include "shell/DatabaseSession.h"

#include "core/ModifiedFlag.h"
#include "resources/StringIds.h"
#include "shell/CurrentDatabase.h"
#include "shell/DatabaseList.h"
#include "shell/RecoveryCopy.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "tests/shell/PrivateSettingsTest.h"
#include "tests/support/DatabaseFiles.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

namespace vaultlet {
namespace {

using Answer = SessionPrompts::Answer;

// Answers the questions as told and logs, in order, what the session asked and reported.
class RecordedPrompts final : public SessionPrompts {
public:
    Answer answer = Answer::Yes;
    // Stands for text the user typed into the note pane and has not stored yet.
    std::string pendingNote;
    ChangedFileAnswer changedFileAnswer = ChangedFileAnswer::Cancel;
    // What the Save As file choice returns (empty: the user chose none).
    std::string saveAsPath;
    bool reload = false;
    bool merge = false;
    // The other copy's passwords the user types, in turn (none left: the user gives up).
    std::vector<std::string> otherPasswords;
    std::vector<MergeReport> reports;

    // What was asked and reported since the last call.
    std::vector<std::string> TakeLog() { return std::exchange(m_log, {}); }

    Answer AskToSave(int) override { return Log("save?", answer); }
    void ReportSaveFailure() override { Log("save failed"); }
    ChangedFileAnswer AskAboutChangedFile() override { return Log("changed?", changedFileAnswer); }
    std::string ChooseSaveAsPath() override { return Log("save as?", saveAsPath); }
    bool AskToReload() override { return Log("reload?", reload); }
    void ReportReloadFailure() override { Log("reload failed"); }
    bool AskToMerge() override { return Log("merge?", merge); }
    SecureString AskOtherCopyPassword(bool again) override {
        Log(again ? "password again?" : "password?");
        if (otherPasswords.empty()) {
            return {};
        }
        SecureString password(otherPasswords.front());
        otherPasswords.erase(otherPasswords.begin());
        return password;
    }
    void ReportMergeFailure() override { Log("merge failed"); }
    void ReplaceContent(const std::function<void()>& replace) override {
        Log("replace");
        replace();
    }
    void ReportMerge(const MergeReport& report) override {
        Log("merged");
        reports.push_back(report);
    }
    void CommitNote() override {
        if (!pendingNote.empty() && CurrentDatabase::Get() != nullptr) {
            CurrentDatabase::Get()->SetComment(pendingNote);
        }
    }
    ProgressSink* Progress() override { return nullptr; }

private:
    template <typename T = bool>
    T Log(const char* what, T result = {}) {
        m_log.emplace_back(what);
        return result;
    }

    std::vector<std::string> m_log;
};

using Log = std::vector<std::string>;

class DatabaseSessionTest : public test::PrivateSettingsTest {
protected:
    using SessionEnd = DatabaseSession::SessionEnd;

    void SetUp() override {
        m_path = m_root.File("Home.kvtdat");
        ResetFiles();
    }
    void TearDown() override {
        CurrentDatabase::Reset();
        ModifiedFlag::Clear();
    }

    // A change the user made in the open database.
    static void Change(const char* comment = "changed") { CurrentDatabase::Get()->SetComment(comment); }
    static std::string CommentOnDisk(const std::string& path) { return test::CommentOnDisk(path); }
    // Another copy of the program saves the file with its own comment (and master password).
    static bool TheirsSaved(const std::string& path, const char* comment, const char* newPassword = nullptr) {
        return test::ChangeDatabaseFile(path, [&](EncryptedDatabase& theirs) {
            theirs.SetComment(comment);
            if (newPassword != nullptr) {
                theirs.SetPassword(newPassword);
            }
        });
    }
    static std::string OpenComment() { return std::string(CurrentDatabase::Get()->Comment().Viewed()); }
    // A folder that does not exist, so every save into it fails.
    std::string Unwritable() const { return m_root.File("missing") + "/Home.kvtdat"; }
    // The user's documents folder, where recovery copies go when the database's folder takes none.
    std::string Documents() const { return m_root.File("documents"); }
    static std::size_t RecoveryCopiesIn(const std::string& folder) {
        std::size_t count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            count += entry.path().filename().string().find(" (recovered ") != std::string::npos ? 1 : 0;
        }
        return count;
    }

    // The database file as new, open with nothing changed, an empty documents folder, no database
    // list and nothing asked yet.
    void ResetFiles() {
        for (const auto& entry : std::filesystem::directory_iterator(m_root.Path())) {
            std::filesystem::remove_all(entry.path());
        }
        std::filesystem::create_directory(Documents());
        ASSERT_TRUE(test::MakeDatabaseFile(m_path, "Home"));
        ReopenOn(FileSystem::Real());
        m_prompts = RecordedPrompts();
    }
    void ReopenOn(FileSystem& fileSystem) {
        auto database = std::make_unique<EncryptedDatabase>(fileSystem);
        database->SetPassword("secret");
        ASSERT_EQ(database->Load(m_path), LoadResult::Loaded);
        CurrentDatabase::Set(std::move(database));
    }

    std::string m_path;
    RecordedPrompts m_prompts;
    DatabaseList m_list{DatabaseFolders{m_root.File("program"), {}, false, {}}};
    DatabaseSession m_session{m_prompts, m_list};
};

TEST_F(DatabaseSessionTest, PromptAsksOnlyAboutUnsavedChangesOfAFileAndItsAnswerDecides) {
    EXPECT_EQ(m_session.SavePrompt(IDS_SAVE_BEFORE_CLOSING), Answer::No);
    Change();
    CurrentDatabase::Get()->SetPath("");
    EXPECT_EQ(m_session.SavePrompt(IDS_SAVE_BEFORE_CLOSING), Answer::No);
    EXPECT_EQ(m_session.Save(), DatabaseSession::SaveResult::NoPath) << "left for Save As";
    EXPECT_TRUE(ModifiedFlag::IsRaised());
    CurrentDatabase::Reset();
    EXPECT_EQ(m_session.SavePrompt(IDS_SAVE_BEFORE_CLOSING), Answer::No);
    EXPECT_EQ(m_prompts.TakeLog(), Log{});

    // A note typed and not stored yet is an unsaved change too.
    ResetFiles();
    m_prompts.pendingNote = "typed into the note";
    m_prompts.answer = Answer::No;
    EXPECT_EQ(m_session.SavePrompt(IDS_SAVE_BEFORE_LOCKING), Answer::No);
    m_prompts.answer = Answer::Cancel;
    EXPECT_EQ(m_session.SavePrompt(IDS_SAVE_BEFORE_LOGOFF), Answer::Cancel);
    EXPECT_EQ(CommentOnDisk(m_path), "");
    EXPECT_TRUE(ModifiedFlag::IsRaised());
    m_prompts.answer = Answer::Yes;
    EXPECT_EQ(m_session.SavePrompt(IDS_SAVE_BEFORE_CLOSING), Answer::Yes);
    EXPECT_EQ(CommentOnDisk(m_path), "typed into the note");
    EXPECT_FALSE(ModifiedFlag::IsRaised());
    m_prompts.pendingNote = "typed before Save";
    EXPECT_EQ(m_session.Save(), DatabaseSession::SaveResult::Saved);
    EXPECT_EQ(CommentOnDisk(m_path), "typed before Save");
}

TEST_F(DatabaseSessionTest, SaveAsTakesTheNewPathOnlyAfterASuccessfulSave) {
    m_prompts.pendingNote = "moved";
    EXPECT_EQ(m_session.SaveAs(Unwritable()), DatabaseSession::SaveResult::Failed);
    EXPECT_EQ(CurrentDatabase::Get()->Path(), m_path);
    EXPECT_TRUE(ModifiedFlag::IsRaised());

    // Meanwhile another copy of the program listed a database: the list gains the new file and keeps it.
    Settings::WriteList(setting::kDataBaseList, {m_path});
    const std::string copy = m_root.File("Copy.kvtdat");
    EXPECT_EQ(m_session.SaveAs(copy), DatabaseSession::SaveResult::Saved);
    EXPECT_EQ(CurrentDatabase::Get()->Path(), copy);
    EXPECT_FALSE(ModifiedFlag::IsRaised());
    EXPECT_EQ(CommentOnDisk(copy), "moved");
    EXPECT_EQ(CommentOnDisk(m_path), "");
    EXPECT_EQ(Settings::ReadList(setting::kDataBaseList), (std::vector<std::string>{m_path, copy}));
}

TEST_F(DatabaseSessionTest, EndOfSessionSavesTheChangesWithoutAskingAnything) {
    EXPECT_EQ(m_session.EndSession(Documents()).outcome, SessionEnd::Outcome::NothingToSave);
    m_prompts.pendingNote = "at shutdown";
    EXPECT_EQ(m_session.EndSession(Documents()).outcome, SessionEnd::Outcome::Saved);
    EXPECT_EQ(CommentOnDisk(m_path), "at shutdown");
    EXPECT_FALSE(ModifiedFlag::IsRaised());
    EXPECT_EQ(m_prompts.TakeLog(), Log{});
    EXPECT_EQ(RecoveryCopiesIn(m_root.Path()) + RecoveryCopiesIn(Documents()), 0u);
}

TEST_F(DatabaseSessionTest, EndOfSessionPutsChangesTheFileCannotTakeIntoARecoveryCopyAndNeverAsks) {
    struct Case {
        const char* what;
        std::function<void()> arrange;
        // The folder that must hold the copy; empty when none can.
        std::string copyFolder;
    };
    const Case cases[] = {
        {"another writer changed the file", [&] { ASSERT_TRUE(TheirsSaved(m_path, "theirs")); }, m_root.Path()},
        {"its folder is gone", [&] { CurrentDatabase::Get()->SetPath(Unwritable()); }, Documents()},
        {"it never had a file", [&] { CurrentDatabase::Get()->SetPath(""); }, Documents()},
        {"no place takes it",
         [&] {
             CurrentDatabase::Get()->SetPath(Unwritable());
             std::filesystem::remove(Documents());
         },
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetFiles();
        c.arrange();
        Settings::WriteList(setting::kDataBaseList, {m_path}); // listed meanwhile by another copy
        const std::string onDisk = CommentOnDisk(m_path);
        Change("ours");
        const SessionEnd end = m_session.EndSession(Documents());
        // A second end of the session with nothing changed since writes nothing more.
        const SessionEnd again = m_session.EndSession(Documents());
        EXPECT_TRUE(ModifiedFlag::IsRaised()) << "the database's own file still lacks the changes";
        EXPECT_EQ(CommentOnDisk(m_path), onDisk);
        EXPECT_EQ(m_prompts.TakeLog(), Log{});
        if (c.copyFolder.empty()) {
            EXPECT_EQ(end.outcome, SessionEnd::Outcome::NotSaved);
            EXPECT_EQ(RecoveryCopy::TakeUntold(), "");
            continue;
        }
        ASSERT_EQ(end.outcome, SessionEnd::Outcome::Recovered);
        EXPECT_EQ(again.recoveryCopy, end.recoveryCopy);
        EXPECT_EQ(RecoveryCopiesIn(c.copyFolder), 1u);
        EXPECT_EQ(std::filesystem::path(end.recoveryCopy).parent_path(), std::filesystem::path(c.copyFolder));
        EXPECT_EQ(CommentOnDisk(end.recoveryCopy), "ours") << "under the same master password";
        EXPECT_EQ(Settings::ReadList(setting::kDataBaseList), (std::vector<std::string>{m_path, end.recoveryCopy}));
        EXPECT_EQ(RecoveryCopy::TakeUntold(), end.recoveryCopy);
        EXPECT_EQ(RecoveryCopy::TakeUntold(), "") << "told once";
    }
}

TEST_F(DatabaseSessionTest, SavingAfterEveryChangeReportsAFailureOnceAndAsksAboutAChangedFileOnce) {
    EXPECT_EQ(m_session.SaveAfterChange(), DatabaseSession::SaveResult::NoPath) << "nothing to save";
    m_prompts.pendingNote = "first";
    EXPECT_EQ(m_session.SaveAfterChange(), DatabaseSession::SaveResult::Saved);
    EXPECT_EQ(CommentOnDisk(m_path), "first");
    m_prompts.pendingNote.clear();

    CurrentDatabase::Get()->SetPath(Unwritable());
    for (const char* change : {"second", "third"}) {
        Change(change);
        EXPECT_EQ(m_session.SaveAfterChange(), DatabaseSession::SaveResult::Failed);
    }
    EXPECT_EQ(m_prompts.TakeLog(), Log{"save failed"}) << "once, not for every change";
    CurrentDatabase::Get()->SetPath(m_path);
    Change("fourth");
    EXPECT_EQ(m_session.SaveAfterChange(), DatabaseSession::SaveResult::Saved);
    CurrentDatabase::Get()->SetPath(Unwritable());
    Change("fifth");
    EXPECT_EQ(m_session.SaveAfterChange(), DatabaseSession::SaveResult::Failed);
    EXPECT_EQ(m_prompts.TakeLog(), Log{"save failed"}) << "told again after a save had succeeded";
    // A save the user asks for is told every time it fails, and a failed save stops the transition.
    EXPECT_EQ(m_session.SavePrompt(IDS_SAVE_BEFORE_CLOSING), Answer::Cancel);
    EXPECT_EQ(m_session.Save(), DatabaseSession::SaveResult::Failed);
    EXPECT_EQ(m_prompts.TakeLog(), (Log{"save?", "save failed", "save failed"}));
    EXPECT_TRUE(ModifiedFlag::IsRaised());

    // Read afresh, so the next save knows the file's version and sees another writer's change.
    ReopenOn(FileSystem::Real());
    ASSERT_TRUE(TheirsSaved(m_path, "theirs"));
    Change("sixth");
    EXPECT_EQ(m_session.SaveAfterChange(), DatabaseSession::SaveResult::Cancelled);
    Change("seventh");
    EXPECT_EQ(m_session.SaveAfterChange(), DatabaseSession::SaveResult::NoPath);
    EXPECT_EQ(CommentOnDisk(m_path), "theirs");
    // The user saves over their version on purpose; the saves after changes go on from there.
    m_prompts.changedFileAnswer = SessionPrompts::ChangedFileAnswer::Overwrite;
    EXPECT_EQ(m_session.Save(), DatabaseSession::SaveResult::Saved);
    Change("eighth");
    EXPECT_EQ(m_session.SaveAfterChange(), DatabaseSession::SaveResult::Saved);
    EXPECT_EQ(CommentOnDisk(m_path), "eighth");
    EXPECT_EQ(m_prompts.TakeLog(), (Log{"changed?", "changed?"})) << "once after changes, once for Save";
}

// A file another writer changed is overwritten only when the user says so; saved under another
// name, that file is the one watched from then on.
TEST_F(DatabaseSessionTest, AChangedFileIsKeptSavedUnderTheChosenNameOrOverwrittenAsTheUserAnswers) {
    Change("ours");
    ASSERT_TRUE(TheirsSaved(m_path, "theirs"));
    EXPECT_EQ(m_session.SavePrompt(IDS_SAVE_BEFORE_CLOSING), Answer::Cancel) << "a cancelled save stops the transition";
    m_prompts.changedFileAnswer = SessionPrompts::ChangedFileAnswer::SaveAs;
    EXPECT_EQ(m_session.Save(), DatabaseSession::SaveResult::Cancelled) << "no file chosen";
    EXPECT_EQ(CommentOnDisk(m_path), "theirs");
    EXPECT_TRUE(ModifiedFlag::IsRaised());

    const std::string copy = m_root.File("Copy.kvtdat");
    m_prompts.saveAsPath = copy;
    EXPECT_EQ(m_session.SavePrompt(IDS_SAVE_BEFORE_CLOSING), Answer::Yes);
    EXPECT_EQ(CommentOnDisk(copy), "ours");
    EXPECT_EQ(CommentOnDisk(m_path), "theirs");

    ASSERT_TRUE(TheirsSaved(copy, "theirs too"));
    Change("later");
    m_prompts.changedFileAnswer = SessionPrompts::ChangedFileAnswer::Overwrite;
    EXPECT_EQ(m_session.SavePrompt(IDS_SAVE_BEFORE_LOCKING), Answer::Yes);
    EXPECT_EQ(CommentOnDisk(copy), "later");
    EXPECT_EQ(m_prompts.TakeLog(),
              (Log{"save?", "changed?", "changed?", "save as?", "save?", "changed?", "save as?", "save?", "changed?"}));
}

TEST_F(DatabaseSessionTest, ComingBackOffersAMergeForUnsavedChangesOrElseAReloadOncePerChange) {
    EXPECT_EQ(m_session.OfferReload(), nullptr);
    ASSERT_TRUE(TheirsSaved(m_path, "theirs"));
    m_prompts.pendingNote = "typed";
    EXPECT_EQ(m_session.OfferReload(), nullptr);
    m_prompts.pendingNote.clear();
    EXPECT_EQ(m_session.OfferReload(), nullptr);
    EXPECT_EQ(m_prompts.TakeLog(), Log{"merge?"}) << "a typed note is an unsaved change";
    EXPECT_TRUE(ModifiedFlag::IsRaised());

    ASSERT_TRUE(TheirsSaved(m_path, "theirs again"));
    m_prompts.merge = true;
    EXPECT_EQ(m_session.OfferReload(), nullptr) << "merged in place";
    EXPECT_EQ(m_prompts.TakeLog(), (Log{"merge?", "replace", "merged"}));
    EXPECT_EQ(CommentOnDisk(m_path), "typed\n\ntheirs again");
    EXPECT_FALSE(ModifiedFlag::IsRaised());
    EXPECT_EQ(m_session.OfferReload(), nullptr);
    EXPECT_EQ(m_prompts.TakeLog(), Log{}) << "nothing left to offer";

    ASSERT_TRUE(TheirsSaved(m_path, "theirs once more"));
    EXPECT_EQ(m_session.OfferReload(), nullptr);
    EXPECT_EQ(m_session.OfferReload(), nullptr);
    EXPECT_EQ(m_prompts.TakeLog(), Log{"reload?"}) << "No holds for this version of the file";

    ASSERT_TRUE(TheirsSaved(m_path, "theirs again"));
    m_prompts.reload = true;
    std::unique_ptr<EncryptedDatabase> reloaded = m_session.OfferReload();
    ASSERT_NE(reloaded, nullptr);
    EXPECT_EQ(reloaded->Comment().Viewed(), "theirs again");
    EXPECT_FALSE(ModifiedFlag::IsRaised());
    CurrentDatabase::Set(std::move(reloaded));
    EXPECT_EQ(m_session.OfferReload(), nullptr);
    EXPECT_EQ(m_prompts.TakeLog(), Log{"reload?"});

    // The other copy changed the master password: the open copy stays, and the failure is told once.
    ASSERT_TRUE(TheirsSaved(m_path, "unreadable", "other"));
    EXPECT_EQ(m_session.OfferReload(), nullptr);
    EXPECT_EQ(m_session.OfferReload(), nullptr);
    EXPECT_EQ(m_prompts.TakeLog(), (Log{"reload?", "reload failed"}));
    EXPECT_EQ(OpenComment(), "theirs again");
    EXPECT_FALSE(ModifiedFlag::IsRaised());
}

TEST_F(DatabaseSessionTest, MergeAnswerPutsBothCopiesChangesInTheOpenDatabaseAndTheFile) {
    Change("ours");
    ASSERT_TRUE(TheirsSaved(m_path, "theirs"));
    const unsigned long generation = CurrentDatabase::Generation();
    m_prompts.changedFileAnswer = SessionPrompts::ChangedFileAnswer::Merge;
    EXPECT_EQ(m_session.SavePrompt(IDS_SAVE_BEFORE_CLOSING), Answer::Yes);

    EXPECT_EQ(m_prompts.TakeLog(), (Log{"save?", "changed?", "replace", "merged"}));
    EXPECT_NE(CurrentDatabase::Generation(), generation) << "commands waiting on the old nodes stop";
    // What a merge keeps of each copy is DatabaseMergeTest's; here it reaches the database, file and report.
    EXPECT_TRUE(m_prompts.reports.at(0).notesJoined);
    EXPECT_FALSE(ModifiedFlag::IsRaised());
    EXPECT_EQ(OpenComment(), "ours\n\ntheirs");
    EXPECT_EQ(CommentOnDisk(m_path), "ours\n\ntheirs");

    // The merged version is the one on disk now: the next save asks nothing.
    Change("later");
    EXPECT_EQ(m_session.Save(), DatabaseSession::SaveResult::Saved);
    EXPECT_EQ(m_prompts.TakeLog(), Log{});
}

TEST_F(DatabaseSessionTest, AnOtherCopyWithItsOwnPasswordIsMergedWithTheOneTheUserTypes) {
    m_prompts.changedFileAnswer = SessionPrompts::ChangedFileAnswer::Merge;
    Change("ours");
    ASSERT_TRUE(TheirsSaved(m_path, "theirs", "other"));
    EXPECT_EQ(m_session.Save(), DatabaseSession::SaveResult::Cancelled) << "the user gave up on its password";
    EXPECT_EQ(m_prompts.TakeLog(), (Log{"changed?", "password?"}));
    EXPECT_TRUE(ModifiedFlag::IsRaised());
    EXPECT_EQ(test::CommentOnDisk(m_path, "other"), "theirs");

    m_prompts.otherPasswords = {"wrong", "other"};
    EXPECT_EQ(m_session.Save(), DatabaseSession::SaveResult::Saved);
    EXPECT_EQ(m_prompts.TakeLog(), (Log{"changed?", "password?", "password again?", "replace", "merged"}));
    EXPECT_TRUE(m_prompts.reports.at(0).otherPassword);
    EXPECT_EQ(CommentOnDisk(m_path), "ours\n\ntheirs") << "saved with our password";

    // A copy that cannot be read at all is reported, and no save is attempted.
    Change("later");
    ASSERT_TRUE(test::WriteFileBytes(m_path, std::string(200, 'x')));
    EXPECT_EQ(m_session.SavePrompt(IDS_SAVE_BEFORE_CLOSING), Answer::Cancel);
    EXPECT_EQ(m_prompts.TakeLog(), (Log{"save?", "changed?", "merge failed"}));
    EXPECT_TRUE(ModifiedFlag::IsRaised());
    EXPECT_EQ(test::ReadFileBytes(m_path), std::string(200, 'x'));
}

TEST_F(DatabaseSessionTest, ALogoffAskedForUnderADialogWinsOverALockAndEachIsRunOnce) {
    using Transition = DatabaseSession::Transition;
    struct Case {
        std::vector<Transition> asked;
        Transition runs;
    };
    const Case cases[] = {
        {{}, Transition::None},
        {{Transition::Lock}, Transition::Lock},
        {{Transition::Lock, Transition::Logoff}, Transition::Logoff},
        {{Transition::Logoff, Transition::Lock}, Transition::Logoff},
    };
    for (const Case& c : cases) {
        for (Transition transition : c.asked) {
            m_session.Defer(transition);
        }
        EXPECT_EQ(m_session.TakeDeferred(), c.runs);
        EXPECT_EQ(m_session.TakeDeferred(), Transition::None) << "taken once";
    }
}

} // namespace
} // namespace vaultlet
