#include <QLabel>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

#include "frame_fixture.h"
#include "shell/about_box.h"
#include "shell/key_tips.h"
#include "shell/ribbon_bar.h"

namespace lumora::testing {
namespace {

using namespace lumora::cmd;
using Level = shell::KeyTips::Level;

class RibbonTest : public FrameTest {
  protected:
    void SetUp() override {
        QApplication::setActiveWindow(&frame());
        frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    }
    void PressAlt() {
        QTest::keyPress(&frame(), Qt::Key_Alt);
        QTest::keyRelease(&frame(), Qt::Key_Alt);
    }
    QStringList TipTexts() {
        QStringList texts;
        for (QLabel* label : frame().Tips().Labels()) {
            texts.append(label->text());
        }
        texts.sort();
        return texts;
    }
};

TEST_F(RibbonTest, AltShowsTheTabRowTipsAndANumberRunsItsQuickAccessCommand) {
    PressAlt();
    EXPECT_EQ(frame().Tips().Shown(), Level::TabRow);
    EXPECT_EQ(TipTexts(), (QStringList{"1", "2", "3", "4", "A", "F", "H"}));
    doc().AddForm();
    doc().SetModifiedFlag(false);
    QTest::keyClick(&frame(), Qt::Key_1);
    EXPECT_EQ(frame().Tips().Shown(), Level::Hidden);
    EXPECT_EQ(doc().forms.size(), 1u);  // New ran
}

TEST_F(RibbonTest, HomeTipsThenEscapeStepsBack) {
    PressAlt();
    QTest::keyClick(&frame(), Qt::Key_H);
    EXPECT_EQ(frame().Tips().Shown(), Level::Home);
    EXPECT_EQ(TipTexts(), (QStringList{"A", "C", "V", "X"}));
    // Cut is the designer view's; the other clipboard commands have no handler yet: their tips
    // are greyed and do nothing.
    for (QLabel* label : frame().Tips().Labels()) {
        EXPECT_EQ(label->isEnabled(), label->text() == QStringLiteral("X"))
            << label->text().toStdString();
    }
    QTest::keyClick(&frame(), Qt::Key_V);
    EXPECT_EQ(frame().Tips().Shown(), Level::Home);
    QTest::keyClick(&frame(), Qt::Key_Escape);
    EXPECT_EQ(frame().Tips().Shown(), Level::TabRow);
    QTest::keyClick(&frame(), Qt::Key_Escape);
    EXPECT_EQ(frame().Tips().Shown(), Level::Hidden);
    // Alt followed by another key is a shortcut, not keyboard access.
    QTest::keyPress(&frame(), Qt::Key_Alt);
    QTest::keyClick(&frame(), Qt::Key_Backspace, Qt::AltModifier);
    QTest::keyRelease(&frame(), Qt::Key_Alt);
    EXPECT_EQ(frame().Tips().Shown(), Level::Hidden);
}

TEST_F(RibbonTest, AboutTipOpensTheAboutBox) {
    QString title;
    QString version;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<shell::AboutBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            version = box->findChild<QLabel*>("aboutVersion")->text();
            box->accept();
        }
    });
    PressAlt();
    QTest::keyClick(&frame(), Qt::Key_A);
    EXPECT_EQ(title, "About Lumora");
    EXPECT_EQ(version, "Lumora, Version 1.0");
}

TEST_F(RibbonTest, StaysUsableAt1024PixelsWide) {
    frame().resize(1024, 700);
    QCoreApplication::processEvents();
    shell::RibbonBar& ribbon = frame().Ribbon();
    EXPECT_LE(frame().width(), 1024);
    // Every element is on screen inside the ribbon.
    for (int id : {57637, 32784, 186, 32793, 32786}) {
        QWidget* element = ribbon.ElementFor(id);
        ASSERT_NE(element, nullptr) << id;
        const QRect inRibbon(element->mapTo(&ribbon, QPoint(0, 0)), element->size());
        EXPECT_TRUE(ribbon.rect().contains(inRibbon)) << id;
        EXPECT_TRUE(element->isVisible()) << id;
    }
    EXPECT_TRUE(ribbon.rect().contains(
        QRect(ribbon.AboutButton()->mapTo(&ribbon, QPoint(0, 0)), ribbon.AboutButton()->size())));
}

}  // namespace
}  // namespace lumora::testing
