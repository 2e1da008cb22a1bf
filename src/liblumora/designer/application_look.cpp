#include "designer/application_look.h"

#include "designer/command_ids.h"

namespace lumora {

int ValidApplicationLook(long long stored) {
    if (stored < cmd::kLookFirst || stored > cmd::kLookLast) {
        return kDefaultApplicationLook;
    }
    return static_cast<int>(stored);
}

}  // namespace lumora
