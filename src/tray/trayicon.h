#pragma once

#include <QString>

namespace qc {

class Tray;
struct WindowFlags;

inline const QString kTrayTip = QStringLiteral("Quillcast");

// The program's icon in the tray, there from the tray window's load to its unload. Where the
// desktop has no tray, nothing is added, so no window ever hides into it.
class TrayIcon {
public:
    TrayIcon(Tray& tray, WindowFlags& flags) : tray_(tray), flags_(flags) {}

    void add();
    void remove();
    void refresh();

private:
    Tray& tray_;
    WindowFlags& flags_;
};

} // namespace qc
