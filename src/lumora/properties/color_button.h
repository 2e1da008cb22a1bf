#pragma once

#include <QToolButton>

#include "properties/app_colors.h"

class QMenu;

namespace lumora::ui {

// A colour-picker button: shows its colour and drops down exactly the palette's colours, in
// palette order, in 8 columns; no automatic and no free colour, so it only ever holds one of
// them.
class ColorButton : public QToolButton {
    Q_OBJECT

  public:
    static constexpr int kColumns = 8;

    ColorButton(const Palette& palette, int paletteIndex, QWidget* parent = nullptr);

    int PaletteIndex() const { return index_; }
    void SetPaletteIndex(int index);
    // The drop-down's swatch for a palette index, for the keyboard and for tests.
    QToolButton* Swatch(int index) const;
    QMenu* DropDown() const { return menu_; }

  signals:
    void colorChosen(int index);

  private:
    const Palette& palette_;
    int index_ = 0;
    QMenu* menu_;
    QWidget* grid_;
};

}  // namespace lumora::ui
