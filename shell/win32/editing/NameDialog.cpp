#include "shell/win32/editing/NameDialog.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/TextFormat.h"
#include "shell/win32/ui/HeaderBand.h"

namespace vaultlet {
namespace {

// The header of a database file holds at most 255 characters of its name.
constexpr WPARAM kMaxDatabaseNameLength = 255;

int KindWordOf(NodeKind kind) {
    switch (kind) {
    case NodeKind::Database:
        return IDS_KIND_DATABASE;
    case NodeKind::Passcard:
        return IDS_KIND_PASSCARD;
    default:
        return IDS_KIND_GROUP;
    }
}

} // namespace

NameDialog::NameDialog(ModelNode& node) : Dialog(IDD_EDIT_NAME), m_node(node) {}

bool NameDialog::OnInit() {
    const LanguagePack& language = LanguagePack::Instance();
    m_icons.Apply(Handle(), IDI_PROGRAM);
    language.translateWindow(Handle());
    const std::string kind = language.getString(KindWordOf(m_node.Kind()));
    const std::string title = FormatText(language.getString(IDS_EDIT_NAME_TITLE), {kind});
    SetWindowTextA(Handle(), title.c_str());
    SetItemText(IDC_NAME_HEADER, title + "\n" + FormatText(language.getString(IDS_ENTER_NAME), {kind}));
    HeaderBand::SetIcon(Item(IDC_NAME_HEADER), m_icons.Large());
    if (m_node.Kind() == NodeKind::Database) {
        SendMessageA(Item(IDC_NAME_EDIT), EM_LIMITTEXT, kMaxDatabaseNameLength, 0);
    }
    SetItemText(IDC_NAME_EDIT, m_node.Name().Viewed());
    SendMessageA(Item(IDC_NAME_EDIT), EM_SETSEL, 0, -1);
    FocusItem(IDC_NAME_EDIT);
    return false;
}

void NameDialog::OnOk() {
    if (!CheckExactText({IDC_NAME_EDIT})) {
        return;
    }
    m_node.SetName(ItemText(IDC_NAME_EDIT));
    End(IDOK);
}

} // namespace vaultlet
