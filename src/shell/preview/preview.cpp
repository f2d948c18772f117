#include "shell/preview/preview.h"

#include "platform/desktop/desktopfileexistence.h"
#include "platform/desktop/desktoptextfiles.h"
#include "platform/steppedtimers.h"
#include "script/numbers.h"
#include "script/script.h"
#include "settings/settingsfile.h"
#include "shell/presentationcore.h"
#include "shell/preview/previewoptions.h"
#include "shell/preview/quietdesktop.h"
#include "shell/programfolder.h"
#include "windows/designsizes.h"

#include <QFileInfo>
#include <QTextStream>

namespace qc::preview {

namespace {

constexpr int kUsageError = 2;

QString jsonString(const QString& text)
{
    QString quoted = QStringLiteral("\"");
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'"': quoted += QStringLiteral("\\\""); break;
        case u'\\': quoted += QStringLiteral("\\\\"); break;
        case u'\n': quoted += QStringLiteral("\\n"); break;
        case u'\r': quoted += QStringLiteral("\\r"); break;
        case u'\t': quoted += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
            else
                quoted += c;
        }
    }
    return quoted + u'"';
}

// Texts leave the program with the desktop's line breaks.
QString desktopText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// One JSON line per step taken.
class PreviewReport : public StepObserver {
public:
    explicit PreviewReport(QTextStream& out) : out_(out) {}

    void stepTaken(const StepReport& step) override
    {
        out_ << "{\"action\":" << jsonString(action) << ",\"pointer\":" << step.pointer
             << ",\"display\":" << jsonString(desktopText(step.displayText)) << ",\"clipboard\":"
             << (step.clipboardText ? jsonString(desktopText(*step.clipboardText)) : QStringLiteral("null"))
             << "}\n";
    }

    QString action;  // as written on the command line

private:
    QTextStream& out_;
};

int fail(QTextStream& err, const QString& message)
{
    err << "quillcast: --preview: " << message << Qt::endl;
    return kUsageError;
}

} // namespace

int runPreview(const QStringList& args, QTextStream& out, QTextStream& err)
{
    auto parsed = parsePreviewOptions(args);
    if (auto* error = std::get_if<QString>(&parsed))
        return fail(err, *error);
    const PreviewOptions& options = std::get<PreviewOptions>(parsed);

    DesktopTextFiles files;
    DesktopFileExistence existence;
    QuietMessageBox messages;
    QuietScreen screen;
    QuietFontProbe fonts;
    SteppedTimers timers;
    QuietClipboard clipboard;
    QuietFirstRunWindows firstRunWindows;

    // The settings the program would use: its settings file, then the overrides.
    const QString programFolder = currentProgramFolder([&](const QString& path) { return existence.fileExists(path); });
    Settings settings;
    SettingsFile settingsFile(files, existence, messages, screen, fonts);
    const QString settingsPath = programFolder + kSettingsFileName;
    settingsFile.read(settings, {settingsPath, programFolder, QStringLiteral("0.000")}, firstRunWindows,
                      options.settingLines);
    if (settingsFile.unreadableKeys().contains(QString()))
        return fail(err, QStringLiteral("the settings file '%1' cannot be read").arg(settingsPath));
    if (!settingsFile.unreadableKeys().isEmpty())
        return fail(err, QStringLiteral("settings that cannot be read (in '%1' or the options): %2")
                             .arg(settingsPath, settingsFile.unreadableKeys().join(QStringLiteral(", "))));

    const QString scriptPath = QFileInfo(options.scriptPath).absoluteFilePath();
    if (!existence.fileExists(scriptPath))
        return fail(err, QStringLiteral("no script file '%1'").arg(options.scriptPath));
    Script script(files, existence, messages);
    script.setLocation(ScriptLocation::ofPath(scriptPath));
    script.load();
    if (!messages.messages.isEmpty())
        return fail(err, QStringLiteral("cannot read script '%1'").arg(options.scriptPath));

    const bool fullController = settings.integer(SettingKey::ShowTxtSimpleUse) == 0;
    if (!fullController && options.actions) {
        for (const Action& action : *options.actions) {
            if (needsFullController(action.kind))
                return fail(err, QStringLiteral("'%1' needs the full controller (ShowTxtSimpleUse=0)").arg(action.written));
        }
    }

    QuietWindows windows;
    QuietPictures pictures;
    QuietMediaDevice media;
    QuietWaveSound waves;
    QuietDisplay display;
    const auto settingNumber = [&](SettingKey key) { return int(numberOfText(settings.text(key))); };
    QuietControllerPlace controllerPlace({settingNumber(SettingKey::Win01Left), settingNumber(SettingKey::Win01Top),
                                          kControllerClient.width, kControllerClient.height});
    display.place = {settingNumber(SettingKey::Win02Left), settingNumber(SettingKey::Win02Top),
                     settingNumber(SettingKey::Win02Width), settingNumber(SettingKey::Win02Height)};
    PresentationCore presentation(
        {script, settings, timers, screen, fonts, existence, pictures, clipboard, media, waves, display, display,
         controllerPlace, windows, windows, windows, windows});
    SteppingEngine& engine = presentation.engine();

    // The show button: the controller opens, then the display window with the header.
    QuietController controller(fullController);
    engine.startRun(controller);

    const ScriptContent& content = script.content();
    out << "{\"lines\":" << content.lineCount() << ",\"title\":" << jsonString(content.title)
        << ",\"header\":" << jsonString(desktopText(content.header))
        << ",\"footer\":" << jsonString(desktopText(content.footer)) << "}\n";

    // Each action's line comes from what the engine reports of the step it took.
    PreviewReport report(out);
    presentation.subscribe(report);
    const auto perform = [&](const Action& action) {
        report.action = action.written;
        switch (action.kind) {
        case ActionKind::Next: engine.next(); break;
        case ActionKind::Back: engine.back(); break;
        case ActionKind::Top: engine.top(); break;
        case ActionKind::Bottom: engine.bottom(); break;
        case ActionKind::NextOff: engine.nextWithoutClipboard(); break;
        case ActionKind::BackOff: engine.backWithoutClipboard(); break;
        case ActionKind::Jump: engine.jump(action.jumpText); break;
        }
        // The operator's pause between presses: no press is refused as a double press.
        timers.letTimePass();
    };

    if (options.actions) {
        for (const Action& action : *options.actions)
            perform(action);
    } else {
        const Action next{ActionKind::Next, QStringLiteral("next"), {}};
        do {
            perform(next);
        } while (engine.stepPointer() != content.lineCount() + 1);
    }
    out.flush();
    return 0;
}

} // namespace qc::preview
