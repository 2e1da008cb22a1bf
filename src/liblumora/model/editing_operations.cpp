#include <algorithm>
#include <cstdint>

#include "model/document.h"
#include "model/text_encoding.h"

namespace lumora {

namespace {

constexpr int kScreenColumns = 64;
constexpr int kScreenRows = 48;

std::int32_t Length(const std::u16string& text) {
    return static_cast<std::int32_t>(std::min<std::size_t>(text.size(), INT32_MAX));
}

template <typename T>
void EraseOwned(std::vector<std::unique_ptr<T>>& list, const T* item) {
    auto it = std::find_if(list.begin(), list.end(),
                           [item](const std::unique_ptr<T>& p) { return p.get() == item; });
    if (it != list.end()) {
        list.erase(it);
    }
}

void StepUp(std::int32_t& value) {
    if (value < INT32_MAX) {
        ++value;
    }
}

// Bounds compare in 64 bits: positions and sizes come from files and may be anything.
constexpr std::int64_t Sum(std::int32_t a, std::int32_t b) {
    return static_cast<std::int64_t>(a) + b;
}

void NudgeComponent(CLmComponent& c, const CLmForm& form, ArrowKey key, bool resize) {
    if (resize) {
        const auto type = ComponentTypeFromCode(c.type);
        if (type != ComponentType::Button && type != ComponentType::GroupBox) {
            return;
        }
        switch (key) {
            case ArrowKey::Left:
                if (c.width > 3)
                    --c.width;
                break;
            case ArrowKey::Up:
                if (c.height > 3)
                    --c.height;
                break;
            case ArrowKey::Right:
                if (c.width < kScreenColumns)
                    StepUp(c.width);
                break;
            case ArrowKey::Down:
                if (c.height < kScreenRows)
                    StepUp(c.height);
                break;
        }
        return;
    }
    switch (key) {
        case ArrowKey::Left:
            if (c.left > 1)
                --c.left;
            break;
        case ArrowKey::Up:
            if (c.top > 1)
                --c.top;
            break;
        case ArrowKey::Right:
            if (Sum(c.left, c.width) < form.width)
                StepUp(c.left);
            break;
        case ArrowKey::Down:
            if (Sum(c.top, c.height) < form.height)
                StepUp(c.top);
            break;
    }
}

void NudgeForm(CLmForm& f, ArrowKey key, bool resize) {
    if (resize) {
        switch (key) {
            case ArrowKey::Left:
                if (f.width > 3 && f.width > Length(f.caption))
                    --f.width;
                break;
            case ArrowKey::Up:
                if (f.height > 3)
                    --f.height;
                break;
            case ArrowKey::Right:
                if (Sum(f.left, f.width) < kScreenColumns)
                    StepUp(f.width);
                break;
            case ArrowKey::Down:
                if (Sum(f.top, f.height) < kScreenRows)
                    StepUp(f.height);
                break;
        }
        return;
    }
    switch (key) {
        case ArrowKey::Left:
            if (f.left > 0)
                --f.left;
            break;
        case ArrowKey::Up:
            if (f.top > 1)
                --f.top;
            break;
        case ArrowKey::Right:
            if (Sum(f.left, f.width) < 62)
                StepUp(f.left);
            break;
        case ArrowKey::Down:
            if (Sum(f.top, f.height) < kScreenRows)
                StepUp(f.top);
            break;
    }
}

}  // namespace

void CLumoraDoc::AddForm() {
    forms.push_back(std::make_unique<CLmForm>());
    CLmForm* form = forms.back().get();
    formCounter = NextCounterValue(formCounter);
    form->name = u"Form" + DecimalText(formCounter);
    currentForm = form;
    currentComponent = nullptr;
    RebuildObjectTree();
    SetModifiedFlag(true);
}

void CLumoraDoc::AddComponent(AddTool tool) {
    if (currentForm == nullptr) {
        return;
    }
    const CLmBitmap* firstBitmap = bitmaps.empty() ? nullptr : bitmaps.front().get();
    if (tool == AddTool::Bitmap && firstBitmap == nullptr) {
        return;
    }
    const ComponentType type = ComponentTypeForTool(tool);
    auto component = std::make_unique<CLmComponent>();
    CLmComponent& c = *component;
    c.type = static_cast<std::int32_t>(type);
    c.textColor = 1;
    switch (tool) {
        case AddTool::Button:
            c.top = 3, c.left = 3, c.height = 4, c.width = 12;
            break;
        case AddTool::Text:
            c.top = 5, c.left = 5, c.height = 2, c.hotKeyIndex = 1;
            break;
        case AddTool::Bitmap:
            c.top = 9, c.left = 9;
            c.height = firstBitmap->heightTiles, c.width = firstBitmap->widthTiles;
            c.textColor = firstBitmap->color;
            break;
        case AddTool::OptionButton:
        case AddTool::CheckBox:
            c.top = 8, c.left = 8, c.height = 2;
            break;
        case AddTool::GroupBox:
            c.top = 3, c.left = 3, c.height = 8, c.width = 12, c.borderColor = 1;
            break;
        case AddTool::NumberEdit:
            c.top = 10, c.left = 10, c.height = 6, c.width = 2, c.maxValue = 99;
            break;
    }

    const auto slot = static_cast<std::size_t>(type);
    typeCounters[slot] = NextCounterValue(typeCounters[slot]);
    c.name = typeNames[slot] + DecimalText(typeCounters[slot]);

    switch (tool) {
        case AddTool::Bitmap:
            c.caption = firstBitmap->name;
            break;
        case AddTool::NumberEdit:
            break;
        case AddTool::Text:
            c.caption = c.name;
            c.width = Length(c.caption);
            break;
        case AddTool::OptionButton:
        case AddTool::CheckBox:
            c.caption = c.name;
            c.width = Length(c.name) + 4;
            break;
        case AddTool::Button:
        case AddTool::GroupBox:
            c.caption = c.name;
            break;
    }

    currentForm->components.push_back(std::move(component));
    currentComponent = &c;
    c.id = nextComponentId;
    nextComponentId = NextCounterValue(nextComponentId);
    RebuildObjectTree();
    SetModifiedFlag(true);
}

void CLumoraDoc::AddBitmap(std::int32_t widthTiles, std::int32_t heightTiles,
                           std::int32_t bitDepth) {
    // The dialog accepts 1..10 tiles each way; anything else would be a caller's fault.
    if (widthTiles < 1 || heightTiles < 1 || widthTiles > 64 || heightTiles > 48) {
        return;
    }
    bitmaps.push_back(std::make_unique<CLmBitmap>());
    CLmBitmap& bitmap = *bitmaps.back();
    bitmapCounter = NextCounterValue(bitmapCounter);
    bitmap.name = u"BitmapData" + DecimalText(bitmapCounter);
    bitmap.heightTiles = heightTiles;
    bitmap.bitDepth = bitDepth;
    bitmap.widthTiles = widthTiles;
    bitmap.color = 4;
    bitmap.tileCount = widthTiles * heightTiles;
    bitmap.tiles.assign(static_cast<std::size_t>(bitmap.tileCount), TileImage{});
    currentBitmap = &bitmap;
    RebuildObjectTree();
    SetModifiedFlag(true);
}

void CLumoraDoc::DeleteSelection() {
    if (currentForm == nullptr) {
        return;
    }
    if (currentComponent != nullptr) {
        EraseOwned(currentForm->components, currentComponent);
        currentComponent = nullptr;
        RebuildObjectTree();
        SetModifiedFlag(true);
        return;
    }
    if (currentForm->name == mainFormName) {
        ShowMessage(u"Cannot delete the main form");
        return;
    }
    if (forms.size() > 1) {
        EraseOwned(forms, currentForm);
        currentForm = forms.front().get();
        RebuildObjectTree();
        SetModifiedFlag(true);
        return;
    }
    ShowMessage(u"Cannot delete the last form");
}

void CLumoraDoc::DeleteCurrentBitmap() {
    if (currentBitmap == nullptr) {
        return;
    }
    if (currentBitmap->name == backgroundBitmapName) {
        ShowMessage(u"Cannot delete the background bitmap");
        return;
    }
    EraseOwned(bitmaps, currentBitmap);
    currentBitmap = bitmaps.empty() ? nullptr : bitmaps.front().get();
    RebuildObjectTree();
    SetModifiedFlag(true);
}

void CLumoraDoc::NudgeSelection(ArrowKey key, bool leftCtrlDown) {
    if (currentForm == nullptr) {
        return;
    }
    if (currentComponent != nullptr) {
        NudgeComponent(*currentComponent, *currentForm, key, leftCtrlDown);
    } else {
        NudgeForm(*currentForm, key, leftCtrlDown);
    }
    SetModifiedFlag(true);
}

void CLumoraDoc::SelectByName(std::u16string_view name) {
    for (const auto& form : forms) {
        if (form->name == name) {
            currentForm = form.get();
            currentComponent = nullptr;
            return;
        }
        for (const auto& component : form->components) {
            if (component->name == name) {
                currentForm = form.get();
                currentComponent = component.get();
                return;
            }
        }
    }
    // With duplicate bitmap names the last one wins, as the tree has always done.
    for (const auto& bitmap : bitmaps) {
        if (bitmap->name == name) {
            currentForm = nullptr;
            currentComponent = nullptr;
            currentBitmap = bitmap.get();
        }
    }
}

CLmBitmap* CLumoraDoc::FindBitmap(std::u16string_view name) const {
    for (const auto& bitmap : bitmaps) {
        if (bitmap->name == name) {
            return bitmap.get();
        }
    }
    return nullptr;
}

}  // namespace lumora
