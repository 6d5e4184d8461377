#include "controls/window.h"

namespace quintara {

bool Window::has(std::string_view name) const { return controls_.find(name) != controls_.end(); }

void Window::add(std::string_view name, std::unique_ptr<Control> control) {
    auto [slot, added] = controls_.try_emplace(std::string(name), std::move(control));
    if (!added) throw std::logic_error("two controls named " + std::string(name));
}

Control& Window::find(std::string_view name) const {
    auto found = controls_.find(name);
    if (found == controls_.end()) throw std::logic_error("no control named " + std::string(name));
    return *found->second;
}

}  // namespace quintara
