#include <QDockWidget>
#include <QTimer>

#include "frame_fixture.h"
#include "objecttree/object_tree_pane.h"
#include "objecttree/object_tree_widget.h"
#include "properties/add_bitmap_dialog.h"
#include "properties/colors_dialog.h"
#include "properties/grid_test_support.h"
#include "properties/properties_pane.h"
#include "properties/property_set.h"
#include "properties/settings_dialog.h"

namespace lumora::testing {
namespace {

using namespace lumora::cmd;

class PropertiesWiringTest : public FrameTest {
  protected:
    ui::PropertiesPane* pane() {
        return qobject_cast<ui::PropertiesPane*>(frame().Pane(shell::kPropertiesPaneId)->widget());
    }
    ui::PropertyGrid& grid() { return *pane()->Grid(); }
    QTreeWidget* tree() { return frame().ObjectTree().Tree(); }
    QTreeWidgetItem* TreeItem(const QString& text) {
        const auto found = tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }
    // Clicks the Object View's item as a user does.
    void ClickTreeItem(const QString& text) {
        QTreeWidgetItem* item = TreeItem(text);
        ASSERT_NE(item, nullptr) << text.toStdString();
        tree()->scrollToItem(item);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {},
                          tree()->visualItemRect(item).center());
    }
    // The entries the grid shows against the core's set for the document's selection.
    void ExpectGridShowsTheCoresSet() {
        std::vector<std::pair<QString, QString>> expected;
        for (const PropertyGroup& group : BuildPropertySet(doc()).groups) {
            for (const PropertyEntry& entry : group.entries) {
                expected.emplace_back(Q(entry.name), Q(DisplayText(entry.value)));
            }
        }
        std::vector<std::pair<QString, QString>> shown;
        for (const ShownEntry& entry : ReadGrid(grid())) {
            shown.emplace_back(entry.name, entry.value);
        }
        EXPECT_EQ(shown, expected);
    }
};

TEST_F(PropertiesWiringTest, TheDockShowsTheCurrentFormAndFollowsTreeSelectionAndNewDocuments) {
    ASSERT_NE(pane(), nullptr);
    // A new application starts on Form1 with its last component selected.
    ASSERT_NE(doc().currentForm, nullptr);
    EXPECT_EQ(doc().currentForm->name, u"Form1");
    EXPECT_EQ(Shown(grid(), "Name"), Q(SelectedItemName(doc())));
    ExpectGridShowsTheCoresSet();

    ClickTreeItem("Form1");
    EXPECT_EQ(Shown(grid(), "Name"), "Form1");
    ExpectGridShowsTheCoresSet();

    ClickTreeItem("Number1");
    ASSERT_NE(doc().currentComponent, nullptr);
    EXPECT_EQ(doc().currentComponent->name, u"Number1");
    EXPECT_EQ(Shown(grid(), "Name"), "Number1");
    EXPECT_NE(grid().EntryItem("Max. Value"), nullptr);
    ExpectGridShowsTheCoresSet();

    ClickTreeItem("BitmapData1");
    EXPECT_EQ(Shown(grid(), "Name"), "BitmapData1");
    ExpectGridShowsTheCoresSet();

    // A new document is shown from its own current form, not the old selection.
    ClickTreeItem("Button1");
    ASSERT_EQ(Shown(grid(), "Name"), "Button1");
    dialogs.saveAnswer = SaveAnswer::No;
    Trigger(kFileNew);
    EXPECT_EQ(Shown(grid(), "Name"), Q(SelectedItemName(doc())));
    EXPECT_NE(Shown(grid(), "Name"), "Button1");
    ExpectGridShowsTheCoresSet();
}

TEST_F(PropertiesWiringTest, RenamingAComponentRenamesItsTreeItem) {
    ClickTreeItem("Button1");
    TypeInto(grid(), "Name", "ButtonOk");
    EXPECT_EQ(doc().currentComponent->name, u"ButtonOk");
    EXPECT_NE(TreeItem("ButtonOk"), nullptr);
    EXPECT_EQ(TreeItem("Button1"), nullptr);
    EXPECT_EQ(Shown(grid(), "Name"), "ButtonOk");

    // A refused name leaves the tree as it was.
    TypeInto(grid(), "Name", "Text1");
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back(), u"Object name must begin with Button");
    EXPECT_NE(TreeItem("ButtonOk"), nullptr);
    EXPECT_EQ(TreeItem("Text1")->parent(), TreeItem("Form1"));
}

TEST_F(PropertiesWiringTest, AnEditAsksTheFramesViewToRender) {
    std::vector<Refresh> refreshes;
    frame().SetRefreshHandler([&](Refresh refresh) { refreshes.push_back(refresh); });
    ClickTreeItem("Button1");
    refreshes.clear();
    TypeInto(grid(), "Top", "7");
    EXPECT_EQ(doc().currentComponent->top, 7);
    EXPECT_EQ(refreshes, std::vector<Refresh>{Refresh::Render});
}

TEST_F(PropertiesWiringTest, TheViewsCommandsRefillTheGrid) {
    Trigger(kAddButton);
    ASSERT_EQ(doc().currentComponent->name, u"Button2");
    EXPECT_EQ(Shown(grid(), "Name"), "Button2");
    Trigger(kAddForm);
    EXPECT_EQ(Shown(grid(), "Name"), Q(SelectedItemName(doc())));
    ExpectGridShowsTheCoresSet();
}

// Answers the modal dialog a command opens with Cancel, noting what it was.
template <typename Dialog>
bool OpensAndCancels(QAction* action) {
    bool seen = false;
    QTimer::singleShot(0, [&seen] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        seen = dialog != nullptr;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            QTest::keyClick(modal, Qt::Key_Escape);
        }
    });
    action->trigger();
    return seen;
}

TEST_F(PropertiesWiringTest, TheDialogCommandsOpenTheirDialogsAndCancelChangesNothing) {
    for (int id : {kAddBitmap, kSettings, kColors}) {
        frame().Commands().UpdateAll();
        EXPECT_TRUE(command(id)->isEnabled()) << id;
    }
    const auto colors = doc().appColors;
    const std::size_t bitmaps = doc().bitmaps.size();
    EXPECT_TRUE(OpensAndCancels<ui::AddBitmapDialog>(command(kAddBitmap)));
    EXPECT_TRUE(OpensAndCancels<ui::SettingsDialog>(command(kSettings)));
    EXPECT_TRUE(OpensAndCancels<ui::AppColorsDialog>(command(kColors)));
    EXPECT_EQ(doc().bitmaps.size(), bitmaps);
    EXPECT_EQ(doc().appColors, colors);
    EXPECT_FALSE(doc().IsModified());
}

}  // namespace
}  // namespace lumora::testing
