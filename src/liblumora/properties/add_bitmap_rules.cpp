#include "properties/add_bitmap_rules.h"

#include <optional>

#include "model/document.h"
#include "model/text_encoding.h"
#include "properties/integer_text.h"

namespace lumora {

namespace {

std::u16string RangeMessage() {
    std::u16string message = u"Enter an integer between %1 and %2.";
    message.replace(message.find(u"%1"), 2, DecimalText(kFewestBitmapTiles));
    message.replace(message.find(u"%2"), 2, DecimalText(kMostBitmapTiles));
    return message;
}

// Shows the field's message and returns nothing when it does not hold a tile count.
std::optional<std::int32_t> ReadTileCount(const CLumoraDoc& doc, const std::u16string& text) {
    const std::optional<std::int32_t> number = ReadWholeNumber(text);
    if (!number) {
        doc.ShowMessage(u"Enter an integer.");
        return std::nullopt;
    }
    if (*number < kFewestBitmapTiles || *number > kMostBitmapTiles) {
        doc.ShowMessage(RangeMessage());
        return std::nullopt;
    }
    return number;
}

}  // namespace

AddBitmapCheck CheckAddBitmapValues(const CLumoraDoc& doc, const AddBitmapValues& values) {
    AddBitmapCheck check;
    const std::optional<std::int32_t> width = ReadTileCount(doc, values.widthText);
    if (!width) {
        check.focus = AddBitmapField::Width;
        return check;
    }
    const std::optional<std::int32_t> height = ReadTileCount(doc, values.heightText);
    if (!height) {
        check.focus = AddBitmapField::Height;
        return check;
    }
    check.accepted = true;
    check.widthTiles = *width;
    check.heightTiles = *height;
    // A type the dialog cannot offer is read as the one it can.
    check.bitDepth = (values.bitmapType == 1 && IsBitmapTypeChoosable(1)) ? 2 : 1;
    return check;
}

Refresh AddBitmapAfterOk(CLumoraDoc& doc, const AddBitmapCheck& check) {
    if (!check.accepted) {
        return Refresh::None;
    }
    doc.AddBitmap(check.widthTiles, check.heightTiles, check.bitDepth);
    doc.RebuildObjectTree();
    return Refresh::Repaint;
}

}  // namespace lumora
