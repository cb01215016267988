#pragma once
// The windows the program knows, one factory each. A window is added to the
// program by one line in registerWindows() (window_registry.cpp); a command whose
// window is not registered shows a plain "not yet available" message.
#include <array>
#include <functional>
#include <memory>

#include "ui/shell_window.h"

namespace marvoten {

class Desktop;
using WindowFactory = std::function<std::unique_ptr<ShellWindow>(Desktop&)>;

class WindowRegistry {
public:
    void add(WindowId id, WindowFactory factory) {
        factories_[static_cast<std::size_t>(id)] = std::move(factory);
    }
    const WindowFactory& factory(WindowId id) const {
        return factories_[static_cast<std::size_t>(id)];
    }

private:
    std::array<WindowFactory, windowCount> factories_;
};

// Every window the program has.
void registerWindows(WindowRegistry& registry);

}  // namespace marvoten
