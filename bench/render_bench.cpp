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

// A design built first (base before members), then its current form rendered once.
struct Design {
    explicit Design(bool large) {
        if (large) {
            bench::BuildLargeApplication(doc);
        } else {
            StartNewApplication(doc);
        }
    }
    CLumoraDoc doc;
};

struct RenderedDesign : Design {
    explicit RenderedDesign(bool large = false) : Design(large), screen(doc.appColors) {
        RenderForm(doc, screen, messages);
    }
    TileScreen screen;
    NoMessages messages;
    const GlyphSheet sheet{BuiltInFont()};
    ScreenCompositor compositor;
};

void BM_RenderForm(benchmark::State& state, bool large) {
    RenderedDesign design(large);
    for (auto _ : state) {
        RenderForm(design.doc, design.screen, design.messages);
        benchmark::DoNotOptimize(design.screen.tileGlyphs.data());
    }
}
BENCHMARK_CAPTURE(BM_RenderForm, NewApplication, false);
BENCHMARK_CAPTURE(BM_RenderForm, LargeApplication, true);

// The whole screen composed from scratch, at full (0) or half (1) size.
void BM_ComposeWholeScreen(benchmark::State& state) {
    RenderedDesign design;
    const bool half = state.range(0) != 0;
    for (auto _ : state) {
        design.compositor.Invalidate();
        benchmark::DoNotOptimize(
            design.compositor.Compose(design.screen, design.sheet, half).pixels.data());
    }
}
BENCHMARK(BM_ComposeWholeScreen)->Arg(0)->Arg(1);

// One character changed (two tiles) between compositions.
void BM_ComposeAfterOneCharacter(benchmark::State& state) {
    RenderedDesign design;
    const bool half = state.range(0) != 0;
    design.compositor.Compose(design.screen, design.sheet, half);
    int flip = 0;
    for (auto _ : state) {
        design.screen.cursorRow = 20;
        design.screen.cursorCol = 20;
        design.screen.PutChar((flip ^= 1) != 0 ? 'A' : 'B');
        benchmark::DoNotOptimize(
            design.compositor.Compose(design.screen, design.sheet, half).pixels.data());
    }
}
BENCHMARK(BM_ComposeAfterOneCharacter)->Arg(0)->Arg(1);

// A re-render after a one-component change followed by composition, as the designer repaints.
void BM_RenderAndComposeAfterEdit(benchmark::State& state) {
    RenderedDesign design;
    design.compositor.Compose(design.screen, design.sheet, false);
    CLmComponent& button = *design.doc.currentForm->components.front();
    int flip = 0;
    for (auto _ : state) {
        button.caption = (flip ^= 1) != 0 ? u"OK" : u"No";
        RenderForm(design.doc, design.screen, design.messages);
        benchmark::DoNotOptimize(
            design.compositor.Compose(design.screen, design.sheet, false).pixels.data());
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
