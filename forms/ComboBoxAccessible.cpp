#include "ComboBoxAccessible.h"

#include <QComboBox>

ComboBoxAccessible::ComboBoxAccessible(QComboBox* box)
    : QAccessibleWidget(box, QAccessible::ComboBox)
{}

QString ComboBoxAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return box()->currentText();
    return QAccessibleWidget::text(kind);
}

QStringList ComboBoxAccessible::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void ComboBoxAccessible::doAction(const QString& actionName)
{
    if (actionName == showMenuAction() || actionName == pressAction())
        box()->showPopup();
}

QComboBox* ComboBoxAccessible::box() const
{
    return static_cast<QComboBox*>(widget());
}
