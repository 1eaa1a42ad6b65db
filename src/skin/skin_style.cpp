#include "skin/skin_style.h"

namespace quillbox {

QString skinStyleSheet(const Skin& skin, const QString& windowType) {
    const QString panel = colourName(skin.panelColour);
    const QString panelText = colourName(skin.panelTextColour);
    const QString back = colourName(skin.backgroundColour);
    const QString text = colourName(skin.textColour);
    const QString accent = colourName(skin.accentColour);
    const QString light = colourName(skin.accentLightColour);
    const QString pale = colourName(skin.accentPaleColour);
    const QString disabled = colourName(skin.disabledTextColour);

    // Placeholders: %1 panel, %2 panel text, %3 background, %4 text, %5 accent, %6 light
    // accent, %7 pale accent, %8 disabled text. Sizes stay the controls' own: the windows place
    // their controls from design positions (and grow them past the designed size themselves), so
    // nothing here changes a font or a control's size.
    QString sheet = windowType + QStringLiteral(" { background-color: %1; color: %2; }\n");
    sheet += QStringLiteral(
        "QGroupBox { border: 1px solid %6; border-radius: 4px; margin-top: 0.5em; }\n"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 7px; padding: 0 3px; color: %5; }\n"
        "QPushButton, QToolButton { border: 1px solid %6; border-radius: 3px;"
        " background-color: %3; color: %2; }\n"
        "QPushButton { padding: 1px 3px; }\n"
        "QToolButton { padding: 0; }\n"
        "QPushButton:hover, QToolButton:hover, QPushButton:focus, QToolButton:focus"
        " { border-color: %5; }\n"
        "QPushButton:pressed, QToolButton:pressed { border: 2px solid %5; }\n"
        "QPushButton:disabled, QToolButton:disabled { color: %8; border-color: #c8c8c8; }\n"
        "QLineEdit, QPlainTextEdit, QTextEdit, QTextBrowser, QListWidget, QListView,"
        " QComboBox { border: 1px solid %6; border-radius: 2px; background-color: %3;"
        " color: %4; selection-background-color: %5; selection-color: %3; }\n"
        "QLineEdit:focus, QPlainTextEdit:focus, QTextEdit:focus, QListWidget:focus,"
        " QComboBox:focus { border-color: %5; }\n"
        "QLineEdit:disabled, QComboBox:disabled { color: %8; background-color: %1;"
        " border-color: #c8c8c8; }\n"
        "QComboBox { padding: 0 4px; }\n"
        "QComboBox QAbstractItemView { border: 1px solid %5; background-color: %3;"
        " selection-background-color: %5; selection-color: %3; }\n"
        "QListWidget::item:selected { background-color: %5; color: %3; }\n"
        "QTabBar::tab { border: 1px solid %6; border-bottom: none; border-top-left-radius: 3px;"
        " border-top-right-radius: 3px; background-color: %7; color: %2; padding: 2px 9px;"
        " margin-right: 1px; }\n"
        "QTabBar::tab:selected { background-color: %3; color: %5; border-color: %5; }\n"
        "QTabBar::tab:!selected:hover { background-color: %3; }\n"
        "QStatusBar { background-color: %1; border-top: 1px solid %6; }\n"
        "QStatusBar::item { border: none; border-right: 1px solid %6; }\n"
        "QStatusBar QLabel { color: %2; padding: 0 3px; }\n"
        "QMenuBar { background-color: %1; color: %2; border-bottom: 1px solid %6; }\n"
        "QMenuBar::item:selected { background-color: %7; color: %5; }\n"
        "QMenu { background-color: %3; color: %4; border: 1px solid %6; }\n"
        "QMenu::item:selected { background-color: %5; color: %3; }\n"
        "QMenu::item:disabled { color: %8; }\n"
        "QToolTip { background-color: %3; color: %4; border: 1px solid %5; }\n"
        "quillbox--SkinLabel { background-color: %1; color: %2; }\n"
        // The colours applySkin gives by kind of control; they win over the rules above.
        "*[skinColouring=\"Background\"] { background-color: %3; }\n"
        "*[skinColouring=\"BackgroundAndText\"] { background-color: %3; color: %4; }\n"
        "*[skinColouring=\"Panel\"] { background-color: %1; }\n");
    return sheet.arg(panel, panelText, back, text, accent, light, pale, disabled);
}

QString skinColouringName(SkinColouring colouring) {
    switch (colouring) {
    case SkinColouring::Background:
        return QStringLiteral("Background");
    case SkinColouring::BackgroundAndText:
        return QStringLiteral("BackgroundAndText");
    case SkinColouring::Panel:
        return QStringLiteral("Panel");
    case SkinColouring::None:
        break;
    }
    return {};
}

} // namespace quillbox
