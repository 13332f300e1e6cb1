#include "frmAbout.h"

#include "ProgramInfo.h"
#include "forms/LinkLabel.h"
#include "platform/Shell.h"
#include "ui_frmAbout.h"

#include <QCoreApplication>
#include <QIcon>

frmAbout::frmAbout(Shell& shell, QWidget* owner)
    : QDialog(owner), m_ui(std::make_unique<Ui::frmAbout>()), m_shell(shell)
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size());

    const QString title = QString::fromUtf8(ProgramInfo::Title);
    setWindowTitle(tr("About %1 - Auto Shutdown Timer").arg(title));
    m_ui->lblVersion->setText(tr("Version %1.%2.%3")
                                  .arg(ProgramInfo::VersionMajor)
                                  .arg(ProgramInfo::VersionMinor)
                                  .arg(ProgramInfo::VersionRevision));
    m_ui->lblTitle->setText(title);
    m_ui->Label1->setText(QString::fromUtf8(ProgramInfo::CreditLine));
    m_ui->Label2->setText(QLatin1Char('(') + QString::fromUtf8(ProgramInfo::SupportAddress) +
                          QLatin1Char(')'));
    m_ui->Label4->setText(QString::fromUtf8(ProgramInfo::NoticeLine));
    // Drawn from the larger picture on a display scaled above 100 %.
    m_ui->Image1->setPixmap(
        QIcon(QStringLiteral(":/about.png")).pixmap(QSize(45, 45), devicePixelRatioF()));

    m_ui->Image1->setAccessibleName(title);
    m_ui->Label2->setAccessibleName(QString::fromUtf8(ProgramInfo::SupportAddress));
    // Read on its own, the line before the address needs an end of its own.
    m_ui->Label3->setAccessibleName(
        tr("Please send your comments to %1.").arg(QString::fromUtf8(ProgramInfo::SupportAddress)));
    connect(m_ui->Label2, &LinkLabel::activated, this, &frmAbout::Label2_Click);
    // OK answers to both Enter and Escape.
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    m_ui->cmdOK->setFocus();
}

frmAbout::~frmAbout() = default;

void frmAbout::Label2_Click()
{
    m_shell.openUrl(
        QUrl(QStringLiteral("mailto:") + QString::fromUtf8(ProgramInfo::SupportAddress)),
        [](const Shell::Result&) {});
}
