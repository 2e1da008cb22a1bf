#pragma once

#include <QPointer>
#include <QWidget>

#include "shell/shell_dialogs.h"

namespace lumora::shell {

// The real boxes and file dialogs, modal on the main window.
class BoxDialogs : public ShellDialogs {
  public:
    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowMessage(std::u16string_view text) override;
    void ShowNotice(const QString& text) override;
    SaveAnswer AskSaveChanges(std::u16string_view question) override;
    std::optional<std::filesystem::path> AskOpenPath() override;
    std::optional<std::filesystem::path> AskSavePath(std::u16string_view suggested) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace lumora::shell
