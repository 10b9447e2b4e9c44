// Widget tests of the viewer's windows (offscreen): views opened by the poll, titles,
// zoom and grid drawing, scrolling, pointer forwarding and readout, menu states, modes,
// settings and the clipboard. The displays are real shared-memory blocks made by the
// simulation stand-in's code under a per-test name prefix.
#include <QApplication>
#include <QClipboard>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QScrollBar>
#include <QtTest>
#include <unistd.h>

#include "tests/support/temp_dir.h"
#include "tools/vorixsim/sim_blocks.h"
#include "viewer/presence.h"
#include "viewer/ui/colour_views.h"
#include "viewer/ui/composite_view.h"
#include "viewer/ui/layer_view.h"
#include "viewer/ui/main_frame.h"

class ViewerUiTest : public QObject {
  Q_OBJECT

  TempDir* dir_ = nullptr;
  std::vector<SimBlock> blocks_;
  int lock_ = -1;
  ViewerContext* ctx_ = nullptr;
  MainFrame* frame_ = nullptr;

  void addDisplay(int x, int y, int bpp, int numColors = 0) {
    SimDisplaySpec spec;
    spec.xSize = x, spec.ySize = y, spec.bpp = bpp, spec.numColors = numColors;
    SimBlock b;
    QVERIFY(SIMBLOCK_Create(int(blocks_.size()), spec, &b));
    blocks_.push_back(b);
  }
  // Starts the simulation and the frame, and polls until the displays are attached.
  void start(ViewerSettings settings = ViewerSettings()) {
    QVERIFY(SIMBLOCK_CreateGlobal(0));
    lock_ = PRESENCE_Hold(PRESENCE_MAINFRAME_CLASS);
    QVERIFY(lock_ >= 0);
    ctx_ = new ViewerContext;
    ctx_->settings = settings;
    frame_ = new MainFrame(ctx_, false);
    frame_->show();
    for (int i = 0; i < 30 && ctx_->shm.displayCount < int(blocks_.size()); ++i) {
      frame_->poll();
      QTest::qWait(20);
    }
    frame_->poll();
    QCOMPARE(ctx_->shm.displayCount, int(blocks_.size()));
  }
  template <class T>
  T* viewOf(ViewKind kind, int display, int nth = 0) {
    QList<QMdiSubWindow*> list = frame_->views(kind, display);
    return nth < list.size() ? qobject_cast<T*>(list[nth]->widget()) : nullptr;
  }
  static QImage grabClient(PixelView* v) { return v->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

 private slots:
  void init() {
    dir_ = new TempDir;
    static int serial = 0;
    std::string prefix = "vorixui" + std::to_string(getpid()) + "_" + std::to_string(serial++) + "_";
    qputenv("VORIX_SHM_PREFIX", prefix.c_str());
    qputenv("XDG_RUNTIME_DIR", dir_->Path.c_str());
  }
  void cleanup() {
    delete frame_;
    frame_ = nullptr;
    if (ctx_) SHMEM_DetachAll(&ctx_->shm);
    delete ctx_;
    ctx_ = nullptr;
    PRESENCE_Release(lock_, PRESENCE_MAINFRAME_CLASS);
    lock_ = -1;
    for (SimBlock& b : blocks_) SIMBLOCK_Remove(&b);
    blocks_.clear();
    SIMBLOCK_RemoveGlobal();
    delete dir_;
  }

  void twoLayersOpenTheirViewsAndComposite() {
    addDisplay(320, 240, 32);
    addDisplay(64, 32, 8, 16);
    start();
    QCOMPARE(frame_->windowTitle(), QStringLiteral("ZentileView V5.46"));
    auto* v0 = viewOf<LayerView>(KIND_VISIBLE, 0);
    QVERIFY(v0);
    QCOMPARE(v0->windowTitle(), QStringLiteral("Vis.Layer #0, 320*240, 32bpp @ 0,0"));
    QCOMPARE(v0->viewport()->size(), QSize(320, 240));  // fitted, no scroll bars
    QVERIFY(viewOf<LayerView>(KIND_VISIBLE, 1));
    QVERIFY(viewOf<ColourChartView>(KIND_COLOURS, 0));  // 65536 colours: the chart
    auto* palette = viewOf<PaletteView>(KIND_COLOURS, 1);
    QVERIFY(palette);
    QCOMPARE(palette->windowTitle(), QStringLiteral("Colors #1"));
    QCOMPARE(frame_->views(KIND_COLOURS, 1)[0]->height(), 39);  // 16 colours: one row + 29
    // Entry i fills the inside of the 8 x 8 square at ((i mod 16) * 10 + 2, 2), outlined in black.
    SIMBLOCK_SetColor(&blocks_[1], 5, 0x123456);
    QImage swatches = palette->grab().toImage();
    QCOMPARE(swatches.pixel(52 + 4, 2 + 4) & 0xFFFFFF, QRgb(0x123456));
    QCOMPARE(swatches.pixel(52, 2) & 0xFFFFFF, QRgb(0));
    auto* composite = viewOf<CompositeView>(KIND_COMPOSITE, -1);
    QVERIFY(composite);
    QCOMPARE(composite->windowTitle(), QStringLiteral("Composite LCD 320*240"));
    QCOMPARE(frame_->modeText(), QStringLiteral("Multi layer mode"));
    QVERIFY(frame_->windowFlags() & Qt::WindowStaysOnTopHint);
    // A second poll opens nothing more.
    int windows = frame_->mdiArea()->subWindowList().size();
    frame_->poll();
    QCOMPARE(frame_->mdiArea()->subWindowList().size(), windows);
  }

  void zoomWithGridDrawsLinesEveryZoomPixels() {
    addDisplay(320, 240, 32);
    start();
    SIMBLOCK_Fill(&blocks_[0], 0, 0, 320, 240, 0x00C08040);
    SIMBLOCK_SetPixel(&blocks_[0], 1, 0, 0x00112233);
    SIMBLOCK_BumpFrame(&blocks_[0]);
    auto* v = viewOf<LayerView>(KIND_VISIBLE, 0);
    frame_->mdiArea()->setActiveSubWindow(frame_->views(KIND_VISIBLE, 0)[0]);
    frame_->execute(553);  // 300% (Grid)
    QVERIFY(v->windowTitle().endsWith(QStringLiteral(", 300%")));
    QCOMPARE(v->zoom(), 3);
    QVERIFY(v->grid());
    QImage img = grabClient(v);
    QVERIFY(img.width() >= 30);
    for (int x = 1; x < 30; ++x) {
      QRgb expected = x % 3 == 0 ? 0x3F3F3F : (x >= 4 && x < 6 ? 0x112233 : 0xC08040);
      QCOMPARE(img.pixel(x, 1) & 0xFFFFFF, expected);
    }
    for (int y = 1; y < 30; ++y) QCOMPARE(img.pixel(7, y) & 0xFFFFFF, QRgb(y % 3 == 0 ? 0x3F3F3F : 0xC08040));
    // A new grid colour reaches the drawing.
    frame_->chooseColour = [](uint32_t* bgr) {
      *bgr = 0x0000FF;  // red, in 0x00BBGGRR
      return true;
    };
    frame_->execute(CMD_GRID_COLOR);
    QCOMPARE(ctx_->settings.gridColor, 0x0000FFu);
    QCOMPARE(grabClient(v).pixel(3, 1) & 0xFFFFFF, QRgb(0xFF0000));
    // Zoom without grid back to 1: title without a percentage.
    frame_->execute(550);
    QCOMPARE(v->windowTitle(), QStringLiteral("Vis.Layer #0, 320*240, 32bpp @ 0,0"));
  }

  void scrollingAndPointerConversion() {
    addDisplay(320, 240, 32);
    start();
    QMdiSubWindow* sub = frame_->views(KIND_VISIBLE, 0)[0];
    auto* v = qobject_cast<LayerView*>(sub->widget());
    frame_->mdiArea()->setActiveSubWindow(sub);
    frame_->execute(551);  // 200%: the window keeps its size, so scroll bars appear
    QVERIFY(v->horizontalScrollBar()->isVisible());
    int visible = v->viewport()->width() / 2;
    QCOMPARE(v->horizontalScrollBar()->maximum(), 320 - visible);
    QCOMPARE(v->horizontalScrollBar()->pageStep(), visible);
    v->horizontalScrollBar()->setValue(5);
    QTest::mouseMove(v->viewport(), QPoint(10, 10));
    QTRY_COMPARE(SIMBLOCK_Get(&blocks_[0], BLOCK_MOUSEX), 10);
    QCOMPARE(SIMBLOCK_Get(&blocks_[0], BLOCK_MOUSEY), 5);
    QTest::mousePress(v->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 10));
    QCOMPARE(SIMBLOCK_Get(&blocks_[0], BLOCK_MOUSEKEYS), 1 | 4);
    QTest::mouseRelease(v->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(SIMBLOCK_Get(&blocks_[0], BLOCK_MOUSEKEYS), 0);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(v->viewport(), &leave);
    QCOMPARE(SIMBLOCK_Get(&blocks_[0], BLOCK_MOUSEX), -1);
    QCOMPARE(SIMBLOCK_Get(&blocks_[0], BLOCK_MOUSEY), -1);
    // Fit window to size: the whole zoomed content, no bars.
    frame_->execute(CMD_FIT);
    QCOMPARE(v->viewport()->size(), QSize(640, 480));
    QCOMPARE(v->horizontalScrollBar()->maximum(), 0);
  }

  void pointerReadoutShowsPositionColourAndButton() {
    addDisplay(32, 16, 8);
    start();
    SIMBLOCK_SetColor(&blocks_[0], 9, 0x102030);
    SIMBLOCK_SetPixel(&blocks_[0], 4, 3, 9);
    SIMBLOCK_Set(&blocks_[0], BLOCK_MOUSEX, 4);
    SIMBLOCK_Set(&blocks_[0], BLOCK_MOUSEY, 3);
    SIMBLOCK_Set(&blocks_[0], BLOCK_MOUSEKEYS, 1);
    frame_->poll();
    QCOMPARE(frame_->statusText(), QStringLiteral("WM_MOUSEMOVE (x=4, y=3, BGR=30 20 10) Pressed"));
    SIMBLOCK_Set(&blocks_[0], BLOCK_MOUSEX, -1);
    SIMBLOCK_Set(&blocks_[0], BLOCK_MOUSEY, -1);
    frame_->poll();
    QCOMPARE(frame_->statusText(), QStringLiteral("Mouse moved out"));
    QCOMPARE(frame_->modeText(), QStringLiteral("Single display mode"));
  }

  void menuStatesFollowCountAndMode() {
    addDisplay(40, 30, 32);
    addDisplay(20, 10, 32);
    start();
    frame_->updateMenuStates();
    QVERIFY(frame_->action(500)->isEnabled());
    QVERIFY(frame_->action(501)->isEnabled());
    QVERIFY(!frame_->action(502)->isEnabled());
    QVERIFY(frame_->action(512)->isEnabled());
    QVERIFY(!frame_->action(507)->isEnabled());
    QVERIFY(frame_->action(CMD_COMPOSITE)->isEnabled());
    QVERIFY(frame_->action(CMD_ALWAYS_ON_TOP)->isChecked());
    // Multi display mode closes the composite and disables its item.
    frame_->chooseMode = [](bool current) { return current ? 0 : 1; };
    frame_->execute(CMD_MULTI_MODE);
    QTRY_VERIFY(frame_->views(KIND_COMPOSITE).isEmpty());
    QCOMPARE(frame_->modeText(), QStringLiteral("Multi display mode"));
    frame_->updateMenuStates();
    QVERIFY(!frame_->action(CMD_COMPOSITE)->isEnabled());
    // Cancel changes nothing; back to layers opens a composite again.
    frame_->chooseMode = [](bool) { return -1; };
    frame_->execute(CMD_MULTI_MODE);
    QCOMPARE(ctx_->settings.multiDisplay, 1u);
    frame_->chooseMode = [](bool) { return 0; };
    frame_->execute(CMD_MULTI_MODE);
    QCOMPARE(frame_->views(KIND_COMPOSITE).size(), 1);
    QCOMPARE(frame_->modeText(), QStringLiteral("Multi layer mode"));
    // Virtual view from the menu; always on top off.
    frame_->execute(511);
    QCOMPARE(frame_->views(KIND_VIRTUAL, 0).size(), 1);
    frame_->execute(CMD_ALWAYS_ON_TOP);
    QCOMPARE(ctx_->settings.alwaysOnTop, 0u);
    QVERIFY(!(frame_->windowFlags() & Qt::WindowStaysOnTopHint));
  }

  void storedMultiDisplayStartsWithoutComposite() {
    addDisplay(40, 30, 32);
    addDisplay(20, 10, 32);
    ViewerSettings s;
    s.multiDisplay = 1;
    start(s);
    QVERIFY(frame_->views(KIND_COMPOSITE).isEmpty());
    QCOMPARE(frame_->modeText(), QStringLiteral("Multi display mode"));
  }

  void copyPutsTheBitmapOnTheClipboard() {
    addDisplay(5, 3, 8);
    start();
    SIMBLOCK_SetColor(&blocks_[0], 2, 0xA0B0C0);
    SIMBLOCK_SetPixel(&blocks_[0], 0, 2, 2);
    frame_->mdiArea()->setActiveSubWindow(frame_->views(KIND_VISIBLE, 0)[0]);
    QByteArray bmp = frame_->copyActiveView();
    QCOMPARE(bmp.size(), 14 + 40 + 256 * 4 + 3 * 8);
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    QVERIFY(mime);
    QCOMPARE(mime->data(QStringLiteral("image/bmp")), bmp);
    QImage image = qvariant_cast<QImage>(mime->imageData());
    QCOMPARE(image.size(), QSize(5, 3));
    QCOMPARE(image.pixel(0, 2) & 0xFFFFFF, QRgb(0xA0B0C0));
  }

  void simulationEndLeavesViewsBlackAndRestartReattaches() {
    addDisplay(16, 8, 32);
    start();
    SIMBLOCK_Fill(&blocks_[0], 0, 0, 16, 8, 0x00FFFFFF);
    SIMBLOCK_BumpFrame(&blocks_[0]);
    auto* v = viewOf<LayerView>(KIND_VISIBLE, 0);
    QCOMPARE(grabClient(v).pixel(3, 3) & 0xFFFFFF, QRgb(0xFFFFFF));
    PRESENCE_Release(lock_, PRESENCE_MAINFRAME_CLASS);
    lock_ = -1;
    frame_->poll();
    QCOMPARE(ctx_->shm.displayCount, 0);
    QCOMPARE(frame_->views(KIND_VISIBLE, 0).size(), 1);
    QCOMPARE(grabClient(v).pixel(3, 3) & 0xFFFFFF, QRgb(0));
    lock_ = PRESENCE_Hold(PRESENCE_MAINFRAME_CLASS);
    for (int i = 0; i < 30 && ctx_->shm.displayCount == 0; ++i) {
      frame_->poll();
      QTest::qWait(20);
    }
    QCOMPARE(ctx_->shm.displayCount, 1);
    QCOMPARE(frame_->views(KIND_VISIBLE, 0).size(), 1);  // the same view shows it again
    QTRY_COMPARE(grabClient(v).pixel(3, 3) & 0xFFFFFF, QRgb(0xFFFFFF));
  }
};

QTEST_MAIN(ViewerUiTest)
#include "test_viewer_ui.moc"
