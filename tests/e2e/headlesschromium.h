#pragma once

#include <QImage>
#include <QJsonObject>
#include <QJsonValue>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QWebSocket>

#include <optional>

namespace qc::e2e {

// Debian's Chromium without a screen, opened on one page and driven through its DevTools
// protocol, as a broadcasting software's browser source would show the page.
class HeadlessChromium {
public:
    HeadlessChromium() = default;
    ~HeadlessChromium();

    // Opens the page in a window of the size; false (with reason()) when Chromium cannot start.
    bool open(const QString& url, int width, int height);
    const QString& reason() const { return reason_; }

    // The value of a JavaScript expression on the page; nullopt when it cannot be had.
    std::optional<QJsonValue> evaluate(const QString& expression, int timeoutMs = 5000);
    // Waits until the expression is true on the page.
    bool waitFor(const QString& expression, int timeoutMs = 10000);
    // What the page shows now.
    QImage screenshot();

private:
    std::optional<QJsonObject> call(const QString& method, const QJsonObject& params, int timeoutMs);
    bool fail(const QString& why);

    QTemporaryDir profile_;
    QProcess process_;
    QWebSocket page_;
    int nextId_ = 1;
    QString reason_;
};

} // namespace qc::e2e
