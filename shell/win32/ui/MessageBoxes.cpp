#include "shell/win32/ui/MessageBoxes.h"

#include "resources/StringIds.h"
#include "services/LanguagePack.h"

#include <mutex>

namespace vaultlet {
namespace {

std::mutex g_answererLock;
MessageBoxes::Answerer g_answerer;

MessageBoxes::Answerer CurrentAnswerer() {
    std::lock_guard<std::mutex> lock(g_answererLock);
    return g_answerer;
}

} // namespace

int MessageBoxes::Show(HWND owner, std::string_view text, UINT flags) {
    return ShowCaptioned(owner, text, LanguagePack::Instance().getString(IDS_PRODUCT_TITLE), flags);
}

int MessageBoxes::ShowCaptioned(HWND owner, std::string_view text, std::string_view caption, UINT flags) {
    const std::string message(text);
    const Answerer answerer = CurrentAnswerer();
    if (answerer) {
        return answerer(message, flags);
    }
    return MessageBoxA(owner, message.c_str(), std::string(caption).c_str(), flags);
}

int MessageBoxes::Ask(std::string_view text, UINT flags, const std::function<int()>& show) {
    const Answerer answerer = CurrentAnswerer();
    if (answerer) {
        if (const int answer = answerer(std::string(text), flags)) {
            return answer;
        }
    }
    return show();
}

int MessageBoxes::ShowString(HWND owner, int stringId, UINT flags) {
    return Show(owner, LanguagePack::Instance().getString(stringId), flags);
}

void MessageBoxes::SetAnswerer(Answerer answerer) {
    std::lock_guard<std::mutex> lock(g_answererLock);
    g_answerer = std::move(answerer);
}

} // namespace vaultlet
