#pragma once

#include <QAction>
#include <QObject>

#include <functional>
#include <map>
#include <vector>

#include "designer/command_state.h"

namespace lumora::shell {

// One QAction per command id, registered once from the command catalog and shown by the
// ribbon, the menus, the quick-access bar and the shortcuts alike. A command is enabled only
// once a handler is attached; its update rule then decides enabled and checked.
class CommandTable : public QObject {
    Q_OBJECT
  public:
    using Handler = std::function<void()>;
    using UpdateRule = std::function<CommandState()>;

    // The actions are added to the owner so that their shortcuts work in its whole window.
    explicit CommandTable(QWidget* owner);

    QAction* command(int id) const;
    std::vector<int> Ids() const;

    // Attaches what the command does; without a rule the command is always enabled.
    void SetHandler(int id, Handler handler, UpdateRule rule = {});
    bool HasHandler(int id) const;

    // Asks every command for its state, as before a menu shows and after every command.
    void UpdateAll();

  signals:
    void updated();

  private:
    struct Entry {
        QAction* action = nullptr;
        Handler handler;
        UpdateRule rule;
    };
    void Run(int id);

    std::map<int, Entry> entries_;
};

}  // namespace lumora::shell
