#include "menuentryhandler.h"

#include "comm/communicationtask.h"
#include "core/logcategories.h"
#include "menuentry.h"
#include "menuentrysystemcommand.h"
#include "menuentrytasks.h"

#include <QDebug>
#include <QTimer>

namespace {

const QString productNameTextId = QStringLiteral("STD_TN_V_ProductName");
const QString productIdTextId = QStringLiteral("STD_TN_V_ProductID");
const QString generalInformationId = QStringLiteral("M_General_Information");
const QString typeLabelId = QStringLiteral("M_Typelabel");
const QString systemCommandId = QStringLiteral("V_SystemCommand");

} // namespace

MenuEntryHandler::MenuEntryHandler(QObject *parent)
    : QObject(parent)
{
    scheduler = [this](int milliseconds, std::function<void()> call) {
        QTimer::singleShot(milliseconds, this, std::move(call));
    };
}

MenuEntryHandler::~MenuEntryHandler() = default;

void MenuEntryHandler::setScheduler(Scheduler newScheduler)
{
    scheduler = std::move(newScheduler);
}

QList<MenuEntry *> MenuEntryHandler::getMenuEntries() const
{
    QList<MenuEntry *> result;
    for (const QPointer<MenuEntry> &entry : entries) {
        if (entry)
            result.append(entry);
    }
    return result;
}

void MenuEntryHandler::setMenuEntries(const QList<MenuEntry *> &newEntries)
{
    qCDebug(lcMenu) << Q_FUNC_INFO << newEntries;
    if (getMenuEntries() == newEntries)
        return;
    for (const QPointer<MenuEntry> &entry : qAsConst(entries)) {
        if (entry)
            disconnect(entry, nullptr, this, nullptr);
    }
    entries.clear();
    for (MenuEntry *entry : newEntries) {
        if (!entry)
            continue;
        entries.append(entry);
        connect(entry, &MenuEntry::writeRequested, this, &MenuEntryHandler::onWriteRequested);
        connect(entry, &MenuEntry::readRequested, this, &MenuEntryHandler::onReadRequested);
        recognise(entry);
    }
}

void MenuEntryHandler::recognise(MenuEntry *entry)
{
    if (entry->getTextId() == productNameTextId) {
        productNameEntry = entry;
        emit productNameEntryChanged();
    } else if (entry->getTextId() == productIdTextId) {
        productIdEntry = entry;
        emit productIdEntryChanged();
    } else if (entry->getId() == generalInformationId) {
        generalInformationEntry = entry;
        emit generalInformationEntryChanged();
    } else if (entry->getId() == typeLabelId) {
        typeLabelEntry = entry;
        emit typeLabelEntryChanged();
    } else if (entry->getId() == systemCommandId) {
        auto *command = qobject_cast<MenuEntrySystemCommand *>(entry);
        if (command && command->getButtonValue() == locateCommand) {
            qCDebug(lcMenu) << Q_FUNC_INFO << "locate command" << command->getButtonValue();
            locateEntry = command;
        }
    }
}

void MenuEntryHandler::onWriteRequested(QByteArray payload)
{
    qCDebug(lcMenu) << Q_FUNC_INFO << payload.toHex(' ');
    auto *entry = qobject_cast<MenuEntry *>(sender());
    if (!entry)
        return;
    emit newCommunicationTask(MenuEntryTasks::write(entry, payload));
}

void MenuEntryHandler::onReadRequested()
{
    qCDebug(lcMenu) << Q_FUNC_INFO << sender();
}

void MenuEntryHandler::onChangeNotification(int index, int subIndex)
{
    qCDebug(lcMenu) << Q_FUNC_INFO << index << subIndex;
    for (const QPointer<MenuEntry> &entry : qAsConst(entries)) {
        // Entries without variable (sub-menus) have nothing to read.
        if (!entry || !entry->getVariableWrapper())
            continue;
        if (entry->getIndex() != quint32(index) || entry->getSubindex() != quint32(subIndex))
            continue;
        qCDebug(lcMenu) << "entry found" << entry->getTextId();
        emit newCommunicationTask(MenuEntryTasks::read(entry));
    }
}

void MenuEntryHandler::locate()
{
    qCDebug(lcMenu) << Q_FUNC_INFO;
    if (!locateEntry)
        return;
    locateEntry->onButtonClicked();
    const quint64 generation = ++locateGeneration;
    scheduler(locateRepeatDelayMs, [this, generation]() {
        if (generation == locateGeneration)
            stopLocate();
    });
}

void MenuEntryHandler::stopLocate()
{
    qCDebug(lcMenu) << Q_FUNC_INFO;
    if (!locateEntry)
        return;
    locateEntry->onButtonClicked();
    locateEntry->onButtonClicked();
}

MenuEntrySystemCommand *MenuEntryHandler::getLocateEntry() const
{
    return locateEntry;
}

void MenuEntryHandler::reset()
{
    qCDebug(lcMenu) << Q_FUNC_INFO;
    ++locateGeneration;
    locateEntry.clear();
    const QList<QPointer<MenuEntry>> held = entries;
    entries.clear();
    for (const QPointer<MenuEntry> &entry : held) {
        if (!entry)
            continue;
        disconnect(entry, nullptr, this, nullptr);
        delete entry.data();
    }
    productNameEntry.clear();
    productIdEntry.clear();
    generalInformationEntry.clear();
    typeLabelEntry.clear();
    emit productNameEntryChanged();
    emit productIdEntryChanged();
    emit generalInformationEntryChanged();
    emit typeLabelEntryChanged();
}

QObject *MenuEntryHandler::getProductNameEntry() const
{
    return productNameEntry;
}

QObject *MenuEntryHandler::getProductIdEntry() const
{
    return productIdEntry;
}

QObject *MenuEntryHandler::getGeneralInformationEntry() const
{
    return generalInformationEntry;
}

QObject *MenuEntryHandler::getTypeLabelEntry() const
{
    return typeLabelEntry;
}
