#pragma once

#include <QValidator>

class QLineEdit;

// A text box's limit on the number of characters as a classic edit control has it: what the user
// types or pastes may not make the text longer than the limit, but a text the program puts there
// is shown whole (QLineEdit's maxLength would cut it), and can still be shortened by hand.
class TypingLimit : public QValidator
{
    Q_OBJECT

public:
    TypingLimit(QLineEdit* box, int limit);

    State validate(QString& input, int& position) const override;

private:
    QLineEdit* m_box;
    int m_limit;
    qsizetype m_lengthBefore = 0;
};
