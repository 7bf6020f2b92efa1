#pragma once

namespace vaultlet {

class Database;
class StatusBar;

// Says in the status bar's text pane, once for each database opened, that some of its passcards
// have expired; the pane's next text (a menu prompt) takes its place. An unlocked database is the
// one that was locked, so it is not told again.
class ExpiredPasscardsNote {
public:
    void ShowOnce(const Database* database, const StatusBar& status);

private:
    const Database* m_told = nullptr;
};

} // namespace vaultlet
