#include "frmEndingSoon.h"

#include "forms/AccessibleControls.h"
#include "ui_frmEndingSoon.h"

#include <QAccessible>

frmEndingSoon::frmEndingSoon(std::function<QString()> text, QWidget* owner)
    : QDialog(owner), m_text(std::move(text))
{
    Ui::frmEndingSoon ui;
    ui.setupUi(this);
    m_label = ui.lblText;
    m_label->setText(m_text());
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size());
    AccessibleControls::markAsAlert(this);
    m_cancel = ui.cmdCancel;
    connect(ui.cmdCancel, &QPushButton::clicked, this, &frmEndingSoon::reject);
    connect(ui.cmdMore, &QPushButton::clicked, this, [this] {
        dismiss();
        emit extended();
    });
    m_tick.setInterval(1000);
    connect(&m_tick, &QTimer::timeout, this, [this] { m_label->setText(m_text()); });
}

void frmEndingSoon::showEvent(QShowEvent* event)
{
    m_label->setText(m_text());
    // Every showing opens on the same button, and Enter presses whichever has the focus.
    m_cancel->setFocus();
    m_tick.start();
    QDialog::showEvent(event);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void frmEndingSoon::dismiss()
{
    m_tick.stop();
    hide();
}

void frmEndingSoon::reject()
{
    dismiss();
    emit cancelled();
}
