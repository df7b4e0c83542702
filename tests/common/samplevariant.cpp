#include "samplevariant.h"

#include "app/applicationsettings.h"

#include <QFile>

SampleVariant::SampleVariant()
{
    QFile sample(ApplicationSettings::defaultSimulatedDevices().value(0));
    usable = folder.isValid() && sample.open(QIODevice::ReadOnly) && document.setContent(&sample, true);
}

QDomElement SampleVariant::firstElement(const QString &name)
{
    return document.elementsByTagNameNS(document.documentElement().namespaceURI(), name).item(0).toElement();
}

SampleVariant &SampleVariant::without(const QString &elementName)
{
    for (QDomElement element = firstElement(elementName); !element.isNull(); element = firstElement(elementName))
        element.parentNode().removeChild(element);
    return *this;
}

SampleVariant &SampleVariant::insertInto(const QString &elementName, const QString &fragment, bool first)
{
    // The fragment is parsed in the document's namespace, so lookups by namespace find it.
    const QString wrapped = QStringLiteral("<wrap xmlns=\"%1\">%2</wrap>").arg(document.documentElement().namespaceURI(), fragment);
    QDomDocument parsed;
    QDomElement target = firstElement(elementName);
    if (!parsed.setContent(wrapped, true) || target.isNull()) {
        usable = false;
        return *this;
    }
    const QDomNode anchor = target.firstChild();
    for (QDomNode node = parsed.documentElement().firstChild(); !node.isNull(); node = node.nextSibling()) {
        const QDomNode copy = document.importNode(node, true);
        if (first)
            target.insertBefore(copy, anchor);
        else
            target.appendChild(copy);
    }
    return *this;
}

QString SampleVariant::write(const QString &fileName)
{
    QFile file(folder.filePath(fileName));
    if (!usable || !file.open(QIODevice::WriteOnly) || file.write(document.toByteArray()) < 0)
        return QString();
    return file.fileName();
}
