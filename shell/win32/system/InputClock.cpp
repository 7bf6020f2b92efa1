#include "shell/win32/system/InputClock.h"

#include <windows.h>

#include <mutex>
#include <utility>

namespace vaultlet {
namespace {

std::mutex g_sourceLock;
InputClock::Source g_source;

} // namespace

InputClock::Reading InputClock::Read() {
    Source source;
    {
        std::lock_guard<std::mutex> lock(g_sourceLock);
        source = g_source;
    }
    if (source) {
        return source();
    }
    // The last input first: one that arrives in between is then "after now", which counts as now.
    LASTINPUTINFO info{};
    info.cbSize = sizeof info;
    Reading reading;
    reading.lastInput = GetLastInputInfo(&info) ? info.dwTime : GetTickCount();
    reading.now = GetTickCount();
    return reading;
}

void InputClock::SetSource(Source source) {
    std::lock_guard<std::mutex> lock(g_sourceLock);
    g_source = std::move(source);
}

} // namespace vaultlet
