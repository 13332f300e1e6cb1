#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>

// Checks of window designs shared by the layout tests.
namespace LayoutChecks {

inline QString captionOf(const QWidget* widget)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText();
    return QString();
}

// Whether the caption fits the room the control leaves for its text (frames excepted: their
// caption runs over the border).
inline bool captionFits(const QWidget* widget)
{
    QStyleOptionButton option;
    option.initFrom(widget);
    const QStyle* style = widget->style();
    int room = widget->width();
    if (qobject_cast<const QRadioButton*>(widget))
        room = style->subElementRect(QStyle::SE_RadioButtonContents, &option, widget).width();
    else if (qobject_cast<const QCheckBox*>(widget))
        room = style->subElementRect(QStyle::SE_CheckBoxContents, &option, widget).width();
    else if (qobject_cast<const QPushButton*>(widget))
        room -= 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
    else if (qobject_cast<const QGroupBox*>(widget))
        return true;
    return widget->fontMetrics().horizontalAdvance(captionOf(widget)) <= room;
}

// The names of the controls the Tab key visits, starting from first.
inline QStringList tabOrder(QWidget* first)
{
    QStringList order;
    QWidget* widget = first;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy())
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != first);
    return order;
}

} // namespace LayoutChecks
