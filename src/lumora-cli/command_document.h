#pragma once

#include <ostream>

#include "model/document.h"
#include "stream_messages.h"

namespace lumora::cli {

// The document a command works on; its messages go to the given stream, one line each.
class CommandDocument : public CLumoraDoc {
  public:
    explicit CommandDocument(std::ostream& err) : messages_(err) { AttachMessages(&messages_); }
    ~CommandDocument() { AttachMessages(nullptr); }

  private:
    StreamMessages messages_;
};

}  // namespace lumora::cli
