#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}
class Shell;

// What the program is, its version, and a way to write to its makers.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout(Shell& shell, QWidget* owner);
    ~frmAbout() override;

    void Label2_Click();

private:
    std::unique_ptr<Ui::frmAbout> m_ui;
    Shell& m_shell;
};
