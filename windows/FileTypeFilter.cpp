#include "FileTypeFilter.h"

#include <QFileSystemModel>
#include <QRegularExpression>

void FileTypeFilter::setPatterns(const QStringList& patterns)
{
    m_patterns.clear();
    m_everything =
        patterns.contains(QStringLiteral("*.*")) || patterns.contains(QStringLiteral("*"));
    for (const QString& pattern : patterns)
        m_patterns.append(
            QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                               QRegularExpression::CaseInsensitiveOption));
    invalidateFilter();
}

bool FileTypeFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (m_everything || !files)
        return true;
    const QModelIndex index = files->index(sourceRow, 0, sourceParent);
    if (files->isDir(index))
        return true;
    const QString name = files->fileName(index);
    for (const QRegularExpression& pattern : m_patterns) {
        if (pattern.match(name).hasMatch())
            return true;
    }
    return false;
}
