#pragma once

#include "platform/messagebox.h"

namespace qc {

class QtMessageBox : public MessageBox {
public:
    void show(const QString& text, const QString& title) override;
};

} // namespace qc
