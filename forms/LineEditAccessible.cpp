#include "LineEditAccessible.h"

#include <QLineEdit>

LineEditAccessible::LineEditAccessible(QLineEdit* box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{}

void* LineEditAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State LineEditAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !box()->isReadOnly();
    state.selectableText = true;
    return state;
}

QString LineEditAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return box()->text();
    return QAccessibleWidget::text(kind);
}

void LineEditAccessible::selection(int index, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (index == 0 && box()->hasSelectedText()) {
        *startOffset = box()->selectionStart();
        *endOffset = box()->selectionEnd();
    }
}

int LineEditAccessible::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void LineEditAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void LineEditAccessible::removeSelection(int)
{
    box()->deselect();
}

void LineEditAccessible::setSelection(int, int startOffset, int endOffset)
{
    box()->setSelection(startOffset, endOffset - startOffset);
}

int LineEditAccessible::cursorPosition() const
{
    return box()->cursorPosition();
}

void LineEditAccessible::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

QString LineEditAccessible::text(int startOffset, int endOffset) const
{
    return box()->text().mid(startOffset, endOffset - startOffset);
}

int LineEditAccessible::characterCount() const
{
    return int(box()->text().size());
}

QRect LineEditAccessible::characterRect(int offset) const
{
    const QFontMetrics metrics(box()->font());
    const QString shown = box()->displayText();
    const QRect room = box()->contentsRect().adjusted(2, 0, -2, 0);
    const QRect character(room.left() + metrics.horizontalAdvance(shown.left(offset)), room.top(),
                          metrics.horizontalAdvance(shown.mid(offset, 1)), room.height());
    return QRect(box()->mapToGlobal(character.topLeft()), character.size());
}

int LineEditAccessible::offsetAtPoint(const QPoint& point) const
{
    for (int offset = 0; offset < characterCount(); ++offset) {
        if (characterRect(offset).contains(point))
            return offset;
    }
    return -1;
}

QString LineEditAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

void LineEditAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void LineEditAccessible::insertText(int offset, const QString& text)
{
    replaceText(offset, offset, text);
}

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
}

QLineEdit* LineEditAccessible::box() const
{
    return static_cast<QLineEdit*>(widget());
}
