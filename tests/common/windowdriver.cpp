#include "windowdriver.h"

#include "app/application.h"
#include "testenvironment.h"

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSignalSpy>

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

QQuickItem *WindowDriver::shownItem(const char *className, const QString &text) const
{
    QList<QQuickItem *> all;
    collectItems(window->contentItem(), QString(), all);
    for (QQuickItem *candidate : qAsConst(all)) {
        if (candidate->inherits(className) && candidate->property("text").toString() == text && isShown(candidate))
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

void WindowDriver::screenshot(const QString &name) const
{
    QSharedPointer<const QQuickItemGrabResult> grab = window->contentItem()->grabToImage();
    QVERIFY(grab);
    QSignalSpy ready(const_cast<QQuickItemGrabResult *>(grab.data()), &QQuickItemGrabResult::ready);
    QVERIFY(ready.wait(5000));
    QDir().mkpath(TestEnvironment::buildPath(QStringLiteral("screenshots")));
    QVERIFY(grab->saveToFile(TestEnvironment::buildPath(QStringLiteral("screenshots/") + name + QStringLiteral(".png"))));
}
