#include "shell/ribbon_bar.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "designer/command_ids.h"
#include "shell/command_table.h"
#include "shell/icons.h"
#include "shell/ribbon_panel.h"

namespace lumora::shell {

namespace {

QToolButton* TabRowButton(QAction* action, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIconSize(QSize(16, 16));
    button->setProperty("commandId", action->data());
    return button;
}

}  // namespace

RibbonBar::RibbonBar(CommandTable& commands, QMenu* applicationMenu, QMenu* styleMenu,
                     QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("ribbonBar"));
    // The window may be narrower than the ribbon's natural width; the ribbon then compacts.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);

    auto* tabRow = new QHBoxLayout;
    tabRow->setSpacing(2);
    applicationButton_ = new QToolButton(this);
    applicationButton_->setObjectName(QStringLiteral("applicationButton"));
    applicationButton_->setText(QStringLiteral("File"));
    applicationButton_->setToolTip(QStringLiteral("File"));
    applicationButton_->setIcon(LumoraIcon("lumora"));
    applicationButton_->setIconSize(QSize(20, 20));
    applicationButton_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    applicationButton_->setPopupMode(QToolButton::InstantPopup);
    applicationButton_->setMenu(applicationMenu);
    applicationButton_->setFocusPolicy(Qt::NoFocus);
    tabRow->addWidget(applicationButton_);

    for (int id : {cmd::kFileNew, cmd::kFileOpen, cmd::kFileSave, cmd::kFilePrintDirect}) {
        QToolButton* button = TabRowButton(commands.command(id), this);
        quickAccess_.append(button);
        tabRow->addWidget(button);
    }
    tabRow->addSpacing(12);

    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("ribbonTabs"));
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    tabs_->setFocusPolicy(Qt::NoFocus);
    tabs_->addTab(QStringLiteral("&Home"));
    tabRow->addWidget(tabs_, 0, Qt::AlignBottom);
    tabRow->addStretch(1);

    styleButton_ = new QToolButton(this);
    styleButton_->setObjectName(QStringLiteral("styleButton"));
    styleButton_->setText(QStringLiteral("Style"));
    styleButton_->setToolTip(
        QStringLiteral("<b>Modify Visual Style</b><br>Choose one of the Office 2007 themes"));
    styleButton_->setStatusTip(QStringLiteral("Choose one of the Office 2007 themes"));
    styleButton_->setIcon(LumoraIcon("style"));
    styleButton_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    styleButton_->setPopupMode(QToolButton::InstantPopup);
    styleButton_->setAutoRaise(true);
    styleButton_->setFocusPolicy(Qt::NoFocus);
    styleButton_->setMenu(styleMenu);
    tabRow->addWidget(styleButton_);
    aboutButton_ = TabRowButton(commands.command(cmd::kAppAbout), this);
    tabRow->addWidget(aboutButton_);
    layout->addLayout(tabRow);

    pages_ = new QStackedWidget(this);
    homePage_ = BuildHomePage(commands);
    pages_->addWidget(homePage_);
    layout->addWidget(pages_);
    connect(tabs_, &QTabBar::currentChanged, pages_, &QStackedWidget::setCurrentIndex);
    setFixedHeight(sizeHint().height());
}

QWidget* RibbonBar::BuildHomePage(CommandTable& commands) {
    auto* page = new QWidget(this);
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(4);
    auto c = [&commands](int id) { return commands.command(id); };
    auto panel = [&](const QString& title) {
        auto* p = new RibbonPanel(title, page);
        panels_.append(p);
        row->addWidget(p);
        return p;
    };
    RibbonPanel* clipboard = panel(QStringLiteral("Clipboard"));
    clipboard->AddLarge(c(cmd::kEditPaste));
    clipboard->AddSmallColumn({c(cmd::kEditCut), c(cmd::kEditCopy), c(cmd::kEditSelectAll)});

    RibbonPanel* view = panel(QStringLiteral("View"));
    view->AddCheckColumn(
        {c(cmd::kViewStatusBar), c(cmd::kViewCaptionBar), c(cmd::kViewProperties)});
    view->AddCheckColumn({c(cmd::kViewObjectTree), c(cmd::kViewOutput), c(cmd::kViewFormsHalf)});

    RibbonPanel* application = panel(QStringLiteral("Application"));
    application->AddLarge(c(cmd::kAddForm));
    application->AddLarge(c(cmd::kAddBitmap));
    application->AddSmallColumn({c(cmd::kSettings), c(cmd::kColors), c(cmd::kHandlerCode)});
    application->AddSmallColumn({c(cmd::kObjects)});

    RibbonPanel* addToForm = panel(QStringLiteral("Add to Form"));
    addToForm->AddLarge(c(180));
    addToForm->AddSmallColumn({c(181), c(182), c(184)});
    addToForm->AddSmallColumn({c(183), c(185), c(186)});

    RibbonPanel* build = panel(QStringLiteral("Build"));
    build->AddLarge(c(cmd::kBuildApp));
    row->addStretch(1);
    return page;
}

QWidget* RibbonBar::ElementFor(int id) const {
    for (RibbonPanel* panel : panels_) {
        if (QWidget* element = panel->ElementFor(id)) {
            return element;
        }
    }
    return nullptr;
}

void RibbonBar::SetColors(const QColor& top, const QColor& bottom) {
    top_ = top;
    bottom_ = bottom;
    update();
}

void RibbonBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, top_.isValid() ? top_ : palette().window().color().lighter(110));
    gradient.setColorAt(1, bottom_.isValid() ? bottom_ : palette().window().color());
    painter.fillRect(rect(), gradient);
    painter.setPen(palette().mid().color());
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

void RibbonBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitToWidth();
}

void RibbonBar::FitToWidth() {
    for (RibbonPanel* panel : panels_) {
        panel->SetCompact(false);
    }
    if (homePage_->sizeHint().width() <= width()) {
        return;
    }
    for (RibbonPanel* panel : panels_) {
        panel->SetCompact(true);
    }
}

}  // namespace lumora::shell
