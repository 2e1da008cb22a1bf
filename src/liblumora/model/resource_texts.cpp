#include "model/resource_texts.h"

#include <span>

#include "model/text_encoding.h"

namespace lumora::embedded {
extern const std::span<const unsigned char> runtimeTemplate;
extern const std::span<const unsigned char> vgaDriver;
extern const std::span<const unsigned char> mouseDriver;
extern const std::span<const unsigned char> numbersObject;
extern const std::span<const unsigned char> keyboardDriver;
}  // namespace lumora::embedded

namespace lumora {

namespace {

std::span<const unsigned char> ResourceBytes(ResourceId id) {
    switch (id) {
        case ResourceId::VgaDriver:
            return embedded::vgaDriver;
        case ResourceId::MouseDriver:
            return embedded::mouseDriver;
        case ResourceId::NumbersObject:
            return embedded::numbersObject;
        case ResourceId::KeyboardDriver:
            return embedded::keyboardDriver;
        case ResourceId::RuntimeTemplate:
            return embedded::runtimeTemplate;
    }
    return {};
}

}  // namespace

std::u16string LoadResourceText(ResourceId id) {
    return DecodeUtf16Le(ResourceBytes(id));
}

std::u16string RuntimeTemplateText() {
    std::u16string text = LoadResourceText(ResourceId::RuntimeTemplate);
    if (!text.empty()) {
        text.erase(0, 1);
    }
    return text;
}

}  // namespace lumora
