// Types into a headless mutter through its remote desktop interface, as a remote desktop
// client would. mutter only takes keys for a session from the connection that created it, so
// one process holds that connection open and reads what to send from standard input, a line
// at a time, answering each with "ok" once mutter has taken every key of it:
//   key <chord>     a key or chord in xdotool's spelling: Return, ctrl+n, alt+x
//   type <text>     each character of the text as its own key
// The session's first key can be lost on a fresh seat, so it starts with a lone Shift.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QHash>
#include <QStringList>
#include <QTextStream>
#include <QThread>

#include <cstdio>

namespace {

const QString service = QStringLiteral("org.gnome.Mutter.RemoteDesktop");
const QString sessionInterface = QStringLiteral("org.gnome.Mutter.RemoteDesktop.Session");

// Keysyms of the keys the game is played with; a character is its own keysym in Latin-1
// and 0x1000000 plus its code point beyond.
const QHash<QString, quint32> namedKeys = {
    { "ctrl", 0xffe3 },      { "alt", 0xffe9 },       { "shift", 0xffe1 },
    { "Shift_L", 0xffe1 },   { "Return", 0xff0d },    { "Escape", 0xff1b },
    { "Tab", 0xff09 },       { "BackSpace", 0xff08 }, { "space", 0x20 },
};

quint32 keysym(const QString &name)
{
    if (const auto named = namedKeys.find(name); named != namedKeys.end())
        return *named;
    const uint code = name.toUcs4().value(0);
    return code < 0x100 ? code : 0x1000000 + code;
}

class Session
{
public:
    bool open()
    {
        const QDBusReply<QDBusObjectPath> created = m_bus.call(QDBusMessage::createMethodCall(
                service, QStringLiteral("/org/gnome/Mutter/RemoteDesktop"), service,
                QStringLiteral("CreateSession")));
        if (!created.isValid())
            return fail(created.error().message());
        m_path = created.value().path();
        return call(QStringLiteral("Start"), {});
    }

    void close() { call(QStringLiteral("Stop"), {}); }

    bool key(quint32 sym, bool pressed)
    {
        const bool sent = call(QStringLiteral("NotifyKeyboardKeysym"), { sym, pressed });
        QThread::msleep(15); // as a typist's keys come, not all in one frame
        return sent;
    }

    bool chord(const QString &spelling)
    {
        const QStringList keys = spelling.split(u'+');
        for (const QString &name : keys) {
            if (!key(keysym(name), true))
                return false;
        }
        for (auto name = keys.crbegin(); name != keys.crend(); ++name) {
            if (!key(keysym(*name), false))
                return false;
        }
        return true;
    }

private:
    bool call(const QString &method, const QVariantList &arguments)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(service, m_path, sessionInterface, method);
        message.setArguments(arguments);
        const QDBusMessage reply = m_bus.call(message);
        return reply.type() == QDBusMessage::ReplyMessage || fail(reply.errorMessage());
    }

    static bool fail(const QString &why)
    {
        std::fprintf(stderr, "mutterkeys: %s\n", qPrintable(why));
        return false;
    }

    QDBusConnection m_bus = QDBusConnection::sessionBus();
    QString m_path;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Session session;
    if (!session.open() || !session.chord(QStringLiteral("Shift_L")))
        return 1;
    QTextStream in(stdin);
    QTextStream out(stdout);
    QString line;
    while (in.readLineInto(&line)) {
        const QString what = line.section(u' ', 1);
        bool sent = false;
        if (line.startsWith(QLatin1String("key ")))
            sent = session.chord(what);
        else if (line.startsWith(QLatin1String("type "))) {
            sent = true;
            for (const uint character : what.toUcs4())
                sent = sent && session.chord(QString::fromUcs4(reinterpret_cast<const char32_t *>(&character), 1));
        }
        if (!sent)
            return 1;
        out << "ok" << Qt::endl;
    }
    session.close();
    return 0;
}
