#include "shell/win32/login/ManageDatabaseListDialog.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/TextFormat.h"
#include "shell/win32/login/AddExistingDatabase.h"
#include "shell/win32/login/CreateNewDatabase.h"
#include "shell/win32/login/SearchDatabasesDialog.h"
#include "shell/win32/ui/HeaderBand.h"
#include "shell/win32/ui/MessageBoxes.h"
#include "shell/win32/ui/SharedIcons.h"
#include "shell/win32/ui/WindowDpi.h"

#include <cstring>

namespace vaultlet {
namespace {

enum Column { kNameColumn = 0, kFileColumn = 1 };

} // namespace

const CommandTable<ManageDatabaseListDialog> ManageDatabaseListDialog::kCommands = {
    {IDC_MANAGEDB_NEW, &ManageDatabaseListDialog::OnNew},
    {IDC_MANAGEDB_ADD, &ManageDatabaseListDialog::OnAdd},
    {IDC_MANAGEDB_REMOVE, &ManageDatabaseListDialog::OnRemove},
    {IDC_MANAGEDB_CLEAR, &ManageDatabaseListDialog::OnClear},
    {IDC_MANAGEDB_SEARCH, &ManageDatabaseListDialog::OnSearch},
};

ManageDatabaseListDialog::ManageDatabaseListDialog(DatabaseFolders folders)
    : Dialog(IDD_MANAGE_DATABASES), m_list(std::move(folders)) {}

bool ManageDatabaseListDialog::OnInit() {
    const LanguagePack& language = LanguagePack::Instance();
    m_icons.Apply(Handle(), IDI_PROGRAM);
    SetWindowTextA(Handle(), language.getString(IDS_TITLE_MANAGE_DATABASE_LIST).c_str());
    language.translateWindow(Handle());
    HeaderBand::SetIcon(Item(IDC_MANAGEDB_HEADER), m_icons.Large());

    m_view = ListView(Item(IDC_MANAGEDB_LIST));
    m_view.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_view.SetSmallImages(SharedIcons::Get(WindowDpi::Of(Handle())));
    const int width = m_view.ClientWidth();
    m_view.AddColumn(kNameColumn, language.getString(IDS_COLUMN_DATABASE), width / 3);
    m_view.AddColumn(kFileColumn, language.getString(IDS_COLUMN_FILE), width - width / 3);
    Refill();
    return true;
}

bool ManageDatabaseListDialog::OnCommand(int id, int code, HWND control) {
    return kCommands.Dispatch(*this, id, code) || Dialog::OnCommand(id, code, control);
}

bool ManageDatabaseListDialog::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.idFrom != IDC_MANAGEDB_LIST) {
        return false;
    }
    switch (header.code) {
    case LVN_GETDISPINFOA:
        AnswerText(*reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(&header)));
        result = 0;
        return true;
    case LVN_ITEMCHANGED:
        UpdateButtons();
        result = 0;
        return true;
    default:
        return false;
    }
}

void ManageDatabaseListDialog::AnswerText(NMLVDISPINFOA& request) const {
    if ((request.item.mask & LVIF_TEXT) == 0 || request.item.pszText == nullptr || request.item.cchTextMax <= 0) {
        return;
    }
    const auto row = static_cast<std::size_t>(request.item.iItem);
    const auto& entries = m_list.Entries();
    const std::string text = row >= entries.size()                  ? std::string()
                             : request.item.iSubItem == kNameColumn ? entries[row].name
                                                                    : entries[row].path;
    const auto capacity = static_cast<std::size_t>(request.item.cchTextMax);
    const std::size_t length = std::min(text.size(), capacity - 1);
    std::memcpy(request.item.pszText, text.data(), length);
    request.item.pszText[length] = '\0';
}

void ManageDatabaseListDialog::Refill() {
    m_list.Load();
    m_view.Clear();
    const auto& entries = m_list.Entries();
    for (std::size_t row = 0; row < entries.size(); ++row) {
        const bool local = m_list.IsInExecutableFolder(entries[row].path);
        m_view.AddRow(static_cast<int>(row),
                      local ? SharedIcons::kLocalDatabaseFileImage : SharedIcons::kDatabaseFileImage);
    }
    UpdateButtons();
}

void ManageDatabaseListDialog::UpdateButtons() const {
    const int row = m_view.Selection();
    const auto& entries = m_list.Entries();
    const bool removable = row >= 0 && static_cast<std::size_t>(row) < entries.size() &&
                           !m_list.IsInExecutableFolder(entries[static_cast<std::size_t>(row)].path);
    EnableItem(IDC_MANAGEDB_REMOVE, removable);
    EnableItem(IDC_MANAGEDB_CLEAR, m_view.Count() > 0);
}

void ManageDatabaseListDialog::OnNew() {
    // The new database is only listed here, not opened: save it to its place and let it go.
    if (auto database = CreateNewDatabase(Handle(), m_list)) {
        database->Save();
        m_list.AddFile(database->Path());
    }
    Refill();
}

void ManageDatabaseListDialog::OnAdd() {
    if (!AddExistingDatabase(Handle(), m_list).empty()) {
        Refill();
    }
}

void ManageDatabaseListDialog::OnRemove() {
    const int row = m_view.Selection();
    if (row < 0 || static_cast<std::size_t>(row) >= m_list.Entries().size()) {
        return;
    }
    const DatabaseEntry entry = m_list.Entries()[static_cast<std::size_t>(row)];
    const std::string question =
        FormatText(LanguagePack::Instance().getString(IDS_CONFIRM_REMOVE_DATABASE), {entry.name});
    if (MessageBoxes::Show(Handle(), question, MB_YESNO | MB_ICONQUESTION) == IDYES) {
        m_list.Remove(entry.path);
        Refill();
    }
}

void ManageDatabaseListDialog::OnClear() {
    m_list.Clear();
    m_list.ScanFolder(m_list.Folders().executableFolder);
    m_list.Save();
    Refill();
}

void ManageDatabaseListDialog::OnSearch() {
    SearchDatabasesDialog search(m_list);
    search.RunModal(Handle());
    Refill();
}

} // namespace vaultlet
