#pragma once

#include <QPixmap>

namespace qc {

// The display window's banner row, drawn by the program: the script guide (300 x 60), the
// preview guide (300 x 60) and the program's mark (60 x 60).
QPixmap scriptGuideBanner();
QPixmap previewGuideBanner();
QPixmap markBanner();

} // namespace qc
