// A small drag source for the end-to-end test: a window titled "Drag source" at the
// given place; pressing the mouse in it drags the named files (as file URLs) until the
// button is released over a drop target. Prints "dropped" or "not dropped" and ends
// three seconds later (the target reads the dragged data from this program meanwhile).
//
// Usage: drag_source X Y FILE...
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

class Source : public QWidget {
 public:
  explicit Source(QList<QUrl> urls) : m_urls(std::move(urls)) {
    setWindowTitle("Drag source");
    setFixedSize(160, 120);
    setStyleSheet("background: #40a040");
  }

 protected:
  void mousePressEvent(QMouseEvent*) override {
    auto* drag = new QDrag(this);
    auto* mime = new QMimeData;
    mime->setUrls(m_urls);
    drag->setMimeData(mime);
    const Qt::DropAction action = drag->exec(Qt::CopyAction);
    std::puts(action == Qt::IgnoreAction ? "not dropped" : "dropped");
    std::fflush(stdout);
    // The target fetches the files from this program after the drop: stay a while.
    QTimer::singleShot(3000, qApp, &QApplication::quit);
  }

 private:
  QList<QUrl> m_urls;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 4) {
    std::fputs("usage: drag_source X Y FILE...\n", stderr);
    return 2;
  }
  QList<QUrl> urls;
  for (int i = 3; i < argc; ++i) urls << QUrl::fromLocalFile(QString::fromLocal8Bit(argv[i]));
  Source source(urls);
  source.move(atoi(argv[1]), atoi(argv[2]));
  source.show();
  return app.exec();
}
