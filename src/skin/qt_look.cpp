#include "skin/qt_look.h"

namespace quintara::skin {
namespace {

QPalette::ColorRole toQtRole(ColourRole role) {
    switch (role) {
        case ColourRole::Window: return QPalette::Window;
        case ColourRole::WindowText: return QPalette::WindowText;
        case ColourRole::Base: return QPalette::Base;
        case ColourRole::AlternateBase: return QPalette::AlternateBase;
        case ColourRole::Text: return QPalette::Text;
        case ColourRole::Button: return QPalette::Button;
        case ColourRole::ButtonText: return QPalette::ButtonText;
        case ColourRole::Highlight: return QPalette::Highlight;
        case ColourRole::HighlightedText: return QPalette::HighlightedText;
        case ColourRole::ToolTipBase: return QPalette::ToolTipBase;
        case ColourRole::ToolTipText: return QPalette::ToolTipText;
        case ColourRole::Light: return QPalette::Light;
        case ColourRole::Mid: return QPalette::Mid;
        case ColourRole::Dark: return QPalette::Dark;
    }
    return QPalette::NoRole;
}

}  // namespace

QPalette toQPalette(const Skin& skin, const QPalette& base) {
    QPalette palette = base;
    for (const PaletteColour& entry : skin.palette) {
        const QPalette::ColorRole role = toQtRole(entry.role);
        if (role == QPalette::NoRole) continue;
        const QColor colour(entry.colour.red, entry.colour.green, entry.colour.blue);
        palette.setColor(QPalette::Active, role, colour);
        palette.setColor(QPalette::Inactive, role, colour);
        // Disabled controls keep the base's greyed texts, over the skin's fills.
        if (role != QPalette::WindowText && role != QPalette::Text &&
            role != QPalette::ButtonText) {
            palette.setColor(QPalette::Disabled, role, colour);
        }
    }
    return palette;
}

}  // namespace quintara::skin
