#include <optional>
#include <ostream>
#include <string>

#include "command.h"
#include "command_document.h"
#include "design_source.h"
#include "model/document.h"
#include "model/text_encoding.h"
#include "png_writer.h"
#include "screen/form_renderer.h"
#include "screen/glyph_sheet.h"
#include "screen/rom_font.h"
#include "screen/screen_compositor.h"
#include "screen/tile_dump.h"
#include "screen/tile_screen.h"

namespace lumora::cli {

namespace {

constexpr const char* kUsage =
    "usage: lumora-cli render FILE|--new [--form NAME|--bitmap NAME] [--half] "
    "[--rom-font FILE] (-o OUT.png | --dump-tiles)\n";

// A bitmap view larger than this on a side is refused rather than allocated.
constexpr int kMaxBitmapViewSide = 8192;

struct Options {
    std::string source;
    std::optional<std::string> form;
    std::optional<std::string> bitmap;
    std::optional<std::string> romFont;
    std::optional<std::string> output;
    bool half = false;
    bool dumpTiles = false;
};

std::optional<Options> ParseOptions(std::span<const std::string> args, std::ostream& err) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::optional<std::string>& target) {
            if (i + 1 >= args.size() || target) {
                return false;
            }
            target = args[++i];
            return true;
        };
        bool ok = true;
        if (arg == "--form") {
            ok = value(options.form);
        } else if (arg == "--bitmap") {
            ok = value(options.bitmap);
        } else if (arg == "--rom-font") {
            ok = value(options.romFont);
        } else if (arg == "-o") {
            ok = value(options.output);
        } else if (arg == "--half") {
            options.half = true;
        } else if (arg == "--dump-tiles") {
            options.dumpTiles = true;
        } else if (options.source.empty() && (arg == "--new" || arg.rfind("-", 0) != 0)) {
            options.source = arg;
        } else {
            ok = false;
        }
        if (!ok) {
            err << "lumora-cli render: unexpected or incomplete argument '" << arg << "'\n";
            return std::nullopt;
        }
    }
    const char* problem = nullptr;
    if (options.source.empty()) {
        problem = "FILE or --new is required";
    } else if (options.form && options.bitmap) {
        problem = "--form and --bitmap exclude each other";
    } else if (options.output.has_value() == options.dumpTiles) {
        problem = "give exactly one of -o OUT.png and --dump-tiles";
    } else if (options.bitmap && (options.dumpTiles || options.half)) {
        problem = "--dump-tiles and --half apply to a form, not to --bitmap";
    }
    if (problem != nullptr) {
        err << "lumora-cli render: " << problem << "\n";
        return std::nullopt;
    }
    return options;
}

}  // namespace

int RunRender(std::span<const std::string> args, CommandIo& io) {
    const std::optional<Options> options = ParseOptions(args, io.err);
    if (!options) {
        io.err << kUsage;
        return kExitUsage;
    }
    CommandDocument doc(io.err);
    if (!LoadDesign(options->source, doc)) {
        return kExitRefused;
    }

    RomFont font = BuiltInFont();
    if (options->romFont) {
        std::string error;
        std::optional<RomFont> loaded = LoadRomFontFile(*options->romFont, error);
        if (!loaded) {
            io.err << "lumora-cli render: " << error << "\n";
            return kExitRefused;
        }
        font = *loaded;
    }

    if (options->bitmap) {
        const CLmBitmap* bitmap = doc.FindBitmap(FromUtf8(*options->bitmap));
        if (bitmap == nullptr) {
            io.err << "lumora-cli render: no bitmap named '" << *options->bitmap << "'\n";
            return kExitRefused;
        }
        const std::int64_t width =
            std::max<std::int64_t>(kScreenWidth, std::int64_t{bitmap->widthTiles} * 80);
        const std::int64_t height =
            std::max<std::int64_t>(kScreenHeight, std::int64_t{bitmap->heightTiles} * 80);
        if (width > kMaxBitmapViewSide || height > kMaxBitmapViewSide) {
            io.err << "lumora-cli render: bitmap '" << *options->bitmap
                   << "' is too large to show (" << width << " x " << height << " pixels)\n";
            return kExitRefused;
        }
        const TileScreen palette(doc.appColors);
        const PixelBuffer view =
            ComposeBitmapView(*bitmap, doc.appColors, palette.palette, static_cast<int>(width),
                              static_cast<int>(height));
        std::string error;
        if (!WritePng(view, *options->output, error)) {
            io.err << "lumora-cli render: " << error << "\n";
            return kExitRefused;
        }
        return kExitOk;
    }

    if (options->form) {
        const std::u16string name = FromUtf8(*options->form);
        CLmForm* found = nullptr;
        for (const auto& form : doc.forms) {
            if (form->name == name) {
                found = form.get();
            }
        }
        if (found == nullptr) {
            io.err << "lumora-cli render: no form named '" << *options->form << "'\n";
            return kExitRefused;
        }
        doc.currentForm = found;
        doc.currentComponent = nullptr;
    }
    if (doc.currentForm == nullptr) {
        io.err << "lumora-cli render: the application has no current form\n";
        return kExitRefused;
    }

    TileScreen screen(doc.appColors);
    RenderForm(doc, screen, *doc.Messages());
    if (options->dumpTiles) {
        io.out << DumpTiles(screen);
        return kExitOk;
    }
    const GlyphSheet sheet(font);
    ScreenCompositor compositor;
    std::string error;
    if (!WritePng(compositor.Compose(screen, sheet, options->half), *options->output, error)) {
        io.err << "lumora-cli render: " << error << "\n";
        return kExitRefused;
    }
    return kExitOk;
}

}  // namespace lumora::cli
