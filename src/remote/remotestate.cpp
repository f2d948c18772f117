#include "remote/remotestate.h"

#include "presentation/lookreporter.h"
#include "script/script.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace qc {

namespace {

// Texts leave the program with the desktop's line breaks.
QString desktopText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

QByteArray stateJson(const RemoteState& state)
{
    const QJsonObject look{{"font", state.look.fontName},
                           {"size", state.look.fontSize},
                           {"bold", state.look.bold},
                           {"italic", state.look.italic},
                           {"foreColor", QStringLiteral("#") + state.look.foreColor},
                           {"backColor", QStringLiteral("#") + state.look.backColor}};
    const QJsonObject object{{"pointer", state.pointer},
                             {"lines", state.lines},
                             {"title", state.title},
                             {"display", state.display},
                             {"clipboard", state.clipboard ? QJsonValue(*state.clipboard) : QJsonValue()},
                             {"running", state.running},
                             {"look", look}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

RemoteStateTracker::RemoteStateTracker(const Script& script, const Settings& settings, const DisplayLook& runLook)
    : script_(script), settings_(settings), runLook_(runLook)
{
}

RemoteState RemoteStateTracker::state() const
{
    const ScriptContent& content = script_.content();
    return {pointer_, content.lineCount(), content.title, display_, clipboard_, running_,
            running_ ? runLook_ : settingsLook(settings_)};
}

void RemoteStateTracker::runStarted()
{
    running_ = true;
    pointer_ = 0;
    display_ = desktopText(script_.content().header);
    tell();
}

void RemoteStateTracker::runEnded()
{
    running_ = false;
    pointer_ = 0;
    display_.clear();
    tell();
}

void RemoteStateTracker::stepTaken(const StepReport& report)
{
    pointer_ = report.pointer;
    display_ = desktopText(report.displayText);
    if (report.clipboardText)
        clipboard_ = desktopText(*report.clipboardText);
    tell();
}

// A look changes only within a step or a run's start, which tell once they are done.
void RemoteStateTracker::lookChanged(const DisplayLook& /*look*/) {}

void RemoteStateTracker::tell()
{
    if (changed_)
        changed_();
}

} // namespace qc
