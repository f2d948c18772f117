#include "shell/preview/quietdesktop.h"

#include "windows/designsizes.h"

namespace qc::preview {

OperatorWindowSizes QuietFirstRunWindows::measure(int displayWidth, int displayHeight)
{
    OperatorWindowSizes sizes = designWindowSizes();
    sizes.displayWidth = displayWidth;
    sizes.displayHeight = displayHeight;
    return sizes;
}

} // namespace qc::preview
