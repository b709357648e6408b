// The yardstick for the panel's figures: a bare Qt window, timed from the start of main()
// to its first paint.
#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <cstdio>

namespace {
QElapsedTimer g_start;

class Window : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!m_reported)
            std::fprintf(stderr, "bare: window painted %.1f ms after start\n", g_start.nsecsElapsed() / 1e6);
        m_reported = true;
    }
    bool m_reported = false;
};
} // namespace

int main(int argc, char** argv)
{
    g_start.start();
    QApplication app(argc, argv);
    Window w;
    w.resize(210, 440);
    w.show();
    return app.exec();
}
