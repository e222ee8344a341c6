#include "descriptionchange.h"

#include <QWidget>

#if defined(Q_OS_LINUX) && QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>
#endif

// Qt 6.4's AT-SPI bridge sends a description change with the path of the control where the
// new text belongs, so Orca 43 has nothing to say ("bad content sent to speak()"); Qt 6.8's
// sends the text. The change goes out again as it should be, on the bridge's own connection to
// the accessibility bus, so that it comes from the same sender and object. Only Linux has
// that bus; Qt's Windows accessibility sends the text.
void DescriptionChange::resend([[maybe_unused]] QWidget *control)
{
#if defined(Q_OS_LINUX) && QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    const QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    if (!QAccessible::isActive() || !bus.isConnected() || !accessible)
        return;
    QDBusMessage change = QDBusMessage::createSignal(
            QStringLiteral("/org/a11y/atspi/accessible/")
                    + QString::number(QAccessible::uniqueId(accessible)),
            QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    change << QStringLiteral("accessible-description") << 0 << 0
           << QVariant::fromValue(QDBusVariant(control->accessibleDescription()))
           << QVariantMap();
    bus.send(change);
#endif
}
