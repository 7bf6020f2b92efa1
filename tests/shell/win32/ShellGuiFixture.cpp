#include "tests/shell/win32/ShellGuiFixture.h"

#include "services/LanguagePack.h"
#include "services/UpdateEndpoint.h"
#include "shell/CurrentDatabase.h"
#include "shell/win32/system/ShellOpen.h"
#include "shell/win32/system/UserGuide.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/MessageBoxes.h"
#include "tests/support/DatabaseFiles.h"
#include "tests/support/win32/GuiDriver.h"
#include "tests/support/win32/LoopbackHttpServer.h"

#include <cstdlib>
#include <filesystem>

namespace vaultlet::test {

void ShellGuiFixture::SetUp() {
    std::filesystem::create_directory(m_root.File("program"));
    std::filesystem::create_directory(m_root.File("documents"));
    CurrentDatabase::Reset();
    // The first login dialog of the run looks for a new version: never beyond this machine. A test
    // of the update check names its own server.
    _putenv_s(UpdateEndpoint::kServerVariable, LoopbackHttpServer::RefusingAddress().c_str());
    MessageBoxes::SetAnswerer([this](const std::string& text, UINT flags) {
        std::lock_guard<std::mutex> lock(m_lock);
        m_messages.push_back(text);
        m_flags.push_back(flags);
        return m_answer;
    });
    // As the program's start does: F1 in a dialog opens the guide.
    Dialog::SetHelpOpener(&UserGuide::OpenPage);
    ShellOpen::SetOpener([this](const std::string& target, const std::string& parameters) {
        std::lock_guard<std::mutex> lock(m_lock);
        m_opened.push_back(parameters.empty() ? target : target + " " + parameters);
    });
}

void ShellGuiFixture::TearDown() {
    ShellOpen::SetOpener(nullptr);
    MessageBoxes::SetAnswerer(nullptr);
    CurrentDatabase::Reset();
}

DatabaseFolders ShellGuiFixture::Folders() const {
    DatabaseFolders folders;
    folders.executableFolder = m_root.File("program");
    folders.searchFolders = {folders.executableFolder, m_root.File("documents")};
    folders.documentsFolder = m_root.File("documents");
    return folders;
}

std::string Text(int id) {
    return LanguagePack::Instance().getString(id);
}

std::string ShellGuiFixture::ProgramFile(const std::string& name) const {
    return m_root.File("program\\" + name);
}

std::string ShellGuiFixture::DocumentsFile(const std::string& name) const {
    return m_root.File("documents\\" + name);
}

std::string ShellGuiFixture::MakeDatabase(const std::string& path, const std::string& name, const std::string& password,
                                          int cipherId) const {
    EXPECT_TRUE(MakeDatabaseFile(path, name, password, cipherId)) << path;
    return path;
}

std::vector<std::string> ShellGuiFixture::Messages() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_messages;
}

std::vector<UINT> ShellGuiFixture::MessageFlags() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_flags;
}

bool ShellGuiFixture::WaitForMessages(std::size_t count) const {
    return WaitUntil([&] { return Messages().size() >= count; });
}

void ShellGuiFixture::SetAnswer(int answer) {
    std::lock_guard<std::mutex> lock(m_lock);
    m_answer = answer;
}

std::vector<std::string> ShellGuiFixture::Opened() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_opened;
}

INT_PTR ShellGuiFixture::RunDialog(Dialog& dialog, const std::function<bool(HWND)>& isIt,
                                   const std::function<void(HWND)>& drive) {
    ModalThread run([&] { return dialog.RunModal(nullptr); });
    const HWND window = run.WaitForDialogWhere(isIt);
    EXPECT_NE(window, nullptr);
    if (window != nullptr) {
        drive(window);
    }
    EXPECT_TRUE(run.WaitForEnd());
    return run.Result();
}

} // namespace vaultlet::test
