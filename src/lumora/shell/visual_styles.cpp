#include "shell/visual_styles.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include "designer/application_look.h"

namespace lumora::shell {

namespace {

struct Theme {
    const char* style;
    QRgb window;
    QRgb base;
    QRgb text;
    QRgb highlight;
    QRgb button;
    QRgb ribbonTop;
    QRgb ribbonBottom;
};

// Colours chosen to recall each look: the Office 2007 blue, black, silver and aqua, the grey
// of Windows 2000, the beige of Windows XP and the blues of Office 2003 and Visual Studio 2005.
Theme ThemeFor(int look) {
    switch (look) {
        case 210:
            return {"Windows", 0xD4D0C8, 0xFFFFFF, 0x000000,
                    0x0A246A,  0xD4D0C8, 0xD4D0C8, 0xD4D0C8};
        case 211:
            return {"Fusion", 0xF1EFEA, 0xFFFFFF, 0x000000, 0x316AC5, 0xF1EFEA, 0xF8F7F4, 0xE3E0D8};
        case 212:
            return {"Windows", 0xECE9D8, 0xFFFFFF, 0x000000,
                    0x316AC5,  0xECE9D8, 0xF3F2EA, 0xDDD9C3};
        case 213:
            return {"Fusion", 0xD6E6FC, 0xFFFFFF, 0x000000, 0x3169C6, 0xC3DAF9, 0xE3EFFF, 0x9EBEF5};
        case 214:
            return {"Fusion", 0xEEEDE5, 0xFFFFFF, 0x000000, 0x3399FF, 0xEEEDE5, 0xFAFAF7, 0xD8D6C8};
        case 216:
            return {"Fusion", 0x535353, 0x3C3C3C, 0xF0F0F0, 0xE8A33C, 0x5E5E5E, 0x6A6A6A, 0x3A3A3A};
        case 217:
            return {"Fusion", 0xE4E7EC, 0xFFFFFF, 0x000000, 0x6E8BB5, 0xDDE1E7, 0xF4F5F7, 0xCBD0D8};
        case 218:
            return {"Fusion", 0xD9EEF2, 0xFFFFFF, 0x000000, 0x2C8DAE, 0xCBE7EE, 0xEAF7FA, 0xA8D8E3};
        default:  // 215, blue
            return {"Fusion", 0xD5E4F3, 0xFFFFFF, 0x000000, 0x3D7BC9, 0xC9DCF2, 0xE3EEFB, 0xB5CDEB};
    }
}

}  // namespace

VisualStyle VisualStyleFor(int look) {
    const Theme theme = ThemeFor(ValidApplicationLook(look));
    QPalette palette;
    const QColor window(theme.window);
    const QColor text(theme.text);
    const bool dark = window.lightness() < 128;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, QColor(theme.base));
    palette.setColor(QPalette::AlternateBase, QColor(theme.window).lighter(105));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(theme.button));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, QColor(theme.highlight));
    palette.setColor(QPalette::HighlightedText, QColor(Qt::white));
    palette.setColor(QPalette::ToolTipBase, dark ? QColor(0x2F2F2F) : QColor(0xFFFFE1));
    palette.setColor(QPalette::ToolTipText, dark ? QColor(0xF0F0F0) : QColor(Qt::black));
    palette.setColor(QPalette::Light, window.lighter(150));
    palette.setColor(QPalette::Midlight, window.lighter(120));
    palette.setColor(QPalette::Mid, window.darker(130));
    palette.setColor(QPalette::Dark, window.darker(160));
    palette.setColor(QPalette::Shadow, window.darker(300));
    palette.setColor(QPalette::PlaceholderText, dark ? QColor(0xA0A0A0) : QColor(0x808080));
    const QColor disabled = dark ? QColor(0x8A8A8A) : QColor(0x9A9A9A);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, disabled);
    palette.setColor(QPalette::Disabled, QPalette::Text, disabled);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, disabled);
    return {QString::fromLatin1(theme.style), palette, QColor(theme.ribbonTop),
            QColor(theme.ribbonBottom)};
}

void ApplyVisualStyle(int look) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const VisualStyle style = VisualStyleFor(look);
    if (QStyle* qtStyle = QStyleFactory::create(style.styleName)) {
        QApplication::setStyle(qtStyle);
    }
    QApplication::setPalette(style.palette);
    QApplication::restoreOverrideCursor();
}

}  // namespace lumora::shell
