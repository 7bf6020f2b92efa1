// F1 in the program's dialogs (here the About box, which shows the product and its version): the help
// viewer opens the dialog's own page of the guide beside the program, and every dialog the program has
// names a page the guide has.
#include "shell/win32/system/UserGuide.h"

#include "resources/resource.h"
#include "shell/UserGuidePages.h"
#include "shell/win32/options/AboutDialog.h"
#include "tests/shell/win32/ShellGuiFixture.h"
#include "tests/support/TestData.h"
#include "tests/support/win32/GuiDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace vaultlet {
namespace {

using UserGuideTest = test::ShellGuiFixture;

// What the help viewer is given for a page: the program's path with ".chm" for ".exe" and the page.
std::string ViewerCall(const std::string& page) {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string help(program);
    std::transform(help.begin(), help.end(), help.begin(), [](unsigned char c) { return std::tolower(c); });
    help.replace(help.size() - 4, 4, ".chm");
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\hh.exe \"" + help + "::/" + page + "\"";
}

// The system turns F1 into WM_HELP for the control with the focus; the control hands it up to its dialog.
void PressF1In(HWND control) {
    HELPINFO help{};
    help.cbSize = sizeof help;
    help.iContextType = HELPINFO_WINDOW;
    help.hItemHandle = control;
    help.iCtrlId = GetDlgCtrlID(control);
    SendMessageA(control, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
}

TEST_F(UserGuideTest, F1InADialogOpensItsPageOfTheGuideBesideTheProgram) {
    AboutDialog about;
    const INT_PTR result = RunDialog(
        about, [](HWND window) { return GetDlgItem(window, IDC_ABOUT_VERSION) != nullptr; },
        [](HWND window) {
            EXPECT_EQ(test::ItemTextOf(window, IDC_ABOUT_PRODUCT), "Quillmoth Keyhaven");
            EXPECT_EQ(test::ItemTextOf(window, IDC_ABOUT_VERSION), "v1.0");
            PressF1In(GetDlgItem(window, IDOK));
            PostMessageA(window, WM_COMMAND, IDOK, 0);
        });
    EXPECT_EQ(result, IDOK) << "F1 leaves the dialog open";
    EXPECT_EQ(Opened(), std::vector<std::string>{ViewerCall("about.html")});
}

std::vector<int> DialogsOfTheProgram() {
    std::vector<int> ids;
    EnumResourceNamesA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(5), // RT_DIALOG
        [](HMODULE, LPCSTR, LPSTR name, LONG_PTR found) {
            if (IS_INTRESOURCE(name)) {
                reinterpret_cast<std::vector<int>*>(found)->push_back(
                    static_cast<int>(reinterpret_cast<ULONG_PTR>(name)));
            }
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

// A page of the guide names itself a file of docs/guide/, with an anchor that file holds.
bool GuideHas(std::string_view page) {
    const std::size_t hash = page.find('#');
    const std::string file(page.substr(0, hash));
    const std::string text = test::ReadFileBytes(test::DataPath("../../docs/guide/" + file));
    return !text.empty() && (hash == std::string_view::npos ||
                             text.find("id=\"" + std::string(page.substr(hash + 1)) + "\"") != std::string::npos);
}

TEST(UserGuidePagesTest, EveryDialogOfTheProgramHasAPageOfTheGuide) {
    const std::vector<int> dialogs = DialogsOfTheProgram();
    ASSERT_GE(dialogs.size(), 15u);
    for (const int id : dialogs) {
        const std::string_view page = user_guide::PageOfDialog(id);
        EXPECT_NE(page, user_guide::kStartPage) << "dialog " << id << " has no page";
        EXPECT_TRUE(GuideHas(page)) << "dialog " << id << ": " << page;
    }
}

} // namespace
} // namespace vaultlet
