#pragma once
// Decodes the program's JPEG artwork with libjpeg's decompression API.

#include <QImage>
#include <QString>

namespace velmora::ui {

// The decoded picture, or a null image when the file is missing or no JPEG.
QImage LoadJpeg(const QString& path);

// Where the artwork lies at run time: assets/ beside the executable.
QString AssetPath(const QString& file_name);

// LoadJpeg(AssetPath(file_name)).
QImage LoadAsset(const QString& file_name);

}  // namespace velmora::ui
