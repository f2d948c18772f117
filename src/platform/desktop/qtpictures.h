#pragma once

#include "platform/pictures.h"

#include <QImage>
#include <QtGlobal>

#include <optional>

namespace qc {

// The largest picture read, in pixels. Larger ones are refused from their header alone, so
// that a file claiming a huge size cannot make the program allocate gigabytes or stall.
inline constexpr qint64 kMostPicturePixels = 64LL * 1000 * 1000;

// Reads a picture file with Qt's image readers, the format told by the content rather than
// the name. Nothing for a path that is not a readable regular file, an empty, truncated or
// undecodable file, or a picture of more than kMostPicturePixels.
std::optional<QImage> readPicture(const QString& path);

class QtPictures : public Pictures {
public:
    bool canLoad(const QString& path) const override;
};

} // namespace qc
