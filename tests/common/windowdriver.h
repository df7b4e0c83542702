#pragma once

#include <QStringList>
#include <QSize>
#include <QString>

class DevicesListModel;
class IOLinkDevice;
class QObject;
class QQuickItem;
class QQuickWindow;

// Finds the items of the program's window by their object names and drives them as a user would;
// the screen tests inherit it next to QObject.
class WindowDriver
{
public:
    // Starts the program's window as the entry point does, at this size; null when it did not show.
    static QQuickWindow *startWindow(const QSize &size);

    // Every item below from with this object name (every item when the name is empty); views made by
    // lists and loaders hang in the visual tree only, so the search walks it.
    static void collectItems(QQuickItem *from, const QString &name, QList<QQuickItem *> &found);
    static bool isShown(QQuickItem *candidate);
    static QString text(QQuickItem *label);
    static DevicesListModel *devices();
    static IOLinkDevice *currentDevice();
    // An object the program hands to its QML by this name (a model, the catalogue, the network masters).
    static QObject *published(const QString &name);
    // Connects the device of the list's row as its connect button does; false when it was not connected in time.
    static bool connectDevice(int row);

    // From now on, every warning that names one of our QML files, or a layout laying itself out in a loop
    // (its warning names no file), is kept until taken: each is a fault of the screens.
    static void collectQmlWarnings();
    static QStringList takeQmlWarnings();

    // The first shown item of the name, else the first hidden one (closed pop-ups included).
    QQuickItem *item(const QString &name, QQuickItem *root = nullptr) const;
    QList<QQuickItem *> shownItems(const QString &name, QQuickItem *root = nullptr) const;
    // A non-visual object (dialog, model) of the window by its object name.
    QObject *object(const QString &name) const;
    // The shown items of the class, such as the entries of an open pop-up.
    QList<QQuickItem *> shownItemsOf(const char *className) const;
    // A shown item of the class with the text.
    QQuickItem *shownItem(const char *className, const QString &text) const;
    // Scrolls the lists around the target so that it lies within the window, as a user would.
    void scrollIntoView(QQuickItem *target) const;
    // Scrolls the target into view and clicks its centre.
    void click(QQuickItem *target) const;
    // Clicks the tab and waits until it is the current one.
    void showTab(const QString &tabName) const;
    // Opens every collapsed sub-menu below the page (the view of each title holds "expanded"), nested ones too.
    void expandAll(QQuickItem *page, const QString &titleName = QStringLiteral("subMenuTitle")) const;
    void closeDialog(const QString &dialogName) const;
    // Saves the window's picture as screenshots/<name>.png in the build folder.
    void screenshot(const QString &name) const;

protected:
    QQuickWindow *window = nullptr;
};
