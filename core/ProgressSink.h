#pragma once

namespace vaultlet {

// Where a long save or load reports its progress (a progress bar of the caller's).
class ProgressSink {
public:
    virtual void SetPercent(int percent) = 0;
    // `captionId` is the string-table id of the caption: "Saving..." or "Loading...".
    virtual void Begin(int captionId) = 0;
    virtual void End() = 0;

protected:
    ~ProgressSink() = default;
};

} // namespace vaultlet
