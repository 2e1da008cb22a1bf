#pragma once

#include <QString>

#include "designer/document_session.h"
#include "model/user_messages.h"

namespace lumora::shell {

// Every modal question and box the shell shows; the designer shows real boxes and file
// dialogs, tests answer from a script.
class ShellDialogs : public SessionPrompts, public UserMessages {
  public:
    // A box with one OK button and no warning, for the panes' notices.
    virtual void ShowNotice(const QString& text) = 0;
};

}  // namespace lumora::shell
