#include "shell/win32/mainframe/ExpiredPasscardsNote.h"

#include "health/PasswordHealth.h"
#include "services/LanguagePack.h"
#include "shell/HealthTexts.h"
#include "shell/win32/mainframe/StatusBar.h"

namespace vaultlet {

void ExpiredPasscardsNote::ShowOnce(const Database* database, const StatusBar& status) {
    if (database == nullptr || database == m_told) {
        return;
    }
    m_told = database;
    if (const std::size_t expired = PasswordHealth::CountExpired(*database); expired > 0) {
        status.SetText(HealthTexts(LanguagePack::Instance()).ExpiredNotice(expired));
    }
}

} // namespace vaultlet
