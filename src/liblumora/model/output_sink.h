#pragma once

#include <string_view>

namespace lumora {

// The Output pane: build progress and results, one line at a time.
class OutputSink {
  public:
    virtual ~OutputSink() = default;
    virtual void ClearOutput() = 0;
    virtual void AddOutputLine(std::u16string_view line) = 0;
    virtual void ScrollOutputToEnd() = 0;
};

}  // namespace lumora
