#include "TypingLimit.h"

#include <QLineEdit>

TypingLimit::TypingLimit(QLineEdit* box, int limit) : QValidator(box), m_box(box), m_limit(limit)
{
    connect(box, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_lengthBefore = text.size(); });
    box->setValidator(this);
}

QValidator::State TypingLimit::validate(QString& input, int&) const
{
    // Only an edit by the user leaves something to undo: setText starts a new history.
    if (!m_box->isUndoAvailable() || input.size() <= m_limit || input.size() < m_lengthBefore)
        return Acceptable;
    return Invalid;
}
