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
        return Rename(doc, bitmap.name, change,
                      {u"BitmapData", u"Bitmap name must begin with 'BitmapData'",
                       u"Bitmap name may not contain whitespace"},
                      &doc.backgroundBitmapName);
    }
    return NoRule();
}

}  // namespace lumora::rules
