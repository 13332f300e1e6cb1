#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>

// Finding and checking the controls of a window design.
namespace LayoutChecks {

template <typename T = QWidget> T* child(const QObject* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1StringView(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// The text a control shows: a button's or label's text, a frame's title, an edit box's text.
inline QString captionOf(const QWidget* widget)
{
    for (const char* property : {"text", "title", "currentText"}) {
        if (const QVariant value = widget->property(property); value.isValid())
            return value.toString();
    }
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
    else if (widget->inherits("QGroupBox"))
        return true;
    return widget->fontMetrics().horizontalAdvance(captionOf(widget)) <= room;
}

} // namespace LayoutChecks
