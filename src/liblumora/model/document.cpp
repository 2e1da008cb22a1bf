#include "model/document.h"

#include "model/object_tree_sink.h"
#include "model/user_messages.h"

namespace lumora {

CLumoraDoc::CLumoraDoc()
    : typeNames{u"",      u"Button", u"Text",   u"Group", u"Option",
                u"Check", u"Bitmap", u"Number", u"",      u""} {}

void CLumoraDoc::DeleteContents() {
    forms.clear();
    bitmaps.clear();
    objects.clear();
    // The selection is left to the caller, which always sets it next; clearing it here
    // keeps it from dangling in the meantime.
    currentForm = nullptr;
    currentComponent = nullptr;
    currentBitmap = nullptr;
}

void CLumoraDoc::SetTitle(std::u16string_view title) {
    constexpr std::u16string_view kExtension = u".lmd";
    if (title.size() >= kExtension.size() &&
        title.substr(title.size() - kExtension.size()) == kExtension) {
        appName = std::u16string(title.substr(0, title.size() - kExtension.size()));
    } else {
        appName = std::u16string(title);
    }
    title_ = std::u16string(title);
    RebuildObjectTree();
}

void CLumoraDoc::RebuildObjectTree() const {
    if (tree_ != nullptr) {
        tree_->RebuildObjectTree(*this);
    }
}

void CLumoraDoc::ShowMessage(std::u16string_view text) const {
    if (messages_ != nullptr) {
        messages_->ShowMessage(text);
    }
}

void CLumoraDoc::DeriveShadowColors() {
    for (int i = 0; i < kShadowColorOffset; ++i) {
        appColors[i + kShadowColorOffset] = ShadowColor(appColors[i]);
    }
}

std::int32_t NextCounterValue(std::int32_t counter) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(counter) + 1u);
}

}  // namespace lumora
