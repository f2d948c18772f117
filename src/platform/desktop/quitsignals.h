#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;

namespace qc {

// The desktop's request to end the program (SIGTERM at logout or shutdown, SIGHUP, SIGINT):
// the first is handed to the program's own orderly quit, on the user-interface thread; a
// second ends the program at once, should the orderly quit hang.
class QuitSignals : public QObject {
public:
    explicit QuitSignals(std::function<void()> quit);
    ~QuitSignals() override;

private:
    void received();

    std::function<void()> quit_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace qc
