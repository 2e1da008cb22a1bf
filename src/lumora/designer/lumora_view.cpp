#include "designer/lumora_view.h"

#include <algorithm>

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>

#include "designer/command_ids.h"
#include "designer/handler_code_editor.h"
#include "designer/home_commands.h"
#include "designer/view_printing.h"
#include "model/document.h"
#include "model/records.h"
#include "model/user_messages.h"
#include "screen/form_renderer.h"
#include "screen/rom_font.h"

namespace lumora::designer {

namespace {

const QColor kBackground(50, 180, 130);

// The document normally carries the frame's message box; a view without one stays silent.
class SilentMessages : public UserMessages {
  public:
    void ShowMessage(std::u16string_view) override {}
};

QImage Borrow(const PixelBuffer& buffer) {
    return QImage(reinterpret_cast<const uchar*>(buffer.pixels.data()), buffer.width, buffer.height,
                  static_cast<qsizetype>(buffer.width) * 4, QImage::Format_RGB32);
}

ViewKey ToViewKey(int key) {
    switch (key) {
        case Qt::Key_Left:
            return ViewKey::Left;
        case Qt::Key_Up:
            return ViewKey::Up;
        case Qt::Key_Right:
            return ViewKey::Right;
        case Qt::Key_Down:
            return ViewKey::Down;
        case Qt::Key_Delete:
            return ViewKey::Delete;
        default:
            return ViewKey::Other;
    }
}

}  // namespace

CLumoraView::CLumoraView(CLumoraDoc& doc, QWidget* parent)
    : QAbstractScrollArea(parent),
      doc_(doc),
      screen_(doc.appColors),
      sheet_(std::make_unique<GlyphSheet>(BuiltInFont())),
      plainEditor_(std::make_unique<PlainHandlerCodeEditor>()),
      editor_(plainEditor_.get()) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    // Every paint covers the whole viewport from the composed buffer: no erase in between.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->setSingleStep(kTileSize);
    verticalScrollBar()->setSingleStep(kTileSize);

    editMenu_ = new QMenu(QStringLiteral("Edit"), this);
    QAction* cut = editMenu_->addAction(QStringLiteral("Cu&t\tCtrl+X"));
    connect(cut, &QAction::triggered, this, [this] { RunCommand(cmd::kEditCut); });
    // Copy and Paste have no handler in the view, so they show disabled.
    editMenu_->addAction(QStringLiteral("&Copy\tCtrl+C"))->setEnabled(false);
    editMenu_->addAction(QStringLiteral("&Paste\tCtrl+V"))->setEnabled(false);
    commands_ = BuildCommands();
    UpdateScrollRanges();
}

CLumoraView::~CLumoraView() = default;

void CLumoraView::SetHandlerCodeEditor(HandlerCodeEditor* editor) {
    editor_ = editor != nullptr ? editor : plainEditor_.get();
}

void CLumoraView::SetRomFont(const RomFont& font) {
    sheet_ = std::make_unique<GlyphSheet>(font);
    compositor_.Invalidate();
    viewport()->update();
}

void CLumoraView::SetSelectionOutlineVisible(bool visible) {
    outlineVisible_ = visible;
    viewport()->update();
}

QPrinter& CLumoraView::Printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageOrientation(QPageLayout::Landscape);
    }
    return *printer_;
}

void CLumoraView::OnInitialUpdate() {
    // Rebuilt while the last component is still current, so that the Object View opens with
    // the form's components in sight; then the form itself is selected.
    doc_.RebuildObjectTree();
    doc_.currentComponent = nullptr;
    screenStale_ = true;
    compositor_.Invalidate();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    Perform(Refresh::Render | Refresh::RefillGrid);
}

void CLumoraView::Perform(Refresh refresh) {
    ViewResponse response;
    response.refresh = refresh;
    Perform(response);
}

void CLumoraView::Perform(const ViewResponse& response) {
    if (Includes(response.refresh, Refresh::Render)) {
        screenStale_ = true;
        RenderIfNeeded();
    }
    if (Includes(response.refresh, Refresh::RefillGrid)) {
        emit propertyGridRefillRequested();
    }
    // The extent follows whatever is shown now, so that nothing shown is out of reach.
    UpdateScrollRanges();
    viewport()->update();
    if (response.focusView) {
        setFocus(Qt::OtherFocusReason);
    }
    if (response.openCodeEditor) {
        OpenCodeEditor(response.handlerToShow);
    }
}

void CLumoraView::OpenCodeEditor(const std::u16string& handler) {
    std::optional<std::u16string> edited = editor_->Edit(this, doc_.customCode, handler);
    if (edited) {
        HandlerEditAccepted(doc_, std::move(*edited));
    }
}

void CLumoraView::RenderIfNeeded() {
    if (!screenStale_ || doc_.currentForm == nullptr) {
        return;
    }
    SilentMessages silent;
    UserMessages* messages = doc_.Messages();
    RenderForm(doc_, screen_, messages != nullptr ? *messages : silent);
    screenStale_ = false;
}

ContentPoint CLumoraView::ContentAt(const QPoint& client) const {
    return ToContent(client.x(), client.y(), horizontalScrollBar()->value(),
                     verticalScrollBar()->value());
}

void CLumoraView::UpdateScrollRanges() {
    const ViewExtent extent = ContentExtent(doc_);
    const QSize page = viewport()->size();
    horizontalScrollBar()->setPageStep(page.width());
    verticalScrollBar()->setPageStep(page.height());
    horizontalScrollBar()->setRange(0, std::max(0, extent.width - page.width()));
    verticalScrollBar()->setRange(0, std::max(0, extent.height - page.height()));
}

QImage CLumoraView::ContentImage() {
    if (!doc_.ready) {
        QImage blank(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
        blank.fill(kBackground);
        return blank;
    }
    if (doc_.currentForm != nullptr) {
        RenderIfNeeded();
        return Borrow(compositor_.Compose(screen_, *sheet_, state_.zoomHalf));
    }
    // The screen memory may point into a bitmap deleted here: render again before its next use.
    screenStale_ = true;
    const ViewExtent extent = ContentExtent(doc_);
    if (doc_.currentBitmap == nullptr || extent.width == 0 || extent.height == 0) {
        bitmapView_ = PixelBuffer{};
        return {};
    }
    bitmapView_ = ComposeBitmapView(*doc_.currentBitmap, doc_.appColors, screen_.palette,
                                    extent.width, extent.height);
    return Borrow(bitmapView_);
}

void CLumoraView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), kBackground);
    const QImage content = ContentImage();
    if (content.isNull()) {
        return;
    }
    const QPoint origin(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    painter.drawImage(origin, content);
    if (outlineVisible_ && doc_.ready && doc_.currentForm != nullptr) {
        DrawSelectionOutline(painter, origin);
    }
}

void CLumoraView::DrawSelectionOutline(QPainter& painter, QPoint origin) {
    const CLmForm& form = *doc_.currentForm;
    const TileRect rect = doc_.currentComponent != nullptr
                              ? ScreenRect(form, *doc_.currentComponent)
                              : ScreenRect(form);
    if (rect.width <= 0 || rect.height <= 0) {
        return;
    }
    const qint64 size = state_.zoomHalf ? kTileSize / 2 : kTileSize;
    // Bounded: positions from a file may lie anywhere.
    auto clamp = [](qint64 v) { return static_cast<int>(std::clamp<qint64>(v, -4096, 4096)); };
    const QRect box(QPoint(clamp(rect.column * size), clamp(rect.row * size)),
                    QPoint(clamp((rect.column + rect.width) * size) - 1,
                           clamp((rect.row + rect.height) * size) - 1));
    painter.save();
    painter.translate(origin);
    painter.setBrush(Qt::NoBrush);
    // A one-pixel pen outlines one pixel beyond a rectangle's right and bottom edges.
    const QRect outline = box.adjusted(0, 0, -1, -1);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(outline);
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawRect(outline);
    painter.restore();
}

void CLumoraView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}

void CLumoraView::mousePressEvent(QMouseEvent* event) {
    // Selection happens on release; a press only takes the keyboard focus.
    setFocus(Qt::MouseFocusReason);
    event->accept();
}

void CLumoraView::mouseReleaseEvent(QMouseEvent* event) {
    const ContentPoint point = ContentAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        Perform(LeftButtonReleased(doc_, state_, point));
    } else if (event->button() == Qt::RightButton) {
        ViewResponse response = RightButtonReleased(doc_, state_, point);
        const bool menu = response.showEditMenu;
        Perform(response);
        if (menu) {
            ShowEditMenu(event->globalPosition().toPoint());
        }
    }
    event->accept();
}

void CLumoraView::ShowEditMenu(const QPoint& globalPos) {
    editMenu_->actions().front()->setEnabled(doc_.currentForm != nullptr);
    editMenu_->popup(globalPos);
}

void CLumoraView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        LeftButtonDoubleClicked(state_);
    }
    event->accept();
}

void CLumoraView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint client = event->position().toPoint();
    emit pointerTextChanged(
        QString::fromStdU16String(PointerStatusText(doc_, client.x(), client.y())));
    QAbstractScrollArea::mouseMoveEvent(event);
}

void CLumoraView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Control) {
        ctrl_.Pressed(ClassifyCtrlKey(event->nativeVirtualKey(), event->nativeScanCode()));
    }
    // Arrows and Delete act on release; they must not scroll the view on the way down.
    if (ToViewKey(event->key()) != ViewKey::Other || event->key() == Qt::Key_Control) {
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CLumoraView::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Control) {
        ctrl_.Released(ClassifyCtrlKey(event->nativeVirtualKey(), event->nativeScanCode()));
        event->accept();
        return;
    }
    const ViewKey key = ToViewKey(event->key());
    // A held key repeats its press; the one release the key gets is the edit.
    if (key == ViewKey::Other || event->isAutoRepeat()) {
        QAbstractScrollArea::keyReleaseEvent(event);
        return;
    }
    const bool leftCtrl = ctrl_.LeftCtrlDown(event->modifiers().testFlag(Qt::ControlModifier));
    Perform(KeyReleased(doc_, key, leftCtrl));
    event->accept();
}

void CLumoraView::focusOutEvent(QFocusEvent* event) {
    ctrl_.LeftCtrlDown(false);  // a Ctrl released elsewhere must not stay down here
    QAbstractScrollArea::focusOutEvent(event);
}

// --- Commands -------------------------------------------------------------------------------

std::vector<ViewCommand> CLumoraView::BuildCommands() {
    const auto formCurrent = [this] { return doc_.currentForm != nullptr; };
    const auto always = [] { return true; };
    std::vector<ViewCommand> commands;
    for (int id = kFirstAddCommand; id <= kLastAddCommand; ++id) {
        commands.push_back(
            {id, [this, id] { Perform(AddComponentCommand(doc_, id)); }, formCurrent, {}});
    }
    commands.push_back({cmd::kEditCut, [this] { Perform(CutCommand(doc_)); }, formCurrent, {}});
    commands.push_back({cmd::kAddForm, [this] { Perform(AddFormCommand(doc_)); }, always, {}});
    commands.push_back({cmd::kAddBitmap,
                        [this] { AddBitmapCommand(); },
                        [this] { return static_cast<bool>(dialogs_.addBitmap); },
                        {}});
    commands.push_back({cmd::kSettings,
                        [this] { SettingsCommand(); },
                        [this] { return static_cast<bool>(dialogs_.settings); },
                        {}});
    commands.push_back({cmd::kColors,
                        [this] { ColorsCommand(); },
                        [this] { return static_cast<bool>(dialogs_.colors); },
                        {}});
    commands.push_back({cmd::kViewFormsHalf, [this] { Perform(ToggleHalfSize(state_)); },
                        formCurrent, [this] { return state_.zoomHalf; }});
    commands.push_back({cmd::kHandlerCode, [this] { HandlerCodeCommand(); }, always, {}});
    commands.push_back({cmd::kObjects,
                        [this] { dialogs_.objects(this, doc_); },
                        [this] { return static_cast<bool>(dialogs_.objects); },
                        {}});
    commands.push_back({cmd::kFilePrintSetup, [this] { PrintSetupCommand(); }, always, {}});
    commands.push_back({cmd::kFilePrint, [this] { PrintCommand(true); }, always, {}});
    commands.push_back({cmd::kFilePrintDirect, [this] { PrintCommand(false); }, always, {}});
    commands.push_back({cmd::kFilePrintPreview, [this] { PrintPreviewCommand(); }, always,
                        [this] { return !preview_.isNull(); }});
    return commands;
}

const ViewCommand* CLumoraView::FindCommand(int id) const {
    for (const ViewCommand& command : commands_) {
        if (command.id == id) {
            return &command;
        }
    }
    return nullptr;
}

bool CLumoraView::RunCommand(int id) {
    const ViewCommand* command = FindCommand(id);
    if (command == nullptr || !command->enabled()) {
        return false;
    }
    command->run();
    return true;
}

void CLumoraView::AddBitmapCommand() {
    std::optional<AddBitmapCheck> check = dialogs_.addBitmap(this, doc_);
    if (check) {
        Perform(AddBitmapAfterOk(doc_, *check));
    }
}

void CLumoraView::SettingsCommand() {
    if (dialogs_.settings(this, doc_)) {
        Perform(AfterSettingsOrColors(doc_));
    }
}

void CLumoraView::ColorsCommand() {
    if (dialogs_.colors(this, doc_)) {
        compositor_.Invalidate();
        Perform(AfterSettingsOrColors(doc_));
    }
}

void CLumoraView::HandlerCodeCommand() {
    std::optional<std::u16string> edited = editor_->Edit(this, doc_.customCode, {});
    if (edited) {
        Perform(HandlerCodeAccepted(doc_, std::move(*edited)));
    }
}

void CLumoraView::PrintCommand(bool askForPrinter) {
    if (preview_) {
        preview_->Print();
        return;
    }
    QPrinter& printer = Printer();
    if (askForPrinter) {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) {
            return;
        }
    } else if (QPrinterInfo::availablePrinters().isEmpty() && printer.outputFileName().isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Lumora"),
                             QStringLiteral("No printer is available."));
        return;
    }
    PrintContent(printer, ContentImage().copy());
}

void CLumoraView::PrintPreviewCommand() {
    if (preview_) {
        preview_->close();
        return;
    }
    preview_ = new PrintPreviewWindow(Printer(), ContentImage().copy(), this);
    preview_->show();
}

void CLumoraView::PrintSetupCommand() {
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}

}  // namespace lumora::designer
