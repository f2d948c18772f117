#pragma once

#include <QString>
#include <QStringView>

namespace qc {

// Inline tokens that make what is shown and what is copied differ:
//   @ent@     line break in both forms
//   @clpsnd@  the text before it goes to the clipboard only, in front
//   @clpspc@  removed when shown, the reading-pause text when copied
//   @clpsw@   sections between pairs are shown but not copied
//   @clp@     a sub display value is also copied
// All are matched in any letter case; the text around them keeps its case.

// Every "@ent@" replaced by CR LF.
QString replaceEnterTokens(QStringView text);

// Every clip token removed, one pass per token: "@clp@", "@clpspc@", "@clpsw@", "@clpsnd@",
// "@ent@".
QString stripClipTokens(QStringView text);

// The two texts of one step.
struct StepTexts {
    QString display;
    QString clip;
};

// The shared scratch state of the token functions: the clipboard form of the text being
// processed, the clipboard-only prefix, and the clipboard text gathered from sub display
// values during one step.
class ClipTokens {
public:
    const QString& subClipText() const { return subClipText_; }
    void clearSubClipText() { subClipText_.clear(); }

    // The text after the first "@clpsnd@" with further ones removed; the text before it,
    // without tokens, becomes the clipboard-only prefix.
    QString clipSendSplit(QStringView text);
    // Removes "@clpspc@"; the clipboard form gets the pause text in its place.
    QString clipSpaceTokens(QStringView text, QStringView pauseText);
    // Removes "@clpsw@"; the clipboard form loses the switched-off sections.
    QString clipSwitchTokens(QStringView text);
    // Removes "@clp@"; a copied value is added to the sub display clipboard text.
    QString clipCopyTokens(QStringView text);

    // The display and clipboard texts of a step from its gathered lines.
    StepTexts finishStep(QStringView displayLines, QStringView clipLines, QStringView pauseText);

    // A sub display text or caption as shown; its clipboard form joins subClipText().
    QString subDisplayValue(QStringView value, QStringView pauseText);

private:
    QString clipVariant_;
    QString clipSendText_;
    QString subClipText_;
};

} // namespace qc
