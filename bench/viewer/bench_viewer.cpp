// Measures the running viewer: repaints per second of every view and the process's CPU
// use, with the displays of a vorixsim started by run.sh. Phases: zoom 1; zoom 2 and 4
// with grid (windows keep their size); one view fitted at zoom 4 with grid; and, with
// --idle, nothing changing. Prints one line per phase.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMdiSubWindow>
#include <QTimer>
#include <cstdio>
#include <map>

#include "viewer/ui/main_frame.h"
#include "viewer/ui/pixel_view.h"

namespace {

double cpu_seconds() {
  rusage u;
  getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct PaintCounter : QObject {
  std::map<QObject*, int> counts;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++counts[o];
    return false;
  }
};

// Runs the event loop (sleeping while idle) for ms milliseconds.
void wait_ms(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
  bool idle = argc > 1 && QString(argv[1]) == "--idle";
  int seconds = argc > 2 ? atoi(argv[2]) : 10;
  ViewerContext ctx;
  ctx.settings.alwaysOnTop = 0;
  QApplication app(argc, argv);
  MainFrame frame(&ctx);
  frame.resize(3300, 2100);
  frame.show();
  QElapsedTimer waited;
  waited.start();
  while ((ctx.shm.displayCount < 1 || (!idle && frame.views(KIND_COMPOSITE).isEmpty())) &&
         waited.elapsed() < 10000)
    wait_ms(50);
  if (ctx.shm.displayCount < 1) {
    std::fprintf(stderr, "bench_viewer: no simulation attached\n");
    return 1;
  }
  QList<QMdiSubWindow*> pixelViews;
  for (QMdiSubWindow* sub : frame.mdiArea()->subWindowList(QMdiArea::CreationOrder))
    if (qobject_cast<PixelView*>(sub->widget())) pixelViews.append(sub);
  // Side by side, none covering another.
  int x = 0, y = 0, rowHeight = 0;
  for (QMdiSubWindow* sub : pixelViews) {
    if (x + sub->width() > frame.mdiArea()->width()) {
      x = 0;
      y += rowHeight;
      rowHeight = 0;
    }
    sub->move(x, y);
    x += sub->width();
    rowHeight = std::max(rowHeight, sub->height());
  }
  PaintCounter counter;
  for (QMdiSubWindow* sub : pixelViews)
    qobject_cast<PixelView*>(sub->widget())->viewport()->installEventFilter(&counter);

  auto measure = [&](const char* phase) {
    wait_ms(1000);
    counter.counts.clear();
    double cpu0 = cpu_seconds();
    int32_t frames0 = SHMEM_Field(&ctx.shm, 0, BLOCK_FRAMECOUNT);
    QElapsedTimer t;
    t.start();
    wait_ms(seconds * 1000);
    double wall = t.elapsed() / 1000.0, cpu = cpu_seconds() - cpu0;
    double simRate = (SHMEM_Field(&ctx.shm, 0, BLOCK_FRAMECOUNT) - frames0) / wall;
    std::printf("%-34s sim %4.1f frames/s; viewer CPU %5.1f%% of one core; repaints/s:", phase, simRate,
                100 * cpu / wall);
    for (QMdiSubWindow* sub : pixelViews) {
      auto* v = qobject_cast<PixelView*>(sub->widget());
      std::printf(" %s=%.1f", v->display() < 0 ? "comp" : qPrintable(QString("L%1").arg(v->display())),
                  counter.counts[v->viewport()] / wall);
    }
    std::printf("\n");
    std::fflush(stdout);
  };
  auto zoom_all = [&](int command) {
    for (QMdiSubWindow* sub : pixelViews) {
      frame.mdiArea()->setActiveSubWindow(sub);
      frame.execute(command);
    }
  };
  if (idle) {
    measure("nothing changing, zoom 1");
    return 0;
  }
  measure("zoom 1");
  zoom_all(551);
  measure("zoom 2 (windows keep their size)");
  zoom_all(555);
  measure("zoom 4 grid (windows keep size)");
  // One view fitted to its whole content at zoom 4 with grid; the others at zoom 1.
  zoom_all(550);
  for (QMdiSubWindow* sub : pixelViews) sub->hide();
  pixelViews.first()->show();
  pixelViews.first()->move(0, 0);
  frame.mdiArea()->setActiveSubWindow(pixelViews.first());
  frame.execute(555);
  frame.execute(570);
  pixelViews = {pixelViews.first()};
  measure("one view fitted, zoom 4 grid");
  return 0;
}
