#pragma once

#include <QImage>
#include <QString>

namespace qc {

// The text as a QR code (error correction M), black on white, each module `moduleSize`
// pixels square, with the quiet zone of four modules around it; a null image when the text
// is too long for a QR code.
QImage qrCodeImage(const QString& text, int moduleSize);

} // namespace qc
