#pragma once

#include <windows.h>

#include <functional>

namespace vaultlet {

class Dialog;

// What the main window's panes and command groups need of the window itself: its handle as the
// owner of their dialogs and messages, the busy guard that keeps the open database in place while
// they ask something, and the views to bring up to date after they changed the model.
class FrameHost {
public:
    // Marks the window busy for its lifetime: no lock, log-off, close or hand-over may take the
    // database away under a question or dialog. What was asked for meanwhile follows at the end.
    class BusyScope {
    public:
        explicit BusyScope(FrameHost& host) : m_host(host) { m_host.EnterBusy(); }
        ~BusyScope() { m_host.LeaveBusy(); }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        FrameHost& m_host;
    };

    virtual HWND Frame() const = 0;
    virtual bool IsBusy() const = 0;
    // Runs a dialog owned by the window, under the busy guard.
    INT_PTR RunDialog(Dialog& dialog);
    // The model changed: the status bar's counts, the bookmarks and the toolbar follow.
    virtual void ModelChanged() = 0;
    // Shows the tree's selected node afresh in the item list and the note.
    virtual void ShowSelection() = 0;
    // Every view is built anew from the open database (after it was replaced or refilled).
    virtual void Rebuild() = 0;
    // The views let go of every node, `replace` puts other nodes (or another database) in place of
    // the open database's, and the views are built anew from what is there then.
    virtual void ReplaceModel(const std::function<void()>& replace) = 0;
    // Places the child windows again after one was shown or hidden.
    virtual void LayoutChildren() = 0;

protected:
    ~FrameHost() = default;
    virtual void EnterBusy() = 0;
    virtual void LeaveBusy() = 0;
};

} // namespace vaultlet
