#pragma once

#include <QObject>

class QAbstractButton;

// Tells when the user lets go of a button that they used: a mouse button released over it (after
// the button has handled the release), or a click that no mouse made (Space, its access key, an
// arrow key in a group of options, assistive technology). A state set by the program itself is
// never told.
class ReleaseNotifier : public QObject
{
    Q_OBJECT

public:
    // Watches button and lives as long as it does.
    explicit ReleaseNotifier(QAbstractButton* button);

signals:
    void released();
    // The same, but only when the user asked for this very button: not when an arrow key in a
    // group of options chose it on the way to another.
    void asked();
};
