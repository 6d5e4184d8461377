#include "skin/maker/skin_look.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace quintara::skin {
namespace {

constexpr Colour kWhite{255, 255, 255};
constexpr Colour kBlack{0, 0, 0};
constexpr Colour kListText{24, 24, 24};

// `share` of `to`, the rest of `from`.
Colour mix(Colour from, Colour to, double share) {
    const auto blend = [share](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * share));
    };
    return {blend(from.red, to.red), blend(from.green, to.green), blend(from.blue, to.blue)};
}

// Relative luminance, 0 (black) to 1 (white), to choose a text colour that
// reads on a fill.
double luminance(Colour colour) {
    return (0.2126 * colour.red + 0.7152 * colour.green + 0.0722 * colour.blue) / 255.0;
}

Colour textOn(Colour fill, Colour darkText) { return luminance(fill) > 0.6 ? darkText : kWhite; }

std::string hex(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

// Every colour the look uses, derived from the scheme's three.
struct Shades {
    Colour window, accent, highlight;
    Colour text, panel, light, mid, dark;
    Colour accentLight, accentPale, accentDark, border, buttonText, highlightedText;

    explicit Shades(const ColourScheme& scheme)
        : window(scheme.window),
          accent(scheme.accent),
          highlight(scheme.highlight),
          text(mix(scheme.accent, kBlack, 0.78)),
          panel(mix(scheme.window, kWhite, 0.6)),
          light(mix(scheme.window, kWhite, 0.75)),
          mid(mix(scheme.window, kBlack, 0.3)),
          dark(mix(scheme.window, kBlack, 0.5)),
          accentLight(mix(scheme.accent, kWhite, 0.35)),
          accentPale(mix(scheme.accent, kWhite, 0.82)),
          accentDark(mix(scheme.accent, kBlack, 0.3)),
          border(mix(scheme.accent, scheme.window, 0.45)),
          buttonText(textOn(mix(scheme.accent, kWhite, 0.2), text)),
          highlightedText(textOn(scheme.highlight, text)) {}
};

std::vector<PaletteColour> palette(const Shades& s) {
    using R = ColourRole;
    return {{R::Window, s.window},         {R::WindowText, s.text},
            {R::Base, kWhite},             {R::AlternateBase, s.accentPale},
            {R::Text, kListText},          {R::Button, s.accentLight},
            {R::ButtonText, s.buttonText}, {R::Highlight, s.highlight},
            {R::HighlightedText, s.highlightedText},
            {R::ToolTipBase, s.accentPale}, {R::ToolTipText, s.text},
            {R::Light, s.light},           {R::Mid, s.mid},
            {R::Dark, s.dark}};
}

// Rules only for what a palette cannot shape. Labels, shape boxes and the
// lists' own text colours are left alone: the window sets them itself.
std::string styleSheet(const Shades& s) {
    const std::string vertical = "qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 ";
    std::string sheet;
    sheet += "QPushButton { color: " + hex(s.buttonText) + "; background-color: " + vertical +
             hex(s.accentLight) + ", stop:1 " + hex(s.accent) + "); border: 1px solid " +
             hex(s.accentDark) + "; border-radius: 4px; padding: 2px 10px; }\n";
    sheet += "QPushButton:hover { background-color: " + vertical +
             hex(mix(s.accentLight, kWhite, 0.25)) + ", stop:1 " + hex(s.accentLight) + "); }\n";
    sheet += "QPushButton:pressed { background-color: " + hex(s.accentDark) + "; }\n";
    sheet += "QPushButton:disabled { color: " + hex(s.mid) + "; background-color: " +
             hex(s.light) + "; border-color: " + hex(s.mid) + "; }\n";
    sheet += "QTabWidget::pane { border: 1px solid " + hex(s.border) + "; background: " +
             hex(s.panel) + "; top: -1px; }\n";
    sheet += "QTabBar::tab { color: " + hex(s.text) + "; background: " + vertical +
             hex(s.light) + ", stop:1 " + hex(s.accentPale) + "); border: 1px solid " +
             hex(s.border) + "; border-bottom: none; border-top-left-radius: 4px; "
                             "border-top-right-radius: 4px; padding: 3px 12px; margin-right: 2px; }\n";
    sheet += "QTabBar::tab:selected { color: " + hex(s.accentDark) + "; background: " +
             hex(s.panel) + "; }\n";
    sheet += "QTabBar::tab:!selected { margin-top: 2px; }\n";
    sheet += "QGroupBox { border: 1px solid " + hex(s.border) +
             "; border-radius: 4px; margin-top: 7px; }\n";
    sheet += "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; color: " +
             hex(s.accentDark) + "; }\n";
    sheet += "QHeaderView::section { color: " + hex(s.text) + "; background: " + vertical +
             hex(kWhite) + ", stop:1 " + hex(s.accentPale) + "); border: none; border-right: 1px solid " +
             hex(s.border) + "; border-bottom: 1px solid " + hex(s.border) + "; padding: 1px 3px; }\n";
    sheet += "QTableView { gridline-color: " + hex(mix(s.accentPale, kWhite, 0.3)) +
             "; selection-background-color: " + hex(s.highlight) + "; selection-color: " +
             hex(s.highlightedText) + "; }\n";
    sheet += "QToolTip { color: " + hex(s.text) + "; background: " + hex(s.accentPale) +
             "; border: 1px solid " + hex(s.border) + "; }\n";
    return sheet;
}

}  // namespace

Skin makeSkin(const ColourScheme& scheme) {
    const Shades shades(scheme);
    return {std::string(scheme.name), palette(shades), styleSheet(shades)};
}

}  // namespace quintara::skin
