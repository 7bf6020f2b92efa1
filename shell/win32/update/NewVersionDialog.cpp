#include "shell/win32/update/NewVersionDialog.h"

#include "resources/resource.h"
#include "services/DownloadAddress.h"
#include "services/LanguagePack.h"
#include "services/UpdateResultSlot.h"
#include "shell/NoteText.h"
#include "shell/SettingKeys.h"
#include "shell/Settings.h"
#include "shell/TextFormat.h"
#include "shell/win32/system/ShellOpen.h"
#include "shell/win32/ui/HeaderBand.h"

#include <atomic>

namespace vaultlet {
namespace {

// A dialog is open: a find of another check waits for the next one instead of stacking a second.
std::atomic<bool> g_showing{false};

} // namespace

const CommandTable<NewVersionDialog> NewVersionDialog::kCommands = {
    {IDC_NEWVERSION_DOWNLOAD, &NewVersionDialog::OnDownload},
    {IDC_NEWVERSION_CLOSE, &NewVersionDialog::OnClose},
};

NewVersionDialog::NewVersionDialog(UpdateOffer offer) : Dialog(IDD_NEW_VERSION), m_offer(std::move(offer)) {}

void NewVersionDialog::ShowLatest(HWND owner) {
    const std::optional<UpdateOffer> offer = UpdateResultSlot::Instance().Latest();
    if (!offer || g_showing.exchange(true)) {
        return;
    }
    NewVersionDialog dialog(*offer);
    dialog.RunModal(owner);
    g_showing = false;
}

bool NewVersionDialog::OnInit() {
    const LanguagePack& language = LanguagePack::Instance();
    m_icons.Apply(Handle(), IDI_PROGRAM);
    SetWindowTextA(Handle(), language.getString(IDS_TITLE_NEW_VERSION).c_str());
    SetItemText(IDC_NEWVERSION_HEADER, FormatText(language.getString(IDS_NEW_VERSION_RELEASED), {m_offer.version}));
    HeaderBand::SetIcon(Item(IDC_NEWVERSION_HEADER), m_icons.Large());
    // A change log may come close to the size limit of a response, beyond the edit's default.
    SendMessageA(Item(IDC_NEWVERSION_CHANGELOG), EM_SETLIMITTEXT, 0, 0);
    SetItemText(IDC_NEWVERSION_CHANGELOG, note_text::ToEdit(m_offer.changeLog).Viewed());
    SetChecked(IDC_NEWVERSION_CHECK_ON_START, true);
    language.translateWindow(Handle());
    // On Download, the default button: the change log would otherwise open with all its text selected.
    FocusItem(IDC_NEWVERSION_DOWNLOAD);
    return false;
}

bool NewVersionDialog::OnCommand(int id, int code, HWND control) {
    return kCommands.Dispatch(*this, id, code) || Dialog::OnCommand(id, code, control);
}

// Enter presses the default button, Download.
void NewVersionDialog::OnOk() {
    OnDownload();
}

void NewVersionDialog::OnCancel() {
    OnClose();
}

void NewVersionDialog::OnDownload() {
    StoreCheckOnStart();
    if (download_address::IsAcceptable(m_offer.address)) {
        ShellOpen::Open(Handle(), m_offer.address);
    }
    End(IDC_NEWVERSION_DOWNLOAD);
}

void NewVersionDialog::OnClose() {
    StoreCheckOnStart();
    End(IDC_NEWVERSION_CLOSE);
}

void NewVersionDialog::StoreCheckOnStart() const {
    Settings::Write(setting::kCheckUpdatesOnStart, IsChecked(IDC_NEWVERSION_CHECK_ON_START) ? 1 : 0);
}

} // namespace vaultlet
