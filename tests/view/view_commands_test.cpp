#include <QFile>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "designer/home_commands.h"
#include "model/archive_writer.h"
#include "run_cli.h"
#include "test_files.h"
#include "view_fixture.h"
#include "designer/view_printing.h"

namespace lumora {
namespace {

using testing::ViewTest;

bool Enabled(designer::CLumoraView& view, int id) {
    const designer::ViewCommand* command = view.FindCommand(id);
    return command != nullptr && command->enabled();
}

bool Checked(designer::CLumoraView& view, int id) {
    const designer::ViewCommand* command = view.FindCommand(id);
    return command != nullptr && command->checked && command->checked();
}

std::string SavedBytes(const CLumoraDoc& doc) {
    ArchiveWriter writer;
    doc.Serialize(writer);
    return writer.TakeBytes();
}

// Dialogs that are cancelled and count their openings.
designer::HomeDialogs CancellingDialogs(int& opened) {
    designer::HomeDialogs dialogs;
    dialogs.addBitmap = [&opened](QWidget*, CLumoraDoc&) -> std::optional<AddBitmapCheck> {
        ++opened;
        return std::nullopt;
    };
    dialogs.settings = [&opened](QWidget*, CLumoraDoc&) { return ++opened, false; };
    dialogs.colors = [&opened](QWidget*, CLumoraDoc&) { return ++opened, false; };
    dialogs.objects = [&opened](QWidget*, CLumoraDoc&) { ++opened; };
    return dialogs;
}

TEST_F(ViewTest, WithABitmapShownTheFormCommandsAreDisabled) {
    int opened = 0;
    view.SetHomeDialogs(CancellingDialogs(opened));
    const int formOnly[] = {180, 181, 182, 183, 184, 185, 186, 57635, 32786};
    const int always[] = {190, 191, 192, 32782, 32791, 32793, 57607, 57608, 57609};
    for (int id : formOnly) {
        EXPECT_TRUE(Enabled(view, id)) << id;
    }
    doc.SelectByName(u"BitmapData1");
    view.Perform(Refresh::Repaint);
    for (int id : formOnly) {
        EXPECT_FALSE(Enabled(view, id)) << id;
        EXPECT_FALSE(view.RunCommand(id)) << id;
    }
    for (int id : always) {
        EXPECT_TRUE(Enabled(view, id)) << id;
    }
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ViewTest, DialogCommandsStayDisabledUntilTheirDialogsExist) {
    for (int id : {191, 192, 32782, 32793}) {
        EXPECT_FALSE(Enabled(view, id)) << id;
    }
}

TEST_F(ViewTest, HalfSizeCheckFollowsTheFlagAndTheScreenShrinks) {
    EXPECT_FALSE(Checked(view, 32786));
    view.RunCommand(32786);
    EXPECT_TRUE(Checked(view, 32786));
    EXPECT_TRUE(view.ZoomHalf());
    const QImage half = Grab();
    EXPECT_EQ(half.pixel(600, 500), QColor(50, 180, 130).rgb());
    EXPECT_EQ(view.verticalScrollBar()->maximum(), 0);  // the range stays the full screen's
    view.resize(500, 300);
    EXPECT_EQ(view.horizontalScrollBar()->maximum() + view.viewport()->width(), 1024);
    view.RunCommand(32786);
    EXPECT_FALSE(Checked(view, 32786));
}

TEST_F(ViewTest, CancellingAnyDialogChangesNothing) {
    int opened = 0;
    view.SetHomeDialogs(CancellingDialogs(opened));
    const std::string bytes = SavedBytes(doc);
    const QImage screen = Grab();
    for (int id : {191, 192, 32782, 32791, 32793}) {
        EXPECT_TRUE(view.RunCommand(id)) << id;
    }
    EXPECT_EQ(opened, 4);
    EXPECT_EQ(editor.opened.size(), 1u);  // Handler Code, cancelled
    EXPECT_EQ(SavedBytes(doc), bytes);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Grab(), screen);
    EXPECT_EQ(gridFills, 0);
}

TEST_F(ViewTest, AcceptedDialogsRefreshTheScreen) {
    designer::HomeDialogs dialogs;
    dialogs.addBitmap = [](QWidget*, CLumoraDoc&) -> std::optional<AddBitmapCheck> {
        AddBitmapCheck check;
        check.accepted = true, check.widthTiles = 3, check.heightTiles = 2;
        return check;
    };
    dialogs.colors = [](QWidget*, CLumoraDoc& d) {
        d.appColors[2] = 0xFCFCFCFC;  // text colour 1, even codes: all white
        return true;
    };
    view.SetHomeDialogs(dialogs);
    const QImage before = Grab();
    view.RunCommand(32782);
    EXPECT_NE(Grab(), before);

    tree.rebuilds = 0;
    view.RunCommand(191);
    EXPECT_EQ(doc.bitmaps.size(), 2u);
    EXPECT_EQ(tree.rebuilds, 2);           // once by the document, once after the dialog
    EXPECT_EQ(doc.currentForm, &Form1());  // the form stays on the screen
}

TEST_F(ViewTest, AddCommandsAddSelectAndFocusTheView) {
    QWidget other;
    for (int id = 180; id <= 186; ++id) {
        ASSERT_TRUE(view.RunCommand(id)) << id;
        EXPECT_EQ(doc.currentComponent, Form1().components.back().get());
    }
    EXPECT_EQ(Form1().components.size(), 13u);
    EXPECT_EQ(gridFills, 7);
    QTest::keyClick(&view, Qt::Key_Right);  // acts on the newest one, a Number Edit
    EXPECT_EQ(Form1().components.back()->left, 11);
}

TEST_F(ViewTest, ExtentFollowsTheBitmapAndComesBackWithAddForm) {
    view.resize(200, 100);
    doc.AddBitmap(4, 2, 1);
    doc.SelectByName(doc.currentBitmap->name);
    view.Perform(Refresh::Repaint);
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 320 - view.viewport()->width());
    EXPECT_EQ(view.verticalScrollBar()->maximum(), 160 - view.viewport()->height());
    view.RunCommand(190);
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 1024 - view.viewport()->width());
    EXPECT_EQ(view.verticalScrollBar()->maximum(), 768 - view.viewport()->height());
}

// The window shows exactly what the chip shows: the view's pixels are lumora-cli render's.
TEST_F(ViewTest, GrabEqualsTheCommandLineRender) {
    testing::ScratchDir dir;
    view.RunCommand(182);
    view.RunCommand(184);
    const std::filesystem::path file = dir / "design.lmd";
    ASSERT_TRUE(doc.OnSaveDocument(file));
    view.SetSelectionOutlineVisible(false);
    for (const bool half : {false, true}) {
        if (view.ZoomHalf() != half) {
            view.RunCommand(32786);
        }
        const std::filesystem::path png = dir / (half ? "half.png" : "full.png");
        std::vector<std::string> args = {"render", file.string(), "--form",
                                         "Form1",  "-o",          png.string()};
        if (half) {
            args.push_back("--half");
        }
        const testing::CliResult result = testing::RunCli(args);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const QImage expected =
            QImage(QString::fromStdString(png.string())).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(expected.size(), QSize(1024, 768));
        EXPECT_TRUE(Grab() == expected) << (half ? "half size" : "full size");
    }
}

TEST_F(ViewTest, SelectionOutlineIsDrawnOverTheScreenOnly) {
    Click(Tile(30, 30));
    const QImage outlined = Grab();
    view.SetSelectionOutlineVisible(false);
    const QImage plain = Grab();
    // Button1 covers screen columns 26..35 and rows 29..32.
    const QRect box(26 * 16, 29 * 16, 10 * 16, 4 * 16);
    int differing = 0;
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 1024; ++x) {
            if (outlined.pixel(x, y) != plain.pixel(x, y)) {
                ++differing;
                const bool onBorder = box.contains(x, y) && (x == box.left() || x == box.right() ||
                                                             y == box.top() || y == box.bottom());
                EXPECT_TRUE(onBorder) << x << "," << y;
            }
        }
    }
    EXPECT_GT(differing, 0);
}

TEST(ViewPrintingTest, TheScreenFillsThePageKeepingItsProportions) {
    EXPECT_EQ(designer::PrintTarget(QRect(0, 0, 2000, 1000)), QRect(0, 0, 1333, 1000));
    EXPECT_EQ(designer::PrintTarget(QRect(0, 0, 1000, 2000)), QRect(0, 0, 1000, 750));
    EXPECT_EQ(designer::PrintTarget(QRect(0, 0, 2048, 1536)), QRect(0, 0, 2048, 1536));
    EXPECT_EQ(designer::PrintTarget(QRect(0, 0, 0, 100)).size(), QSize(0, 0));

    QImage content(1024, 768, QImage::Format_RGB32);
    content.fill(Qt::red);
    content.setPixel(1023, 767, qRgb(0, 0, 255));
    QImage page(2048, 2048, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        designer::PaintPage(painter, page.rect(), content);
    }
    EXPECT_EQ(page.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(page.pixel(2047, 1535), qRgb(0, 0, 255));
    EXPECT_EQ(page.pixel(10, 1536), qRgb(255, 255, 255));
}

TEST_F(ViewTest, QuickPrintAndThePreviewPrintTheView) {
    testing::ScratchDir dir;
    const QString pdf = QString::fromStdString((dir / "view.pdf").string());
    view.Printer().setOutputFormat(QPrinter::PdfFormat);
    view.Printer().setOutputFileName(pdf);
    ASSERT_TRUE(view.RunCommand(57608));
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printed.read(5) == "%PDF-");
    printed.close();
    QFile::remove(pdf);

    view.RunCommand(57609);
    ASSERT_NE(view.PrintPreview(), nullptr);
    EXPECT_TRUE(Checked(view, 57609));
    EXPECT_EQ(view.PrintPreview()->Preview()->pageCount(), 1);
    view.RunCommand(57607);  // while the preview shows, Print is the preview's own
    EXPECT_TRUE(QFile::exists(pdf));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(view.PrintPreview(), nullptr);
    EXPECT_FALSE(Checked(view, 57609));

    view.RunCommand(57609);
    ASSERT_NE(view.PrintPreview(), nullptr);
    view.RunCommand(57609);  // a second time closes it
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(view.PrintPreview(), nullptr);
}

}  // namespace
}  // namespace lumora
