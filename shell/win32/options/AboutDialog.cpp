#include "shell/win32/options/AboutDialog.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/win32/system/ProductTitle.h"
#include "shell/win32/system/ProgramVersion.h"

namespace vaultlet {
namespace {

// The product name stands out: bold and a little larger than the dialog font.
constexpr int kTitleGrowthPercent = 125;

} // namespace

AboutDialog::AboutDialog() : Dialog(IDD_ABOUT) {}

bool AboutDialog::OnInit() {
    const LanguagePack& language = LanguagePack::Instance();
    m_icons.Apply(Handle(), IDI_PROGRAM);
    language.translateWindow(Handle());
    SetWindowTextA(Handle(), language.getString(IDS_TITLE_ABOUT).c_str());
    SetItemText(IDC_ABOUT_PRODUCT, ProductTitle());
    SetItemText(IDC_ABOUT_VERSION, ProgramVersion::OfThisProgram().Label());

    LOGFONTA title{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0)), sizeof title, &title);
    title.lfWeight = FW_BOLD;
    title.lfHeight = title.lfHeight * kTitleGrowthPercent / 100;
    m_titleFont.Reset(CreateFontIndirectA(&title));
    SendMessageA(Item(IDC_ABOUT_PRODUCT), WM_SETFONT, reinterpret_cast<WPARAM>(m_titleFont.Get()), TRUE);
    return true;
}

} // namespace vaultlet
