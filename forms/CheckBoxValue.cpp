#include "CheckBoxValue.h"

#include <QCheckBox>

namespace CheckBoxValue {

int of(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    case Qt::Unchecked:
        break;
    }
    return 0;
}

void set(QCheckBox* box, int value)
{
    if (value == 2) {
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
        QObject::connect(
            box, &QCheckBox::stateChanged, box,
            [box](int state) {
                if (state != Qt::PartiallyChecked)
                    box->setTristate(false);
            },
            Qt::SingleShotConnection);
        return;
    }
    box->setCheckState(value == 1 ? Qt::Checked : Qt::Unchecked);
    box->setTristate(false);
}

} // namespace CheckBoxValue
