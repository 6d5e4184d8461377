// The window as the core sees it: controls handed out by name. Asking for a
// name that does not exist, or for the wrong kind, is a programming error.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>

#include "controls/controls.h"
#include "controls/grid.h"

namespace quintara {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    template <typename Kind>
    [[nodiscard]] Kind& control(std::string_view name) const {
        auto* found = dynamic_cast<Kind*>(&find(name));
        if (found == nullptr) throw std::logic_error("control of another kind: " + std::string(name));
        return *found;
    }

    [[nodiscard]] bool has(std::string_view name) const;

    [[nodiscard]] Label& label(std::string_view name) const { return control<Label>(name); }
    [[nodiscard]] TransparentLabel& transparentLabel(std::string_view name) const {
        return control<TransparentLabel>(name);
    }
    [[nodiscard]] Button& button(std::string_view name) const { return control<Button>(name); }
    [[nodiscard]] CheckBox& checkBox(std::string_view name) const { return control<CheckBox>(name); }
    [[nodiscard]] ComboBox& comboBox(std::string_view name) const { return control<ComboBox>(name); }
    [[nodiscard]] ListView& listView(std::string_view name) const { return control<ListView>(name); }
    [[nodiscard]] Grid& grid(std::string_view name) const { return control<Grid>(name); }
    [[nodiscard]] Timer& timer(std::string_view name) const { return control<Timer>(name); }
    [[nodiscard]] PictureBox& pictureBox(std::string_view name) const {
        return control<PictureBox>(name);
    }
    [[nodiscard]] StatusBar& statusBar(std::string_view name) const {
        return control<StatusBar>(name);
    }
    [[nodiscard]] HtmlViewer& htmlViewer(std::string_view name) const {
        return control<HtmlViewer>(name);
    }

    void add(std::string_view name, std::unique_ptr<Control> control);

private:
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };

    [[nodiscard]] Control& find(std::string_view name) const;

    std::unordered_map<std::string, std::unique_ptr<Control>, NameHash, std::equal_to<>> controls_;
};

}  // namespace quintara
