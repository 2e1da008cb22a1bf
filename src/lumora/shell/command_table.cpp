#include "shell/command_table.h"

#include <QActionGroup>
#include <QKeySequence>
#include <QString>
#include <QWidget>

#include "designer/command_catalog.h"
#include "shell/icons.h"
#include "shell/qt_text.h"

namespace lumora::shell {

namespace {

QList<QKeySequence> Shortcuts(std::string_view names) {
    QList<QKeySequence> keys;
    const QString all = QString::fromLatin1(names.data(), static_cast<qsizetype>(names.size()));
    for (const QString& name : all.split(u';', Qt::SkipEmptyParts)) {
        keys.append(QKeySequence::fromString(name, QKeySequence::PortableText));
    }
    return keys;
}

}  // namespace

CommandTable::CommandTable(QWidget* owner) : QObject(owner) {
    // Radio commands show a radio mark in menus.
    auto* radios = new QActionGroup(this);
    radios->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const CommandInfo& info : CommandCatalog()) {
        auto* action = new QAction(ToQt(info.caption), owner);
        action->setObjectName(QStringLiteral("command-%1").arg(info.id));
        action->setData(info.id);
        action->setToolTip(ToQt(info.toolTip.empty() ? StripMnemonic(info.caption)
                                                     : std::u16string(info.toolTip)));
        action->setStatusTip(ToQt(info.statusTip));
        action->setWhatsThis(ToQt(info.statusTip));
        action->setShortcuts(Shortcuts(info.shortcuts));
        if (!info.icon.empty()) {
            action->setIcon(LumoraIcon(info.icon));
        }
        action->setCheckable(info.kind != CommandKind::Push);
        action->setEnabled(false);
        if (info.kind == CommandKind::Radio) {
            radios->addAction(action);
        }
        owner->addAction(action);
        const int id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { Run(id); });
        entries_[id] = Entry{action, {}, {}};
    }
}

QAction* CommandTable::command(int id) const {
    const auto it = entries_.find(id);
    return it == entries_.end() ? nullptr : it->second.action;
}

std::vector<int> CommandTable::Ids() const {
    std::vector<int> ids;
    for (const auto& [id, entry] : entries_) {
        ids.push_back(id);
    }
    return ids;
}

void CommandTable::SetHandler(int id, Handler handler, UpdateRule rule) {
    const auto it = entries_.find(id);
    if (it == entries_.end()) {
        return;
    }
    it->second.handler = std::move(handler);
    it->second.rule = std::move(rule);
    UpdateAll();
}

bool CommandTable::HasHandler(int id) const {
    const auto it = entries_.find(id);
    return it != entries_.end() && it->second.handler;
}

void CommandTable::UpdateAll() {
    for (auto& [id, entry] : entries_) {
        CommandState state{static_cast<bool>(entry.handler), entry.action->isChecked()};
        if (entry.handler && entry.rule) {
            state = entry.rule();
        }
        entry.action->setEnabled(state.enabled);
        if (entry.action->isCheckable()) {
            entry.action->setChecked(state.checked);
        }
    }
    emit updated();
}

void CommandTable::Run(int id) {
    const auto it = entries_.find(id);
    if (it == entries_.end() || !it->second.handler) {
        return;
    }
    // A handler may replace itself; run a copy.
    const Handler handler = it->second.handler;
    handler();
    UpdateAll();
}

}  // namespace lumora::shell
