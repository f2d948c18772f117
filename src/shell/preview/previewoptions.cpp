#include "shell/preview/previewoptions.h"

#include "settings/settings.h"

namespace qc::preview {

namespace {

std::variant<Action, QString> parseAction(const QString& written)
{
    static const struct {
        const char* name;
        ActionKind kind;
    } kNamed[] = {
        {"next", ActionKind::Next},       {"back", ActionKind::Back},
        {"top", ActionKind::Top},         {"bottom", ActionKind::Bottom},
        {"nextoff", ActionKind::NextOff}, {"backoff", ActionKind::BackOff},
    };
    for (const auto& named : kNamed) {
        if (written == QLatin1String(named.name))
            return Action{named.kind, written, {}};
    }
    if (written.startsWith(QLatin1String("jump:")))
        return Action{ActionKind::Jump, written, written.mid(5)};
    return QStringLiteral("unknown action '%1'").arg(written);
}

std::variant<std::vector<Action>, QString> parseActions(const QString& list)
{
    std::vector<Action> actions;
    for (const QString& written : list.split(u',')) {
        auto parsed = parseAction(written);
        if (auto* error = std::get_if<QString>(&parsed))
            return *error;
        actions.push_back(std::get<Action>(parsed));
    }
    return actions;
}

std::optional<QString> checkSettingLine(const QString& line)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0)
        return QStringLiteral("--set needs KEY=VALUE, got '%1'").arg(line);
    if (!settingKeyOfName(QStringView(line).left(equals)))
        return QStringLiteral("unknown setting '%1'").arg(line.left(equals));
    return std::nullopt;
}

} // namespace

bool needsFullController(ActionKind kind)
{
    return kind == ActionKind::Bottom || kind == ActionKind::NextOff || kind == ActionKind::BackOff
           || kind == ActionKind::Jump;
}

std::variant<PreviewOptions, QString> parsePreviewOptions(const QStringList& args)
{
    PreviewOptions options;
    bool haveScript = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"--set" || arg == u"--actions") {
            if (i + 1 >= args.size())
                return QStringLiteral("%1 needs a value").arg(arg);
            const QString& value = args[++i];
            if (arg == u"--set") {
                if (const std::optional<QString> error = checkSettingLine(value))
                    return *error;
                options.settingLines << value;
            } else {
                if (options.actions)
                    return QStringLiteral("--actions given twice");
                auto parsed = parseActions(value);
                if (auto* error = std::get_if<QString>(&parsed))
                    return *error;
                options.actions = std::get<std::vector<Action>>(parsed);
            }
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            return QStringLiteral("unknown option '%1'").arg(arg);
        } else if (haveScript) {
            return QStringLiteral("only one script can be previewed, got '%1' too").arg(arg);
        } else {
            options.scriptPath = arg;
            haveScript = true;
        }
    }
    if (!haveScript)
        return QStringLiteral("no script named");
    return options;
}

} // namespace qc::preview
