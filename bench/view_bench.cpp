#include <benchmark/benchmark.h>

#include <QImage>

#include <cstring>
#include <vector>

#include "designer/view_input.h"
#include "model/document.h"
#include "model/new_application.h"
#include "model/records.h"
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

// What the designer view does for one arrow-key nudge of a component: the core call, the
// re-render, the composition of the changed tiles and the QImage the view paints, which only
// borrows the composed pixels.
void BM_ArrowNudgeToViewImage(benchmark::State& state) {
    CLumoraDoc doc;
    NoMessages messages;
    doc.AttachMessages(&messages);
    StartNewApplication(doc);
    doc.currentComponent = doc.currentForm->components.front().get();  // Button1
    TileScreen screen(doc.appColors);
    const GlyphSheet sheet(BuiltInFont());
    ScreenCompositor compositor;
    RenderForm(doc, screen, messages);
    compositor.Compose(screen, sheet, false);
    bool right = true;
    for (auto _ : state) {
        KeyReleased(doc, right ? ViewKey::Right : ViewKey::Left, false);
        right = !right;
        RenderForm(doc, screen, messages);
        const PixelBuffer& buffer = compositor.Compose(screen, sheet, false);
        const QImage image(reinterpret_cast<const uchar*>(buffer.pixels.data()), buffer.width,
                           buffer.height, static_cast<qsizetype>(buffer.width) * 4,
                           QImage::Format_RGB32);
        if (image.constBits() != reinterpret_cast<const uchar*>(buffer.pixels.data())) {
            state.SkipWithError("the view image copied the composed pixels");
            break;
        }
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ArrowNudgeToViewImage);

// The yardstick: one plain copy of the 1024 x 768 frame of 32-bit pixels.
void BM_CopyFrame(benchmark::State& state) {
    std::vector<std::uint32_t> from(1024 * 768, 0x12345678u);
    std::vector<std::uint32_t> to(1024 * 768);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof from[0]);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyFrame);

}  // namespace
