#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

#include <memory>

class TrayIconBackend;

// One icon in the notification area, and the mouse activity on it as events. The icon shows
// while InTray is true.
class cSysTray : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QIcon TrayIcon READ TrayIcon WRITE setTrayIcon)
    Q_PROPERTY(QString TrayTip READ TrayTip WRITE setTrayTip)
    Q_PROPERTY(bool InTray READ InTray WRITE setInTray)

public:
    // The tip the notification area gets is cut to this many characters.
    static constexpr qsizetype MaxShownTipLength = 63;

    // The icon in the desktop's own notification area.
    explicit cSysTray(QObject* parent = nullptr);
    // The icon shown through the backend given, which must outlive this object.
    explicit cSysTray(TrayIconBackend& backend, QObject* parent = nullptr);
    ~cSysTray() override;

    // Whether the desktop has a notification area right now; without one a window that hides
    // itself in favour of the icon could not be brought back.
    bool isAvailable() const;

    QIcon TrayIcon() const { return m_icon; }
    void setTrayIcon(const QIcon& icon);
    QString TrayTip() const { return m_tip; }
    void setTrayTip(const QString& tip);
    bool InTray() const { return m_inTray; }
    void setInTray(bool inTray);

    // Raises the event for one mouse message (512-518) about the icon with this id.
    void TrayCallback(int mouseMessage, int id);

signals:
    void MouseMove(int Id);
    void MouseDown(int Button, int Id);
    void MouseUp(int Button, int Id);
    void MouseDblClick(int Button, int Id);

private:
    void listenToBackend();
    QString shownTip() const;

    std::unique_ptr<TrayIconBackend> m_ownBackend; // only when no backend was given
    TrayIconBackend& m_backend;
    QIcon m_icon;
    QString m_tip;
    bool m_inTray = false;
};
