// The GUI test classes of this executable; each test file registers its class once.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace vq72::test {

using GuiTestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<GuiTestFactory>& guiTests() {
    static std::vector<GuiTestFactory> tests;
    return tests;
}

template <typename T>
struct RegisterGuiTest {
    RegisterGuiTest() {
        guiTests().push_back([] { return std::make_unique<T>(); });
    }
};

}  // namespace vq72::test
