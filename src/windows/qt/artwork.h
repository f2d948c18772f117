#pragma once

#include <QIcon>
#include <QPixmap>

namespace qc {

// The program's own artwork, drawn rather than shipped: a quill over broadcast waves.
QPixmap quillcastMark(int size);
// The program's icon in the desktop's sizes; the same icon each time.
QIcon quillcastIcon();

} // namespace qc
