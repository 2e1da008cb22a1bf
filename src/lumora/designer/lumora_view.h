#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

#include "designer/ctrl_keys.h"
#include "designer/home_dialogs.h"
#include "designer/view_input.h"
#include "designer/view_printing.h"
#include "screen/glyph_sheet.h"
#include "screen/screen_compositor.h"
#include "screen/tile_screen.h"

class QMenu;
class QPrinter;

namespace lumora {
class CLumoraDoc;
struct RomFont;
}  // namespace lumora

namespace lumora::designer {

class HandlerCodeEditor;

// One command the view handles, for the frame's command table: what it does, and its update
// rule (enabled, checked).
struct ViewCommand {
    int id = 0;
    std::function<void()> run;
    std::function<bool()> enabled;
    std::function<bool()> checked;  // empty: not a check command
};

// The designer's central area: the current form exactly as the Propeller draws it (or the
// current bitmap magnified for pixel editing), mouse and keyboard turned into core calls, and
// the Home and print commands. It owns the emulated screen memory; the document is the frame's.
class CLumoraView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit CLumoraView(CLumoraDoc& doc, QWidget* parent = nullptr);
    ~CLumoraView() override;

    // For every new or opened document: no component selected, the tree rebuilt, the form
    // rendered, the grid filled.
    void OnInitialUpdate();

    // Performs what a core call asks for (render, grid, repaint, focus, the code editor).
    void Perform(const ViewResponse& response);
    void Perform(Refresh refresh);

    // The commands 180..186, 57635, 190, 191, 192, 32782, 32786, 32791, 32793 and 57606..57609.
    const std::vector<ViewCommand>& Commands() const { return commands_; }
    // Runs a command by id as the frame would (only when its rule enables it).
    bool RunCommand(int id);
    const ViewCommand* FindCommand(int id) const;

    void SetHandlerCodeEditor(HandlerCodeEditor* editor);  // null: the plain editor
    void SetHomeDialogs(HomeDialogs dialogs) { dialogs_ = std::move(dialogs); }
    void SetRomFont(const RomFont& font);

    bool ZoomHalf() const { return state_.zoomHalf; }
    // A selection outline helps the user; screenshots compared with the chip's pixels hide it.
    void SetSelectionOutlineVisible(bool visible);
    // The "Edit" popup of the last right release; null before.
    QMenu* EditMenu() const { return editMenu_; }
    PrintPreviewWindow* PrintPreview() const { return preview_; }
    QPrinter& Printer();

    // What the view shows at content scale: the composed 1024 x 768 screen (the image borrows
    // the compositor's pixels until the next composition), or the bitmap editing view.
    QImage ContentImage();
    const TileScreen& Screen() const { return screen_; }

  signals:
    void propertyGridRefillRequested();
    void pointerTextChanged(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    std::vector<ViewCommand> BuildCommands();
    ContentPoint ContentAt(const QPoint& client) const;
    void UpdateScrollRanges();
    void RenderIfNeeded();
    void DrawSelectionOutline(QPainter& painter, QPoint origin);
    void ShowEditMenu(const QPoint& globalPos);
    void OpenCodeEditor(const std::u16string& handler);

    void AddBitmapCommand();
    void SettingsCommand();
    void ColorsCommand();
    void HandlerCodeCommand();
    void PrintCommand(bool askForPrinter);
    void PrintPreviewCommand();
    void PrintSetupCommand();

    CLumoraDoc& doc_;
    TileScreen screen_;
    std::unique_ptr<GlyphSheet> sheet_;
    ScreenCompositor compositor_;
    PixelBuffer bitmapView_;
    ViewState state_;
    LeftCtrlTracker ctrl_;
    bool screenStale_ = true;
    bool outlineVisible_ = true;
    HomeDialogs dialogs_;
    std::unique_ptr<HandlerCodeEditor> plainEditor_;
    HandlerCodeEditor* editor_ = nullptr;
    QMenu* editMenu_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    QPointer<PrintPreviewWindow> preview_;
    std::vector<ViewCommand> commands_;
};

}  // namespace lumora::designer
