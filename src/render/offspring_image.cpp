#include "render/offspring_image.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
// libjpeg's header needs FILE and size_t declared before it.
#include <jpeglib.h>

#include <QPainter>
#include <memory>

#include "base/text_helpers.h"
#include "html/offspring_page.h"
#include "render/chart_picture.h"

namespace lg::render {
namespace {

// libjpeg reports a failure by calling error_exit, which must not return:
// it jumps back to the encoder with the message.
struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpOut(j_common_ptr info) {
    auto* error = reinterpret_cast<JpegError*>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->jump, 1);
}

// Compresses the RGB rows; false after a libjpeg failure. Nothing with a
// destructor lives in this function, as longjmp would skip it.
bool Compress(const QImage& rgb, std::string_view comment, unsigned char** buffer,
              unsigned long* size, JpegError& error) {
    jpeg_compress_struct info;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JumpOut;
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    jpeg_write_marker(&info, JPEG_COM, reinterpret_cast<const JOCTET*>(comment.data()),
                      static_cast<unsigned int>(comment.size()));
    while (info.next_scanline < info.image_height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

std::string EncodeJpeg(const QImage& image, std::string_view comment, std::string& error) {
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
        error = "there is no picture to save.";
        return {};
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    JpegError failure{};
    const bool compressed = Compress(rgb, comment, &buffer, &size, failure);
    std::string bytes;
    if (compressed && buffer) bytes.assign(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    if (!compressed) error = std::string("the JPEG encoder failed (") + failure.message + ").";
    return bytes;
}

ChartImage MakeOffspringImage(const TinbredPerson& chart, const PageContext& context) {
    std::unique_ptr<QGuiApplication> app = StartOffscreenQt();
    const ChartPainter painter(context.settings, context.Names(), context.CurrentYear());
    const ChartLayout layout = LayOutChart(chart, painter.Metrics(), ChartShape::Fan);
    const QSize size = PictureSize(layout, 1.0);
    if (size.width() > kLargestPngSide || size.height() > kLargestPngSide)
        return {{}, "the drawing is too large for a picture."};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) return {{}, "there is not enough memory for the picture."};
    const Color ground = HtmlToColor(context.settings.bgcolor);
    {
        QPainter canvas(&image);
        ChartPainter::Parts parts;
        parts.ground = QColor(ground.red, ground.green, ground.blue);
        parts.boxes = false;
        painter.Paint(canvas, layout, ChartShape::Fan, QRect(QPoint(0, 0), size), {}, parts);
    }
    ChartImage result;
    result.bytes = EncodeJpeg(image, kOffspringImageMark, result.error);
    return result;
}

}  // namespace lg::render
