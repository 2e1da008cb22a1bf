#include "model/new_application.h"

#include <array>

#include "model/document.h"
#include "model/resource_texts.h"

namespace lumora {

namespace {

constexpr std::u16string_view kDefaultCustomCode =
    u"'Custom Spin Code Starts Here\r\n"
    u"PUB OnAppStarting 'This routine is called at startup, you can initialize any special "
    u"objects or data here\r\n"
    u"return\r\n\r\n"
    u"PUB IdleProcess 'This routine is called very often while waiting for mouse or keyboard "
    u"input\r\n"
    u"  'Be careful with what you add here.  Code that takes time may slow system "
    u"responsiveness\r\n"
    u"return\r\n\r\n";

constexpr std::array<std::uint32_t, 16> kDefaultColors = {
    0xF004F004, 0xF0F00404, 0x00A800A8, 0x0000A8A8, 0x80A880A8, 0x8080A8A8, 0x00F800F8, 0x0000F8F8,
    0x08A808A8, 0x0808A8A8, 0xFC54A8A8, 0x54FCA8A8, 0xFC54FFA8, 0x54FCFFA8, 0x0404A8A8, 0x08A808A8};

struct BuiltInObject {
    std::u16string_view name;
    std::u16string_view fileStem;
    ResourceId resource;
};

constexpr std::array<BuiltInObject, 4> kBuiltInObjects = {{
    {u"vga", u"VGA_1024x768_Tile_Driver_With_Cursor", ResourceId::VgaDriver},
    {u"mouse", u"mouse", ResourceId::MouseDriver},
    {u"num", u"numbers", ResourceId::NumbersObject},
    {u"kb", u"Keyboard", ResourceId::KeyboardDriver},
}};

std::int32_t Length(const std::u16string& text) {
    return static_cast<std::int32_t>(text.size());
}

}  // namespace

TileImage SampleTile() {
    TileImage tile;
    constexpr std::array<std::uint8_t, 16> kOddRows = {0, 0, 1, 1, 0, 0, 1, 1,
                                                       0, 0, 1, 1, 0, 0, 0, 0};
    constexpr std::array<std::uint8_t, 16> kEvenRows = {1, 1, 0, 0, 1, 1, 0, 0,
                                                        1, 1, 0, 0, 1, 1, 0, 0};
    for (int y = 0; y < TileImage::kSize; ++y) {
        // Rows 0, 1, 4, 5, ... carry the first pattern, rows 2, 3, 6, 7, ... the second.
        const auto& pattern = (y / 2) % 2 == 0 ? kOddRows : kEvenRows;
        for (int x = 0; x < TileImage::kSize; ++x) {
            tile.SetPixel(x, y, pattern[x]);
        }
    }
    return tile;
}

std::u16string_view DefaultCustomCode() {
    return kDefaultCustomCode;
}

bool StartNewApplication(CLumoraDoc& doc) {
    doc.SetTitle(kUntitledTitle);
    return doc.OnNewDocument();
}

bool CLumoraDoc::OnNewDocument() {
    DeleteContents();
    SetModifiedFlag(false);
    reserved1 = 0;
    reserved2 = 1;
    customCode = std::u16string(kDefaultCustomCode);
    LoadDefaultObjects();
    nextComponentId = 1000;
    CreateDefaultBitmap();
    CreateDefaultForms();
    mainFormName = currentForm->name;
    RebuildObjectTree();
    appColors.fill(0);
    std::copy(kDefaultColors.begin(), kDefaultColors.end(), appColors.begin());
    DeriveShadowColors();
    ready = true;
    reservedText.clear();
    reserved3 = 0;
    currentBitmap = nullptr;
    SetModifiedFlag(false);
    return true;
}

void CLumoraDoc::LoadDefaultObjects() {
    templateText = RuntimeTemplateText();
    for (const BuiltInObject& builtIn : kBuiltInObjects) {
        auto object = std::make_unique<CLmObject>();
        object->name = std::u16string(builtIn.name);
        object->fileName = std::u16string(builtIn.fileStem);
        object->fileStem = std::u16string(builtIn.fileStem);
        object->resourceId = static_cast<std::int32_t>(builtIn.resource);
        object->code = LoadResourceText(builtIn.resource);
        objects.push_back(std::move(object));
    }
}

void CLumoraDoc::CreateDefaultBitmap() {
    auto bitmap = std::make_unique<CLmBitmap>();
    bitmap->name = u"BitmapData1";
    bitmap->bitDepth = 1;
    bitmap->widthTiles = 1;
    bitmap->heightTiles = 1;
    bitmap->tileCount = 1;
    bitmap->color = 4;
    bitmap->tiles.push_back(SampleTile());
    backgroundBitmapColor = 4;
    bitmapCounter = 1;
    bitmaps.push_back(std::move(bitmap));
    backgroundBitmapName = u"BitmapData1";
}

void CLumoraDoc::CreateDefaultForms() {
    typeCounters.fill(0);
    formCounter = 0;
    AddForm();
    CLmForm& form = *currentForm;
    form.top = 5;
    form.left = 8;
    form.height = 30;
    form.width = 49;
    form.backgroundColor = 1;
    form.titleColor = 0;
    form.borderColor = 4;

    AddComponent(AddTool::Button);
    CLmComponent* c = currentComponent;
    c->caption = u"OK";
    c->top = 24, c->left = 18, c->height = 4, c->width = 10, c->textColor = 1;
    c->borderColor = 0, c->hotKeyIndex = 0, c->handler.clear();

    AddComponent(AddTool::GroupBox);
    c = currentComponent;
    c->caption = u"Welcome";
    c->top = 5, c->left = 4, c->height = 14, c->width = 25, c->textColor = 1;
    c->borderColor = 1;

    AddComponent(AddTool::Text);
    c = currentComponent;
    c->caption = u"To Lumora!";
    c->top = 10, c->left = 6, c->height = 2, c->width = Length(c->caption), c->textColor = 1;
    c->borderColor = 0, c->hotKeyIndex = 0;

    AddComponent(AddTool::OptionButton);
    c = currentComponent;
    c->caption = u"Test Option";
    c->top = 13, c->left = 7, c->height = 2, c->width = Length(c->caption) + 4, c->textColor = 1;
    c->value = 0, c->group = 0, c->hotKeyIndex = 0;

    AddComponent(AddTool::CheckBox);
    c = currentComponent;
    c->caption = u"Test Check Box";
    c->top = 16, c->left = 7, c->height = 2, c->width = Length(c->caption) + 4, c->textColor = 1;
    c->value = 0, c->hotKeyIndex = 0;

    AddComponent(AddTool::NumberEdit);
    c = currentComponent;
    c->caption.clear();
    c->top = 9, c->left = 37, c->height = 6, c->width = 4, c->textColor = 1;
    c->value = 123, c->maxValue = 3999, c->minValue = 0, c->group = 0, c->hotKeyIndex = 0;
}

}  // namespace lumora
