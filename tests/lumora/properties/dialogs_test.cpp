#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "grid_test_support.h"
#include "model/records.h"
#include "properties/add_bitmap_dialog.h"
#include "properties/color_button.h"
#include "properties/colors_dialog.h"
#include "properties/settings_dialog.h"

namespace lumora {
namespace {

struct DialogFixture : ::testing::Test {
    DialogFixture() {
        doc.AttachMessages(&messages);
        StartNewApplication(doc);
        doc.SetModifiedFlag(false);
    }
    CLumoraDoc doc;
    testing::RecordingMessages messages;
};

QPushButton* DialogButton(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    auto* box = dialog.findChild<QDialogButtonBox*>();
    return box == nullptr ? nullptr : box->button(which);
}

RgbColor ShownColor(const ui::AppColorsDialog& dialog, int controlId) {
    return kPropellerPalette[static_cast<std::size_t>(dialog.Button(controlId)->PaletteIndex())];
}

TEST_F(DialogFixture, ColoursOpenOnTheNewApplicationsSets) {
    ui::AppColorsDialog dialog(doc, kPropellerPalette);
    EXPECT_EQ(dialog.windowTitle(), "View/Edit App Colors");
    EXPECT_EQ(ShownColor(dialog, 1005), (RgbColor{255, 255, 0}));
    EXPECT_EQ(ShownColor(dialog, 1006), (RgbColor{0, 0, 85}));
    EXPECT_EQ(ShownColor(dialog, 1047), (RgbColor{0, 0, 85}));
    EXPECT_EQ(ShownColor(dialog, 1048), (RgbColor{0, 0, 85}));
    EXPECT_EQ(ShownColor(dialog, 1049), (RgbColor{170, 170, 170}));
    EXPECT_EQ(ShownColor(dialog, 1050), (RgbColor{170, 170, 170}));
    for (int id : {1005, 1014, 1015, 1054}) {
        EXPECT_NE(dialog.Button(id), nullptr) << id;
    }
    EXPECT_EQ(dialog.Button(1019), nullptr);
}

TEST_F(DialogFixture, EachColourDropDownOffersThePaletteInEightColumns) {
    ui::AppColorsDialog dialog(doc, kPropellerPalette);
    ui::ColorButton* button = dialog.Button(1023);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->menu(), button->DropDown());
    const auto swatches = button->DropDown()->findChildren<QToolButton*>();
    EXPECT_EQ(swatches.size(), kPaletteSize);
    for (int i = 0; i < kPaletteSize; ++i) {
        QToolButton* swatch = button->Swatch(i);
        ASSERT_NE(swatch, nullptr) << i;
        // Palette order, 8 to a row, each swatch its palette colour.
        auto* grid = qobject_cast<QGridLayout*>(swatch->parentWidget()->layout());
        ASSERT_NE(grid, nullptr);
        int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(swatch), &row, &column, &rowSpan, &columnSpan);
        EXPECT_EQ(row, i / ui::ColorButton::kColumns) << i;
        EXPECT_EQ(column, i % ui::ColorButton::kColumns) << i;
        const RgbColor rgb = kPropellerPalette[static_cast<std::size_t>(i)];
        EXPECT_EQ(swatch->icon().pixmap(16, 16).toImage().pixelColor(8, 8),
                  QColor(rgb.red, rgb.green, rgb.blue))
            << i;
    }
}

TEST_F(DialogFixture, ColoursOkWithoutChangesKeepsEveryLong) {
    const auto before = doc.appColors;
    ui::AppColorsDialog dialog(doc, kPropellerPalette);
    QTest::mouseClick(DialogButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(doc.appColors, before);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(dialog.Result(), Refresh::Render);
}

TEST_F(DialogFixture, AChosenSwatchChangesExactlyItsLongAndItsShadow) {
    const auto before = doc.appColors;
    ui::AppColorsDialog dialog(doc, kPropellerPalette);
    ui::ColorButton* button = dialog.Button(1026);  // graphics set 1, colour 4: byte 0 of long 11
    QTest::mouseClick(button->Swatch(63), Qt::LeftButton);
    EXPECT_EQ(button->PaletteIndex(), 63);
    EXPECT_EQ(doc.appColors, before);  // nothing before OK
    QTest::mouseClick(DialogButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    auto expected = before;
    expected[11] = (before[11] & 0xFFFFFF00u) | 0xFCu;
    expected[27] = ShadowColor(expected[11]);
    EXPECT_EQ(doc.appColors, expected);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DialogFixture, ColoursCancelChangesNothing) {
    const auto before = doc.appColors;
    ui::AppColorsDialog dialog(doc, kPropellerPalette);
    QTest::mouseClick(dialog.Button(1005)->Swatch(0), Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(doc.appColors, before);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DialogFixture, AddBitmapRefusesBadSizesAndKeepsTheFocusInTheField) {
    struct Case {
        QString width;
        QString height;
        std::u16string message;
        const char* focused;
    };
    const Case cases[] = {
        {"x", "1", u"Enter an integer.", "widthField"},
        {"11", "1", u"Enter an integer between 1 and 10.", "widthField"},
        {"", "1", u"Enter an integer.", "widthField"},
        {"2", "x", u"Enter an integer.", "heightField"},
        {"2", "11", u"Enter an integer between 1 and 10.", "heightField"},
    };
    const std::size_t bitmaps = doc.bitmaps.size();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width.toStdString() + " x " + c.height.toStdString());
        messages.shown.clear();
        ui::AddBitmapDialog dialog(doc);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        dialog.WidthField()->setText(c.width);
        dialog.HeightField()->setText(c.height);
        QTest::keyClick(dialog.HeightField(), Qt::Key_Return);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0], c.message);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "",
                  c.focused);
        dialog.reject();
    }
    EXPECT_EQ(doc.bitmaps.size(), bitmaps);
}

TEST_F(DialogFixture, AddBitmapOffersOnlyOneBitAndAcceptsTenByTen) {
    ui::AddBitmapDialog dialog(doc);
    EXPECT_EQ(dialog.windowTitle(), "Add Bitmap to Application");
    EXPECT_EQ(dialog.WidthField()->text(), "1");
    EXPECT_EQ(dialog.HeightField()->text(), "1");
    EXPECT_TRUE(dialog.OneBitButton()->isChecked());
    EXPECT_FALSE(dialog.TwoBitButton()->isEnabled());
    QTest::mouseClick(dialog.TwoBitButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.TwoBitButton()->isChecked());

    dialog.WidthField()->setText(" 10 ");
    dialog.HeightField()->setText("10");
    QTest::mouseClick(DialogButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(dialog.Check().widthTiles, 10);
    EXPECT_EQ(dialog.Check().heightTiles, 10);
    EXPECT_EQ(dialog.Check().bitDepth, 1);
}

TEST_F(DialogFixture, SettingsListTheNamesInDocumentOrderAndOkWritesTheChoice) {
    doc.AddForm();
    doc.forms.back()->name = u"FormA";  // sorts before Form1 and Form2 alphabetically
    doc.AddBitmap(1, 1, 1);
    ui::SettingsDialog dialog(doc);
    EXPECT_EQ(dialog.windowTitle(), "Application Settings");
    auto items = [](const QComboBox* list) {
        QStringList names;
        for (int i = 0; i < list->count(); ++i) {
            names << list->itemText(i);
        }
        return names;
    };
    QStringList forms;
    for (const auto& form : doc.forms) {
        forms << testing::Q(form->name);
    }
    QStringList bitmaps;
    for (const auto& bitmap : doc.bitmaps) {
        bitmaps << testing::Q(bitmap->name);
    }
    EXPECT_EQ(items(dialog.MainFormList()), forms);
    EXPECT_EQ(forms.last(), "FormA");
    EXPECT_EQ(items(dialog.BackgroundBitmapList()), bitmaps);
    EXPECT_EQ(items(dialog.BackgroundColorList()), (QStringList{"0", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(dialog.MainFormList()->currentText(), testing::Q(doc.mainFormName));
    EXPECT_EQ(dialog.BackgroundBitmapList()->currentText(), testing::Q(doc.backgroundBitmapName));
    for (const QComboBox* list :
         {dialog.MainFormList(), dialog.BackgroundBitmapList(), dialog.BackgroundColorList()}) {
        EXPECT_FALSE(list->isEditable());
    }

    dialog.MainFormList()->setCurrentIndex(static_cast<int>(forms.size()) - 1);
    dialog.BackgroundColorList()->setCurrentIndex(5);
    QTest::mouseClick(DialogButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    EXPECT_EQ(doc.mainFormName, u"FormA");
    EXPECT_EQ(doc.backgroundBitmapColor, 5);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DialogFixture, SettingsCancelAndUnchangedOkLeaveTheDocument) {
    const std::u16string mainForm = doc.mainFormName;
    const std::int32_t color = doc.backgroundBitmapColor;
    {
        ui::SettingsDialog dialog(doc);
        dialog.BackgroundColorList()->setCurrentIndex(color == 5 ? 4 : 5);
        QTest::mouseClick(DialogButton(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(doc.backgroundBitmapColor, color);
    {
        ui::SettingsDialog dialog(doc);
        QTest::mouseClick(DialogButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
        EXPECT_EQ(dialog.Result(), Refresh::Render);
    }
    EXPECT_EQ(doc.mainFormName, mainForm);
    EXPECT_EQ(doc.backgroundBitmapColor, color);
    EXPECT_FALSE(doc.IsModified());
}

}  // namespace
}  // namespace lumora
