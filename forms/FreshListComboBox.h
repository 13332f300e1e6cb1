#pragma once

#include <QComboBox>

#include <functional>

// A list box whose list is made afresh each time it opens (what runs now, say), so that nothing
// is looked up before the user asks for it.
class FreshListComboBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    // Fills the list; the box keeps its current text when the list no longer holds it.
    void setFiller(std::function<void(QComboBox&)> filler) { m_filler = std::move(filler); }
    void showPopup() override;

private:
    std::function<void(QComboBox&)> m_filler;
};
