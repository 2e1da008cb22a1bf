#include <QMenu>

#include "model/component_type.h"
#include "view_fixture.h"

namespace lumora {
namespace {

using testing::ViewTest;

TEST_F(ViewTest, ClickSelectsTheButtonInTheGroupBoxTheBoxAroundItOrTheForm) {
    // A Button inside Group1 (screen columns 12..36, rows 10..23), at columns 14..17, rows 12..15.
    view.RunCommand(180);
    CLmComponent& button = *doc.currentComponent;
    button.left = 6, button.top = 7, button.width = 4, button.height = 4;

    Click(Tile(15, 13));
    EXPECT_EQ(doc.currentComponent, &button);
    Click(Tile(30, 12));
    EXPECT_EQ(doc.currentComponent, &Named(u"Group1"));
    Click(Tile(40, 25));
    EXPECT_EQ(doc.currentComponent, nullptr);
    EXPECT_EQ(doc.currentForm, &Form1());
    EXPECT_EQ(gridFills, 1 + 3);  // the add, then each click
}

TEST_F(ViewTest, HalfSizeClickPicksTileColumnTwelveRowFive) {
    view.RunCommand(181);  // a Text, put on screen column 12, row 5 (Form1 lies at 8, 5)
    CLmComponent& text = *doc.currentComponent;
    text.left = 4, text.top = 0, text.width = 1, text.height = 1;
    view.RunCommand(32786);
    ASSERT_TRUE(view.ZoomHalf());
    doc.currentComponent = nullptr;
    Click({100, 40});
    EXPECT_EQ(doc.currentComponent, &text);

    // At full size the same point is column 6, row 2: off the form.
    view.RunCommand(32786);
    Click({100, 40});
    EXPECT_EQ(doc.currentComponent, nullptr);
}

TEST_F(ViewTest, ScrolledClickAddsTheScrollOffset) {
    view.resize(400, 300);
    view.horizontalScrollBar()->setValue(16 * 10);
    view.verticalScrollBar()->setValue(16 * 20);
    Click({16 * 5 + 3, 16 * 9 + 3});  // content tile (15, 29): Button1 lies at 26..35, 29..32
    EXPECT_EQ(doc.currentComponent, nullptr);
    Click({16 * 17 + 3, 16 * 9 + 3});  // content tile (27, 29)
    EXPECT_EQ(doc.currentComponent, &Named(u"Button1"));
}

TEST_F(ViewTest, DoubleClickOnAnOptionButtonFlipsItOnceAndRerenders) {
    CLmComponent& option = Named(u"Option1");
    const int tile = (5 + option.top) * 64 + 8 + option.left + 1;  // the mark inside "( )"
    EXPECT_EQ(view.Screen().tileGlyphs[tile], 32);
    const QImage before = Grab();

    DoubleClick(Tile(8 + option.left + 1, 5 + option.top));
    EXPECT_EQ(option.value, 1);
    EXPECT_EQ(view.Screen().tileGlyphs[tile], 14);  // character 15's pair, top half
    EXPECT_NE(Grab(), before);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ViewTest, DoubleClickOnAButtonWithoutHandlerMakesTheStubBeforeTheEditorOpens) {
    const std::u16string code = doc.customCode;
    DoubleClick(Tile(30, 30));
    CLmComponent& button = Named(u"Button1");
    EXPECT_EQ(button.handler, u"OnButton1");
    ASSERT_EQ(editor.opened.size(), 1u);
    EXPECT_EQ(editor.opened[0].handler, u"OnButton1");
    EXPECT_EQ(editor.opened[0].code, code + u"\r\nPUB OnButton1\r\n\r\n");
    // Cancelled: the stub stays, nothing else changes.
    EXPECT_EQ(doc.customCode, code + u"\r\nPUB OnButton1\r\n\r\n");

    editor.answer = u"PUB OnButton1\r\n  beep\r\n";
    DoubleClick(Tile(30, 30));
    ASSERT_EQ(editor.opened.size(), 2u);
    EXPECT_EQ(doc.customCode, u"PUB OnButton1\r\n  beep\r\n");
}

TEST_F(ViewTest, LeftCtrlArrowsResizeWhileTheRightCtrlOnlyMoves) {
    Click(Tile(15, 15));
    CLmComponent& text = Named(u"Text1");
    ASSERT_EQ(doc.currentComponent, &text);
    const CLmComponent before = text;
    QTest::keyClick(&view, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(text.left, before.left);
    EXPECT_EQ(text.width, before.width);

    Click(Tile(30, 30));
    CLmComponent& button = Named(u"Button1");
    // Left Ctrl, told by its keysym: the button grows.
    SendNativeKey(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, 37, 0xFFE3);
    SendNativeKey(QEvent::KeyRelease, Qt::Key_Right, Qt::ControlModifier, 114, 0xFF53);
    SendNativeKey(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier, 37, 0xFFE3);
    EXPECT_EQ(button.width, 11);
    EXPECT_EQ(button.left, 18);
    // Right Ctrl: the button moves as without Ctrl.
    SendNativeKey(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, 105, 0xFFE4);
    SendNativeKey(QEvent::KeyRelease, Qt::Key_Right, Qt::ControlModifier, 114, 0xFF53);
    SendNativeKey(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier, 105, 0xFFE4);
    EXPECT_EQ(button.width, 11);
    EXPECT_EQ(button.left, 19);

    // The screen follows: the button's top-left border tile moves down one row.
    const int oldCorner = (5 + 24) * 64 + 8 + 19;
    const std::int32_t corner = view.Screen().tileGlyphs[oldCorner];
    QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_EQ(button.top, 25);
    EXPECT_EQ(view.Screen().tileGlyphs[oldCorner + 64], corner);
    EXPECT_NE(view.Screen().tileGlyphs[oldCorner], corner);
}

TEST_F(ViewTest, HeldArrowActsOnItsOneRealRelease) {
    Click(Tile(30, 30));
    CLmComponent& button = Named(u"Button1");
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&view, &repeat);
    EXPECT_EQ(button.left, 18);
    QTest::keyRelease(&view, Qt::Key_Left);
    EXPECT_EQ(button.left, 17);
}

TEST_F(ViewTest, DeleteRefusesTheMainFormWithTheDocumentsMessage) {
    Click(Tile(9, 7));
    ASSERT_EQ(doc.currentComponent, nullptr);
    QTest::keyClick(&view, Qt::Key_Delete);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], u"Cannot delete the main form");
    EXPECT_EQ(doc.forms.size(), 1u);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ViewTest, BitmapViewClickTogglesPixelOneTwoOfTileOne) {
    doc.AddBitmap(2, 1, 1);
    CLmBitmap& bitmap = *doc.currentBitmap;
    doc.SelectByName(bitmap.name);
    view.Perform(Refresh::Repaint | Refresh::RefillGrid);  // as a tree selection does
    const QImage before = Grab();
    Click({85, 10});
    EXPECT_EQ(bitmap.tiles[1].Pixel(1, 2), 1);
    EXPECT_EQ(bitmap.tiles[0], TileImage{});
    const QImage after = Grab();
    // The 5 x 5 block of that pixel changed, and nothing else.
    for (int y = 0; y < 160; ++y) {
        for (int x = 0; x < 200; ++x) {
            const bool inBlock = x >= 85 && x < 90 && y >= 10 && y < 15;
            EXPECT_EQ(after.pixel(x, y) != before.pixel(x, y), inBlock) << x << "," << y;
        }
    }
}

TEST_F(ViewTest, StatusTextFollowsThePointer) {
    MoveTo({8 * 16 + 3, 5 * 16 + 3});
    EXPECT_EQ(pointerText, QStringLiteral("(0,0)"));
    MoveTo({7 * 16 + 3, 5 * 16 + 3});
    EXPECT_EQ(pointerText, QStringLiteral("(-1,0)"));
    doc.SelectByName(u"BitmapData1");
    view.Perform(Refresh::Repaint);
    MoveTo({85, 10});
    EXPECT_EQ(pointerText, QStringLiteral("(17,2)"));
}

TEST_F(ViewTest, RightReleaseSelectsAndShowsTheEditMenu) {
    Click(Tile(30, 30), Qt::RightButton);
    EXPECT_EQ(doc.currentComponent, &Named(u"Button1"));
    QMenu* menu = view.EditMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), QStringLiteral("Cu&t\tCtrl+X"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("&Copy\tCtrl+C"));
    EXPECT_EQ(items[2]->text(), QStringLiteral("&Paste\tCtrl+V"));
    EXPECT_TRUE(items[0]->isEnabled());
    items[0]->trigger();
    EXPECT_EQ(Form1().components.size(), 5u);
    EXPECT_EQ(doc.currentComponent, nullptr);
    menu->hide();
}

}  // namespace
}  // namespace lumora
