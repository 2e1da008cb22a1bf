#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/user_messages.h"

namespace lumora::testing {

// Stands in for the modal message box: keeps every text it was asked to show.
class RecordingMessages : public UserMessages {
  public:
    void ShowMessage(std::u16string_view text) override { shown.emplace_back(text); }
    std::vector<std::u16string> shown;
};

}  // namespace lumora::testing
