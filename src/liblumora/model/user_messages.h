#pragma once

#include <string_view>

namespace lumora {

// The modal warning box with one OK button and the application's title. The designer shows a
// real box; tests record; the command-line tool prints to stderr.
class UserMessages {
  public:
    virtual ~UserMessages() = default;
    virtual void ShowMessage(std::u16string_view text) = 0;
};

}  // namespace lumora
