#pragma once

#include <QLocale>
#include <QObject>
#include <QTranslator>

// Qt's own texts (the buttons of message boxes, the file chooser, the menus of text boxes and
// scroll bars, what assistive technology is told) in the user's language. The main window shows
// none of them, and the catalogue is large (a fifth of a megabyte resident in German), so it is
// loaded only when they may be needed: as the first dialog is made, before any of its texts
// are; at the first context menu, before the menu is; at the first focus once assistive
// technology listens. Loading it changes nothing the program's own windows show.
class QtCatalogueOnDemand final : public QObject
{
public:
    explicit QtCatalogueOnDemand(const QLocale& locale, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();

    QLocale m_locale;
    QTranslator m_catalogue;
};
