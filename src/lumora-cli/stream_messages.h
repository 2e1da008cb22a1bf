#pragma once

#include <ostream>

#include "model/text_encoding.h"
#include "model/user_messages.h"

namespace lumora::cli {

// The command line's message box: one line per message on the given stream.
class StreamMessages : public UserMessages {
  public:
    explicit StreamMessages(std::ostream& os) : os_(os) {}
    void ShowMessage(std::u16string_view text) override { os_ << ToUtf8(text) << '\n'; }

  private:
    std::ostream& os_;
};

}  // namespace lumora::cli
