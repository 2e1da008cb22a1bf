#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <QToolBar>

#include "frame_fixture.h"
#include "objecttree/object_tree_pane.h"
#include "objecttree/object_tree_widget.h"

namespace lumora::testing {
namespace {

using namespace lumora::cmd;

class ObjectTreePaneTest : public FrameTest {
  protected:
    objecttree::ObjectTreePane& pane() { return frame().ObjectTree(); }
    QTreeWidget* tree() { return pane().Tree(); }

    // The tree as indented text, one line per item.
    QStringList Outline() {
        QStringList lines;
        std::function<void(QTreeWidgetItem*, int)> walk = [&](QTreeWidgetItem* item, int depth) {
            lines.append(QString(depth * 2, u' ') + item->text(0));
            for (int i = 0; i < item->childCount(); ++i) {
                walk(item->child(i), depth + 1);
            }
        };
        for (int i = 0; i < tree()->topLevelItemCount(); ++i) {
            walk(tree()->topLevelItem(i), 0);
        }
        return lines;
    }
    QTreeWidgetItem* Find(const QString& text) {
        const auto found = tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }
};

TEST_F(ObjectTreePaneTest, NewApplicationShowsItsItemsWithNumber1Visible) {
    EXPECT_EQ(Outline(),
              (QStringList{"Untitled Objects", "  Form1", "    Button1", "    Group1", "    Text1",
                           "    Option1", "    Check1", "    Number1", "  BitmapData1"}));
    QTreeWidgetItem* root = tree()->topLevelItem(0);
    EXPECT_TRUE(root->font(0).bold());
    EXPECT_FALSE(Find("Form1")->font(0).bold());
    EXPECT_EQ(root->data(0, Qt::UserRole).toInt(), 0);
    EXPECT_EQ(Find("Form1")->data(0, Qt::UserRole).toInt(), 1);
    EXPECT_EQ(Find("Number1")->data(0, Qt::UserRole).toInt(), 5);
    EXPECT_EQ(Find("BitmapData1")->data(0, Qt::UserRole).toInt(), 7);
    EXPECT_FALSE(Find("Number1")->icon(0).isNull());
    EXPECT_TRUE(Find("Form1")->isExpanded());
    EXPECT_TRUE(tree()->selectedItems().isEmpty());
}

TEST_F(ObjectTreePaneTest, TreeFollowsAnAddADeleteAndARename) {
    doc().AddComponent(AddTool::Button);
    EXPECT_EQ(Outline().mid(7, 3), (QStringList{"    Number1", "    Button2", "  BitmapData1"}));
    doc().DeleteSelection();
    EXPECT_FALSE(Outline().contains("    Button2"));
    EXPECT_EQ(Outline().size(), 9);
    doc().forms[0]->components[2]->name = u"TextWelcome";
    doc().RebuildObjectTree();
    EXPECT_EQ(Outline()[4], "    TextWelcome");
    doc().AddBitmap(1, 1, 1);
    EXPECT_EQ(Outline().back(), "  BitmapData2");
}

TEST_F(ObjectTreePaneTest, ClickingAnItemSelectsItInTheDocument) {
    int refreshes = 0;
    Refresh last = Refresh::None;
    frame().SetRefreshHandler([&](Refresh r) {
        ++refreshes;
        last = r;
    });
    const QRect bitmapRow = tree()->visualItemRect(Find("BitmapData1"));
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, bitmapRow.center());
    EXPECT_EQ(doc().currentForm, nullptr);
    EXPECT_EQ(doc().currentBitmap, doc().bitmaps[0].get());
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(Includes(last, Refresh::Repaint));

    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {},
                      tree()->visualItemRect(Find("Form1")).center());
    EXPECT_EQ(doc().currentForm, doc().forms[0].get());
    EXPECT_EQ(doc().currentComponent, nullptr);
    EXPECT_TRUE(Includes(last, Refresh::Render));

    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {},
                      tree()->visualItemRect(tree()->topLevelItem(0)).center());
    EXPECT_EQ(doc().currentForm, doc().forms[0].get());
    EXPECT_FALSE(doc().IsModified());
}

TEST_F(ObjectTreePaneTest, RightClickSelectsThenOpensTheSortingMenu) {
    QStringList seen;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions()) {
                seen.append(action->text());
            }
            menu->close();
        }
    });
    const QPoint at = tree()->visualItemRect(Find("Check1")).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, tree()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree()->viewport(), &event);
    EXPECT_EQ(doc().currentComponent->name, u"Check1");
    EXPECT_EQ(seen, (QStringList{"&Sort Alphabeticaly", "Sort by &Type", "Sort by Acc&ess",
                                 "Group by t&ype"}));

    EXPECT_EQ(pane().SortingChoice(), kTreeGroupByType);
    pane().PaneCommand(kTreeSortByType)->trigger();
    EXPECT_EQ(pane().SortingChoice(), kTreeSortByType);
    EXPECT_TRUE(pane().PaneCommand(kTreeSortByType)->isChecked());
    EXPECT_FALSE(pane().PaneCommand(kTreeGroupByType)->isChecked());
    // The order stays the model's.
    EXPECT_EQ(Outline()[2], "    Button1");
}

TEST_F(ObjectTreePaneTest, ToolbarOnlyNewFormActsAndSaysSo) {
    QList<int> ids;
    for (QAction* action : pane().ToolBar()->actions()) {
        ids.append(action->data().toInt());
        EXPECT_EQ(action->isEnabled(), action->data().toInt() == kTreeNewFolder);
        EXPECT_FALSE(action->icon().isNull());
    }
    EXPECT_EQ(ids, (QList<int>{144, 143, 32772, 32773, 32774}));
    pane().PaneCommand(kTreeNewFolder)->trigger();
    EXPECT_EQ(dialogs.notices, QStringList{"New Form (one day)..."});
}

}  // namespace
}  // namespace lumora::testing
