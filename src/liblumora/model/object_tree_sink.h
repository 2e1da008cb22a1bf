#pragma once

namespace lumora {

class CLumoraDoc;

// The object tree pane. The document asks it to refill itself whenever items are added,
// deleted or renamed; with no pane attached a rebuild does nothing.
class ObjectTreeSink {
  public:
    virtual ~ObjectTreeSink() = default;
    virtual void RebuildObjectTree(const CLumoraDoc& doc) = 0;
};

}  // namespace lumora
