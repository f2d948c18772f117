#include "script/cliptokens.h"

#include "script/asciicase.h"


namespace qc {

namespace {

const QLatin1String kEnter("@ent@");
const QLatin1String kCopy("@clp@");
const QLatin1String kSpace("@clpspc@");
const QLatin1String kSwitch("@clpsw@");
const QLatin1String kSend("@clpsnd@");

// Every occurrence of the token replaced in one left-to-right pass; text produced by a
// replacement is not scanned again.
QString replaceToken(QStringView text, QLatin1String token, QStringView replacement,
                     bool* found = nullptr)
{
    qsizetype at = indexOfAscii(text, token);
    if (found)
        *found = at >= 0;
    if (at < 0)
        return text.toString();
    QString result;
    result.reserve(text.size());
    qsizetype scan = 0;
    while (at >= 0) {
        result += text.mid(scan, at - scan);
        result += replacement;
        scan = at + token.size();
        at = indexOfAscii(text, token, scan);
    }
    result += text.mid(scan);
    return result;
}

QString removeToken(QStringView text, QLatin1String token, bool* found = nullptr)
{
    return replaceToken(text, token, QStringView(), found);
}

} // namespace

QString replaceEnterTokens(QStringView text)
{
    return replaceToken(text, kEnter, u"\r\n");
}

QString stripClipTokens(QStringView text)
{
    QString result = removeToken(text, kCopy);
    for (QLatin1String token : {kSpace, kSwitch, kSend, kEnter})
        result = removeToken(result, token);
    return result;
}

QString ClipTokens::clipSendSplit(QStringView text)
{
    const qsizetype at = indexOfAscii(text, kSend);
    if (at < 0)
        return text.toString();
    clipSendText_ = stripClipTokens(text.left(at));
    return removeToken(text.mid(at + kSend.size()), kSend);
}

QString ClipTokens::clipSpaceTokens(QStringView text, QStringView pauseText)
{
    bool found = false;
    QString shown = removeToken(text, kSpace, &found);
    if (found) {
        const QString source = clipVariant_.isEmpty() ? text.toString() : clipVariant_;
        clipVariant_ = replaceToken(source, kSpace, pauseText);
    }
    return shown;
}

QString ClipTokens::clipSwitchTokens(QStringView text)
{
    bool found = false;
    QString shown = removeToken(text, kSwitch, &found);
    if (found) {
        const QString source = clipVariant_.isEmpty() ? text.toString() : clipVariant_;
        QString kept;
        qsizetype scan = 0;
        bool keep = true;
        for (qsizetype at = indexOfAscii(source, kSwitch); at >= 0;
             at = indexOfAscii(source, kSwitch, scan)) {
            if (keep)
                kept += QStringView(source).mid(scan, at - scan);
            keep = !keep;
            scan = at + kSwitch.size();
        }
        if (keep)
            kept += QStringView(source).mid(scan);
        clipVariant_ = kept;
    }
    return shown;
}

QString ClipTokens::clipCopyTokens(QStringView text)
{
    bool found = false;
    QString shown = removeToken(text, kCopy, &found);
    QString clipForm;
    if (!clipVariant_.isEmpty()) {
        clipForm = removeToken(clipVariant_, kCopy);
        found = true;
    }
    if (!clipSendText_.isEmpty() || found) {
        subClipText_ += clipSendText_;
        subClipText_ += clipForm.isEmpty() ? shown : clipForm;
    }
    return shown;
}

StepTexts ClipTokens::finishStep(QStringView displayLines, QStringView clipLines,
                                 QStringView pauseText)
{
    StepTexts texts;
    texts.display = stripClipTokens(replaceEnterTokens(clipSendSplit(displayLines)));

    clipVariant_.clear();
    clipSendText_.clear();
    QString work = replaceEnterTokens(clipSendSplit(clipLines));
    work = clipSpaceTokens(work, pauseText);
    if (!clipVariant_.isEmpty())
        work = clipVariant_;
    work = clipSwitchTokens(work);
    if (!clipVariant_.isEmpty())
        work = clipVariant_;
    texts.clip = clipSendText_ + stripClipTokens(work);
    return texts;
}

QString ClipTokens::subDisplayValue(QStringView value, QStringView pauseText)
{
    clipVariant_.clear();
    clipSendText_.clear();
    QString shown = clipSendSplit(value);
    shown = replaceEnterTokens(shown);
    shown = clipSpaceTokens(shown, pauseText);
    shown = clipSwitchTokens(shown);
    return clipCopyTokens(shown);
}

} // namespace qc
