#include "windowdriver.h"

#include "app/application.h"
#include "connection/iolinkdevice.h"
#include "discovery/deviceslistmodel.h"
#include "testenvironment.h"

#include <QMutex>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSignalSpy>

namespace {

QStringList qmlWarnings;
QMutex warningsMutex;
QtMessageHandler previousHandler = nullptr;

void keepQmlWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg
        && (message.contains(QLatin1String("qrc:/qml")) || QString::fromUtf8(context.file).startsWith(QLatin1String("qrc:/qml"))
            || message.contains(QLatin1String("Detected recursive rearrange")))) {
        QMutexLocker lock(&warningsMutex);
        qmlWarnings.append(message);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void WindowDriver::collectQmlWarnings()
{
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(keepQmlWarnings);
}

QStringList WindowDriver::takeQmlWarnings()
{
    QMutexLocker lock(&warningsMutex);
    QStringList taken;
    taken.swap(qmlWarnings);
    return taken;
}

DevicesListModel *WindowDriver::devices()
{
    return qobject_cast<Application *>(QCoreApplication::instance())->getDevicesModel();
}

IOLinkDevice *WindowDriver::currentDevice()
{
    return devices()->getCurrentDevice();
}

QObject *WindowDriver::published(const QString &name)
{
    auto *application = qobject_cast<Application *>(QCoreApplication::instance());
    return application->getEngine()->rootContext()->contextProperty(name).value<QObject *>();
}

bool WindowDriver::connectDevice(int row)
{
    if (!QTest::qWaitFor([row]() { return devices()->rowCount() > row; }, 30000))
        return false;
    devices()->connectToDevice(row);
    return QTest::qWaitFor([]() { return currentDevice() && currentDevice()->getState() == QLatin1String("connected"); }, 60000);
}

QQuickWindow *WindowDriver::startWindow(const QSize &size)
{
    QQuickStyle::setStyle(QStringLiteral("Material"));
    auto *application = qobject_cast<Application *>(QCoreApplication::instance());
    if (!application)
        return nullptr;
    application->init();
    auto *started = qobject_cast<QQuickWindow *>(application->getEngine()->rootObjects().value(0));
    if (!started)
        return nullptr;
    started->resize(size);
    return QTest::qWaitForWindowExposed(started) ? started : nullptr;
}

void WindowDriver::collectItems(QQuickItem *from, const QString &name, QList<QQuickItem *> &found)
{
    for (QQuickItem *child : from->childItems()) {
        if (name.isEmpty() || child->objectName() == name)
            found.append(child);
        collectItems(child, name, found);
    }
}

bool WindowDriver::isShown(QQuickItem *candidate)
{
    return candidate && candidate->isVisible() && candidate->width() > 0 && candidate->height() > 0;
}

QString WindowDriver::text(QQuickItem *label)
{
    return label ? label->property("text").toString() : QStringLiteral("<missing>");
}

QQuickItem *WindowDriver::item(const QString &name, QQuickItem *root) const
{
    const QList<QQuickItem *> shown = shownItems(name, root);
    if (!shown.isEmpty())
        return shown.first();
    QList<QQuickItem *> found;
    collectItems(root ? root : window->contentItem(), name, found);
    // Closed pop-ups are not in the visual tree.
    if (found.isEmpty() && !root)
        found = window->findChildren<QQuickItem *>(name);
    return found.isEmpty() ? nullptr : found.first();
}

QList<QQuickItem *> WindowDriver::shownItems(const QString &name, QQuickItem *root) const
{
    QList<QQuickItem *> found;
    collectItems(root ? root : window->contentItem(), name, found);
    QList<QQuickItem *> shown;
    for (QQuickItem *candidate : qAsConst(found)) {
        if (isShown(candidate))
            shown.append(candidate);
    }
    return shown;
}

QObject *WindowDriver::object(const QString &name) const
{
    if (QObject *found = window->findChild<QObject *>(name))
        return found;
    QList<QQuickItem *> items;
    collectItems(window->contentItem(), QString(), items);
    for (QQuickItem *candidate : qAsConst(items)) {
        if (QObject *child = candidate->findChild<QObject *>(name, Qt::FindDirectChildrenOnly))
            return child;
    }
    return nullptr;
}

QList<QQuickItem *> WindowDriver::shownItemsOf(const char *className) const
{
    QList<QQuickItem *> shown;
    for (QQuickItem *candidate : shownItems(QString())) {
        if (candidate->inherits(className))
            shown.append(candidate);
    }
    return shown;
}

QQuickItem *WindowDriver::shownItem(const char *className, const QString &text) const
{
    for (QQuickItem *candidate : shownItemsOf(className)) {
        if (candidate->property("text").toString() == text)
            return candidate;
    }
    return nullptr;
}

void WindowDriver::scrollIntoView(QQuickItem *target) const
{
    for (QQuickItem *ancestor = target->parentItem(); ancestor; ancestor = ancestor->parentItem()) {
        if (!ancestor->inherits("QQuickFlickable") || !ancestor->property("interactive").toBool())
            continue;
        const QPointF inside = target->mapToItem(ancestor, QPointF(0, target->height() / 2));
        if (inside.y() >= 0 && inside.y() <= ancestor->height() && target->mapToScene(QPointF()).y() < window->height() - 40)
            continue;
        const qreal wanted = ancestor->property("contentY").toReal() + inside.y() - ancestor->height() / 2;
        ancestor->setProperty("contentY", qMax<qreal>(0, wanted));
    }
}

void WindowDriver::click(QQuickItem *target) const
{
    QVERIFY(target);
    QVERIFY2(isShown(target), qPrintable(target->objectName()));
    scrollIntoView(target);
    const QPoint centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre);
}

void WindowDriver::showTab(const QString &tabName) const
{
    QQuickItem *tab = item(tabName);
    QTRY_VERIFY2(isShown(tab), qPrintable(tabName));
    click(tab);
    QTRY_VERIFY2(tab->property("checked").toBool(), qPrintable(tabName));
}

void WindowDriver::expandAll(QQuickItem *page, const QString &titleName) const
{
    for (bool opened = true; opened;) {
        opened = false;
        for (QQuickItem *title : shownItems(titleName, page)) {
            QQuickItem *view = title->parentItem();
            if (view->property("expanded").toBool())
                continue;
            click(title);
            QTRY_VERIFY(view->property("expanded").toBool());
            opened = true;
            break;
        }
    }
}

void WindowDriver::closeDialog(const QString &dialogName) const
{
    QObject *dialog = object(dialogName);
    QVERIFY2(dialog, qPrintable(dialogName));
    QVERIFY(QMetaObject::invokeMethod(dialog, "close"));
    QTRY_VERIFY(!dialog->property("visible").toBool());
}

void WindowDriver::screenshot(const QString &name) const
{
    QSharedPointer<const QQuickItemGrabResult> grab = window->contentItem()->grabToImage();
    QVERIFY(grab);
    QSignalSpy ready(const_cast<QQuickItemGrabResult *>(grab.data()), &QQuickItemGrabResult::ready);
    QVERIFY(ready.wait(5000));
    const QString path = TestEnvironment::buildPath(QStringLiteral("screenshots/") + name + QStringLiteral(".png"));
    QDir().mkpath(QFileInfo(path).path());
    QVERIFY(grab->saveToFile(path));
}
