#pragma once

#include <QPalette>
#include <QString>

namespace lumora::shell {

// The Qt style and palette that stand for one of the visual styles 210..218: the four
// Office 2007 looks are colour themes over Fusion, the older looks the nearest plain styles.
struct VisualStyle {
    QString styleName;
    QPalette palette;
    QColor ribbonTop;  // the ribbon's background gradient
    QColor ribbonBottom;
};

VisualStyle VisualStyleFor(int look);

// Installs the style on the whole application, with the wait cursor meanwhile.
void ApplyVisualStyle(int look);

}  // namespace lumora::shell
