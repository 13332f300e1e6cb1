#include "FreshListComboBox.h"

void FreshListComboBox::showPopup()
{
    if (m_filler) {
        const QSignalBlocker quiet(this); // refilling is not the user's choice
        const QString current = currentText();
        const QVariant chosen = currentData();
        clear();
        m_filler(*this);
        int found = findData(chosen);
        if (found < 0) {
            insertItem(0, current, chosen);
            found = 0;
        }
        setCurrentIndex(found);
    }
    QComboBox::showPopup();
}
