#pragma once

#include "model/object_tree_sink.h"

namespace lumora::testing {

// Counts the rebuild requests an object tree pane would have received.
class RecordingObjectTree : public ObjectTreeSink {
  public:
    void RebuildObjectTree(const CLumoraDoc&) override { ++rebuilds; }
    int rebuilds = 0;
};

}  // namespace lumora::testing
