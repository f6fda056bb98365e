// The substitute controller: stands in for the control system so that a
// project can be tried, and the programs tested, without the hardware.

#include "CommandListServer.h"
#include "ControllerServer.h"
#include "MessageText.h"
#include "ScenarioRunner.h"
#include "StdinMessages.h"
#include "StdinReader.h"
#include "UdpResponder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

volatile std::sig_atomic_t g_stopRequested = 0;

void requestStop(int) {
    g_stopRequested = 1;
}

// One line per event, time-stamped, flushed at once so a reader of the pipe
// sees it when it happens.
void log(const QString &event, const QString &text) {
    const QString line = QDateTime::currentDateTime().toString(Qt::ISODateWithMs) +
                         QLatin1Char(' ') + event + QLatin1Char(' ') + text + QLatin1Char('\n');
    std::fputs(line.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

void announce(const QString &text) {
    std::fputs((QStringLiteral("controller-sim: ") + text + QLatin1Char('\n')).toUtf8().constData(),
               stdout);
    std::fflush(stdout);
}

[[noreturn]] void fail(const QString &message) {
    std::fputs(
        (QStringLiteral("controller-sim: ") + message + QLatin1Char('\n')).toUtf8().constData(),
        stderr);
    std::exit(1);
}

struct Options {
    QHostAddress listen{QHostAddress::Any};
    quint16 tcpPort = 8800;
    quint16 udpPort = 8800;
    quint16 configPort = 9600;
    UdpReplyPorts replyPorts;
    quint16 httpPort = 8081;
    QString commandsFile;
    QString scenarioFile;
    bool exitOnEof = false;
};

quint16 portValue(const QCommandLineParser &parser, const QCommandLineOption &option,
                  quint16 lowest) {
    const QString text = parser.value(option);
    bool ok = false;
    const uint port = text.toUInt(&ok);
    if (!ok || port < lowest || port > 65535)
        fail(QStringLiteral("--%1: '%2' is no port number (%3 to 65535)")
                 .arg(option.names().constFirst(), text)
                 .arg(lowest));
    return quint16(port);
}

Options parseOptions(const QCoreApplication &app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Substitute controller: takes the panels' tasks, answers keep-alives, sends state "
        "reports and code from a scenario or standard input, and answers the designer's "
        "discovery, network test, device configuration and command list requests."));
    parser.addHelpOption();
    const auto option = [](const char *name, const char *description, const char *value,
                           const char *defaultValue) {
        return QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(description),
                                  QString::fromLatin1(value), QString::fromLatin1(defaultValue));
    };
    const QCommandLineOption listen =
        option("listen", "Address to listen on (default: any).", "address", "");
    const QCommandLineOption port =
        option("port", "TCP port for panels, 0 for any free one.", "port", "8800");
    const QCommandLineOption udpPort =
        option("udp-port", "UDP port for discovery and the network test.", "port", "8800");
    const QCommandLineOption configPort =
        option("config-port", "Second UDP port for device configuration.", "port", "9600");
    const QCommandLineOption discoveryReply =
        option("discovery-reply-port", "Port that discovery answers go to.", "port", "8822");
    const QCommandLineOption testReply =
        option("test-reply-port", "Port that network test answers go to.", "port", "11888");
    const QCommandLineOption configReply = option(
        "config-reply-port", "Port that device configuration answers go to.", "port", "9930");
    const QCommandLineOption httpPort =
        option("http-port", "HTTP port for the command list, 0 for none.", "port", "8081");
    const QCommandLineOption commands =
        option("commands", "XML file to serve as the command list.", "file", "");
    const QCommandLineOption scenario = option("scenario", "Scenario file.", "file", "");
    const QCommandLineOption exitOnEof(QStringLiteral("exit-on-eof"),
                                       QStringLiteral("Exit once standard input ends and every "
                                                      "message is sent."));
    parser.addOptions({listen, port, udpPort, configPort, discoveryReply, testReply, configReply,
                       httpPort, commands, scenario, exitOnEof});
    parser.process(app);
    if (!parser.positionalArguments().isEmpty())
        fail(QStringLiteral("unexpected argument '%1' (see --help)")
                 .arg(parser.positionalArguments().constFirst()));

    Options options;
    if (parser.isSet(listen) && !options.listen.setAddress(parser.value(listen)))
        fail(QStringLiteral("--listen: '%1' is no IP address").arg(parser.value(listen)));
    options.tcpPort = portValue(parser, port, 0);
    options.udpPort = portValue(parser, udpPort, 0);
    options.configPort = portValue(parser, configPort, 0);
    options.replyPorts = {portValue(parser, discoveryReply, 1), portValue(parser, testReply, 1),
                          portValue(parser, configReply, 1)};
    options.httpPort = portValue(parser, httpPort, 0);
    options.commandsFile = parser.value(commands);
    options.scenarioFile = parser.value(scenario);
    options.exitOnEof = parser.isSet(exitOnEof);
    return options;
}

QString addressText(const QHostAddress &address) {
    return address == QHostAddress::Any ? QStringLiteral("any address") : address.toString();
}

Scenario scenarioOrFail(const QString &path) {
    if (path.isEmpty())
        return {};
    ScenarioParse parsed = loadScenario(path);
    if (!parsed.ok())
        fail(parsed.error);
    announce(
        QStringLiteral("scenario %1 with %2 rules").arg(path).arg(parsed.scenario.rules.size()));
    return std::move(parsed.scenario);
}

QByteArray commandListOrFail(const QString &path) {
    if (path.isEmpty())
        return CommandListServer::demoDocument();
    QString error;
    QByteArray document = CommandListServer::loadDocument(path, error);
    if (!error.isEmpty())
        fail(error);
    return document;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("controller-sim"));
    const Options options = parseOptions(app);
    // Every file is read before any port is taken, so a typing mistake
    // fails at once and alone.
    ScenarioRunner runner(scenarioOrFail(options.scenarioFile));
    const QByteArray commandList = commandListOrFail(options.commandsFile);

    ControllerServer server;
    if (!server.listen(options.listen, options.tcpPort))
        fail(QStringLiteral("TCP port %1: %2").arg(options.tcpPort).arg(server.errorString()));
    announce(QStringLiteral("TCP on %1 port %2 for panels")
                 .arg(addressText(options.listen))
                 .arg(server.port()));

    UdpResponder udp(DeviceConfig(DeviceConfig::Settings{}), options.replyPorts);
    if (!udp.listen(options.listen, {options.udpPort, options.configPort}))
        fail(udp.errorString());
    QStringList udpPorts;
    for (const quint16 p : udp.localPorts())
        udpPorts << QString::number(p);
    announce(QStringLiteral("UDP on port %1; answers discovery to port %2, the network test to "
                            "port %3, device configuration to port %4")
                 .arg(udpPorts.join(QStringLiteral(", ")))
                 .arg(options.replyPorts.discovery)
                 .arg(options.replyPorts.networkTest)
                 .arg(options.replyPorts.deviceConfig));

    CommandListServer http(commandList);
    if (options.httpPort != 0) {
        if (!http.listen(options.listen, options.httpPort))
            fail(QStringLiteral("HTTP port %1: %2").arg(options.httpPort).arg(http.errorString()));
        announce(QStringLiteral("HTTP on port %1 serves %2 at %3")
                     .arg(http.port())
                     .arg(options.commandsFile.isEmpty() ? QStringLiteral("the demo commands")
                                                         : options.commandsFile,
                          CommandListServer::kPath));
    }
    QObject::connect(&http, &CommandListServer::served,
                     [](const QString &peer, const QString &request, int status) {
                         log(QStringLiteral("http"),
                             QStringLiteral("%1 %2 -> %3").arg(peer, request).arg(status));
                     });

    QObject::connect(&server, &ControllerServer::clientConnected,
                     [&runner](int id, const QString &peer) {
                         log(QStringLiteral("connect"), peer);
                         runner.handleClientConnected(id);
                     });
    QObject::connect(&server, &ControllerServer::clientDisconnected,
                     [](int, const QString &peer) { log(QStringLiteral("disconnect"), peer); });
    QObject::connect(&server, &ControllerServer::received,
                     [&runner](int, const QString &peer, const QString &text) {
                         log(QStringLiteral("recv"),
                             peer + QLatin1Char(' ') + printableMessage(text));
                         runner.handleTask(text);
                     });
    QObject::connect(
        &server, &ControllerServer::sent, [](int, const QString &peer, const QString &message) {
            log(QStringLiteral("send"), peer + QLatin1Char(' ') + printableMessage(message));
        });
    const auto broadcast = [&server](const QString &message) {
        if (!server.broadcast(message))
            log(QStringLiteral("drop"),
                QStringLiteral("(no panel connected) ") + printableMessage(message));
    };
    QObject::connect(&runner, &ScenarioRunner::broadcastReady, broadcast);
    QObject::connect(&runner, &ScenarioRunner::messageForClient, &server,
                     &ControllerServer::sendTo);
    QObject::connect(
        &udp, &UdpResponder::answered,
        [](const QString &peer, const QString &request, quint16 replyPort,
           const QStringList &replies) {
            const QString answer =
                replies.isEmpty() ? QStringLiteral("(no answer)")
                                  : QStringLiteral("-> port %1: %2")
                                        .arg(replyPort)
                                        .arg(printableMessage(replies.join(QStringLiteral(" / "))));
            log(QStringLiteral("udp"),
                peer + QLatin1Char(' ') + printableMessage(request) + QLatin1Char(' ') + answer);
        });

    // Signal handlers may only set a flag; the event loop looks at it.
    bool stdinEnded = false;
    QTimer stopCheck;
    QObject::connect(&stopCheck, &QTimer::timeout, [&] {
        if (g_stopRequested || (stdinEnded && !server.hasPendingOutput()))
            QCoreApplication::quit();
    });
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    stopCheck.start(100);

    StdinMessages stdinMessages;
    StdinReader stdinReader;
    QObject::connect(&stdinReader, &StdinReader::lineRead, [&](const QString &line) {
        if (const auto message = stdinMessages.addLine(line))
            broadcast(*message);
    });
    QObject::connect(&stdinReader, &StdinReader::finished, [&] {
        log(QStringLiteral("stdin"), QStringLiteral("ended"));
        stdinEnded = options.exitOnEof;
    });
    stdinReader.start();
    announce(QStringLiteral("standard input: one message per line (\"\\n\" is a line break), or "
                            "lines between \"<<<\" and \">>>\""));

    runner.start();
    return QCoreApplication::exec();
}
