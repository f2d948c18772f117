#pragma once

#include "platform/fontprobe.h"

#include <QSet>

namespace qc::test {

// Installed faces come back as asked; any other face is replaced by the substitute.
class FakeFontProbe : public FontProbe {
public:
    explicit FakeFontProbe(QSet<QString> installed = {QStringLiteral("ＭＳ Ｐゴシック"),
                                                      QStringLiteral("IPAGothic")},
                           QString substitute = QStringLiteral("IPAPGothic"))
        : installed_(std::move(installed)), substitute_(std::move(substitute))
    {
    }

    QString selectedFamily(const QString& requested) const override
    {
        return installed_.contains(requested) ? requested : substitute_;
    }

private:
    QSet<QString> installed_;
    QString substitute_;
};

} // namespace qc::test
