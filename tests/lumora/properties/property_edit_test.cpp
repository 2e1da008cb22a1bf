#include <gtest/gtest.h>

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

#include "grid_test_support.h"
#include "model/object_tree_sink.h"
#include "model/records.h"
#include "model/text_encoding.h"
#include "properties/properties_pane.h"

namespace lumora {
namespace {

using testing::OpenEditor;
using testing::Shown;
using testing::TypeInto;

// The object tree as far as an edit can tell: the names it was rebuilt with.
class NameListTree : public ObjectTreeSink {
  public:
    void RebuildObjectTree(const CLumoraDoc& doc) override {
        names.clear();
        for (const auto& form : doc.forms) {
            names.push_back(form->name);
            for (const auto& component : form->components) {
                names.push_back(component->name);
            }
        }
        ++rebuilds;
    }
    std::vector<std::u16string> names;
    int rebuilds = 0;
};

struct EditFixture : ::testing::Test {
    EditFixture() : pane(doc) {
        doc.AttachMessages(&messages);
        doc.AttachObjectTree(&tree);
        StartNewApplication(doc);
        QObject::connect(&pane, &ui::PropertiesPane::viewRefreshRequested,
                         [this](Refresh refresh) { refreshes.push_back(refresh); });
        pane.resize(300, 500);
        pane.show();
    }
    void SelectAndFill(std::u16string_view name) {
        doc.SelectByName(name);
        pane.FillPropertyGrid();
        doc.SetModifiedFlag(false);
    }
    ui::PropertyGrid& grid() { return *pane.Grid(); }

    CLumoraDoc doc;
    testing::RecordingMessages messages;
    NameListTree tree;
    ui::PropertiesPane pane;
    std::vector<Refresh> refreshes;
};

TEST_F(EditFixture, ARejectedValueShowsTheMessageAndPutsTheOldValueBack) {
    SelectAndFill(u"Button1");
    const QString before = Shown(grid(), "Top");
    TypeInto(grid(), "Top", "abc");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], u"Enter an integer.");
    EXPECT_EQ(Shown(grid(), "Top"), before);
    EXPECT_EQ(testing::Q(DecimalText(doc.currentComponent->top)), before);
    EXPECT_TRUE(refreshes.empty());

    TypeInto(grid(), "Top", "999");
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1], u"Value outside limits!");
    EXPECT_EQ(Shown(grid(), "Top"), before);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(EditFixture, AnAcceptedValueIsShownAsStoredAndRendersTheForm) {
    SelectAndFill(u"Button1");
    TypeInto(grid(), "Top", " 7xyz");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(doc.currentComponent->top, 7);
    EXPECT_EQ(Shown(grid(), "Top"), "7");
    EXPECT_EQ(refreshes, std::vector<Refresh>{Refresh::Render});
    // The changed value is marked.
    EXPECT_TRUE(grid().EntryItem("Top")->font(1).bold());
    EXPECT_FALSE(grid().EntryItem("Left")->font(1).bold());
}

TEST_F(EditFixture, RenamingAComponentRenamesItsTreeItem) {
    SelectAndFill(u"Button1");
    TypeInto(grid(), "Name", "ButtonOk");
    EXPECT_EQ(doc.currentComponent->name, u"ButtonOk");
    EXPECT_EQ(Shown(grid(), "Name"), "ButtonOk");
    EXPECT_NE(std::find(tree.names.begin(), tree.names.end(), u"ButtonOk"), tree.names.end());
    EXPECT_EQ(std::find(tree.names.begin(), tree.names.end(), u"Button1"), tree.names.end());

    const int rebuilds = tree.rebuilds;
    TypeInto(grid(), "Name", "Text1");
    EXPECT_EQ(messages.shown.back(), u"Object name must begin with Button");
    EXPECT_EQ(Shown(grid(), "Name"), "ButtonOk");
    EXPECT_EQ(tree.rebuilds, rebuilds);
}

TEST_F(EditFixture, AMaximumBelowTheInitialValueRefillsTheGridWithTheClampedValue) {
    doc.SelectByName(u"Form1");
    doc.AddComponent(AddTool::NumberEdit);
    doc.currentComponent->value = 80;
    doc.currentComponent->maxValue = 100;
    pane.FillPropertyGrid();
    QTreeWidgetItem* before = grid().EntryItem("Init. Value");
    ASSERT_EQ(before->text(1), "80");
    TypeInto(grid(), "Max. Value", "50");
    EXPECT_EQ(doc.currentComponent->value, 50);
    EXPECT_EQ(Shown(grid(), "Init. Value"), "50");
    EXPECT_EQ(Shown(grid(), "Max. Value"), "50");
    // A refill starts from the new values: nothing is marked as changed.
    EXPECT_FALSE(grid().EntryItem("Init. Value")->font(1).bold());
    EXPECT_EQ(refreshes, std::vector<Refresh>{Refresh::Render});
}

TEST_F(EditFixture, EscapeCancelsAndTheSameTextSendsNothing) {
    SelectAndFill(u"Form1");
    const std::u16string caption = doc.currentForm->caption;
    TypeInto(grid(), "Caption", "Changed", Qt::Key_Escape);
    EXPECT_EQ(doc.currentForm->caption, caption);
    EXPECT_EQ(Shown(grid(), "Caption"), testing::Q(caption));

    // The same text as shown reaches no rule: even the rules that mark the document on
    // every change leave it unmarked, and nothing is redrawn.
    TypeInto(grid(), "Top", Shown(grid(), "Top"));
    TypeInto(grid(), "Name", Shown(grid(), "Name"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(refreshes.empty());
}

TEST_F(EditFixture, LeavingTheFieldCommitsTheEdit) {
    SelectAndFill(u"Form1");
    auto* edit = qobject_cast<QLineEdit*>(OpenEditor(grid(), "Caption"));
    ASSERT_NE(edit, nullptr);
    edit->setText("Main Window");
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(edit, &out);
    EXPECT_EQ(doc.currentForm->caption, u"Main Window");
    EXPECT_EQ(Shown(grid(), "Caption"), "Main Window");
}

TEST_F(EditFixture, ChoosingABooleanOrAHandlerCommitsAtOnce) {
    doc.SelectByName(u"Form1");
    doc.AddComponent(AddTool::CheckBox);
    pane.FillPropertyGrid();
    auto* value = qobject_cast<QComboBox*>(OpenEditor(grid(), "Value"));
    ASSERT_NE(value, nullptr);
    value->setCurrentIndex(0);
    emit value->activated(0);
    EXPECT_EQ(doc.currentComponent->value, 1);
    EXPECT_EQ(Shown(grid(), "Value"), "True");

    SelectAndFill(u"Button1");
    auto* handler = qobject_cast<QComboBox*>(OpenEditor(grid(), "Handler"));
    ASSERT_NE(handler, nullptr);
    const int suggestion = handler->findText("OnButton1");
    ASSERT_GE(suggestion, 0);
    handler->setCurrentIndex(suggestion);
    emit handler->activated(suggestion);
    EXPECT_EQ(doc.currentComponent->handler, u"OnButton1");
    EXPECT_TRUE(doc.customCode.ends_with(u"\r\nPUB OnButton1\r\n\r\n"));

    // A typed handler with a blank is refused and the old one shown again.
    handler = qobject_cast<QComboBox*>(OpenEditor(grid(), "Handler"));
    ASSERT_NE(handler, nullptr);
    handler->lineEdit()->setText("Do It");
    QTest::keyClick(handler->lineEdit(), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.shown.back(), u"Function name may not contain whitespace");
    EXPECT_EQ(Shown(grid(), "Handler"), "OnButton1");
}

TEST_F(EditFixture, ABitmapColourChangeAsksForARepaint) {
    SelectAndFill(u"BitmapData1");
    TypeInto(grid(), "Color#", "2");
    EXPECT_EQ(doc.currentBitmap->color, 2);
    EXPECT_EQ(refreshes, std::vector<Refresh>{Refresh::Repaint});
}

}  // namespace
}  // namespace lumora
