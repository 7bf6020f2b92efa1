#include "tests/e2e/ProgramFixture.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/SettingsLocation.h"
#include "tests/support/DatabaseFiles.h"
#include "tests/support/win32/GuiDriver.h"

namespace vaultlet::e2e {

void ProgramFixture::SetUp() {
    ASSERT_TRUE(RunningCopies().empty()) << "another copy of the program is running";
    m_previousLocation = SettingsLocation::Get();
    SettingsLocation::Set(m_copy.Ini());
    LanguagePack::Instance().setLanguage("English");
}

void ProgramFixture::TearDown() {
    SettingsLocation::Set(m_previousLocation);
}

std::string ProgramFixture::MakeDatabase(const std::string& fileName, const std::string& name,
                                         const std::string& password, int cipherId) {
    const std::string path = fileName.find('\\') == std::string::npos ? OtherFile(fileName) : fileName;
    EXPECT_TRUE(test::MakeDatabaseFile(path, name, password, cipherId)) << path;
    return path;
}

std::string ProgramFixture::Text(int id) {
    return LanguagePack::Instance().getString(id);
}

std::string ProgramFixture::AnswerMessageBox(const RunningProgram& program, int button) {
    const HWND box = test::WaitForMessageBox(program.Id(), 20000);
    if (box == nullptr) {
        ADD_FAILURE() << "no message box appeared";
        return {};
    }
    const std::string text = test::MessageTextOf(box);
    test::Click(box, button);
    test::WaitUntil([&] { return !IsWindow(box); });
    return text;
}

HWND ProgramFixture::StartAndLogIn(std::unique_ptr<RunningProgram>& program, const std::string& password) {
    program = m_copy.Start();
    const HWND login = program->WaitForLogin();
    EXPECT_NE(login, nullptr);
    if (login == nullptr) {
        return nullptr;
    }
    LogIn(login, password);
    return program->WaitForMainWindow();
}

void ProgramFixture::LogIn(HWND login, const std::string& password) {
    test::SetItemTextOf(login, IDC_LOGIN_PASSWORD, password);
    test::Click(login, IDOK);
}

} // namespace vaultlet::e2e
