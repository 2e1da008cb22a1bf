#include "png_writer.h"

#include <QImage>
#include <QString>

#include "screen/screen_compositor.h"

namespace lumora::cli {

bool WritePng(const PixelBuffer& buffer, const std::string& path, std::string& error) {
    // The buffer's 0xFFRRGGBB pixels are QImage's RGB32 layout; the image only borrows them.
    const QImage image(reinterpret_cast<const uchar*>(buffer.pixels.data()), buffer.width,
                       buffer.height, static_cast<qsizetype>(buffer.width) * 4,
                       QImage::Format_RGB32);
    if (!image.save(QString::fromStdString(path), "PNG")) {
        error = "cannot write '" + path + "'";
        return false;
    }
    return true;
}

}  // namespace lumora::cli
