#include "frmEndingSoon.h"

#include "forms/DesignFonts.h"
#include "ui_frmEndingSoon.h"

frmEndingSoon::frmEndingSoon(std::function<QString()> text, QWidget* owner)
    : QDialog(owner), m_text(std::move(text))
{
    Ui::frmEndingSoon ui;
    ui.setupUi(this);
    DesignFonts::applyDesignFonts(this);
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size());
    connect(ui.cmdCancel, &QPushButton::clicked, this, &frmEndingSoon::reject);
    connect(ui.cmdMore, &QPushButton::clicked, this, [this] {
        dismiss();
        emit extended();
    });
    const auto show = [this, label = ui.lblText] { label->setText(m_text()); };
    show();
    m_tick.setInterval(1000);
    connect(&m_tick, &QTimer::timeout, this, show);
    m_tick.start();
}

void frmEndingSoon::dismiss()
{
    m_tick.stop();
    hide();
    deleteLater();
}

void frmEndingSoon::reject()
{
    dismiss();
    emit cancelled();
}
