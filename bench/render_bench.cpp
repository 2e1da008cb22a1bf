#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "large_application.h"
#include "model/document.h"
#include "model/new_application.h"
#include "model/user_messages.h"
#include "screen/form_renderer.h"
#include "screen/glyph_sheet.h"
#include "screen/rom_font.h"
#include "screen/screen_compositor.h"
#include "screen/tile_screen.h"

namespace {

using namespace lumora;

class NoMessages : public UserMessages {
  public:
    void ShowMessage(std::u16string_view) override {}
};

void BM_RenderFormNewApplication(benchmark::State& state) {
    CLumoraDoc doc;
    StartNewApplication(doc);
    TileScreen screen(doc.appColors);
    NoMessages messages;
    for (auto _ : state) {
        RenderForm(doc, screen, messages);
        benchmark::DoNotOptimize(screen.tileGlyphs.data());
    }
}
BENCHMARK(BM_RenderFormNewApplication);

void BM_RenderFormLargeApplication(benchmark::State& state) {
    CLumoraDoc doc;
    bench::BuildLargeApplication(doc);
    TileScreen screen(doc.appColors);
    NoMessages messages;
    for (auto _ : state) {
        RenderForm(doc, screen, messages);
        benchmark::DoNotOptimize(screen.tileGlyphs.data());
    }
}
BENCHMARK(BM_RenderFormLargeApplication);

// The whole screen composed from scratch, at full (0) or half (1) size.
void BM_ComposeWholeScreen(benchmark::State& state) {
    CLumoraDoc doc;
    StartNewApplication(doc);
    TileScreen screen(doc.appColors);
    NoMessages messages;
    RenderForm(doc, screen, messages);
    const GlyphSheet sheet(BuiltInFont());
    ScreenCompositor compositor;
    const bool half = state.range(0) != 0;
    for (auto _ : state) {
        compositor.Invalidate();
        benchmark::DoNotOptimize(compositor.Compose(screen, sheet, half).pixels.data());
    }
}
BENCHMARK(BM_ComposeWholeScreen)->Arg(0)->Arg(1);

// One character changed (two tiles) between compositions.
void BM_ComposeAfterOneCharacter(benchmark::State& state) {
    CLumoraDoc doc;
    StartNewApplication(doc);
    TileScreen screen(doc.appColors);
    NoMessages messages;
    RenderForm(doc, screen, messages);
    const GlyphSheet sheet(BuiltInFont());
    ScreenCompositor compositor;
    const bool half = state.range(0) != 0;
    compositor.Compose(screen, sheet, half);
    int flip = 0;
    for (auto _ : state) {
        screen.cursorRow = 20;
        screen.cursorCol = 20;
        screen.PutChar((flip ^= 1) != 0 ? 'A' : 'B');
        benchmark::DoNotOptimize(compositor.Compose(screen, sheet, half).pixels.data());
    }
}
BENCHMARK(BM_ComposeAfterOneCharacter)->Arg(0)->Arg(1);

// A re-render after a one-component change followed by composition, as the designer repaints.
void BM_RenderAndComposeAfterEdit(benchmark::State& state) {
    CLumoraDoc doc;
    StartNewApplication(doc);
    TileScreen screen(doc.appColors);
    NoMessages messages;
    const GlyphSheet sheet(BuiltInFont());
    ScreenCompositor compositor;
    RenderForm(doc, screen, messages);
    compositor.Compose(screen, sheet, false);
    CLmComponent& button = *doc.currentForm->components.front();
    int flip = 0;
    for (auto _ : state) {
        button.caption = (flip ^= 1) != 0 ? u"OK" : u"No";
        RenderForm(doc, screen, messages);
        benchmark::DoNotOptimize(compositor.Compose(screen, sheet, false).pixels.data());
    }
}
BENCHMARK(BM_RenderAndComposeAfterEdit);

// The memory's limit for this work: one plain copy of a 1024 x 768 x 4 byte buffer.
void BM_CopyScreenBuffer(benchmark::State& state) {
    std::vector<std::uint32_t> from(1024 * 768, 0x12345678u);
    std::vector<std::uint32_t> to(1024 * 768);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof from[0]);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyScreenBuffer);

}  // namespace
