#include "properties/app_colors_dialog.h"

#include <cstdint>

#include "model/document.h"

namespace lumora {

namespace {

constexpr std::array<std::u16string_view, kTextColorSetCount> kTextLabels = {
    u"Text Color #0", u"Text Color #1", u"Text Color #2", u"Text Color #3", u"Text Color #4"};
constexpr std::array<std::u16string_view, kTextColorSetCount> kTextMeanings = {
    u"Normally used for Form Titlebar Text", u"Normally used for Form Text",
    u"Normally used for Highlighted (or \"hot\") Form Text", u"Extra",
    u"Normally used for 1-bit background bitmap"};
constexpr std::array<std::u16string_view, kGraphicsColorSetCount> kGraphicsLabels = {
    u"Graphics Color #0", u"Graphics Color #1", u"Graphics Color #2",
    u"Graphics Color #3", u"Graphics Color #4", u"Graphics Color #5"};
constexpr std::array<std::u16string_view, kGraphicsColorSetCount> kGraphicsMeanings = {
    u"Button-Up colors",
    u"Button-Down colors",
    u"Extra",
    u"Extra",
    u"Window Border Graphics",
    u"Extra"};

std::array<ColorButtonSlot, kColorButtonCount> BuildSlots() {
    std::array<ColorButtonSlot, kColorButtonCount> slots{};
    std::size_t i = 0;
    for (int t = 0; t < kTextColorSetCount; ++t) {
        for (int p = 0; p < 2; ++p) {
            slots[i++] = {kTextColorButtonIds[t][p], true, t, p};
        }
    }
    for (int g = 0; g < kGraphicsColorSetCount; ++g) {
        for (int p = 0; p < 4; ++p) {
            slots[i++] = {kGraphicsColorButtonIds[g][p], false, g, p};
        }
    }
    return slots;
}

// Which byte of which long a button shows: a text set shows bytes 3 and 2 of long 2t.
std::size_t LongOf(const ColorButtonSlot& slot) {
    return static_cast<std::size_t>(slot.textSet ? 2 * slot.set
                                                 : kFirstGraphicsColorLong + slot.set);
}

int ByteOf(const ColorButtonSlot& slot) {
    return 3 - slot.position;
}

int ClampIndex(int index) {
    return index < 0 ? 0 : (index >= kPaletteSize ? kPaletteSize - 1 : index);
}

PropellerColor ByteOfIndex(int index) {
    return static_cast<PropellerColor>(ClampIndex(index) << 2);
}

}  // namespace

const std::array<ColorButtonSlot, kColorButtonCount>& ColorButtonSlots() {
    static const std::array<ColorButtonSlot, kColorButtonCount> slots = BuildSlots();
    return slots;
}

std::u16string_view TextColorSetLabel(int set) {
    return kTextLabels.at(static_cast<std::size_t>(set));
}
std::u16string_view TextColorSetMeaning(int set) {
    return kTextMeanings.at(static_cast<std::size_t>(set));
}
std::u16string_view GraphicsColorSetLabel(int set) {
    return kGraphicsLabels.at(static_cast<std::size_t>(set));
}
std::u16string_view GraphicsColorSetMeaning(int set) {
    return kGraphicsMeanings.at(static_cast<std::size_t>(set));
}

ColorButtonChoices OpenAppColors(const CLumoraDoc& doc) {
    ColorButtonChoices choices{};
    const auto& slots = ColorButtonSlots();
    for (std::size_t i = 0; i < slots.size(); ++i) {
        choices[i] = ColorByte(doc.appColors[LongOf(slots[i])], ByteOf(slots[i])) >> 2;
    }
    return choices;
}

Refresh ApplyAppColors(CLumoraDoc& doc, const ColorButtonChoices& opened,
                       const ColorButtonChoices& chosen) {
    const auto& slots = ColorButtonSlots();
    const ColorTable before = doc.appColors;
    std::array<bool, kTextColorSetCount> textChanged{};
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (ClampIndex(chosen[i]) == ClampIndex(opened[i])) {
            continue;
        }
        const ColorButtonSlot& slot = slots[i];
        if (slot.textSet) {
            textChanged[static_cast<std::size_t>(slot.set)] = true;
            continue;
        }
        std::uint32_t& colorLong = doc.appColors[LongOf(slot)];
        const int shift = 8 * ByteOf(slot);
        colorLong = (colorLong & ~(std::uint32_t{0xFF} << shift)) |
                    (std::uint32_t{ByteOfIndex(chosen[i])} << shift);
    }
    for (int t = 0; t < kTextColorSetCount; ++t) {
        if (!textChanged[static_cast<std::size_t>(t)]) {
            continue;
        }
        // An unchanged side keeps its byte as stored.
        TextColorSet set = ReadTextColorSet(before, t);
        const std::size_t fg = static_cast<std::size_t>(2 * t);
        if (ClampIndex(chosen[fg]) != ClampIndex(opened[fg])) {
            set.foreground = ByteOfIndex(chosen[fg]);
        }
        if (ClampIndex(chosen[fg + 1]) != ClampIndex(opened[fg + 1])) {
            set.background = ByteOfIndex(chosen[fg + 1]);
        }
        WriteTextColorSet(doc.appColors, t, set);
    }
    if (doc.appColors != before) {
        doc.DeriveShadowColors();
        doc.SetModifiedFlag(true);
    }
    return doc.currentForm != nullptr ? Refresh::Render : Refresh::Repaint;
}

}  // namespace lumora
