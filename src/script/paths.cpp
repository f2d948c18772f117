#include "script/paths.h"

#include <QStringList>

namespace qc {

namespace {

qsizetype lastSeparator(QStringView path)
{
    return std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
}

bool hasParentStep(QStringView path)
{
    const QList<QStringView> parts = path.split(u'/');
    return std::any_of(parts.begin(), parts.end(), [](QStringView part) { return part == u".."; });
}

} // namespace

QString folderOfPath(QStringView path)
{
    const qsizetype cut = lastSeparator(path);
    return cut < 0 ? QString() : path.left(cut + 1).toString();
}

QString fileNameOfPath(QStringView path)
{
    const qsizetype cut = lastSeparator(path);
    return cut < 0 ? QString() : path.mid(cut + 1).toString();
}

QString extensionOfPath(QStringView path)
{
    const QStringView name = path.mid(lastSeparator(path) + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1).toString().toLower();
}

bool isDrivePath(QStringView path)
{
    return path.startsWith(u'/');
}

QString resolveParentSteps(QStringView path)
{
    QStringList parts = path.toString().split(u'/');
    const qsizetype first = parts.indexOf(QStringLiteral(".."));
    if (first < 1)
        return path.toString();
    // parts[0] is the empty text before the root's "/": it can never be dropped.
    qsizetype at = first;
    for (int round = 0; round < 20 && at < parts.size() && parts[at] == u".."; ++round) {
        if (at < 2)
            break;
        parts.remove(at - 1, 2);
        --at;
    }
    return parts.join(u'/');
}

QString resolveScriptFile(QStringView folder, QStringView name)
{
    if (name.isEmpty() || name.contains(u"\\\\") || folder.contains(u"\\\\"))
        return {};
    QString written = name.toString();
    QString path;
    if (isDrivePath(written)) {
        path = written.replace(u'\\', u'/');
    } else {
        if (!isDrivePath(folder))
            return {};
        // A leading "\" meant "inside the script's folder" where such scripts were written.
        if (written.startsWith(u'\\'))
            written.remove(0, 1);
        path = folder.toString();
        if (!path.endsWith(u'/'))
            path += u'/';
        path += written.replace(u'\\', u'/');
    }
    path = resolveParentSteps(path);
    return hasParentStep(path) ? QString() : path;
}

} // namespace qc
