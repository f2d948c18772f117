#pragma once

#include <QIcon>
#include <QPixmap>

namespace qc {

// The program's own artwork, drawn rather than shipped: a quill over broadcast waves.
QPixmap quillcastMark(int size);
QIcon quillcastIcon();

} // namespace qc
