#pragma once

#include <QAccessibleWidget>

class LinkLabel;

// A LinkLabel as assistive technology sees it: a link named by its text, which "press" opens.
class LinkLabelAccessible : public QAccessibleWidget
{
public:
    explicit LinkLabelAccessible(LinkLabel* label);

    QString text(QAccessible::Text kind) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
};
