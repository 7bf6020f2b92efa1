#pragma once

#include "shell/DatabaseList.h"
#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/ScopedHandles.h"

namespace vaultlet {

// The small window shown while the standard folders are searched for database files. Half a second
// after it opens it scans every search folder into the given list, saves the list and closes with
// OK. The scan runs on the user-interface thread.
//
// Input: the list to fill (it outlives the dialog). Output: the list, scanned and saved.
class SearchDatabasesDialog final : public Dialog {
public:
    static constexpr UINT kStartDelayMilliseconds = 500;

    // A longer delay keeps the window up without scanning (for screenshots).
    explicit SearchDatabasesDialog(DatabaseList& list, UINT startDelayMilliseconds = kStartDelayMilliseconds);

protected:
    bool OnInit() override;
    void OnTimer(UINT_PTR timerId) override;

private:
    DatabaseList& m_list;
    UINT m_startDelay;
    WindowTimer m_timer;
};

} // namespace vaultlet
