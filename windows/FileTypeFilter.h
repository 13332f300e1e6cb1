#pragma once

#include <QSortFilterProxyModel>
#include <QStringList>

// Shows the folders and the files of the chosen kind in a file dialog. The kinds are given as
// patterns ("*.exe"), matched without regard to case; "*.*" means every file, with or without
// a dot in its name.
class FileTypeFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setPatterns(const QStringList& patterns);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QList<QRegularExpression> m_patterns;
    bool m_everything = true;
};
