#include <QDockWidget>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

#include "frame_fixture.h"
#include "shell/caption_bar.h"

namespace lumora::testing {
namespace {

using namespace lumora::cmd;

TEST_F(FrameTest, FirstStartShowsBlueStyleThreePanesAndCheckedToggles) {
    EXPECT_EQ(frame().ApplicationLook(), 215);
    for (int id = kLookFirst; id <= kLookLast; ++id) {
        EXPECT_EQ(command(id)->isChecked(), id == 215) << id;
        EXPECT_TRUE(command(id)->isEnabled()) << id;
    }
    for (int pane : {shell::kObjectViewPaneId, shell::kOutputPaneId, shell::kPropertiesPaneId}) {
        EXPECT_TRUE(frame().Pane(pane)->isVisible()) << pane;
        EXPECT_FALSE(frame().Pane(pane)->isFloating()) << pane;
    }
    EXPECT_EQ(frame().dockWidgetArea(frame().Pane(shell::kObjectViewPaneId)),
              Qt::LeftDockWidgetArea);
    EXPECT_EQ(frame().dockWidgetArea(frame().Pane(shell::kPropertiesPaneId)),
              Qt::RightDockWidgetArea);
    EXPECT_EQ(frame().dockWidgetArea(frame().Pane(shell::kOutputPaneId)), Qt::BottomDockWidgetArea);
    EXPECT_EQ(frame().Pane(shell::kObjectViewPaneId)->windowTitle(), "Object View");
    EXPECT_EQ(frame().Pane(shell::kPropertiesPaneId)->windowTitle(), "Properties");
    EXPECT_EQ(frame().Pane(shell::kOutputPaneId)->windowTitle(), "Output");
    for (int id :
         {kViewStatusBar, kViewCaptionBar, kViewProperties, kViewObjectTree, kViewOutput}) {
        EXPECT_TRUE(command(id)->isChecked()) << id;
    }
    EXPECT_EQ(frame().StatusPane(shell::kStatusReadyPaneId)->text(), "Ready");
    EXPECT_EQ(frame().StatusPane(shell::kStatusModePaneId)->text(), "Edit Mode");
    EXPECT_EQ(frame().Caption().Text()->text(), "A basic from is created with new projects.");
    EXPECT_EQ(frame().windowTitle(), "Untitled[*] - Lumora");
    EXPECT_FALSE(frame().isWindowModified());
}

TEST_F(FrameTest, ToggleAndOwnCloseButtonBothUncheckAndTheCommandBringsItBack) {
    struct Case {
        int command;
        int pane;
    };
    for (Case c :
         {Case{kViewOutput, shell::kOutputPaneId}, Case{kViewProperties, shell::kPropertiesPaneId},
          Case{kViewObjectTree, shell::kObjectViewPaneId}}) {
        QDockWidget* dock = frame().Pane(c.pane);
        Trigger(c.command);
        EXPECT_FALSE(dock->isVisible()) << c.command;
        EXPECT_FALSE(command(c.command)->isChecked()) << c.command;
        Trigger(c.command);
        EXPECT_TRUE(dock->isVisible()) << c.command;
        EXPECT_TRUE(command(c.command)->isChecked()) << c.command;

        // The dock's own close button, clicked as a user does.
        auto* close =
            dock->findChild<QAbstractButton*>(QStringLiteral("qt_dockwidget_closebutton"));
        ASSERT_NE(close, nullptr);
        QTest::mouseClick(close, Qt::LeftButton);
        EXPECT_FALSE(dock->isVisible()) << c.command;
        EXPECT_FALSE(command(c.command)->isChecked()) << c.command;
        Trigger(c.command);
        EXPECT_TRUE(dock->isVisible()) << c.command;
    }
}

TEST_F(FrameTest, CaptionAndStatusBarsToggleAndTheCaptionClosesItself) {
    Trigger(kViewStatusBar);
    EXPECT_FALSE(frame().statusBar()->isVisible());
    EXPECT_FALSE(command(kViewStatusBar)->isChecked());
    Trigger(kViewStatusBar);
    EXPECT_TRUE(frame().statusBar()->isVisible());

    QTest::mouseClick(frame().Caption().CloseButton(), Qt::LeftButton);
    EXPECT_FALSE(frame().Caption().isVisible());
    EXPECT_FALSE(command(kViewCaptionBar)->isChecked());
    Trigger(kViewCaptionBar);
    EXPECT_TRUE(frame().Caption().isVisible());
    EXPECT_TRUE(command(kViewCaptionBar)->isChecked());
}

TEST_F(FrameTest, StyleAndDockLayoutSurviveARestart) {
    Trigger(217);
    EXPECT_TRUE(command(217)->isChecked());
    EXPECT_FALSE(command(215)->isChecked());
    EXPECT_EQ(QSettings().value("ApplicationLook").toInt(), 217);
    frame().addDockWidget(Qt::RightDockWidgetArea, frame().Pane(shell::kOutputPaneId));
    Trigger(kViewObjectTree);

    CloseAndRelaunch();
    EXPECT_EQ(frame().ApplicationLook(), 217);
    EXPECT_TRUE(command(217)->isChecked());
    EXPECT_FALSE(command(215)->isChecked());
    EXPECT_EQ(frame().dockWidgetArea(frame().Pane(shell::kOutputPaneId)), Qt::RightDockWidgetArea);
    EXPECT_FALSE(frame().Pane(shell::kObjectViewPaneId)->isVisible());
    EXPECT_FALSE(command(kViewObjectTree)->isChecked());
}

TEST_F(FrameTest, StoredSettingsThatAreNotOursAreIgnored) {
    {
        QSettings settings;
        settings.setValue("ApplicationLook", "purple");
        settings.setValue("MainFrame/State", QByteArray("garbage"));
        settings.setValue("MainFrame/Geometry", QByteArray(64, '\xff'));
    }
    Launch();
    EXPECT_EQ(frame().ApplicationLook(), 215);
    EXPECT_TRUE(frame().Pane(shell::kOutputPaneId)->isVisible());
    QSettings().setValue("ApplicationLook", 9999);
    Launch();
    EXPECT_EQ(frame().ApplicationLook(), 215);
}

TEST_F(FrameTest, EveryStyleInstallsItsLook) {
    for (int id = kLookFirst; id <= kLookLast; ++id) {
        Trigger(id);
        EXPECT_EQ(frame().ApplicationLook(), id);
        EXPECT_EQ(command(id)->isChecked(), true) << id;
        const bool plain = id == 210 || id == 212;
        EXPECT_EQ(QApplication::style()->name().toLower(), plain ? "windows" : "fusion") << id;
    }
    // Black is the one dark theme.
    Trigger(216);
    EXPECT_LT(QApplication::palette().window().color().lightness(), 128);
    Trigger(215);
    EXPECT_GT(QApplication::palette().window().color().lightness(), 128);
}

TEST_F(FrameTest, ModifiedDocumentShowsTheMarkInTheTitle) {
    doc().AddForm();
    frame().Commands().UpdateAll();
    EXPECT_TRUE(frame().isWindowModified());
}

TEST_F(FrameTest, FramesSlotsTakeTheViewAndThePropertiesContent) {
    auto* view = new QLabel("view");
    frame().SetCentralView(view);
    EXPECT_EQ(frame().CentralView(), view);
    EXPECT_TRUE(view->isVisible());
    auto* grid = new QLabel("grid");
    frame().SetPropertiesContent(grid);
    EXPECT_EQ(frame().Pane(shell::kPropertiesPaneId)->widget(), grid);

    // F6 moves the focus through the view and the panes that are shown.
    view->setFocusPolicy(Qt::StrongFocus);
    grid->setFocusPolicy(Qt::StrongFocus);
    QApplication::setActiveWindow(&frame());
    view->setFocus();
    Trigger(kNextPane);
    EXPECT_TRUE(frame().Pane(shell::kObjectViewPaneId)->isAncestorOf(QApplication::focusWidget()));
    Trigger(kNextPane);
    EXPECT_EQ(QApplication::focusWidget(), grid);
    Trigger(kPrevPane);
    Trigger(kPrevPane);
    EXPECT_EQ(QApplication::focusWidget(), view);
}

}  // namespace
}  // namespace lumora::testing
