#include "shell/win32/app/Startup.h"

#include "core/EncryptedDatabase.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/CommandLine.h"
#include "shell/CurrentDatabase.h"
#include "shell/DatabaseList.h"
#include "shell/InstanceRequest.h"
#include "shell/RegistryStore.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/SettingsLocation.h"
#include "shell/win32/app/SingleInstance.h"
#include "shell/win32/crash/CrashReportMode.h"
#include "shell/win32/editing/VirtualKeyboard.h"
#include "shell/win32/login/LoginDialog.h"
#include "shell/win32/mainframe/MainFrame.h"
#include "shell/win32/mainframe/WindowsSessionEnd.h"
#include "shell/win32/system/RizeThread.h"
#include "shell/win32/system/UserGuide.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/MessageBoxes.h"
#include "shell/win32/ui/SharedIcons.h"
#include "shell/win32/ui/WindowDpi.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <optional>

namespace vaultlet {
namespace {

// COM for the process's lifetime.
class ComSession {
public:
    ComSession() : m_initialised(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComSession() {
        if (m_initialised) {
            CoUninitialize();
        }
    }
    ComSession(const ComSession&) = delete;
    ComSession& operator=(const ComSession&) = delete;

private:
    bool m_initialised;
};

void InitialiseCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                     ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS | ICC_HOTKEY_CLASS | ICC_ANIMATE_CLASS | ICC_DATE_CLASSES |
                     ICC_USEREX_CLASSES | ICC_COOL_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

void ChooseSettingsAndLanguage(const CommandLine& commandLine) {
    const std::string executable = RegistryStore::ExecutablePath();
    const bool installed = commandLine.SettingsPath().empty() && Settings::IsInstalledCopy();
    SettingsLocation::Set(SettingsLocation::Choose(commandLine.SettingsPath(), installed, executable));
    LanguagePack& language = LanguagePack::Instance();
    language.setExecutableFolder(FolderOf(executable));
    // A language whose letters the system's code page lacks would show every text as question
    // marks: English then, with the stored choice kept for a system that can show it.
    const std::string stored = Settings::Read(setting::kLanguage);
    language.setLanguage(language.canShow(stored) ? stored : setting::kLanguage.defaultValue);
}

// What the first copy makes of its argument text: whether to start hidden, and which file to offer.
LoginDialog::Options FirstInstanceOptions(const CommandLine& commandLine, const DatabaseFolders& folders) {
    LoginDialog::Options options;
    const InstanceRequest request = InstanceRequest::ForFirstInstance(commandLine.ArgumentText());
    if (request.kind == InstanceRequest::Kind::StartHidden) {
        options.shown = !(Settings::Read(setting::kShowTrayIcon) != 0 && Settings::Read(setting::kMinimizeToTray) != 0);
    } else if (request.kind == InstanceRequest::Kind::OpenFile) {
        std::string name;
        int cipherId = 0;
        if (ProbeFile(request.path, name, cipherId)) {
            DatabaseList list(folders);
            list.Load();
            list.AddFile(request.path);
            options.fileToOpen = request.path;
            options.fileGiven = true;
        } else {
            MessageBoxes::Error(nullptr, IDS_INCORRECT_FILE_FORMAT);
        }
    }
    return options;
}

int RunFirstInstance(const CommandLine& commandLine, HANDLE instanceEvent, int showCommand) {
    const DatabaseFolders folders = DatabaseFolders::ForThisProgram();
    LoginDialog::Options options = FirstInstanceOptions(commandLine, folders);
    RizeThread rize(instanceEvent);
    if (rize.Start()) {
        rize.WaitRunning(INFINITE);
    }
    options.rizeThread = &rize;
    // Before the login, whose list holds the copy.
    WindowsSessionEnd::TellAboutRecoveryCopy(nullptr);
    int exitCode = 0;
    INT_PTR login = 0;
    {
        LoginDialog dialog(std::move(options), folders);
        login = dialog.RunModal(GetActiveWindow());
    }
    if (login == IDOK && CurrentDatabase::Get() != nullptr) {
        MainFrame frame(&rize, folders);
        if (frame.Create(showCommand)) {
            exitCode = frame.Run();
        }
    }
    VirtualKeyboard::Close();
    rize.Shutdown();
    return exitCode;
}

} // namespace

int Startup::Run(std::string_view commandLineText, int showCommand) {
    // Declared first so that the instance event is the last thing to go.
    std::optional<SingleInstance> instance;
    int exitCode = 0;
    {
        const ComSession com;
        InitialiseCommonControls();
        const CommandLine commandLine(commandLineText);
        if (CrashReportMode::Enter(commandLine)) {
            return 0;
        }
        SharedIcons::Get(WindowDpi::System());
        Dialog::SetHelpOpener(&UserGuide::OpenPage);
        ChooseSettingsAndLanguage(commandLine);
        instance.emplace();
        if (instance->RunsElsewhere()) {
            MessageBoxes::Error(nullptr, IDS_RUNNING_ELSEWHERE);
        } else if (instance->IsFirst()) {
            exitCode = RunFirstInstance(commandLine, instance->Event(), showCommand);
        } else {
            instance->PassOn(InstanceRequest::ForSecondInstance(commandLine.ArgumentText()));
        }
    }
    CurrentDatabase::Reset();
    return exitCode;
}

} // namespace vaultlet
