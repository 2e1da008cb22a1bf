#pragma once

#include <cstdint>
#include <string>

#include "properties/refresh.h"

namespace lumora {

class CLumoraDoc;

inline constexpr std::int32_t kFewestBitmapTiles = 1;
inline constexpr std::int32_t kMostBitmapTiles = 10;

// The values of the "Add Bitmap to Application" dialog: the two fields as typed, and the type
// (0 = 1-bit, 1 = 2-bit).
struct AddBitmapValues {
    std::u16string widthText = u"1";
    std::u16string heightText = u"1";
    int bitmapType = 0;
};

// The designer edits only 1-bit pixels, so the "2-Bit Bitmap" button is shown disabled.
constexpr bool IsBitmapTypeChoosable(int bitmapType) {
    return bitmapType == 0;
}

enum class AddBitmapField { None, Width, Height };

struct AddBitmapCheck {
    bool accepted = false;
    AddBitmapField focus = AddBitmapField::None;  // the field to put the focus in when refused
    std::int32_t widthTiles = 0;
    std::int32_t heightTiles = 0;
    std::int32_t bitDepth = 1;
};

// The dialog's OK: width first, then height, each a whole number from 1 to 10. The first
// failure is shown through the document's messages and the dialog stays open.
AddBitmapCheck CheckAddBitmapValues(const CLumoraDoc& doc, const AddBitmapValues& values);

// What the command does after OK: the document adds the bitmap (it becomes the current bitmap;
// a current form stays current) and the tree is rebuilt. Returns the view's refresh.
Refresh AddBitmapAfterOk(CLumoraDoc& doc, const AddBitmapCheck& check);

}  // namespace lumora
