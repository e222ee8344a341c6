// A minimal screen reader on the accessibility bus: it turns the toolkit's bridge on, registers
// for the events a screen reader speaks from, and prints one tab-separated line for each:
//   bus     <process id of the accessibility bus daemon>
//   ready
//   focus   <role> <name> <description> <text>      whatever took the keyboard focus
//   window  <title> <labels, joined by " | ">       a window or dialog that became active
//   clock   <name>                                  the clock label's name as the window opens
//   name    <ms since start> <description>          any accessible name change
// With --quiet it only receives and counts, as the cheapest listener would, and prints the
// name changes per second of the clock label when it is stopped (SIGTERM). With --later it
// turns the bridge on at once but registers for events only on SIGUSR1, so that the same
// run can be measured without a listener and then with one.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QHash>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QString atspi = QStringLiteral("org.a11y.atspi.");

QString oneLine(QString text)
{
    return text.replace(u'\r', u' ').replace(u'\n', u' ').replace(u'\t', u' ');
}

int signalPipe[2];

void passOnSignal(int number)
{
    const char which = number == SIGTERM ? 't' : 'u';
    [[maybe_unused]] const auto written = write(signalPipe[0], &which, 1);
}

} // namespace

class Listener : public QObject
{
    Q_OBJECT

public:
    Listener(const QDBusConnection &bus, bool quiet) : m_bus(bus), m_quiet(quiet)
    {
        m_clock.start();
    }

    void subscribe()
    {
        const QStringList events = m_quiet
                ? QStringList{ QStringLiteral("Object:PropertyChange:AccessibleName") }
                : QStringList{ QStringLiteral("Object:PropertyChange:AccessibleName"),
                               QStringLiteral("Object:StateChanged:Focused"),
                               QStringLiteral("Window:Activate") };
        for (const QString &event : events) {
            QDBusMessage call = QDBusMessage::createMethodCall(
                    atspi + QStringLiteral("Registry"), QStringLiteral("/org/a11y/atspi/registry"),
                    atspi + QStringLiteral("Registry"), QStringLiteral("RegisterEvent"));
            call << event << QStringList() << QString();
            m_bus.call(call);
        }
        const QString object = atspi + QStringLiteral("Event.Object");
        m_bus.connect(QString(), QString(), object, QStringLiteral("PropertyChange"), this,
                      SLOT(propertyChanged(QDBusMessage)));
        if (m_quiet)
            return;
        m_bus.connect(QString(), QString(), object, QStringLiteral("StateChanged"), this,
                      SLOT(stateChanged(QDBusMessage)));
        m_bus.connect(QString(), QString(), atspi + QStringLiteral("Event.Window"),
                      QStringLiteral("Activate"), this, SLOT(windowActivated(QDBusMessage)));
    }

    void printClockRate()
    {
        QTextStream out(stdout);
        for (auto it = m_perSecond.cbegin(); it != m_perSecond.cend(); ++it)
            out << "rate\t" << it.key() << '\t' << it.value() << '\n';
    }

private slots:
    void propertyChanged(const QDBusMessage &message)
    {
        if (message.arguments().value(0).toString() != QStringLiteral("accessible-name"))
            return;
        const QString description = describe(message);
        if (m_quiet) {
            if (description == QStringLiteral("Time"))
                ++m_perSecond[int(m_clock.elapsed() / 1000)];
            return;
        }
        if (description == QStringLiteral("Time"))
            m_clockObject = { message.service(), message.path() };
        print({ QStringLiteral("name"), QString::number(m_clock.elapsed()), description });
    }

    void stateChanged(const QDBusMessage &message)
    {
        const QList<QVariant> args = message.arguments();
        if (args.value(0).toString() != QStringLiteral("focused") || args.value(1).toInt() != 1)
            return;
        const QString service = message.service();
        const QString path = message.path();
        print({ QStringLiteral("focus"), role(service, path), property(service, path, "Name"),
                property(service, path, "Description"), text(service, path) });
    }

    void windowActivated(const QDBusMessage &message)
    {
        QStringList labels;
        collectLabels(message.service(), message.path(), labels, 0);
        print({ QStringLiteral("window"), property(message.service(), message.path(), "Name"),
                labels.join(QStringLiteral(" | ")) });
        if (!m_clockObject.first.isEmpty())
            print({ QStringLiteral("clock"),
                    property(m_clockObject.first, m_clockObject.second, "Name") });
    }

private:
    void print(const QStringList &fields)
    {
        QStringList clean;
        for (const QString &field : fields)
            clean << oneLine(field);
        QTextStream(stdout) << clean.join(u'\t') << Qt::endl;
    }

    // The description tells the clock label from the others; it is asked once per object.
    QString describe(const QDBusMessage &message)
    {
        const QString key = message.service() + message.path();
        auto found = m_descriptions.find(key);
        if (found == m_descriptions.end())
            found = m_descriptions.insert(
                    key, property(message.service(), message.path(), "Description"));
        return *found;
    }

    QString property(const QString &service, const QString &path, const char *name)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
                service, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                QStringLiteral("Get"));
        call << atspi + QStringLiteral("Accessible") << QString::fromLatin1(name);
        const QDBusReply<QDBusVariant> reply = m_bus.call(call);
        return reply.isValid() ? reply.value().variant().toString() : QString();
    }

    QString role(const QString &service, const QString &path)
    {
        const QDBusReply<QString> reply = m_bus.call(QDBusMessage::createMethodCall(
                service, path, atspi + QStringLiteral("Accessible"),
                QStringLiteral("GetRoleName")));
        return reply.isValid() ? reply.value() : QString();
    }

    QString text(const QString &service, const QString &path)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
                service, path, atspi + QStringLiteral("Text"), QStringLiteral("GetText"));
        call << 0 << -1;
        const QDBusReply<QString> reply = m_bus.call(call);
        return reply.isValid() ? reply.value() : QString();
    }

    // What a screen reader reads out of a dialog: the text of its labels, in order.
    void collectLabels(const QString &service, const QString &path, QStringList &labels,
                       int depth)
    {
        if (depth > 4)
            return;
        const QDBusMessage reply = m_bus.call(QDBusMessage::createMethodCall(
                service, path, atspi + QStringLiteral("Accessible"),
                QStringLiteral("GetChildren")));
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return;
        const QDBusArgument children = reply.arguments().at(0).value<QDBusArgument>();
        QList<QPair<QString, QString>> found;
        children.beginArray();
        while (!children.atEnd()) {
            QString childService;
            QDBusObjectPath childPath;
            children.beginStructure();
            children >> childService >> childPath;
            children.endStructure();
            found.append({ childService, childPath.path() });
        }
        children.endArray();
        for (const auto &[childService, childPath] : found) {
            if (role(childService, childPath) == QStringLiteral("label")) {
                const QString name = property(childService, childPath, "Name");
                if (!name.isEmpty())
                    labels << name;
            }
            collectLabels(childService, childPath, labels, depth + 1);
        }
    }

    QDBusConnection m_bus;
    const bool m_quiet;
    QElapsedTimer m_clock;
    QHash<QString, QString> m_descriptions;
    QMap<int, int> m_perSecond;
    QPair<QString, QString> m_clockObject;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bool quiet = app.arguments().contains(QStringLiteral("--quiet"));

    // A screen reader switches the toolkits' bridges on through the session bus.
    QDBusConnection session = QDBusConnection::sessionBus();
    for (const char *flag : { "IsEnabled", "ScreenReaderEnabled" }) {
        QDBusMessage set = QDBusMessage::createMethodCall(
                QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
        set << QStringLiteral("org.a11y.Status") << QString::fromLatin1(flag)
            << QVariant::fromValue(QDBusVariant(true));
        session.call(set);
    }
    const QDBusReply<QString> address = session.call(QDBusMessage::createMethodCall(
            QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
            QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")));
    if (!address.isValid()) {
        std::fprintf(stderr, "a11ylistener: no accessibility bus: %s\n",
                     qPrintable(address.error().message()));
        return 1;
    }
    const QDBusConnection bus = QDBusConnection::connectToBus(address.value(), QStringLiteral("a11y"));
    if (!bus.isConnected()) {
        std::fprintf(stderr, "a11ylistener: cannot connect to %s\n", qPrintable(address.value()));
        return 1;
    }

    Listener listener(bus, quiet);
    if (!app.arguments().contains(QStringLiteral("--later")))
        listener.subscribe();

    // The signals reach the event loop through a socket: SIGTERM ends the run, so the counts
    // can still be printed, and SIGUSR1 registers for the events.
    socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe);
    std::signal(SIGTERM, passOnSignal);
    std::signal(SIGUSR1, passOnSignal);
    QSocketNotifier signalled(signalPipe[1], QSocketNotifier::Read);
    QObject::connect(&signalled, &QSocketNotifier::activated, &app, [&] {
        char which = 0;
        if (read(signalPipe[1], &which, 1) == 1 && which == 'u')
            listener.subscribe();
        else
            app.quit();
    });

    // The bench adds the bus daemon's work to the listener's.
    const QDBusReply<uint> busPid = bus.interface()->servicePid(QStringLiteral("org.freedesktop.DBus"));
    if (busPid.isValid())
        QTextStream(stdout) << "bus\t" << busPid.value() << Qt::endl;
    QTextStream(stdout) << "ready" << Qt::endl;
    const int status = app.exec();
    if (quiet)
        listener.printClockRate();
    return status;
}

#include "a11ylistener.moc"
