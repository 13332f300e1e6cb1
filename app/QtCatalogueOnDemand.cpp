#include "QtCatalogueOnDemand.h"

#include <QAccessible>
#include <QChildEvent>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QWidget>

QtCatalogueOnDemand::QtCatalogueOnDemand(const QLocale& locale, QObject* parent)
    : QObject(parent), m_locale(locale)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool QtCatalogueOnDemand::eventFilter(QObject* /*watched*/, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ChildAdded: {
        // Sent while a dialog is being made, before any of its texts are (a message box's
        // buttons, the file chooser's). The lists of boxes are windows too, but show none.
        const QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType()) {
            const Qt::WindowType type = static_cast<const QWidget*>(child)->windowType();
            if (type == Qt::Dialog || type == Qt::Sheet)
                load();
        }
        break;
    }
    case QEvent::ContextMenu:
        load(); // before the menu of a text box or scroll bar is made
        break;
    case QEvent::FocusIn:
        if (QAccessible::isActive())
            load();
        break;
    default:
        break;
    }
    return false;
}

void QtCatalogueOnDemand::load()
{
    QCoreApplication::instance()->removeEventFilter(this);
    if (m_catalogue.load(m_locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_catalogue);
}
