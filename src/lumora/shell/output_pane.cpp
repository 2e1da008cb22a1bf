#include "shell/output_pane.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <QVBoxLayout>

#include "designer/command_ids.h"
#include "shell/qt_text.h"
#include "shell/shell_dialogs.h"

namespace lumora::shell {

OutputPane::OutputPane(ShellDialogs& dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tabs_ = new QTabWidget(this);
    tabs_->setDocumentMode(true);
    tabs_->setTabPosition(QTabWidget::South);
    list_ = new QListWidget(tabs_);
    list_->setObjectName(QStringLiteral("outputList"));
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setUniformItemSizes(true);
    tabs_->addTab(list_, QStringLiteral("Build"));
    layout->addWidget(tabs_);
    AddOutputLine(u"Build output is being displayed here.");

    menu_ = new QMenu(this);
    auto add = [this](int id, const QString& caption, auto slot) {
        QAction* action = menu_->addAction(caption);
        action->setData(id);
        connect(action, &QAction::triggered, this, slot);
    };
    // Copy and Clear only say what they would do; the list keeps its lines.
    add(cmd::kEditCopy, QStringLiteral("&Copy"),
        [this] { dialogs_.ShowNotice(QStringLiteral("Copy output")); });
    add(cmd::kEditClear, QStringLiteral("&Clear"),
        [this] { dialogs_.ShowNotice(QStringLiteral("Clear output")); });
    menu_->addSeparator();
    add(cmd::kOutputHide, QStringLiteral("&Hide"), [this] { emit hideRequested(); });

    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        menu_->exec(list_->viewport()->mapToGlobal(pos));
        list_->setFocus();
    });
    setFocusProxy(list_);
}

void OutputPane::ClearOutput() {
    list_->clear();
}

void OutputPane::AddOutputLine(std::u16string_view line) {
    list_->addItem(ToQt(line));
}

void OutputPane::ScrollOutputToEnd() {
    list_->scrollToBottom();
}

QStringList OutputPane::Lines() const {
    QStringList lines;
    for (int i = 0; i < list_->count(); ++i) {
        lines.append(list_->item(i)->text());
    }
    return lines;
}

QAction* OutputPane::ContextCommand(int id) const {
    for (QAction* action : menu_->actions()) {
        if (!action->isSeparator() && action->data().toInt() == id) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace lumora::shell
