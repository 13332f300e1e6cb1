#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmRunFile;
}
class SettingsStore;

// Where the user chooses the file that the "Run File" action opens.
class frmRunFile : public QDialog
{
    Q_OBJECT

public:
    // The kinds of file the browse dialog offers, in order, in the user's language: "Exe Files
    // (*.exe)". The last, which shows every file, is chosen at first.
    static QStringList fileTypes();

    frmRunFile(const SettingsStore& settings, QWidget* owner);
    ~frmRunFile() override;

    void Command1_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::frmRunFile> m_ui;
    const SettingsStore& m_settings;
};
