#pragma once

#include <QString>

namespace qc {

class MessageBox;
class Settings;
class ShellOpen;

inline const QString kNoVoiceSoftwareMessage = QStringLiteral("音声ソフトが設定されていません。");

// The operator's text-to-speech program: started through the desktop, never talked to.
class VoiceSoftware {
public:
    VoiceSoftware(ShellOpen& shell, MessageBox& messages, const Settings& settings);

    // The presentation was shown: with auto-start on, the first showing of the run starts it.
    void startOnShow();
    // The voice button: starts it on every press.
    void startFromButton();

    bool started() const { return started_; }

private:
    bool startOrTell();

    ShellOpen& shell_;
    MessageBox& messages_;
    const Settings& settings_;
    bool started_ = false;
};

} // namespace qc
