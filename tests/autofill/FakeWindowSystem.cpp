#include "tests/autofill/FakeWindowSystem.h"

#include <utility>

namespace vaultlet::test {

WindowHandle FakeWindowSystem::Show(int index, std::string description, std::string className, std::string program) {
    windows[Slot(index)] = {std::move(description), std::move(className), std::move(program), std::string()};
    return Slot(index);
}

WindowHandle FakeWindowSystem::FocusWindowOf(WindowHandle window) {
    const auto found = focus.find(window);
    return found == focus.end() ? nullptr : found->second;
}

SecureString FakeWindowSystem::DescribeWindow(WindowHandle window) {
    return SecureString(Find(window).description);
}

FakeWindowSystem::Window FakeWindowSystem::Find(WindowHandle window) const {
    const auto found = windows.find(window);
    return found == windows.end() ? Window() : found->second;
}

} // namespace vaultlet::test
