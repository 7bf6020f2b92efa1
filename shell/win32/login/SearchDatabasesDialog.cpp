#include "shell/win32/login/SearchDatabasesDialog.h"

#include "resources/resource.h"
#include "services/LanguagePack.h"

#include <commctrl.h>

namespace vaultlet {
namespace {

constexpr UINT kMarqueeStepMilliseconds = 30;

} // namespace

SearchDatabasesDialog::SearchDatabasesDialog(DatabaseList& list, UINT startDelayMilliseconds)
    : Dialog(IDD_SEARCH_DATABASES), m_list(list), m_startDelay(startDelayMilliseconds) {}

bool SearchDatabasesDialog::OnInit() {
    LanguagePack::Instance().translateWindow(Handle());
    SendMessageA(Item(IDC_SEARCH_ANIMATION), PBM_SETMARQUEE, TRUE, kMarqueeStepMilliseconds);
    m_timer.Start(Handle(), TIMER_SEARCH_START, m_startDelay);
    return true;
}

void SearchDatabasesDialog::OnTimer(UINT_PTR timerId) {
    if (timerId != TIMER_SEARCH_START) {
        return;
    }
    m_timer.Stop();
    m_list.ScanAll();
    m_list.Save();
    End(IDOK);
}

} // namespace vaultlet
