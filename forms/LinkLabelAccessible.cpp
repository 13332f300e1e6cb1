#include "LinkLabelAccessible.h"

#include "LinkLabel.h"

LinkLabelAccessible::LinkLabelAccessible(LinkLabel* label)
    : QAccessibleWidget(label, QAccessible::Link)
{}

QString LinkLabelAccessible::text(QAccessible::Text kind) const
{
    const auto* label = static_cast<const LinkLabel*>(widget());
    if (kind == QAccessible::Name && label->accessibleName().isEmpty())
        return label->text();
    return QAccessibleWidget::text(kind);
}

QStringList LinkLabelAccessible::actionNames() const
{
    return {pressAction()};
}

void LinkLabelAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        emit static_cast<LinkLabel*>(widget())->activated();
}
