#pragma once

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

// A later copy's connection to the running one, read without ever blocking: its request is one
// line. A connection that has not sent a whole line within two seconds is dropped, so that
// nobody can keep the running copy's door open.
class RequestConnection : public QObject
{
    Q_OBJECT

public:
    RequestConnection(int descriptor, QObject* parent);
    ~RequestConnection() override;

    // Answers the request; the answer goes at once or not at all. False when it did not go: the
    // later copy has stopped waiting for it.
    bool answer(const QByteArray& text) const;

signals:
    // The whole line, without its end. The connection is the receiver's to delete.
    void received(RequestConnection* connection, const QByteArray& line);

private:
    void read();

    int m_descriptor;
    QSocketNotifier m_notifier;
    QTimer m_deadline;
    QByteArray m_received;
};
