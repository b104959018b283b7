#include "ui/jpeg_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <memory>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace velmora::ui {

namespace {

// libjpeg reports fatal errors through error_exit; we jump back to the
// decoder instead of letting it end the process.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void JumpOnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(errors->jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

QImage LoadJpeg(const QString& path) {
    std::unique_ptr<std::FILE, FileCloser> file(
        std::fopen(QFile::encodeName(path).constData(), "rb"));
    if (!file) return {};

    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnError;
    errors.base.output_message = IgnoreMessage;
    // Everything set after setjmp that the error path reads must not live in
    // registers; the image is therefore only handed out on success.
    QImage* volatile decoded = nullptr;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        delete decoded;
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file.get());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;  // grey and YCbCr pictures alike come out as RGB
    jpeg_start_decompress(&info);

    decoded = new QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                         QImage::Format_RGB888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = decoded->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);

    QImage result = decoded->convertToFormat(QImage::Format_RGB32);
    delete decoded;
    return result;
}

QString AssetPath(const QString& file_name) {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("assets/") + file_name);
}

QImage LoadAsset(const QString& file_name) { return LoadJpeg(AssetPath(file_name)); }

}  // namespace velmora::ui
