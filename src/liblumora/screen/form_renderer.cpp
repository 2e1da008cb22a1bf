#include "screen/form_renderer.h"

#include <algorithm>
#include <string>

#include "model/component_type.h"
#include "model/document.h"
#include "model/records.h"
#include "model/user_messages.h"
#include "screen/number_edit_text.h"
#include "screen/tile_screen.h"

namespace lumora {

namespace {

constexpr std::int64_t kLastRow = kScreenRows - 1;
constexpr std::int64_t kLastColumn = kScreenColumns - 1;

// The target keeps captions as zero-terminated byte strings.
std::string CaptionBytes(std::u16string_view caption) {
    std::string bytes;
    for (const char16_t ch : caption) {
        const auto b = static_cast<char>(ch & 0xFF);
        if (b == 0) {
            break;
        }
        bytes.push_back(b);
    }
    return bytes;
}

void PrintBytes(TileScreen& screen, std::string_view bytes) {
    for (const char b : bytes) {
        if (screen.cursorCol > kLastColumn) {
            break;  // everything further is dropped
        }
        screen.PutChar(static_cast<unsigned char>(b));
    }
}

// The first of the row pairs start, start + 2, ... whose lower row is not above the screen.
std::int64_t FirstVisibleRowPair(std::int64_t start) {
    return start < -1 ? start + (-start / 2) * 2 : start;
}

// Column of a text centred in a width, with the runtime's truncating division.
std::int64_t CenteredColumn(std::int64_t left, std::int64_t width, std::size_t length) {
    return left + 1 + (width - 1 - static_cast<std::int64_t>(length)) / 2;
}

void HotKeyLetter(TileScreen& screen, const std::string& caption, std::int64_t index,
                  std::int64_t row, std::int64_t column, std::int64_t color) {
    if (index < 1 || index > static_cast<std::int64_t>(caption.size())) {
        return;
    }
    screen.cursorRow = row;
    screen.cursorCol = column;
    screen.cursorColor = color;
    screen.PutChar(static_cast<unsigned char>(caption[static_cast<std::size_t>(index - 1)]));
}

void DrawButton(TileScreen& screen, const CLmComponent& k, std::int64_t r, std::int64_t c) {
    FillBox(screen, k.textColor, r + 1, c + 1, std::int64_t{k.height} - 2,
            std::int64_t{k.width} - 2);
    DrawBoxBorder(screen, std::int64_t{k.borderColor} + 10, r, c, k.height, k.width);
    const std::string caption = CaptionBytes(k.caption);
    const std::int64_t row = r + 1 + (std::int64_t{k.height} - 4) / 2;
    const std::int64_t start = CenteredColumn(c, k.width, caption.size());
    screen.cursorRow = row;
    screen.cursorCol = start;
    screen.cursorColor = k.textColor;
    PrintBytes(screen, caption);
    HotKeyLetter(screen, caption, k.hotKeyIndex, row, start + k.hotKeyIndex - 1,
                 std::int64_t{k.textColor} + 1);
}

void DrawText(TileScreen& screen, const CLmComponent& k, std::int64_t r, std::int64_t c) {
    screen.cursorRow = r;
    screen.cursorCol = c;
    screen.cursorColor = k.textColor;
    PrintBytes(screen, CaptionBytes(k.caption));
}

void DrawGroupBox(TileScreen& screen, const CLmComponent& k, std::int64_t r, std::int64_t c) {
    DrawBoxBorder(screen, std::int64_t{k.borderColor} + 10, r + 1, c, k.height, k.width);
    screen.cursorRow = r;
    screen.cursorCol = c + 2;
    screen.cursorColor = k.textColor;
    screen.PutChar(32);
    PrintBytes(screen, CaptionBytes(k.caption));
    screen.PutChar(32);
}

void DrawMarkedCaption(TileScreen& screen, const CLmComponent& k, std::int64_t r, std::int64_t c,
                       char open, char mark, char close) {
    screen.cursorRow = r;
    screen.cursorCol = c;
    screen.cursorColor = k.textColor;
    const char marker[] = {open, k.value != 0 ? mark : ' ', close, ' '};
    PrintBytes(screen, std::string_view(marker, sizeof marker));
    const std::string caption = CaptionBytes(k.caption);
    PrintBytes(screen, caption);
    HotKeyLetter(screen, caption, k.hotKeyIndex, r, c + 3 + k.hotKeyIndex,
                 std::int64_t{k.textColor} + 1);
}

void DrawNumberEdit(TileScreen& screen, const CLmComponent& k, std::int64_t r, std::int64_t c) {
    screen.cursorColor = k.textColor;
    const std::int64_t first = std::max<std::int64_t>(c, 0);
    const std::int64_t last = std::min<std::int64_t>(c + k.width - 1, kLastColumn);
    for (std::int64_t column = first; column <= last; ++column) {
        screen.cursorRow = r;
        screen.cursorCol = column;
        screen.PutChar(4);  // up arrow
        screen.cursorRow = r + 4;
        screen.cursorCol = column;
        screen.PutChar(5);  // down arrow
    }
    screen.cursorRow = r + 2;
    screen.cursorCol = c;
    PrintBytes(screen, NumberEditText(k.value, k.width));
}

void DrawBitmapComponent(const CLumoraDoc& doc, TileScreen& screen, UserMessages& messages,
                         const CLmComponent& k, std::int64_t r, std::int64_t c) {
    const CLmBitmap* bitmap = doc.FindBitmap(k.caption);
    if (bitmap == nullptr) {
        messages.ShowMessage(kMissingBitmapMessage);
        return;
    }
    PlaceBitmap(screen, *bitmap, r, c, k.height, k.width, k.textColor);
}

void DrawComponent(const CLumoraDoc& doc, TileScreen& screen, UserMessages& messages,
                   const CLmComponent& k) {
    const std::int64_t r = screen.originRow + k.top;
    const std::int64_t c = screen.originCol + k.left;
    const auto type = ComponentTypeFromCode(k.type);
    if (!type) {
        return;
    }
    switch (*type) {
        case ComponentType::Button:
            DrawButton(screen, k, r, c);
            break;
        case ComponentType::Text:
            DrawText(screen, k, r, c);
            break;
        case ComponentType::GroupBox:
            DrawGroupBox(screen, k, r, c);
            break;
        case ComponentType::OptionButton:
            DrawMarkedCaption(screen, k, r, c, '(', 15, ')');
            break;
        case ComponentType::CheckBox:
            DrawMarkedCaption(screen, k, r, c, '[', 'X', ']');
            break;
        case ComponentType::Bitmap:
            DrawBitmapComponent(doc, screen, messages, k, r, c);
            break;
        case ComponentType::NumberEdit:
            DrawNumberEdit(screen, k, r, c);
            break;
    }
}

}  // namespace

void PrintString(TileScreen& screen, std::u16string_view text) {
    PrintBytes(screen, CaptionBytes(text));
}

void FillBox(TileScreen& screen, std::int64_t textColor, std::int64_t row, std::int64_t column,
             std::int64_t height, std::int64_t width) {
    screen.cursorColor = textColor;
    if (height <= 0 || width <= 0) {
        return;
    }
    // Character rows wholly above the screen or below it change nothing; neither do the
    // columns left of it, nor anything past column 63.
    const std::int64_t first = FirstVisibleRowPair(row);
    const std::int64_t last = std::min(row + height - 1, kLastRow);
    const std::int64_t skip = std::clamp<std::int64_t>(-column, 0, width);
    const std::int64_t count = std::min(width - skip, kScreenColumns - (column + skip));
    for (std::int64_t r = first; r <= last; r += 2) {
        screen.cursorRow = r;
        screen.cursorCol = column + skip;
        for (std::int64_t i = 0; i < count; ++i) {
            screen.PutChar(32);
        }
    }
}

void DrawBoxBorder(TileScreen& screen, std::int64_t colorSet, std::int64_t row, std::int64_t column,
                   std::int64_t height, std::int64_t width) {
    const std::int64_t right = column + width - 1;
    const std::int64_t bottom = row + height - 1;
    const std::int64_t edgeFirst = std::max<std::int64_t>(column + 1, 0);
    const std::int64_t edgeLast = std::min<std::int64_t>(right - 1, kLastColumn);
    // Corners are always written, so a box one tile wide or high still gets them.
    screen.SetGlyphTile(row, column, 0, colorSet);
    for (std::int64_t c = edgeFirst; c <= edgeLast; ++c) {
        screen.SetGlyphTile(row, c, 12, colorSet);
    }
    screen.SetGlyphTile(row, right, 8, colorSet);
    const std::int64_t sideFirst = std::max<std::int64_t>(row + 1, 0);
    const std::int64_t sideLast = std::min<std::int64_t>(bottom - 1, kLastRow);
    for (std::int64_t r = sideFirst; r <= sideLast; ++r) {
        screen.SetGlyphTile(r, column, 10, colorSet);
        screen.SetGlyphTile(r, right, 11, colorSet);
    }
    screen.SetGlyphTile(bottom, column, 1, colorSet);
    for (std::int64_t c = edgeFirst; c <= edgeLast; ++c) {
        screen.SetGlyphTile(bottom, c, 13, colorSet);
    }
    screen.SetGlyphTile(bottom, right, 9, colorSet);
}

void DarkenTile(TileScreen& screen, std::int64_t row, std::int64_t column) {
    if (!TileScreen::OnScreen(row, column)) {
        return;
    }
    const std::int32_t set = screen.tileColorSets[TileScreen::TileIndex(row, column)] & 63;
    if (set < kShadowColorOffset) {
        screen.SetColorSet(row, column, set + kShadowColorOffset);
    }
}

void DarkenShadow(TileScreen& screen, std::int64_t row, std::int64_t column, std::int64_t height,
                  std::int64_t width) {
    const std::int64_t first = FirstVisibleRowPair(row + 2);
    for (std::int64_t i = first; i <= std::min(row + height, kLastRow); i += 2) {
        DarkenTile(screen, i, column + width);
        DarkenTile(screen, i + 1, column + width);
        DarkenTile(screen, i, column + width + 1);
        DarkenTile(screen, i + 1, column + width + 1);
    }
    const std::int64_t kFirst = std::max<std::int64_t>(column + 2, 0);
    const std::int64_t kLast = std::min<std::int64_t>(column + width + 1, kLastColumn);
    for (std::int64_t k = kFirst; k <= kLast; ++k) {
        DarkenTile(screen, row + height, k);
        DarkenTile(screen, row + height + 1, k);
    }
}

void PlaceBitmap(TileScreen& screen, const CLmBitmap& bitmap, std::int64_t row, std::int64_t column,
                 std::int64_t height, std::int64_t width, std::int64_t textColor) {
    const std::int64_t set = bitmap.bitDepth == 1 ? 2 * textColor : textColor;
    const std::int64_t iFirst = std::max<std::int64_t>(0, -row);
    const std::int64_t iLast = std::min(height - 1, kLastRow - row);
    const std::int64_t jFirst = std::max<std::int64_t>(0, -column);
    const std::int64_t jLast = std::min(width - 1, kLastColumn - column);
    for (std::int64_t i = iFirst; i <= iLast; ++i) {
        for (std::int64_t j = jFirst; j <= jLast; ++j) {
            const std::int64_t image = i * width + j;
            // An image number the bitmap does not have (a size that does not match its
            // bitmap, from a damaged file) leaves the tile as it was.
            if (image >= static_cast<std::int64_t>(bitmap.tiles.size())) {
                continue;
            }
            screen.SetImageTile(row + i, column + j, {&bitmap, static_cast<std::int32_t>(image)},
                                set);
        }
    }
}

void TileBackground(TileScreen& screen, const CLumoraDoc& doc) {
    const CLmBitmap* bitmap = doc.FindBitmap(doc.backgroundBitmapName);
    if (bitmap == nullptr || bitmap->tiles.empty()) {
        // Nothing to tile with (only a damaged file gets here): blank the screen instead of
        // leaving the previous rendering.
        for (int r = 0; r < kScreenRows; ++r) {
            for (int c = 0; c < kScreenColumns; ++c) {
                screen.SetGlyphTile(r, c, 32, 0);
            }
        }
        return;
    }
    const std::int64_t h = bitmap->heightTiles;
    const std::int64_t w = bitmap->widthTiles;
    if (h <= 0 || w <= 0) {
        // As the runtime does: a size that would never advance fills with the first tile.
        for (int r = 0; r < kScreenRows; ++r) {
            for (int c = 0; c < kScreenColumns; ++c) {
                PlaceBitmap(screen, *bitmap, r, c, 1, 1, doc.backgroundBitmapColor);
            }
        }
        return;
    }
    // The bitmap placed again and again from the top-left corner, tile by tile; an image
    // number it does not have leaves the tile as it was, as in PlaceBitmap.
    const std::int64_t set = bitmap->bitDepth == 1 ? 2 * std::int64_t{doc.backgroundBitmapColor}
                                                   : doc.backgroundBitmapColor;
    const auto images = static_cast<std::int64_t>(bitmap->tiles.size());
    for (std::int64_t r = 0; r < kScreenRows; ++r) {
        const std::int64_t rowImage = (r % h) * w;
        for (std::int64_t c = 0; c < kScreenColumns; ++c) {
            const std::int64_t image = rowImage + c % w;
            if (image < images) {
                screen.SetImageTile(r, c, {bitmap, static_cast<std::int32_t>(image)}, set);
            }
        }
    }
}

void RenderForm(const CLumoraDoc& doc, TileScreen& screen, UserMessages& messages) {
    TileBackground(screen, doc);
    const CLmForm* form = doc.currentForm;
    if (form == nullptr) {
        return;
    }
    const std::int64_t top = form->top;
    const std::int64_t left = form->left;
    const std::int64_t height = form->height;
    const std::int64_t width = form->width;
    screen.originRow = top;
    screen.originCol = left;

    FillBox(screen, form->titleColor, top, left, 1, width);
    const std::string title = CaptionBytes(form->caption);
    screen.cursorRow = top;
    screen.cursorCol = CenteredColumn(left, width, title.size());
    screen.cursorColor = form->titleColor;
    PrintBytes(screen, title);
    FillBox(screen, form->backgroundColor, top + 3, left + 1, height - 4, width - 2);
    DrawBoxBorder(screen, std::int64_t{form->borderColor} + 10, top + 2, left, height - 2, width);
    DarkenShadow(screen, top, left, height, width);

    for (const auto& component : form->components) {
        if (component) {
            DrawComponent(doc, screen, messages, *component);
        }
    }
}

}  // namespace lumora
