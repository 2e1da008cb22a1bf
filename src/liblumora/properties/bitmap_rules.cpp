#include "model/document.h"
#include "model/records.h"
#include "properties/property_rules.h"

namespace lumora::rules {

PropertyChangeResult ChangeBitmapProperty(CLumoraDoc& doc, CLmBitmap& bitmap,
                                          const Change& change) {
    if (change.name == u"Color#") {
        // Only 1 is one bit deep; any other depth is drawn, and shown, as two bits.
        const RangeRule rule =
            bitmap.bitDepth == 1
                ? RangeRule{0, 4, u"1-Bit Bitmap color must be in the range from 0 to 4", false,
                            Refresh::Repaint}
                : RangeRule{0, 5, u"2-Bit Bitmap color must be in the range from 0 to 5", false,
                            Refresh::Repaint};
        return ChangeInRange(doc, bitmap.color, change, rule);
    }
    if (change.name == u"Name") {
        switch (CheckName(change.text, u"BitmapData")) {
            case NameCheck::MissingPrefix:
                return Rejected(doc, u"Bitmap name must begin with 'BitmapData'", bitmap.name,
                                true);
            case NameCheck::Whitespace:
                return Rejected(doc, u"Bitmap name may not contain whitespace", bitmap.name, true);
            case NameCheck::Ok:
                break;
        }
        if (doc.backgroundBitmapName == bitmap.name) {
            doc.backgroundBitmapName = std::u16string(change.text);
        }
        bitmap.name = std::u16string(change.text);
        doc.RebuildObjectTree();
        return Accepted(doc, Refresh::None);
    }
    return NoRule();
}

}  // namespace lumora::rules
