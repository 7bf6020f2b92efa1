#include "shell/win32/ui/ControlClasses.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vaultlet {
namespace {

constexpr const char* kClassName = "VaultletGuardTest";
constexpr UINT kThrow = WM_APP + 1;
constexpr UINT kAnswer = WM_APP + 2;
constexpr LRESULT kAnswered = 42;

LRESULT Throwing(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE && reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams != nullptr) {
        throw std::runtime_error("creation");
    }
    if (message == kThrow) {
        throw std::runtime_error("message");
    }
    return message == kAnswer ? kAnswered : DefWindowProcA(window, message, wParam, lParam);
}

HWND Create(bool throwOnCreation) {
    EXPECT_TRUE(RegisterControlClass<Throwing>(kClassName, IDC_ARROW)) << "also when registered before";
    static int creationFails = 1;
    return CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleA(nullptr),
                           throwOnCreation ? &creationFails : nullptr);
}

TEST(ControlClassesTest, AThrowingHandlerCountsAsHandledAndAThrowingCreationRefusesTheWindow) {
    EXPECT_EQ(Create(true), nullptr);

    const HWND window = Create(false);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendMessageA(window, kThrow, 0, 0), 0);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(SendMessageA(window, kAnswer, 0, 0), kAnswered) << "the window still answers";
    DestroyWindow(window);
}

} // namespace
} // namespace vaultlet
