#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace qc {

// Lets a window see every key typed in it before its controls do. The handler answers
// whether it used the key.
class KeyPreview : public QObject {
public:
    KeyPreview(QWidget& window, std::function<bool(QChar key)> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool(QChar)> handler_;
};

// The character of a key press: Esc as code 27, Enter as 13, else the typed text's first
// character; a null character for keys that type nothing.
QChar keyCharacter(const QKeyEvent& event);

} // namespace qc
