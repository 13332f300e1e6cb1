#pragma once

#include <QAccessibleWidget>

class QComboBox;

// A list box that has no caption of its own, as assistive technology sees it: named by its
// accessible name ("Hour"), its value the entry it shows. Qt on Linux would name it by that
// entry, which says nothing of what it is for.
class ComboBoxAccessible : public QAccessibleWidget
{
public:
    explicit ComboBoxAccessible(QComboBox* box);

    QString text(QAccessible::Text kind) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QComboBox* box() const;
};
