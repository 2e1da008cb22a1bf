#pragma once

#include <ostream>

#include "model/output_sink.h"
#include "model/text_encoding.h"

namespace lumora::cli {

// The Output pane of the command line: its lines go to a stream.
class StreamOutput : public OutputSink {
  public:
    explicit StreamOutput(std::ostream& os) : os_(os) {}
    void ClearOutput() override {}
    void AddOutputLine(std::u16string_view line) override { os_ << ToUtf8(line) << '\n'; }
    void ScrollOutputToEnd() override {}

  private:
    std::ostream& os_;
};

}  // namespace lumora::cli
