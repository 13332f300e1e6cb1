#include "frmRunFile.h"

#include "FileTypeFilter.h"
#include "app/SettingsStore.h"
#include "ui_frmRunFile.h"

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QMessageBox>

namespace {

// A kind of file: its description, which is translated, and its patterns, which are not.
struct FileType
{
    const char* description;
    const char* patterns;
};
constexpr FileType FileTypes[] = {{QT_TRANSLATE_NOOP("frmRunFile", "Exe Files"), "*.exe"},
                                  {QT_TRANSLATE_NOOP("frmRunFile", "Batch Files"), "*.bat"},
                                  {QT_TRANSLATE_NOOP("frmRunFile", "All Files"), "*.*"}};

} // namespace

QStringList frmRunFile::fileTypes()
{
    QStringList shown;
    for (const FileType& type : FileTypes)
        shown << QStringLiteral("%1 (%2)").arg(tr(type.description),
                                               QLatin1StringView(type.patterns));
    return shown;
}

frmRunFile::frmRunFile(const SettingsStore& settings, QWidget* owner)
    : QDialog(owner), m_ui(std::make_unique<Ui::frmRunFile>()), m_settings(settings)
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size());
    m_ui->Command1->setIcon(QIcon(QStringLiteral(":/browse.png")));
    m_ui->Command1->setIconSize(QSize(16, 16));
    m_ui->Command1->setToolTip(tr("Browse"));
    connect(m_ui->Command1, &QPushButton::clicked, this, &frmRunFile::Command1_Click);
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &frmRunFile::cmdOK_Click);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &frmRunFile::cmdCancel_Click);

    m_ui->Text1->setText(m_settings.ReadSetting(SettingKey::RunFile, QString()));
    m_ui->cmdCancel->setFocus();
}

frmRunFile::~frmRunFile() = default;

void frmRunFile::Command1_Click()
{
    QFileDialog dialog(this, tr("Please select a file"), QDir::rootPath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    auto* filter = new FileTypeFilter(&dialog);
    dialog.setProxyModel(filter);
    // The dialog's own name filtering would hide every file without a dot from "*.*"; the
    // proxy does the filtering instead.
    const QStringList fileTypes = frmRunFile::fileTypes();
    const auto useFileType = [filter, fileTypes](const QString& fileType) {
        if (auto* files = qobject_cast<QFileSystemModel*>(filter->sourceModel()))
            files->setNameFilters({});
        const qsizetype index = std::max<qsizetype>(0, fileTypes.indexOf(fileType));
        filter->setPatterns(QString::fromLatin1(FileTypes[index].patterns).split(QLatin1Char(' ')));
    };
    connect(&dialog, &QFileDialog::filterSelected, filter, useFileType);
    dialog.setNameFilters(fileTypes);
    // Programs and scripts here have no ending of their own: the dialog opens on the type that
    // shows them.
    dialog.selectNameFilter(fileTypes.last());
    useFileType(fileTypes.last());

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    m_ui->Text1->setText(dialog.selectedFiles().constFirst().trimmed());
}

void frmRunFile::cmdOK_Click()
{
    const QString path = m_ui->Text1->text().trimmed();
    if (path.isEmpty()) {
        QMessageBox::information(this, tr("Run File Setup"),
                                 tr("Please choose a file which you want to run in time"));
        return;
    }
    m_settings.WriteSetting(SettingKey::RunFile, path);
    accept();
}

void frmRunFile::cmdCancel_Click()
{
    reject();
}

void frmRunFile::keyPressEvent(QKeyEvent* event)
{
    // Neither button answers to Escape; only the buttons and the close box end the dialog.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}
