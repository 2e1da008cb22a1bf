#include <QLabel>
#include <QMouseEvent>

#include "designer/lumora_view.h"
#include "frame_fixture.h"
#include "model/records.h"
#include "screen/form_renderer.h"
#include "screen/tile_screen.h"
#include "shell/main_frame.h"

namespace lumora {
namespace {

using testing::FrameTest;

designer::CLumoraView& View(shell::MainFrame& frame) {
    return *qobject_cast<designer::CLumoraView*>(frame.CentralView());
}

TEST_F(FrameTest, TheViewFillsTheMiddleAndTakesTheHomeCommands) {
    ASSERT_NE(qobject_cast<designer::CLumoraView*>(frame().CentralView()), nullptr);
    Trigger(180);
    EXPECT_EQ(doc().currentComponent->name, u"Button2");
    EXPECT_TRUE(doc().IsModified());

    Trigger(32786);
    EXPECT_TRUE(command(32786)->isChecked());
    EXPECT_TRUE(View(frame()).ZoomHalf());

    // Showing a bitmap through the Object View disables the form commands.
    doc().SelectByName(u"BitmapData1");
    View(frame()).Perform(Refresh::Repaint | Refresh::RefillGrid);
    for (int id : {180, 186, 57635, 32786}) {
        EXPECT_FALSE(command(id)->isEnabled()) << id;
    }
    for (int id : {190, 32791, 57609}) {
        EXPECT_TRUE(command(id)->isEnabled()) << id;
    }
}

TEST_F(FrameTest, PointerPositionGoesToStatusPane120) {
    QWidget* port = View(frame()).viewport();
    const QPointF at(8 * 16 + 3, 5 * 16 + 3);  // Form1's top-left tile
    QMouseEvent move(QEvent::MouseMove, at, port->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(port, &move);
    EXPECT_EQ(frame().StatusPane(shell::kStatusReadyPaneId)->text(), QStringLiteral("(0,0)"));
}

TEST_F(FrameTest, ANewDocumentIsShownFromTheStart) {
    Trigger(180);
    Trigger(190);
    doc().SetModifiedFlag(false);
    Trigger(57600);
    EXPECT_EQ(doc().forms.size(), 1u);
    EXPECT_EQ(doc().currentComponent, nullptr);
    EXPECT_EQ(View(frame()).Screen().tileGlyphs, [this] {
        TileScreen fresh(doc().appColors);
        RenderForm(doc(), fresh, *doc().Messages());
        return fresh.tileGlyphs;
    }());
}

}  // namespace
}  // namespace lumora
