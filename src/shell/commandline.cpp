#include "shell/commandline.h"

namespace qc {

CommandLineOption commandLineOption(const QStringList& args)
{
    if (args.isEmpty())
        return CommandLineOption::None;
    const QString& first = args.first();
    if (first == u"--help" || first == u"-h")
        return CommandLineOption::Help;
    if (first == u"--version")
        return CommandLineOption::Version;
    if (first == u"--preview")
        return CommandLineOption::Preview;
    return CommandLineOption::None;
}

QString usageText()
{
    return QStringLiteral(
        "Usage: quillcast [--remote[=[ADDRESS:]PORT]] [SCRIPT]\n"
        "       quillcast --preview SCRIPT [--set KEY=VALUE]... [--actions LIST]\n"
        "\n"
        "Quillcast shows a script a few lines at a time in a display window for live\n"
        "broadcasts; each step can also go to the clipboard.\n"
        "\n"
        "  SCRIPT             the script to open (the whole rest of the command line)\n"
        "  --remote[=[ADDRESS:]PORT]\n"
        "                     turn the remote control and the browser overlay on for this\n"
        "                     run (default 127.0.0.1:8765, or as set in QCREMOTE.INI)\n"
        "  --preview SCRIPT   print, as JSON lines, what each press would show and copy,\n"
        "                     without opening any window\n"
        "  --set KEY=VALUE    a setting for the preview, as in QCST.INI (e.g. ShowTxtBreak=2)\n"
        "  --actions LIST     comma-separated presses: next, back, top, bottom, nextoff,\n"
        "                     backoff, jump:N (default: next until past the last step)\n"
        "  --help             show this text\n"
        "  --version          show the version\n");
}

QString startupScriptArgument(const QString& commandLineText)
{
    if (commandLineText == u"\"")
        return {};
    if (commandLineText.size() > 1 && commandLineText.startsWith(u'"') && commandLineText.endsWith(u'"'))
        return commandLineText.mid(1, commandLineText.size() - 2);
    return commandLineText;
}

} // namespace qc
