#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "grid_test_support.h"
#include "properties/properties_pane.h"
#include "properties/property_order.h"

namespace lumora {
namespace {

using testing::OpenEditor;
using testing::Q;
using testing::ReadGrid;
using testing::ShownEntry;

struct PaneFixture : ::testing::Test {
    PaneFixture() : pane(doc) {
        doc.AttachMessages(&messages);
        StartNewApplication(doc);
        pane.resize(300, 500);
        pane.show();
    }
    CLumoraDoc doc;
    testing::RecordingMessages messages;
    ui::PropertiesPane pane;
};

// Selects the item a case shows: a new component of the tool on Form1, Form1, or the bitmap.
enum class Item { Bitmap, Form, Tool };

struct SelectionCase {
    const char* label;
    Item item;
    AddTool tool = AddTool::Button;
};

void Select(CLumoraDoc& doc, const SelectionCase& c) {
    switch (c.item) {
        case Item::Bitmap:
            doc.AddBitmap(3, 2, 1);
            doc.SelectByName(u"BitmapData2");
            break;
        case Item::Form:
            doc.SelectByName(u"Form1");
            break;
        case Item::Tool:
            doc.SelectByName(u"Form1");
            doc.AddComponent(c.tool);
            break;
    }
}

const SelectionCase kSelections[] = {
    {"bitmap", Item::Bitmap},
    {"form", Item::Form},
    {"button", Item::Tool, AddTool::Button},
    {"text", Item::Tool, AddTool::Text},
    {"bitmap component", Item::Tool, AddTool::Bitmap},
    {"option button", Item::Tool, AddTool::OptionButton},
    {"group box", Item::Tool, AddTool::GroupBox},
    {"check box", Item::Tool, AddTool::CheckBox},
    {"number edit", Item::Tool, AddTool::NumberEdit},
};

TEST_F(PaneFixture, GridShowsTheCoresSetForEveryKindOfItem) {
    for (const SelectionCase& c : kSelections) {
        SCOPED_TRACE(c.label);
        Select(doc, c);
        pane.FillPropertyGrid();
        const PropertySet set = BuildPropertySet(doc);
        std::vector<ShownEntry> expected;
        for (const PropertyGroup& group : set.groups) {
            for (const PropertyEntry& entry : group.entries) {
                expected.push_back({Q(group.name), Q(entry.name), Q(DisplayText(entry.value)),
                                    !entry.readOnly, Q(entry.name), Q(entry.description)});
            }
        }
        const std::vector<ShownEntry> shown = ReadGrid(*pane.Grid());
        ASSERT_EQ(shown.size(), expected.size());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            SCOPED_TRACE(expected[i].name.toStdString());
            EXPECT_EQ(shown[i].group, expected[i].group);
            EXPECT_EQ(shown[i].name, expected[i].name);
            EXPECT_EQ(shown[i].value, expected[i].value);
            EXPECT_EQ(shown[i].editable, expected[i].editable);
            EXPECT_EQ(shown[i].descriptionTitle, expected[i].descriptionTitle);
            EXPECT_EQ(shown[i].descriptionText, expected[i].descriptionText);
        }
        // Two expanded groups, no column header.
        QTreeWidget* tree = pane.Grid()->Tree();
        ASSERT_EQ(tree->topLevelItemCount(), 2);
        EXPECT_EQ(tree->topLevelItem(0)->text(0), "Details");
        EXPECT_EQ(tree->topLevelItem(1)->text(0), "Appearance");
        EXPECT_TRUE(tree->topLevelItem(0)->isExpanded());
        EXPECT_TRUE(tree->topLevelItem(1)->isExpanded());
        EXPECT_TRUE(tree->isHeaderHidden());
    }
}

TEST_F(PaneFixture, ReadOnlyEntriesOpenNoEditorAndTheBitmapShowsPixels) {
    Select(doc, kSelections[0]);
    pane.FillPropertyGrid();
    EXPECT_EQ(testing::Shown(*pane.Grid(), "Width"), "48");
    EXPECT_EQ(testing::Shown(*pane.Grid(), "Height"), "32");
    for (const char* name : {"Type", "Width", "Height"}) {
        EXPECT_EQ(OpenEditor(*pane.Grid(), name), nullptr) << name;
    }
    EXPECT_NE(qobject_cast<QLineEdit*>(OpenEditor(*pane.Grid(), "Color#")), nullptr);
}

TEST_F(PaneFixture, ABooleanEntryIsAFixedTrueFalseList) {
    doc.SelectByName(u"Form1");
    doc.AddComponent(AddTool::CheckBox);
    pane.FillPropertyGrid();
    auto* combo = qobject_cast<QComboBox*>(OpenEditor(*pane.Grid(), "Value"));
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->lineEdit(), nullptr);
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), "True");
    EXPECT_EQ(combo->itemText(1), "False");
    // Typed letters become no value.
    QTest::keyClicks(combo, "xyz");
    QTest::keyClick(combo, Qt::Key_Escape);
    EXPECT_EQ(testing::Shown(*pane.Grid(), "Value"), "False");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PaneFixture, TheHandlerIsAnEditableListOfItsSuggestions) {
    doc.SelectByName(u"Button1");
    doc.currentComponent->handler = u"DoIt";
    pane.FillPropertyGrid();
    auto* combo = qobject_cast<QComboBox*>(OpenEditor(*pane.Grid(), "Handler"));
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->isEditable());
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items << combo->itemText(i);
    }
    EXPECT_EQ(items, (QStringList{"", "DoIt", "OnButton1"}));
    EXPECT_EQ(combo->currentText(), "DoIt");
}

TEST_F(PaneFixture, TheAlphabeticalToggleReordersAndShowsPressed) {
    doc.SelectByName(u"Form1");
    doc.AddComponent(AddTool::NumberEdit);
    pane.FillPropertyGrid();
    QAction* toggle = pane.AlphabeticalAction();
    auto* button = qobject_cast<QToolButton*>(pane.ToolBar()->widgetForAction(toggle));
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isChecked());

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_TRUE(button->isChecked());
    QStringList shownNames;
    for (const ShownEntry& entry : ReadGrid(*pane.Grid())) {
        EXPECT_TRUE(entry.group.isEmpty());
        shownNames << entry.name;
    }
    QStringList expected;
    const PropertySet set = BuildPropertySet(doc);
    for (const PropertyEntry* entry : AlphabeticalEntries(set)) {
        expected << Q(entry->name);
    }
    EXPECT_EQ(shownNames, expected);
    EXPECT_EQ(shownNames.first(), "#Digits");

    // A fill keeps the order the user chose.
    pane.FillPropertyGrid();
    EXPECT_EQ(pane.Grid()->Tree()->topLevelItem(0)->text(0), "#Digits");

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(button->isChecked());
    EXPECT_EQ(pane.Grid()->Tree()->topLevelItem(0)->text(0), "Details");
}

TEST_F(PaneFixture, ExpandAllOpensCollapsedGroups) {
    doc.SelectByName(u"Form1");
    pane.FillPropertyGrid();
    QTreeWidget* tree = pane.Grid()->Tree();
    tree->topLevelItem(1)->setExpanded(false);
    pane.ExpandAllAction()->trigger();
    EXPECT_TRUE(tree->topLevelItem(1)->isExpanded());
}

TEST_F(PaneFixture, PaneStacksTheListTheToolbarAndTheGrid) {
    ASSERT_EQ(pane.ObjectList()->count(), 1);
    EXPECT_EQ(pane.ObjectList()->currentText(), "Properties Window");
    EXPECT_LT(pane.ObjectList()->geometry().top(), pane.ToolBar()->geometry().top());
    EXPECT_LT(pane.ToolBar()->geometry().top(), pane.Grid()->geometry().top());
    EXPECT_EQ(pane.focusProxy(), pane.Grid());
    EXPECT_EQ(pane.Grid()->focusProxy(), pane.Grid()->Tree());
}

TEST_F(PaneFixture, TheGridFontFollowsTheMenuFont) {
    const QFont before = QApplication::font("QMenu");
    QFont menu = QApplication::font();
    menu.setPointSize(17);
    menu.setItalic(true);
    QApplication::setFont(menu, "QMenu");
    QEvent change(QEvent::ApplicationFontChange);
    QApplication::sendEvent(&pane, &change);
    EXPECT_EQ(pane.Grid()->font().pointSize(), 17);
    EXPECT_TRUE(pane.Grid()->font().italic());
    QApplication::setFont(before, "QMenu");
}

}  // namespace
}  // namespace lumora
