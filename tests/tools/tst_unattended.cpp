// orvex-export as a scheduled task runs it, against a MariaDB server of its
// own (it is stopped with SIGSTOP) with a SELECT-only account that has a
// password: a stalled server or connection, a signal and the deadline end the
// run with status 1 and leave the month's earlier file byte for byte; the file
// is put in place only whole and checked, never through a link, with the mode
// of the file it replaces.

#include "hostdatabase.h"
#include "pluginhost.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <csignal>

#include <cstring>
#include <vector>

#ifdef Q_OS_UNIX
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

const char* const databaseName = "t_unattended";
const char* const fileName = "ds032024_ID-1.txt";
const QByteArray earlierFile = QByteArray("2024|03|9999|1|1||\n").repeated(40);
const int timeoutSeconds = 2;

int hostdb(const char* command)
{
    return QProcess::execute("bash", {ORVEX_SOURCE_DIR "/scripts/hostdb.sh", command, ORVEX_UNATTENDED_HOSTDB_DIR});
}

qint64 serverPid()
{
    QFile pidFile(ORVEX_UNATTENDED_HOSTDB_DIR "/pid");
    return pidFile.open(QIODevice::ReadOnly) ? pidFile.readAll().trimmed().toLongLong() : 0;
}

void signalProcess(qint64 pid, int signalNumber)
{
#ifdef Q_OS_UNIX
    if (pid > 0 && signalNumber > 0)
        ::kill(pid_t(pid), signalNumber);
#else
    Q_UNUSED(pid);
    Q_UNUSED(signalNumber);
#endif
}

// Stops the server (SIGSTOP) or lets it go on.
void pauseServer(qint64 pid, bool pause)
{
#ifdef Q_OS_UNIX
    signalProcess(pid, pause ? SIGSTOP : SIGCONT);
#else
    Q_UNUSED(pid);
    Q_UNUSED(pause);
#endif
}

// A TCP port on the loopback that forwards to the server's unix socket, in
// both directions, until a statement holding `trigger` passes: from then on
// it forwards nothing, and keeps every connection open (a peer that stopped
// answering). Plain sockets on a thread of its own; Unix only.
class StallingProxy : public QThread
{
public:
    StallingProxy(const QString& socketPath, const QByteArray& trigger) : socketPath(socketPath), trigger(trigger) {}
    ~StallingProxy() override
    {
        stopping.storeRelease(1);
        wait();
#ifdef Q_OS_UNIX
        for (const pollfd& entry : fds)
            if (entry.fd >= 0)
                ::close(entry.fd);
#endif
    }

    quint16 listen()
    {
#ifdef Q_OS_UNIX
        const int server = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (server < 0 || ::bind(server, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(server, 8) != 0
            || ::getsockname(server, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return 0;
        fds.push_back({server, POLLIN, 0});
        start();
        return ntohs(address.sin_port);
#else
        return 0;
#endif
    }

    bool stalled() const { return isStalled.loadAcquire() != 0; }

protected:
    void run() override
    {
#ifdef Q_OS_UNIX
        char buffer[65536];
        while (!stopping.loadAcquire()) {
            if (::poll(fds.data(), nfds_t(fds.size()), 50) <= 0)
                continue;
            if (fds[0].revents & POLLIN)
                accept();
            for (size_t i = 1; i < fds.size(); ++i) {
                if (!(fds[i].revents & (POLLIN | POLLHUP)))
                    continue;
                const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
                if (got <= 0) { // the peer closed: poll() passes over a negative descriptor
                    ::close(fds[i].fd);
                    fds[i].fd = -1;
                    continue;
                }
                // Clients are at odd places, their server sides after them.
                const bool fromClient = i % 2 == 1;
                if (fromClient && QByteArray::fromRawData(buffer, int(got)).contains(trigger))
                    isStalled.storeRelease(1);
                if (!stalled())
                    writeAll(fds[fromClient ? i + 1 : i - 1].fd, buffer, size_t(got));
            }
        }
#endif
    }

private:
#ifdef Q_OS_UNIX
    void accept()
    {
        const int client = ::accept(fds[0].fd, nullptr, nullptr);
        const int upstream = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(socketPath);
        std::memcpy(address.sun_path, path.constData(), size_t(qMin(path.size(), int(sizeof address.sun_path) - 1)));
        if (client < 0 || upstream < 0 || ::connect(upstream, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            ::close(client);
            ::close(upstream);
            return;
        }
        fds.push_back({client, POLLIN, 0});
        fds.push_back({upstream, POLLIN, 0});
    }

    static void writeAll(int fd, const char* data, size_t size)
    {
        while (size > 0) {
            const ssize_t written = ::write(fd, data, size);
            if (written <= 0)
                return;
            data += written;
            size -= size_t(written);
        }
    }

    std::vector<pollfd> fds; // the listening socket, then client and server side of each connection
#endif
    const QString socketPath;
    const QByteArray trigger;
    QAtomicInt isStalled;
    QAtomicInt stopping;
};

QStringList leftovers(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
        .filter(QStringLiteral(".orvex-export"));
}

} // namespace

class TestUnattended : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void stalledServer_data();
    void stalledServer();
    void halfOpenConnection_data();
    void halfOpenConnection();
    void stopped_data();
    void stopped();
    void refusedBeforeExport_data();
    void refusedBeforeExport();
    void fileGuard_data();
    void fileGuard();
    void fileAccess();
    void hostFormat_data();
    void hostFormat();
    void writeFailureNamed_data();
    void writeFailureNamed();
    void monthBounds_data();
    void monthBounds();
    void terminalOutput_data();
    void terminalOutput();
    void startsClean_data();
    void startsClean();
    void replayChecked_data();
    void replayChecked();
    void cleanupTestCase();

private:
    // Starts orvex-export on the month with the payroll account; `connection`
    // replaces the socket option.
    void start(QProcess& process, const QStringList& extra, QStringList connection = QStringList(),
               const QStringList& environment = QStringList()) const;
    QString prepareFolder(QTemporaryDir& folder) const;
    bool waitForLockedRead();
    void checkKept(const QString& folder, const QProcess& process, const QByteArray& err);

    QScopedPointer<TestHostDb> host;
    QString socket;
    QTemporaryDir prepared; // DB_test_paterns/demo.db and params.json of the month
};

void TestUnattended::initTestCase()
{
#ifndef Q_OS_UNIX
    QSKIP("stops the server with SIGSTOP and sends signals");
#endif
    qputenv("ORVEX_MARIADB_DIR", ORVEX_UNATTENDED_HOSTDB_DIR);
    QCOMPARE(hostdb("start"), 0);
    socket = TestHostDb::connectOptions().mid(int(qstrlen("UNIX_SOCKET=")));
    host.reset(new TestHostDb(QString::fromLatin1(databaseName)));
    QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
    QProcess generator;
    generator.start(ORVEX_DEMO_COMPANY_PROGRAM, QStringList());
    QVERIFY(generator.waitForFinished(60000) && generator.exitCode() == 0);
    for (const QString& line : QString::fromUtf8(generator.readAllStandardOutput()).split('\n'))
        if (line.startsWith(QLatin1String("INSERT")))
            QVERIFY2(host->exec(line.left(line.size() - 1)), qPrintable(host->errorText()));
    const QString copy("INSERT INTO pamsettings (id, type, data) SELECT %1, type, %2 FROM pamsettings WHERE id = 1");
    const QString separator("REPLACE(data, '\"separator\":\"|\"', '\"separator\":\"%1\"')");
    // Records the tool refuses before the export.
    QVERIFY(host->exec(copy.arg(10).arg("JSON_REMOVE(data, '$.optWidget')")));
    QVERIFY(host->exec(copy.arg(11).arg("JSON_SET(data, '$.optWidget', '[]')")));
    QVERIFY(host->exec(copy.arg(12).arg("JSON_SET(data, '$.inters', JSON_ARRAY('1', '2'))")));
    QVERIFY(host->exec(copy.arg(13).arg("JSON_SET(data, '$.items', JSON_OBJECT('a', '15'))")));
    int id = 14;
    for (const QString& text : {QStringLiteral("2"), QStringLiteral("."), QStringLiteral("0"), QString::fromUtf8("\xF0\x9F\x98\x80")})
        QVERIFY2(host->exec(copy.arg(id++).arg(separator.arg(text))), qPrintable(host->errorText()));
    // The account every deployment has: SELECT only, with a password.
    QVERIFY(host->exec("DROP USER IF EXISTS 'payroll'@'localhost'"));
    QVERIFY(host->exec("CREATE USER 'payroll'@'localhost' IDENTIFIED BY 'mzdy-2024'"));
    QVERIFY(host->exec(QStringLiteral("GRANT SELECT ON %1.* TO 'payroll'@'localhost'").arg(databaseName)));
    QVERIFY(QDir(prepared.path()).mkpath("DB_test_paterns"));
    QProcess prepare;
    prepare.start(ORVEX_PREPARE_TEST_PROGRAM, {"--socket", socket, "--user", "root", "--database", databaseName,
                                               "--month", "2024-03", "--out", prepared.filePath("DB_test_paterns/demo.db"),
                                               "--params", prepared.filePath("params.json")});
    QVERIFY(prepare.waitForFinished(60000) && prepare.exitCode() == 0);
    // Person 3's personal number begins with a blank (not in the prepared file): both the plug-in and the control check see it.
    QVERIFY(host->exec("UPDATE people SET pamId = CONCAT(' ', pid) WHERE uid = 3"));
}

void TestUnattended::start(QProcess& process, const QStringList& extra, QStringList connection,
                           const QStringList& environment) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ORVEX_DB_PASSWORD", "mzdy-2024");
    for (const QString& setting : environment)
        env.insert(setting.section('=', 0, 0), setting.section('=', 1));
    process.setProcessEnvironment(env);
    if (connection.isEmpty())
        connection = QStringList{"--socket", socket};
    process.start(ORVEX_EXPORT_PROGRAM, connection + QStringList{"--user", "payroll", "--database", databaseName,
                                                                  "--month", "2024-03", "--timeout",
                                                                  QString::number(timeoutSeconds)} + extra);
    QVERIFY(process.waitForStarted());
}

// A folder that holds a good file of the month.
QString TestUnattended::prepareFolder(QTemporaryDir& folder) const
{
    QFile file(folder.filePath(fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(earlierFile) != earlierFile.size())
        return QString();
    return folder.path();
}

// The export's read of atten_data waits for the table lock held by the test.
bool TestUnattended::waitForLockedRead()
{
    QSqlDatabase admin = host->db();
    for (int i = 0; i < 200; ++i) {
        QSqlQuery query(admin);
        if (query.exec("SELECT COUNT(*) FROM information_schema.processlist WHERE state LIKE "
                       "'Waiting for table metadata lock' AND user = 'payroll'")
            && query.next() && query.value(0).toInt() > 0)
            return true;
        QThread::msleep(50);
    }
    return false;
}

// Status 1, the earlier file byte for byte, nothing of the run left beside it.
void TestUnattended::checkKept(const QString& folder, const QProcess& process, const QByteArray& err)
{
    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 1, err.constData());
    QCOMPARE(fileBytes(QDir(folder).filePath(fileName)), earlierFile);
    QCOMPARE(leftovers(folder), QStringList());
}

void TestUnattended::stalledServer_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::newRow("stopped while loading") << QStringList();
    QTest::newRow("stopped while loading, with a deadline") << QStringList{"--deadline", "60"};
}

// The server is stopped (SIGSTOP) while the export waits for a read: the run
// ends within about the timeout, naming the step and the timeout.
void TestUnattended::stalledServer()
{
    QFETCH(QStringList, extra);
    QTemporaryDir folder;
    QVERIFY(!prepareFolder(folder).isEmpty());
    QVERIFY(host->exec("LOCK TABLES atten_data WRITE"));
    QProcess process;
    start(process, extra << "--out" << folder.path() << "--quiet");
    const bool waiting = waitForLockedRead();
    const qint64 server = serverPid();
    pauseServer(server, true);
    QElapsedTimer stalled;
    stalled.start();
    const bool ended = process.waitForFinished(timeoutSeconds * 3000 + 5000);
    const qint64 took = stalled.elapsed();
    pauseServer(server, false);
    QVERIFY(host->exec("UNLOCK TABLES"));
    QVERIFY(waiting);
    QVERIFY2(ended, "the run did not end after the server stopped");
    const QByteArray err = process.readAllStandardError();
    checkKept(folder.path(), process, err);
    QVERIFY2(err.contains("loading the month") && err.contains("timeout of 2 s"), err.constData());
    QCOMPARE(err.trimmed().count('\n'), 0); // --quiet: one line per error
    QVERIFY2(took < timeoutSeconds * 3000 + 2000, qPrintable(QString::number(took)));
}

void TestUnattended::halfOpenConnection_data()
{
    QTest::addColumn<QByteArray>("trigger"); // the statement after which nothing is forwarded
    QTest::addColumn<QString>("step");
    QTest::newRow("stored settings, before the export") << QByteArray("FROM pamsettings") << "reading the stored settings";
    QTest::newRow("holidays, on the host connection") << QByteArray("FROM holidays") << "loading the month";
    QTest::newRow("day records, on a reader's connection") << QByteArray("FROM atten a") << "loading the month";
    QTest::newRow("the tool's check of personal numbers") << QByteArray("WHERE status > 0 ORDER BY uid")
                                                          << "checking the personal numbers";
}

// A proxy on a loopback port stops forwarding at a chosen statement: the run
// ends with status 1 within about the timeout.
void TestUnattended::halfOpenConnection()
{
    QFETCH(QByteArray, trigger);
    QFETCH(QString, step);
    QTemporaryDir folder;
    QVERIFY(!prepareFolder(folder).isEmpty());
    StallingProxy proxy(socket, trigger);
    const quint16 port = proxy.listen();
    QVERIFY(port > 0);
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    start(process, {"--out", folder.path(), "--quiet"}, {"--host", "127.0.0.1", "--port", QString::number(port)});
    QVERIFY2(process.waitForFinished(timeoutSeconds * 3000 + 20000), "the run did not end");
    const QByteArray err = process.readAllStandardError();
    QVERIFY2(proxy.stalled(), err.constData());
    checkKept(folder.path(), process, err);
    QVERIFY2(err.contains(step.toUtf8()) && err.contains("timeout of 2 s"), err.constData());
    QVERIFY2(clock.elapsed() < timeoutSeconds * 3000 + 8000, qPrintable(QString::number(clock.elapsed())));
}

void TestUnattended::stopped_data()
{
    QTest::addColumn<int>("signalNumber"); // 0: none, the deadline ends it
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("dialog"); // the stand-in plug-in waits for its dialog's cancel, the lock is not held
    QTest::newRow("SIGTERM") << int(SIGTERM) << QStringList() << "SIGTERM" << false;
    QTest::newRow("SIGINT") << int(SIGINT) << QStringList() << "SIGINT" << false;
    QTest::newRow("deadline") << 0 << QStringList{"--deadline", "0.05"} << "the deadline of 0.05 minutes" << false;
    const QStringList standIn{"--plugin", ORVEX_STANDIN_PLUGIN};
    QTest::newRow("SIGTERM presses the dialog's cancel") << int(SIGTERM) << standIn << "SIGTERM" << true;
    QTest::newRow("deadline presses the dialog's cancel") << 0 << (standIn + QStringList{"--deadline", "0.1"})
                                                          << "the deadline of 0.1 minutes" << true;
}

// A signal, or the deadline, while the export waits for a read (the lock is
// held a little longer than the deadline): status 1 naming the reason, the
// earlier file kept, no private folder left.
void TestUnattended::stopped()
{
    QFETCH(int, signalNumber);
    QFETCH(QStringList, extra);
    QFETCH(QString, reason);
    QFETCH(bool, dialog);
    QTemporaryDir folder;
    QVERIFY(!prepareFolder(folder).isEmpty());
    QVERIFY(dialog || host->exec("LOCK TABLES atten_data WRITE"));
    QProcess process;
    start(process, extra << "--out" << folder.path() << "--timeout" << "0" << "--verbose", QStringList(),
          {dialog ? "ORVEX_STANDIN_WAIT=1" : "ORVEX_STANDIN_WAIT_NOT=1"});
    QByteArray err;
    // The stand-in says (a plug-in warning, shown at once with --verbose) when its dialog is up.
    const auto dialogShown = [&process, &err] {
        for (int i = 0; i < 400 && !err.contains("waits for its cancel button"); ++i) {
            process.waitForReadyRead(50);
            err += process.readAllStandardError();
        }
        return err.contains("waits for its cancel button");
    };
    const bool waiting = dialog ? dialogShown() : waitForLockedRead();
    signalProcess(process.processId(), signalNumber);
    QElapsedTimer clock;
    clock.start();
    if (!dialog) {
        QThread::msleep(signalNumber ? 300 : 3600);
        QVERIFY(host->exec("UNLOCK TABLES"));
    }
    QVERIFY(waiting);
    QVERIFY2(process.waitForFinished(30000), "the run did not end");
    err += process.readAllStandardError();
    checkKept(folder.path(), process, err);
    QVERIFY2(err.contains((reason + " stopped the export").toUtf8()), err.constData());
    QVERIFY(process.readAllStandardOutput().isEmpty());
    // The stand-in ends as soon as its cancel button is pressed.
    if (dialog) {
        QVERIFY2(err.contains("prerušený používateľom"), err.constData());
        QVERIFY2(clock.elapsed() < (signalNumber ? 4000 : 10000), qPrintable(QString::number(clock.elapsed())));
    }
}

void TestUnattended::refusedBeforeExport_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("inErr");
    auto settings = [](int id) { return QStringList{"--settings-id", QString::number(id)}; };
    QTest::newRow("optWidget missing") << settings(10) << 2 << "record 10 cannot be used: \"optWidget\" is missing";
    QTest::newRow("optWidget a text") << settings(11) << 2 << "\"optWidget\" is a text, not an object";
    QTest::newRow("inters a list") << settings(12) << 2 << "\"inters\" is a list, not an object";
    QTest::newRow("items an object") << settings(13) << 2 << "\"items\" is an object, not a list";
    QTest::newRow("separator 2") << settings(14) << 2 << "separator \"2\" is a digit";
    QTest::newRow("separator .") << settings(15) << 2 << "separator \".\" is part of numbers";
    QTest::newRow("separator 0") << settings(16) << 2 << "separator \"0\" is a digit";
    QTest::newRow("separator outside the BMP") << settings(17) << 2 << "Basic Multilingual Plane";
    QTest::newRow("unknown person") << QStringList{"--people", "2,999,998"} << 2 << "no person with the id 999, 998";
    // Told so, the run goes on with the defaults and says so (status 3).
    QTest::newRow("optWidget missing, defaults allowed") << (settings(10) << "--allow-defaults") << 3
                                                         << "the plug-in's defaults were used";
}

// A stored record or a selection that would give another file than the
// clerk meant: status 2 naming the cause, before anything is exported.
void TestUnattended::refusedBeforeExport()
{
    QFETCH(QStringList, extra);
    QFETCH(int, status);
    QFETCH(QString, inErr);
    QTemporaryDir folder;
    QVERIFY(!prepareFolder(folder).isEmpty());
    QProcess process;
    start(process, extra << "--out" << folder.path() << "--quiet");
    QVERIFY(process.waitForFinished(60000));
    const QByteArray err = process.readAllStandardError();
    QVERIFY2(process.exitCode() == status, err.constData());
    QVERIFY2(QString::fromUtf8(err).contains(inErr), err.constData());
    if (status == 2) {
        QCOMPARE(err.trimmed().count('\n'), 0);
        QCOMPARE(fileBytes(folder.filePath(fileName)), earlierFile);
    }
    QCOMPARE(leftovers(folder.path()), QStringList());
}

void TestUnattended::fileGuard_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("earlierLink"); // the month's name is a link to this file beside the folder
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<QString>("inErr");
    QTest::addColumn<QStringList>("environment");
    QTest::newRow("nobody selected keeps the month's file") << QStringList{"--people", "999", "--allow-unknown-people"} << QString() << 1
                                                            << false << "--allow-empty" << QStringList();
    QTest::newRow("nobody selected, empty allowed") << QStringList{"--people", "999", "--allow-unknown-people", "--allow-empty"} << QString()
                                                    << 3 << true << "" << QStringList();
    // Lines of another year, from the stand-in plug-in.
    QTest::newRow("file failing the control check") << QStringList{"--plugin", ORVEX_STANDIN_PLUGIN} << QString()
                                                    << 1 << false << "failed the control check"
                                                    << QStringList{"ORVEX_STANDIN_LINES=2023|03|5001|1|8||"};
    QTest::newRow("a link is replaced, not its target") << QStringList{"--people", "2"} << "precious.txt" << 0
                                                        << true << "" << QStringList();
}

void TestUnattended::fileGuard()
{
    QFETCH(QStringList, extra);
    QFETCH(QString, earlierLink);
    QFETCH(int, status);
    QFETCH(bool, replaced);
    QFETCH(QString, inErr);
    QFETCH(QStringList, environment);
    QTemporaryDir outside;
    QVERIFY(QDir(outside.path()).mkdir("out"));
    const QString folder = outside.filePath("out");
    const QString path = QDir(folder).filePath(fileName);
    QFile earlier(earlierLink.isEmpty() ? path : outside.filePath(earlierLink));
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write(earlierFile) == earlierFile.size());
    earlier.close();
    if (!earlierLink.isEmpty())
        QVERIFY(QFile::link("../" + earlierLink, path));
    QProcess process;
    start(process, extra << "--out" << folder << "--quiet", QStringList(), environment);
    QVERIFY(process.waitForFinished(60000));
    const QByteArray err = process.readAllStandardError();
    QVERIFY2(process.exitCode() == status, err.constData());
    QVERIFY2(inErr.isEmpty() || err.contains(inErr.toUtf8()), err.constData());
    QCOMPARE(leftovers(folder), QStringList());
    QCOMPARE(fileBytes(earlier.fileName()) == earlierFile, earlierLink.isEmpty() ? !replaced : true);
    QCOMPARE(fileBytes(path) != earlierFile, replaced);
    QVERIFY(!QFileInfo(path).isSymLink() || !replaced);
}

// A new file is 0640 whatever the umask; a replaced one keeps its mode and group.
void TestUnattended::fileAccess()
{
#ifdef Q_OS_UNIX
    QTemporaryDir folder;
    const QString path = folder.filePath(fileName);
    const QString command = QStringLiteral("umask 0; ORVEX_DB_PASSWORD=mzdy-2024 exec \"%1\" --socket \"%2\" --user payroll "
                                           "--database %3 --month 2024-03 --people 2 --quiet --out \"%4\" --log \"%4/export.log\"")
                                .arg(ORVEX_EXPORT_PROGRAM, socket, databaseName, folder.path());
    QCOMPARE(QProcess::execute("sh", {"-c", command}), 0);
    struct stat created;
    QVERIFY(::stat(QFile::encodeName(path).constData(), &created) == 0);
    QCOMPARE(int(created.st_mode & 0777), 0640);
    QVERIFY(::stat(QFile::encodeName(folder.filePath("export.log")).constData(), &created) == 0);
    QCOMPARE(int(created.st_mode & 0777), 0640);

    const gid_t otherGroup = created.st_gid == 0 ? 100 : created.st_gid; // "users" where run as root
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0604) == 0);
    QVERIFY(::chown(QFile::encodeName(path).constData(), uid_t(-1), otherGroup) == 0);
    QVERIFY(QFile::resize(path, 10));
    QCOMPARE(QProcess::execute("sh", {"-c", command}), 0);
    struct stat replacedFile;
    QVERIFY(::stat(QFile::encodeName(path).constData(), &replacedFile) == 0);
    QCOMPARE(int(replacedFile.st_mode & 0777), 0604);
    QCOMPARE(replacedFile.st_gid, otherGroup);
    QVERIFY(replacedFile.st_size > 10);
#endif
}

void TestUnattended::hostFormat_data()
{
    QTest::addColumn<QString>("lines");  // the stand-in plug-in's file; empty: the real plug-in, person 2
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("file"); // the file in the host's format; empty: the native file with CR LF
    QTest::addColumn<QString>("inErr");
    QTest::newRow("the plug-in's lines with CR LF") << QString() << 0 << QByteArray() << "";
    QTest::newRow("Slovak letters in Windows-1250")
        << QString::fromUtf8("2024|03|Šťava|1|8||") << 0 << QByteArray("2024|03|\x8A\x9D" "ava|1|8||\r\n") << "";
    QTest::newRow("a letter Windows-1250 lacks") << QString::fromUtf8("2024|03|5001|1|8|Ω|") << 2 << QByteArray()
                                                 << "personal number \"5001\" holds \"Ω\"";
}

// --file-format host (the default) writes the lines of the native file with
// CR LF, in Windows-1250; a character it cannot hold is refused naming the
// person, and the earlier file stays.
void TestUnattended::hostFormat()
{
    QFETCH(QString, lines);
    QFETCH(int, status);
    QFETCH(QByteArray, file);
    QFETCH(QString, inErr);
    QTemporaryDir host, native;
    QVERIFY(!prepareFolder(host).isEmpty());
    const QStringList extra = lines.isEmpty() ? QStringList{"--people", "2"} : QStringList{"--plugin", ORVEX_STANDIN_PLUGIN};
    const QStringList environment{"ORVEX_STANDIN_LINES=" + lines};
    QProcess process, nativeProcess;
    start(process, extra + QStringList{"--out", host.path(), "--quiet"}, QStringList(), environment);
    start(nativeProcess, extra + QStringList{"--out", native.path(), "--quiet", "--file-format", "native"},
          QStringList(), environment);
    QVERIFY(process.waitForFinished(60000) && nativeProcess.waitForFinished(60000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(process.exitCode() == status, qPrintable(err));
    QVERIFY2(err.contains(inErr), qPrintable(err));
    if (status != 0) {
        QCOMPARE(fileBytes(host.filePath(fileName)), earlierFile);
        return;
    }
    QCOMPARE(nativeProcess.exitCode(), 0);
    const QByteArray nativeFile = fileBytes(native.filePath(fileName));
    QVERIFY(!nativeFile.contains('\r'));
    QCOMPARE(fileBytes(host.filePath(fileName)), file.isEmpty() ? QByteArray(nativeFile).replace("\n", "\r\n") : file);
}

void TestUnattended::writeFailureNamed_data()
{
    QTest::addColumn<int>("copies");  // of the demo's people, in a database of its own
    QTest::addColumn<int>("limitKb"); // the largest file the run may write
    // The file is written at once when it ends, or in parts as it grows.
    QTest::newRow("small export") << 0 << 4;
    QTest::newRow("large export") << 8 << 40;
}

// A write that fails for want of room (here a file size limit) names the
// system's reason, whatever the size of the export.
void TestUnattended::writeFailureNamed()
{
#ifdef Q_OS_UNIX
    QFETCH(int, copies);
    QFETCH(int, limitKb);
    const QString database = QStringLiteral("t_unattended_copies%1").arg(copies);
    TestHostDb company(database);
    QVERIFY2(company.isOpen(), qPrintable(company.errorText()));
    QVERIFY(company.exec(QStringLiteral("INSERT INTO pamsettings (type, data) SELECT type, data FROM %1.pamsettings")
                             .arg(databaseName)));
    for (const char* table : {"people", "atten", "atten_data", "atten_month", "groups", "branches", "departs", "holidays", "inters",
                              "vars"})
        QVERIFY2(company.exec(QStringLiteral("INSERT INTO `%1` SELECT * FROM %2.`%1`").arg(table, databaseName)),
                 qPrintable(company.errorText()));
    for (int copy = 1; copy <= copies; ++copy) {
        const int offset = copy * 1000;
        for (const QString& sql :
             {QStringLiteral("CREATE TEMPORARY TABLE copied AS SELECT * FROM %2.people"),
              QStringLiteral("UPDATE copied SET uid = uid + %1, pid = pid + %1, pamId = NULL"),
              QStringLiteral("INSERT INTO people SELECT * FROM copied"), QStringLiteral("DROP TEMPORARY TABLE copied"),
              QStringLiteral("CREATE TEMPORARY TABLE copied AS SELECT * FROM %2.atten"),
              QStringLiteral("UPDATE copied SET id = id + %1 * 100, uid = uid + %1"),
              QStringLiteral("INSERT INTO atten SELECT * FROM copied"), QStringLiteral("DROP TEMPORARY TABLE copied"),
              QStringLiteral("CREATE TEMPORARY TABLE copied AS SELECT * FROM %2.atten_data"),
              QStringLiteral("UPDATE copied SET id = id + %1 * 100, uid = uid + %1"),
              QStringLiteral("INSERT INTO atten_data SELECT * FROM copied"), QStringLiteral("DROP TEMPORARY TABLE copied"),
              QStringLiteral("CREATE TEMPORARY TABLE copied AS SELECT * FROM %2.atten_month"),
              QStringLiteral("UPDATE copied SET id = id + %1 * 100, uid = uid + %1"),
              QStringLiteral("INSERT INTO atten_month SELECT * FROM copied"), QStringLiteral("DROP TEMPORARY TABLE copied")})
            QVERIFY2(company.exec(QString(sql).replace("%1", QString::number(offset)).replace("%2", databaseName)),
                     qPrintable(company.errorText()));
    }
    QTemporaryDir folder;
    QVERIFY(!prepareFolder(folder).isEmpty());
    const QString command = QStringLiteral("trap '' XFSZ; ulimit -f %1; LC_ALL=C.UTF-8 exec \"%2\" --socket \"%3\" --user root --database %4 "
                                           "--month 2024-03 --quiet --file-format native --out \"%5\"")
                                .arg(limitKb).arg(ORVEX_EXPORT_PROGRAM, socket, database, folder.path());
    QProcess process;
    process.start("bash", {"-c", command});
    QVERIFY(process.waitForFinished(60000));
    const QByteArray err = process.readAllStandardError();
    checkKept(folder.path(), process, err);
    QVERIFY2(err.contains("File too large") && !err.contains("Unknown error"), err.constData());
#endif
}

void TestUnattended::monthBounds_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("status");
    // January 1970 starts before the host's first time east of UTC, not west of it.
    QTest::newRow("1970-01 east of UTC") << "1970-01" << "Europe/Bratislava" << 2;
    QTest::newRow("1970-01 west of UTC") << "1970-01" << "America/New_York" << 3;
    QTest::newRow("2106-01") << "2106-01" << "Europe/Bratislava" << 3;
    QTest::newRow("2106-02") << "2106-02" << "Europe/Bratislava" << 2;
    // A zone of the system's tz database that Qt does not list.
    QTest::newRow("CET") << "2024-03" << "CET" << 3;
}

// Months whose period does not fit the host's unsigned 32-bit times are
// refused; nothing is written. No temporary folder is made for an export.
void TestUnattended::monthBounds()
{
    QFETCH(QString, month);
    QFETCH(QString, zone);
    QFETCH(int, status);
    QTemporaryDir folder, temporary;
    QProcess process;
    start(process, {"--out", folder.path(), "--quiet", "--month", month, "--time-zone", zone}, QStringList(),
          {"TMPDIR=" + temporary.path()});
    QVERIFY(process.waitForFinished(60000));
    const QByteArray err = process.readAllStandardError();
    QVERIFY2(process.exitCode() == status, err.constData());
    if (status == 2)
        QVERIFY2(err.contains("does not fit the host's times"), err.constData());
    const QString name = QStringLiteral("ds%1%2_ID-1.txt").arg(month.mid(5), month.left(4));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot),
             status == 2 ? QStringList() : QStringList(name));
    QCOMPARE(QDir(temporary.path()).entryList({"*orvex*"}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

void TestUnattended::terminalOutput_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("inErr");
    QTest::addColumn<int>("fundWarnings"); // lines on stderr that name a missing fund; -1: more than 3
    QTest::newRow("warnings counted by kind") << QStringList() << 3 << "plug-in warning, 10 times" << 3;
    QTest::newRow("verbose") << QStringList{"--verbose"} << 3 << "" << -1;
    QTest::newRow("quiet") << QStringList{"--quiet"} << 3 << "" << 0;
}

// The plug-in's repeated warnings are counted on the terminal; --json gives
// an object for status 2; a personal number's warning is given once. No run
// of the password account is refused a login.
void TestUnattended::terminalOutput()
{
    QFETCH(QStringList, extra);
    QFETCH(int, status);
    QFETCH(QString, inErr);
    QFETCH(int, fundWarnings);
    QTemporaryDir folder;
    const auto deniedLogins = [this] {
        QSqlQuery query(host->db());
        return query.exec("SHOW GLOBAL STATUS LIKE 'Access_denied_errors'") && query.next() ? query.value(1).toInt() : -1;
    };
    const int deniedBefore = deniedLogins();
    QProcess process;
    start(process, extra << "--out" << folder.path());
    QVERIFY(process.waitForFinished(60000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(process.exitCode() == status, qPrintable(err));
    // The plug-in's own connections log in with the password the tool set.
    QCOMPARE(deniedLogins(), deniedBefore);
    QVERIFY2(err.contains(inErr), qPrintable(err));
    const int fund = err.count("getItemDaily");
    QVERIFY2(fundWarnings < 0 ? fund > 3 : fund == fundWarnings, qPrintable(err));

    QProcess json;
    start(json, {"--out", folder.path(), "--month", "2024-13", "--json"});
    QVERIFY(json.waitForFinished(60000));
    const QJsonObject usage = QJsonDocument::fromJson(json.readAllStandardOutput()).object();
    QCOMPARE(usage.value("exitStatus").toInt(), 2);
    QVERIFY(usage.value("error").toString().contains("no month 13"));

    QProcess person;
    start(person, {"--out", folder.path(), "--people", "3", "--json", "--quiet"});
    QVERIFY(person.waitForFinished(60000));
    const QStringList warnings = QJsonDocument::fromJson(person.readAllStandardOutput()).object()
                                     .value("warnings").toVariant().toStringList();
    QCOMPARE(warnings.filter("1003").size(), 1);
}

void TestUnattended::startsClean_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("display"); // empty: none
    QTest::addColumn<QString>("err");     // the whole of stderr
    QTest::newRow("orvex-export") << ORVEX_EXPORT_PROGRAM << "" << "";
    QTest::newRow("orvex-prepare-test") << ORVEX_PREPARE_TEST_PROGRAM << "" << "";
    QTest::newRow("orvex-settings") << ORVEX_SETTINGS_PROGRAM << "" << "";
    QTest::newRow("orvex-settings, a display nobody answers")
        << ORVEX_SETTINGS_PROGRAM << ":97" << "orvex-settings: the display \":97\" does not answer; drawing off screen\n";
}

// --help on a server (no XDG_RUNTIME_DIR, no platform chosen): the help with
// a final line break and no chatter; a display that does not answer is one
// line, not an abort.
void TestUnattended::startsClean()
{
    QFETCH(QString, program);
    QFETCH(QString, display);
    QFETCH(QString, err);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "XDG_RUNTIME_DIR", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(name);
    if (!display.isEmpty())
        env.insert("DISPLAY", display);
    process.setProcessEnvironment(env);
    process.start(program, {"--help"});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    const QByteArray help = process.readAllStandardOutput();
    QVERIFY(help.contains("--") && help.endsWith('\n'));
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()), err);
}

void TestUnattended::replayChecked_data()
{
    QTest::addColumn<QString>("sql");    // run on a copy of the prepared file; "truncate": half its bytes
    QTest::addColumn<QString>("params"); // replaces "key": value in params.json, as "key\tvalue"
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("inErr");
    QTest::newRow("as prepared") << "" << "" << 0 << "";
    QTest::newRow("table latten missing") << "DROP TABLE latten" << "" << 2 << "no table \"latten\"";
    QTest::newRow("column missing") << "ALTER TABLE lholidays RENAME COLUMN hid TO x" << "" << 2
                                    << "table \"lholidays\" has no column \"hid\"";
    QTest::newRow("linters missing") << "DROP TABLE linters" << "" << 3 << "no table \"linters\"";
    QTest::newRow("truncated") << "truncate" << "" << 2 << "cannot be replayed";
    QTest::newRow("beginDay a text") << "" << "beginDay\t\"abc\"" << 2 << "\"beginDay\" is a text";
    QTest::newRow("optWidget a list") << "" << "optWidget\t[]" << 2 << "\"optWidget\" is a list";
    // Rows that fail as the TEST run reads them (an overflow from the second record on).
    QTest::newRow("staging read failing") << "ALTER TABLE latten_data RENAME TO latten_data_rows; CREATE VIEW latten_data AS "
                                             "SELECT id, uid, iid, CASE WHEN id >= 2 THEN abs(id - id - 9223372036854775807 - 1) "
                                             "ELSE duration END AS duration, fund, kod, dom, month, dow, hol, timestamp "
                                             "FROM latten_data_rows"
                                          << "" << 1 << "the replay's staging reads failed";
    QTest::newRow("zone unknown") << "" << "timeZone\t\"Mars/Olympus\"" << 2
                                  << "\"timeZone\" \"Mars/Olympus\" is not a known time zone";
}

// A replay of a damaged staging file or parameters stops before the run,
// naming the cause; it leaves no temporary folder behind.
void TestUnattended::replayChecked()
{
    QFETCH(QString, sql);
    QFETCH(QString, params);
    QFETCH(int, status);
    QFETCH(QString, inErr);
    QTemporaryDir work, temporary;
    QVERIFY(QDir(work.path()).mkpath("DB_test_paterns"));
    const QString staging = work.filePath("DB_test_paterns/demo.db");
    QByteArray bytes = fileBytes(prepared.filePath("DB_test_paterns/demo.db"));
    if (sql == "truncate")
        bytes.truncate(bytes.size() / 2);
    QFile copy(staging);
    QVERIFY(copy.open(QIODevice::WriteOnly) && copy.write(bytes) == bytes.size());
    copy.close();
    if (!sql.isEmpty() && sql != "truncate") {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "replay-damage");
        db.setDatabaseName(staging);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const QString& statement : sql.split("; "))
            QVERIFY2(query.exec(statement), qPrintable(statement));
        query.clear();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("replay-damage");
    }
    QJsonObject json = QJsonDocument::fromJson(fileBytes(prepared.filePath("params.json"))).object();
    if (!params.isEmpty())
        json.insert(params.section('\t', 0, 0),
                    QJsonDocument::fromJson("[" + params.section('\t', 1).toUtf8() + "]").array().at(0));
    QFile paramsFile(work.filePath("params.json"));
    QVERIFY(paramsFile.open(QIODevice::WriteOnly) && paramsFile.write(QJsonDocument(json).toJson()) > 0);
    paramsFile.close();
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TMPDIR", temporary.path());
    process.setProcessEnvironment(env);
    process.start(ORVEX_EXPORT_PROGRAM, {"--replay", staging, "--quiet"});
    QVERIFY(process.waitForFinished(60000));
    const QByteArray err = process.readAllStandardError();
    QVERIFY2(process.exitCode() == status, err.constData());
    QVERIFY2(QString::fromUtf8(err).contains(inErr), err.constData());
    QCOMPARE(QDir(temporary.path()).entryList({"*orvex*"}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

void TestUnattended::cleanupTestCase()
{
    if (host)
        host->exec("UNLOCK TABLES");
    host.reset();
    hostdb("stop");
}

QTEST_GUILESS_MAIN(TestUnattended)
#include "tst_unattended.moc"
