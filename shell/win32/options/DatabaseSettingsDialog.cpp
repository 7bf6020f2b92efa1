#include "shell/win32/options/DatabaseSettingsDialog.h"

#include "core/ModifiedFlag.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/win32/ui/HeaderBand.h"

namespace vaultlet {

DatabaseSettingsDialog::DatabaseSettingsDialog(EncryptedDatabase& database)
    : Dialog(IDD_DATABASE_SETTINGS), m_database(database) {}

bool DatabaseSettingsDialog::OnInit() {
    const LanguagePack& language = LanguagePack::Instance();
    m_icons.Apply(Handle(), IDI_PROGRAM);
    SetWindowTextA(Handle(), language.getString(IDS_TITLE_DATABASE_SETTINGS).c_str());
    language.translateWindow(Handle());
    // From the string table, so a language file that lacks the band still gets the built-in text.
    SetItemText(IDC_DBSETTINGS_HEADER, language.getString(IDS_HEADER_DATABASE_SETTINGS));
    HeaderBand::SetIcon(Item(IDC_DBSETTINGS_HEADER), m_icons.Large());
    m_ciphers = ComboBox(Item(IDC_DBSETTINGS_CIPHER));
    FillCiphers();
    return true;
}

void DatabaseSettingsDialog::FillCiphers() {
    const CipherRegistry& registry = m_database.Ciphers();
    for (int i = 0; i < registry.Count(); ++i) {
        const Cipher* cipher = registry.At(i);
        m_ciphers.Add(cipher->Name());
        // A file may carry an id that no cipher has: then nothing is selected.
        if (cipher->Id() == m_database.CipherId()) {
            m_ciphers.Select(i);
        }
    }
}

void DatabaseSettingsDialog::OnOk() {
    const Cipher* cipher = m_database.Ciphers().At(m_ciphers.Selection());
    if (cipher != nullptr) {
        m_database.SetCipherId(cipher->Id());
        ModifiedFlag::Raise();
    }
    End(IDOK);
}

} // namespace vaultlet
