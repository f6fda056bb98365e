// Applying a state report of 1,000 lines to a page of 200 named objects, and
// the time from a button release to the task's arrival at a controller on
// this machine.
#include "net/ControllerLink.h"
#include "runtime/PageRuntime.h"
#include "runtime/PageSurface.h"
#include "script/KeyValueStore.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

class Page {
public:
    Page() : runtime(area, store), link(runtime) {
        scene.addItem(area);
        area->setSize(QSizeF(1920, 1080));
        QDir().mkpath(m_dir.filePath(QStringLiteral("res")));
        QImage picture(80, 40, QImage::Format_ARGB32);
        picture.fill(Qt::darkCyan);
        picture.save(m_dir.filePath(QStringLiteral("res/b.png")));
        QByteArray xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<data><setting/>";
        for (int i = 0; i < 100; ++i) {
            const QByteArray n = QByteArray::number(i);
            xml += "<Button src=\"b.png\" type=\"" + QByteArray::number(1 + i % 2) +
                   "\" Name=\"Img" + n + "\" X=\"" + QByteArray::number(i * 17 % 1800) +
                   "\"><Label Text=\"b\"/></Button>";
            xml += "<Label Name=\"Txt" + n + "\" Text=\"t\" Y=\"" + QByteArray::number(i * 10) +
                   "\" Color=\"-1\"/>";
        }
        xml += "<Button src=\"b.png\" X=\"900\" Y=\"500\" Task=\"lamp.tsk\"/></data>";
        QFile file(m_dir.filePath(QStringLiteral("p.ui")));
        file.open(QIODevice::WriteOnly);
        file.write(xml);
        file.close();
        runtime.setProjectRoot(m_dir.path() + QLatin1Char('/'));
        runtime.pages().LoadUI(m_dir.filePath(QStringLiteral("p.ui")));
    }

    QTemporaryDir m_dir;
    QGraphicsScene scene;
    WorkAreaItem *area = new WorkAreaItem;
    KeyValueStore store;
    PageRuntime runtime;
    ControllerLink link;
};

QString thousandLineReport() {
    QString report = QStringLiteral("@RTD_BEGIN\r\n");
    for (int line = 0; line < 1000; ++line) {
        const int object = line % 200;
        const QString name = (object % 2 ? QStringLiteral("Txt") : QStringLiteral("Img")) +
                             QString::number(object / 2);
        report += name + QLatin1Char('|') + QString::number(line) + QLatin1Char('|') +
                  QString::number(line % 101) + QStringLiteral("\r\n");
    }
    return report;
}

void ApplyReportOf1000Lines(benchmark::State &state) {
    Page page;
    const QString report = thousandLineReport();
    for (auto _ : state)
        page.link.reports().UpdateUIFromSrv(report);
    state.counters["lines/s"] =
        benchmark::Counter(1000.0 * double(state.iterations()), benchmark::Counter::kIsRate);
}

void ReleaseToArrival(benchmark::State &state) {
    Page page;
    QGraphicsView view(&page.scene);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(1920, 1080);
    view.show();
    QApplication::processEvents();

    QTcpServer controller;
    controller.listen(QHostAddress::LocalHost, 0);
    QTcpSocket *peer = nullptr;
    QObject::connect(&controller, &QTcpServer::newConnection,
                     [&] { peer = controller.nextPendingConnection(); });
    const QString host = QStringLiteral("127.0.0.1");
    const QString port = QString::number(controller.serverPort());
    QObject::connect(&page.runtime.dispatcher(), &ActionDispatcher::SendTCP,
                     [&](const QString &message) { page.link.SendTCP(host, port, message); });
    page.link.StartTCPClientSendThread();
    page.link.SendTCP(host, port, QStringLiteral("hello.tsk"));
    QTest::qWaitFor([&] { return peer && page.link.isMainTCPClientConnected(); }, 5000);
    QTest::qWaitFor([&] { return peer->bytesAvailable() > 0; }, 5000);
    peer->readAll();

    const QPoint button = view.mapFromScene(QPointF(940, 520));
    QElapsedTimer clock;
    for (auto _ : state) {
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, button);
        clock.start();
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, button);
        while (!peer->waitForReadyRead(5)) {
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        peer->readAll();
        QTest::qWait(2);
    }
}

BENCHMARK(ApplyReportOf1000Lines)->Unit(benchmark::kMillisecond);
BENCHMARK(ReleaseToArrival)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(200);

} // namespace
