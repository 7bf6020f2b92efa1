#pragma once

#include "core/EncryptedDatabase.h"
#include "shell/win32/ui/ComboBox.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/WindowIcons.h"

namespace vaultlet {

// "Database Settings": the cipher of the open database, chosen from the cipher list with the
// current one selected.
//
// Input: the open database. Output after OK with a cipher selected: the database holds the chosen
// cipher's id and the modified flag is raised; the file is encrypted with it at the next save.
// OK without a selection changes nothing.
class DatabaseSettingsDialog final : public Dialog {
public:
    explicit DatabaseSettingsDialog(EncryptedDatabase& database);

protected:
    bool OnInit() override;
    void OnOk() override;

private:
    void FillCiphers();

    EncryptedDatabase& m_database;
    ComboBox m_ciphers;
    WindowIcons m_icons;
};

} // namespace vaultlet
