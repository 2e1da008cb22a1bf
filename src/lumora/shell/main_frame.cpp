#include "shell/main_frame.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QStackedLayout>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "designer/command_ids.h"
#include "designer/frame_texts.h"
#include "designer/tree_selection.h"
#include "model/document.h"
#include "objecttree/object_tree_pane.h"
#include "shell/application_menu.h"
#include "shell/caption_bar.h"
#include "shell/command_table.h"
#include "shell/icons.h"
#include "shell/key_tips.h"
#include "shell/output_pane.h"
#include "shell/qt_text.h"
#include "shell/ribbon_bar.h"
#include "shell/visual_styles.h"

namespace lumora::shell {

namespace {

constexpr int kIdleUpdateMs = 250;

bool IsDocumentFile(const QUrl& url) {
    return url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".lmd"));
}

}  // namespace

MainFrame::MainFrame(CLumoraDoc& doc, ShellDialogs& dialogs, const RecentFileList& recent,
                     QWidget* parent)
    : QMainWindow(parent), doc_(doc), dialogs_(dialogs) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(LumoraIcon("lumora"));
    setAcceptDrops(true);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);
    commands_ = new CommandTable(this);

    QMenu* applicationMenu = BuildApplicationMenu(*commands_, recent, this);
    QMenu* styleMenu = BuildStyleMenu(*commands_, this);
    ribbon_ = new RibbonBar(*commands_, applicationMenu, styleMenu, this);
    setMenuWidget(ribbon_);

    auto* middle = new QWidget(this);
    auto* middleLayout = new QVBoxLayout(middle);
    middleLayout->setContentsMargins(0, 0, 0, 0);
    middleLayout->setSpacing(0);
    captionBar_ = new CaptionBar(middle);
    middleLayout->addWidget(captionBar_);
    viewSlot_ = new QStackedLayout;
    middleLayout->addLayout(viewSlot_, 1);
    auto* emptyView = new QWidget(middle);
    emptyView->setObjectName(QStringLiteral("emptyView"));
    emptyView->setBackgroundRole(QPalette::Dark);
    emptyView->setAutoFillBackground(true);
    emptyView->setFocusPolicy(Qt::StrongFocus);
    SetCentralView(emptyView);
    setCentralWidget(middle);

    objectTree_ = new objecttree::ObjectTreePane(dialogs_, this);
    output_ = new OutputPane(dialogs_, this);
    auto* propertiesPlaceholder = new QWidget(this);
    objectViewDock_ = AddPane(kObjectViewPaneId, QStringLiteral("Object View"), "pane-object-view",
                              objectTree_, Qt::LeftDockWidgetArea);
    propertiesDock_ = AddPane(kPropertiesPaneId, QStringLiteral("Properties"), "pane-properties",
                              propertiesPlaceholder, Qt::RightDockWidgetArea);
    outputDock_ = AddPane(kOutputPaneId, QStringLiteral("Output"), "pane-output", output_,
                          Qt::BottomDockWidgetArea);
    resizeDocks({objectViewDock_, propertiesDock_}, {200, 200}, Qt::Horizontal);
    resizeDocks({outputDock_}, {100}, Qt::Vertical);
    connect(output_, &OutputPane::hideRequested, this, [this] {
        setFocus();
        outputDock_->hide();
        commands_->UpdateAll();
    });
    connect(objectTree_, &objecttree::ObjectTreePane::selectionChanged, this,
            [this](const QString& text) {
                const Refresh refresh = HandleTreeSelection(doc_, FromQt(text));
                if (refresh_) {
                    refresh_(refresh);
                }
            });

    BuildStatusBar();
    keyTips_ = new KeyTips(this);
    RegisterKeyTips();
    connect(captionBar_, &CaptionBar::closed, commands_, &CommandTable::UpdateAll);
    connect(commands_, &CommandTable::updated, this, &MainFrame::UpdateTitle);

    // Commands are asked for their state on idle too, as a framework asks them.
    idle_ = new QTimer(this);
    idle_->setInterval(kIdleUpdateMs);
    connect(idle_, &QTimer::timeout, commands_, &CommandTable::UpdateAll);
    idle_->start();
    resize(1280, 800);
}

MainFrame::~MainFrame() {
    // Children hidden while the window goes must not ask the half-destroyed frame for state.
    idle_->stop();
    for (QDockWidget* dock : {objectViewDock_, outputDock_, propertiesDock_}) {
        disconnect(dock, nullptr, this, nullptr);
    }
    disconnect(commands_, nullptr, this, nullptr);
    commands_->blockSignals(true);
}

QDockWidget* MainFrame::AddPane(int paneId, const QString& caption, const char* icon,
                                QWidget* content, Qt::DockWidgetArea area) {
    auto* dock = new QDockWidget(caption, this);
    dock->setObjectName(QStringLiteral("pane-%1").arg(paneId));
    dock->setWindowIcon(LumoraIcon(icon));
    dock->setAllowedAreas(Qt::AllDockWidgetAreas);
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                      QDockWidget::DockWidgetFloatable);
    dock->setWidget(content);
    dock->setMinimumSize(80, 60);
    addDockWidget(area, dock);
    connect(dock, &QDockWidget::visibilityChanged, this, [this] { commands_->UpdateAll(); });
    return dock;
}

void MainFrame::BuildStatusBar() {
    readyPane_ = new QLabel(QStringLiteral("Ready"), this);
    readyPane_->setObjectName(QStringLiteral("status-%1").arg(kStatusReadyPaneId));
    modePane_ = new QLabel(QStringLiteral("Edit Mode"), this);
    modePane_->setObjectName(QStringLiteral("status-%1").arg(kStatusModePaneId));
    statusBar()->addWidget(readyPane_, 1);
    statusBar()->addPermanentWidget(modePane_);
}

void MainFrame::RegisterKeyTips() {
    using L = KeyTips::Level;
    keyTips_->Add(L::TabRow, QStringLiteral("F"), ribbon_->ApplicationButton(),
                  [this] { ribbon_->ApplicationButton()->showMenu(); });
    keyTips_->Add(L::TabRow, QStringLiteral("H"), ribbon_->Tabs(), [this] {
        ribbon_->Tabs()->setCurrentIndex(0);
        keyTips_->Show(L::Home);
    });
    int number = 1;
    for (QToolButton* button : ribbon_->QuickAccess()) {
        QAction* action = button->defaultAction();
        keyTips_->Add(L::TabRow, QString::number(number++), button,
                      [action] { action->trigger(); });
    }
    QAction* about = command(cmd::kAppAbout);
    keyTips_->Add(L::TabRow, QStringLiteral("A"), ribbon_->AboutButton(),
                  [about] { about->trigger(); });
    const struct {
        int id;
        const char* key;
    } homeTips[] = {{cmd::kEditPaste, "V"},
                    {cmd::kEditCut, "X"},
                    {cmd::kEditCopy, "C"},
                    {cmd::kEditSelectAll, "A"}};
    for (const auto& tip : homeTips) {
        QAction* action = command(tip.id);
        keyTips_->Add(L::Home, QString::fromLatin1(tip.key), ribbon_->ElementFor(tip.id),
                      [action] { action->trigger(); });
    }
}

QAction* MainFrame::command(int id) const {
    return commands_->command(id);
}

QDockWidget* MainFrame::Pane(int paneId) const {
    switch (paneId) {
        case kObjectViewPaneId:
            return objectViewDock_;
        case kOutputPaneId:
            return outputDock_;
        case kPropertiesPaneId:
            return propertiesDock_;
        default:
            return nullptr;
    }
}

QLabel* MainFrame::StatusPane(int paneId) const {
    if (paneId == kStatusReadyPaneId) {
        return readyPane_;
    }
    return paneId == kStatusModePaneId ? modePane_ : nullptr;
}

void MainFrame::SetCentralView(QWidget* view) {
    if (view == nullptr || view == view_) {
        return;
    }
    QWidget* previous = view_;
    viewSlot_->addWidget(view);
    viewSlot_->setCurrentWidget(view);
    view_ = view;
    if (previous != nullptr) {
        viewSlot_->removeWidget(previous);
        previous->deleteLater();
    }
}

void MainFrame::SetPropertiesContent(QWidget* content) {
    if (content == nullptr) {
        return;
    }
    QWidget* previous = propertiesDock_->widget();
    propertiesDock_->setWidget(content);
    if (previous != nullptr && previous != content) {
        previous->deleteLater();
    }
}

void MainFrame::SetApplicationLook(int look) {
    look_ = look;
    ApplyVisualStyle(look);
    const VisualStyle style = VisualStyleFor(look);
    ribbon_->SetColors(style.ribbonTop, style.ribbonBottom);
    commands_->UpdateAll();
}

FrameStatus MainFrame::Status() const {
    FrameStatus status;
    status.statusBarVisible = !statusBar()->isHidden();
    status.captionBarVisible = !captionBar_->isHidden();
    status.propertiesVisible = !propertiesDock_->isHidden();
    status.objectTreeVisible = !objectViewDock_->isHidden();
    status.outputVisible = !outputDock_->isHidden();
    status.applicationLook = look_;
    return status;
}

void MainFrame::UpdateTitle() {
    // "[*]" is where Qt shows the modified mark.
    const QString title = ToQt(FrameTitle(doc_.Title() + u"[*]"));
    if (windowTitle() != title) {
        setWindowTitle(title);
    }
    setWindowModified(doc_.IsModified());
}

void MainFrame::closeEvent(QCloseEvent* event) {
    if (closeGuard_ && !closeGuard_()) {
        event->ignore();
        return;
    }
    emit closing();
    event->accept();
}

void MainFrame::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && IsDocumentFile(urls.front())) {
        event->acceptProposedAction();
    }
}

void MainFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !IsDocumentFile(urls.front())) {
        return;
    }
    event->acceptProposedAction();
    if (drop_) {
        // Opening asks questions; let the drag finish first.
        const QString path = urls.front().toLocalFile();
        QTimer::singleShot(0, this, [this, path] { drop_(path); });
    }
}

}  // namespace lumora::shell
