// Loading, reloading, switching and drawing a page of 200 mixed objects.
#include "runtime/PageLoader.h"
#include "runtime/PageSurface.h"

#include <QDir>
#include <QFile>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// 200 objects: 60 pictures with captions, 50 texts, 40 rich rectangles (half
// of them glowing), 20 rich switches and 30 standard controls.
QByteArray mixedPage(int variant) {
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<data><setting src=\"bg.png\" "
                     "Width=\"1920\" Height=\"1080\" Stretch=\"False\" tag=\"1\"/>";
    auto at = [variant](int i) {
        return " X=\"" + QByteArray::number((i * 97 + variant * 13) % 1800) + "\" Y=\"" +
               QByteArray::number((i * 53) % 1000) + "\"";
    };
    int i = 0;
    for (int n = 0; n < 60; ++n, ++i)
        xml += "<Button src=\"b.png\" type=\"" + QByteArray::number(1 + n % 4) + "\"" + at(i) +
               "><Label Text=\"Button " + QByteArray::number(n) +
               "\" Size=\"14\" Color=\"-1\" Pos=\"" + QByteArray::number(n % 5) + "\"/></Button>";
    for (int n = 0; n < 50; ++n, ++i)
        xml += "<Label Text=\"Text " + QByteArray::number(n) + "\" Size=\"18\" Color=\"-1\"" +
               at(i) + "/>";
    for (int n = 0; n < 40; ++n, ++i)
        xml +=
            "<richRect Text=\"Rect\" Width=\"160\" Height=\"60\" Round=\"12\" Color=\"-14575885\""
            " Color2=\"-16777077\" Soft=\"" +
            QByteArray::number(n % 2 ? 20 : 0) + "\" Color4=\"-16711681\" type=\"0\"" + at(i) +
            "/>";
    for (int n = 0; n < 20; ++n, ++i)
        xml += "<richSwitch Text=\"On|Off\" Width=\"120\" Height=\"44\" Round=\"16\" "
               "Color=\"-8224126\" Color2=\"-13398017\" Color3=\"-1\"" +
               at(i) + "/>";
    const char *standard[] = {"OButton", "CheckBox", "Edit", "TrackBar", "ProgressBar"};
    for (int n = 0; n < 30; ++n, ++i)
        xml += QByteArray("<") + standard[n % 5] + " Text=\"c\" Width=\"120\" Height=\"30\"" +
               at(i) + "/>";
    return xml + "</data>";
}

class Project {
public:
    Project() {
        QDir().mkpath(m_dir.filePath(QStringLiteral("res")));
        QImage picture(160, 60, QImage::Format_ARGB32);
        picture.fill(Qt::darkCyan);
        picture.save(m_dir.filePath(QStringLiteral("res/b.png")));
        QImage background(1920, 1080, QImage::Format_ARGB32);
        background.fill(Qt::darkBlue);
        background.save(m_dir.filePath(QStringLiteral("res/bg.png")));
        write(QStringLiteral("a.ui"), mixedPage(0));
        write(QStringLiteral("b.ui"), mixedPage(1));
    }
    QString root() const { return m_dir.path() + QLatin1Char('/'); }
    QString page(const char *name) const { return root() + QLatin1String(name); }

private:
    void write(const QString &name, const QByteArray &xml) {
        QFile file(m_dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(xml);
    }
    QTemporaryDir m_dir;
};

const Project &project() {
    static const Project shared;
    return shared;
}

struct Surface {
    QGraphicsScene scene;
    WorkAreaItem *area = new WorkAreaItem;
    PageLoader loader{area};
    Surface() {
        scene.addItem(area);
        area->setSize(QSizeF(1920, 1080));
        loader.setProjectRoot(project().root());
    }
};

void FirstLoad(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto surface = std::make_unique<Surface>();
        state.ResumeTiming();
        surface->loader.LoadUI(project().page("a.ui"));
        state.PauseTiming();
        surface.reset();
        state.ResumeTiming();
    }
}

void PooledReload(benchmark::State &state) {
    Surface surface;
    surface.loader.LoadUI(project().page("a.ui"));
    for (auto _ : state)
        surface.loader.LoadUI(project().page("a.ui"));
}

void SwitchBetweenTwoPages(benchmark::State &state) {
    Surface surface;
    surface.loader.LoadUI(project().page("a.ui"));
    surface.loader.LoadUI(project().page("b.ui"));
    bool second = false;
    for (auto _ : state) {
        surface.loader.LoadUI(project().page(second ? "b.ui" : "a.ui"));
        second = !second;
    }
}

void RenderFrame1920x1080(benchmark::State &state) {
    Surface surface;
    surface.loader.LoadUI(project().page("a.ui"));
    QImage frame(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&frame);
        surface.scene.render(&painter, QRectF(0, 0, 1920, 1080), QRectF(0, 0, 1920, 1080));
    }
}

BENCHMARK(FirstLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(PooledReload)->Unit(benchmark::kMillisecond);
BENCHMARK(SwitchBetweenTwoPages)->Unit(benchmark::kMillisecond);
BENCHMARK(RenderFrame1920x1080)->Unit(benchmark::kMillisecond);

} // namespace
