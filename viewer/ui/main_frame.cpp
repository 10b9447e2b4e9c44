// The viewer's frame window.
#include "viewer/ui/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>

#include "viewer/clipboard_dib.h"
#include "viewer/colour_convert.h"
#include "viewer/presence.h"
#include "viewer/view_geometry.h"
#include "viewer/view_titles.h"
#include "viewer/ui/app_art.h"
#include "viewer/ui/colour_views.h"
#include "viewer/ui/composite_view.h"
#include "viewer/ui/dialogs.h"
#include "viewer/ui/layer_view.h"

namespace {

// The MDI client with the emblem centred on its background.
class EmblemMdiArea : public QMdiArea {
 public:
  EmblemMdiArea() : emblem_(ART_Emblem(128)) { setBackground(QColor(0x50, 0x58, 0x68)); }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QMdiArea::paintEvent(event);
    QPainter p(viewport());
    p.drawPixmap((viewport()->width() - emblem_.width()) / 2,
                 (viewport()->height() - emblem_.height()) / 2, emblem_);
  }

 private:
  QPixmap emblem_;
};

}  // namespace

MainFrame::MainFrame(ViewerContext* ctx, bool autoPoll) : ctx_(ctx) {
  setWindowTitle(QString::fromStdString(TITLE_Frame()));
  setWindowIcon(ART_AppIcon());
  mdi_ = new EmblemMdiArea;
  setCentralWidget(mdi_);
  status_ = new QLabel(QStringLiteral("Ready"));
  mode_ = new QLabel;
  mode_->setFixedWidth(150);
  statusBar()->addWidget(status_, 1);
  statusBar()->addPermanentWidget(mode_);
  buildMenus();
  resize(570, 390);
  chooseColour = [this](uint32_t* bgr) {
    QColor c = QColorDialog::getColor(QColor::fromRgb(VCOLOR_SwapRB(*bgr)), this);
    if (!c.isValid()) return false;
    *bgr = VCOLOR_SwapRB(c.rgb());
    return true;
  };
  chooseMode = [this](bool multiDisplay) {
    ModeDialog dialog(multiDisplay, this);
    if (dialog.exec() != QDialog::Accepted) return -1;
    return dialog.multiDisplay() ? 1 : 0;
  };
  setAlwaysOnTop(ctx_->settings.alwaysOnTop != 0);
  clock_.start();
  connect(&pollTimer_, &QTimer::timeout, this, &MainFrame::poll);
  pollTimer_.setTimerType(Qt::PreciseTimer);
  if (autoPoll) pollTimer_.start(20);
}

// The views go first, while the records their destruction updates still exist.
MainFrame::~MainFrame() {
  delete mdi_;
  PRESENCE_CloseProbe(&presence_);
}

QAction* MainFrame::addCommand(QMenu* menu, const QString& text, int command) {
  QAction* a = menu->addAction(text);
  connect(a, &QAction::triggered, this, [this, command] { execute(command); });
  actions_[command] = a;
  return a;
}

QAction* MainFrame::action(int command) const {
  auto it = actions_.find(command);
  return it == actions_.end() ? nullptr : it->second;
}

void MainFrame::buildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  addCommand(file, QStringLiteral("E&xit"), CMD_EXIT);
  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  struct {
    const char* title;
    int first;
  } groups[] = {{"&Visible Layer", CMD_VISIBLE_LAYER}, {"V&irtual Layer", CMD_VIRTUAL_LAYER},
                {"&Colors", CMD_COLORS}};
  for (auto& g : groups) {
    QMenu* sub = view->addMenu(QString::fromLatin1(g.title));
    for (int n = 0; n < 5; ++n) addCommand(sub, QStringLiteral("Layer %1").arg(n), g.first + n);
  }
  addCommand(view, QStringLiteral("C&omposite"), CMD_COMPOSITE);
  QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
  addCommand(options, QStringLiteral("&Always on top"), CMD_ALWAYS_ON_TOP)->setCheckable(true);
  addCommand(options, QStringLiteral("&Multi layer/display..."), CMD_MULTI_MODE);
  addCommand(options, QStringLiteral("&Grid color..."), CMD_GRID_COLOR);
  windowMenu_ = menuBar()->addMenu(QStringLiteral("&Window"));
  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  QAction* about = addCommand(help, QStringLiteral("&About..."), CMD_ABOUT);
  about->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Slash), QKeySequence(Qt::ALT | Qt::Key_Question)});
  addAction(about);
  connect(view, &QMenu::aboutToShow, this, &MainFrame::updateMenuStates);
  connect(options, &QMenu::aboutToShow, this, &MainFrame::updateMenuStates);
  connect(windowMenu_, &QMenu::aboutToShow, this, [this] {
    windowMenu_->clear();
    addCommand(windowMenu_, QStringLiteral("&Cascade"), CMD_CASCADE);
    addCommand(windowMenu_, QStringLiteral("Tile &Horizontal"), CMD_TILE_HORIZONTAL);
    addCommand(windowMenu_, QStringLiteral("Tile &Vertical"), CMD_TILE_VERTICAL);
    QList<QMdiSubWindow*> subs = mdi_->subWindowList();
    if (!subs.isEmpty()) windowMenu_->addSeparator();
    for (int i = 0; i < subs.size(); ++i) {
      QMdiSubWindow* sub = subs[i];
      QAction* a = windowMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(sub->windowTitle()));
      a->setCheckable(true);
      a->setChecked(sub == mdi_->activeSubWindow());
      connect(a, &QAction::triggered, this, [this, sub] { mdi_->setActiveSubWindow(sub); });
    }
  });
  emit windowMenu_->aboutToShow();  // the arrangement commands exist from the start

  contextMenu_ = new QMenu(this);
  addCommand(contextMenu_, QStringLiteral("Fit window to size"), CMD_FIT);
  QMenu* zoom = contextMenu_->addMenu(QStringLiteral("Zoom"));
  for (int id = CMD_ZOOM_FIRST; id <= CMD_ZOOM_LAST; ++id) {
    int z;
    bool grid;
    GEOM_ZoomCommand(id, &z, &grid);
    addCommand(zoom, QStringLiteral("%1%%2").arg(z * 100).arg(grid ? " (Grid)" : ""), id);
  }
  addCommand(contextMenu_, QStringLiteral("Copy to clipboard"), CMD_COPY);
  contextMenu_->addAction(action(CMD_ABOUT));
}

void MainFrame::updateMenuStates() {
  bool good = SHMEM_SignatureGood(&ctx_->shm);
  int count = ctx_->shm.displayCount;
  for (int n = 0; n < 5; ++n) {
    bool on = MODE_LayerItemEnabled(good, count, n);
    action(CMD_VISIBLE_LAYER + n)->setEnabled(on);
    action(CMD_VIRTUAL_LAYER + n)->setEnabled(on);
    action(CMD_COLORS + n)->setEnabled(on);
  }
  action(CMD_COMPOSITE)->setEnabled(MODE_CompositeEnabled(good, count, ctx_->settings));
  action(CMD_ALWAYS_ON_TOP)->setChecked(ctx_->settings.alwaysOnTop != 0);
}

void MainFrame::setStatus(const QString& text) {
  if (status_->text() != text) status_->setText(text);
}

void MainFrame::showMode() {
  QString text = QString::fromLatin1(MODE_StatusText(MODE_Get(ctx_->shm.displayCount, ctx_->settings)));
  if (mode_->text() != text) mode_->setText(text);
}

void MainFrame::poll() {
  PollEvents ev = SHMEM_Poll(&ctx_->shm, PRESENCE_Probe(&presence_), clock_.elapsed());
  if (ev.newlyAttached) {
    for (int i = 0; i < BLOCK_MAX_DISPLAYS; ++i)
      if (ev.newlyAttached & (1u << i)) createViewsFor(i);
    fitFrame();
  }
  if (!modeShown_ && ctx_->shm.displayCount > 0) {
    modeShown_ = true;
    showMode();
  }
  if (SHMEM_Display(&ctx_->shm, 0) && !compositeCreated_ && ctx_->shm.displayCount >= 2 &&
      !ctx_->settings.multiDisplay) {
    openView(KIND_COMPOSITE, -1);
    fitFrame();
  }
  // One timer drives every view: fewer wake-ups keep an idle viewer near zero CPU.
  for (QMdiSubWindow* sub : mdi_->subWindowList()) {
    QWidget* w = sub->widget();
    if (auto* layer = qobject_cast<LayerView*>(w))
      layer->tick();
    else if (auto* composite = qobject_cast<CompositeView*>(w))
      composite->tick();
    else if (auto* palette = qobject_cast<PaletteView*>(w))
      palette->tick();
  }
}

QList<QMdiSubWindow*> MainFrame::views(ViewKind kind, int display) const {
  QList<QMdiSubWindow*> list;
  for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder)) {
    auto k = kinds_.find(sub);
    if (k == kinds_.end() || k->second != kind) continue;
    if (display != -2 && displays_.at(sub) != display) continue;
    list.append(sub);
  }
  return list;
}

void MainFrame::createViewsFor(int display) {
  const DisplaySlot* d = SHMEM_Display(&ctx_->shm, display);
  if (!d || d->geometry.xSize == 0 || d->geometry.ySize == 0) return;
  // Views that survived a detach show the display again; no second set is opened.
  if (views(KIND_VISIBLE, display).isEmpty()) openView(KIND_VISIBLE, display);
  if (views(KIND_COLOURS, display).isEmpty()) openView(KIND_COLOURS, display);
}

QSize MainFrame::decoration(QMdiSubWindow* sub) const {
  return sub->size() - sub->widget()->size();
}

void MainFrame::limitSize(QMdiSubWindow* sub) {
  auto* view = qobject_cast<PixelView*>(sub->widget());
  if (view) sub->setMaximumSize(view->zoomedContentSize() + decoration(sub));
}

QMdiSubWindow* MainFrame::openView(ViewKind kind, int display) {
  QWidget* widget = nullptr;
  QSize client;
  const DisplaySlot* d = SHMEM_Display(&ctx_->shm, display);
  if (kind != KIND_COMPOSITE && !d) return nullptr;
  switch (kind) {
    case KIND_VISIBLE:
    case KIND_VIRTUAL: {
      auto* v = new LayerView(ctx_, display, kind == KIND_VIRTUAL);
      connect(v, &LayerView::statusText, this, &MainFrame::setStatus);
      widget = v;
      client = v->contentSize();
      break;
    }
    case KIND_COMPOSITE: {
      auto* v = new CompositeView(ctx_);
      widget = v;
      client = v->contentSize();
      compositeCreated_ = true;
      break;
    }
    case KIND_COLOURS: {
      int n = SHMEM_Field(&ctx_->shm, display, BLOCK_NUMCOLORS);
      if (VCOLOR_UsesPalette(n)) {
        widget = new PaletteView(ctx_, display);
        client = QSize(-1, -1);  // given as an outer size below
      } else {
        widget = new ColourChartView(display);
        client = QSize(128, 128);
      }
      break;
    }
  }
  if (auto* v = qobject_cast<PixelView*>(widget)) {
    connect(v, &PixelView::raiseRequested, this, [this](PixelView* view) {
      if (auto* sub = qobject_cast<QMdiSubWindow*>(view->parentWidget())) mdi_->setActiveSubWindow(sub);
    });
    connect(v, &PixelView::contextMenuRequested, this, &MainFrame::showContextMenu);
  }
  QMdiSubWindow* sub = mdi_->addSubWindow(widget);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWindowIcon(windowIcon());
  kinds_[sub] = kind;
  displays_[sub] = display;
  connect(sub, &QObject::destroyed, this, [this, sub] {
    kinds_.erase(sub);
    displays_.erase(sub);
  });
  sub->show();
  if (client.width() < 0) {
    int n = SHMEM_Field(&ctx_->shm, display, BLOCK_NUMCOLORS);
    sub->resize(VCOLOR_PALETTE_OUTER_WIDTH, VCOLOR_PaletteOuterHeight(n));
  } else {
    // The second pass measures the frame with the widget laid out.
    sub->resize(client + decoration(sub));
    sub->resize(client + decoration(sub));
  }
  limitSize(sub);
  placeView(sub, kind, display);
  return sub;
}

void MainFrame::placeView(QMdiSubWindow* sub, ViewKind kind, int display) {
  QSize deco = decoration(sub);
  int available = screen() ? screen()->availableGeometry().height() - 100 : 1000;
  if (kind == KIND_COMPOSITE) {
    int k = views(KIND_COMPOSITE).size() - 1;
    const DisplaySlot* d0 = SHMEM_Display(&ctx_->shm, 0);
    int x = (d0 ? d0->geometry.xSize : 0) + 2 * deco.width() + 162 + 20 * k;
    sub->move(x, 20 * k);
    return;
  }
  std::vector<int> widths, heights;
  for (int i = 0; i <= display; ++i) {
    const DisplaySlot* d = SHMEM_Display(&ctx_->shm, i);
    int w = d ? d->geometry.xSize : 0, h = d ? d->geometry.ySize : 0;
    widths.push_back(w + deco.width());
    heights.push_back(h + deco.height());
  }
  StackPlace place = GEOM_StackViews(widths, heights, available)[size_t(display)];
  int k = views(kind, display).size() - 1;
  int x = place.x + 20 * k, y = place.y + 20 * k;
  if (kind == KIND_COLOURS) x += widths[size_t(display)];
  sub->move(x, y);
}

void MainFrame::fitFrame() {
  int right = 0, bottom = 0, compositeWidth = -1;
  for (QMdiSubWindow* sub : mdi_->subWindowList()) {
    QRect g = sub->geometry();
    bottom = std::max(bottom, g.bottom() + 1);
    if (kinds_.count(sub) && kinds_[sub] == KIND_COMPOSITE)
      compositeWidth = std::max(compositeWidth, g.width());
    else if (!kinds_.count(sub) || kinds_[sub] != KIND_COLOURS)
      right = std::max(right, g.right() + 1);
  }
  QSize needed(right + (compositeWidth >= 0 ? compositeWidth + 171 : 170), bottom);
  QSize have = mdi_->viewport()->size();
  QSize grow(std::max(0, needed.width() - have.width()), std::max(0, needed.height() - have.height()));
  if (grow.isEmpty() && grow.width() == 0 && grow.height() == 0) return;
  QSize target = size() + grow;
  if (screen()) target = target.boundedTo(screen()->availableGeometry().size());
  resize(target);
}

void MainFrame::tile(bool horizontal) {
  QList<QMdiSubWindow*> subs;
  for (QMdiSubWindow* sub : mdi_->subWindowList())
    if (!sub->isMinimized()) subs.append(sub);
  if (subs.isEmpty()) return;
  QSize area = mdi_->viewport()->size();
  int n = subs.size();
  for (int i = 0; i < n; ++i) {
    subs[i]->showNormal();
    subs[i]->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (horizontal) {
      int h = area.height() / n;
      subs[i]->setGeometry(0, i * h, area.width(), h);
    } else {
      int w = area.width() / n;
      subs[i]->setGeometry(i * w, 0, w, area.height());
    }
    limitSize(subs[i]);
  }
}

PixelView* MainFrame::activePixelView() const {
  QMdiSubWindow* sub = mdi_->activeSubWindow();
  return sub ? qobject_cast<PixelView*>(sub->widget()) : nullptr;
}

void MainFrame::showContextMenu(PixelView* view, QPoint globalPos) {
  if (!qobject_cast<CompositeView*>(view) && !SHMEM_SignatureGood(&ctx_->shm)) return;
  contextMenu_->popup(globalPos);
}

QByteArray MainFrame::copyActiveView() {
  PixelView* view = activePixelView();
  if (!view || !SHMEM_SignatureGood(&ctx_->shm)) return {};
  std::vector<uint8_t> dib;
  if (auto* composite = qobject_cast<CompositeView*>(view))
    dib = CLIPDIB_Composite(&ctx_->shm, composite->buffer());
  else
    dib = CLIPDIB_Layer(&ctx_->shm, view->display(), view->isVirtual());
  std::vector<uint8_t> file = CLIPDIB_BmpFile(dib);
  if (file.empty()) return {};
  QByteArray bytes(reinterpret_cast<const char*>(file.data()), qsizetype(file.size()));
  auto* mime = new QMimeData;
  mime->setData(QStringLiteral("image/bmp"), bytes);
  QImage image = QImage::fromData(bytes, "BMP");
  if (!image.isNull()) mime->setImageData(image);
  QApplication::clipboard()->setMimeData(mime);
  return bytes;
}

void MainFrame::applyMultiDisplay(bool multiDisplay) {
  ctx_->settings.multiDisplay = multiDisplay ? 1 : 0;
  if (multiDisplay) {
    for (QMdiSubWindow* sub : views(KIND_COMPOSITE)) {
      kinds_.erase(sub);
      sub->close();
    }
  } else if (ctx_->shm.displayCount >= 2) {
    openView(KIND_COMPOSITE, -1);
    fitFrame();
  }
  for (QMdiSubWindow* sub : mdi_->subWindowList())
    if (auto* v = qobject_cast<PixelView*>(sub->widget())) v->viewport()->update();
  showMode();
}

void MainFrame::setGridColour(uint32_t bgr) {
  ctx_->settings.gridColor = bgr & 0xFFFFFF;
  for (QMdiSubWindow* sub : mdi_->subWindowList())
    if (auto* v = qobject_cast<PixelView*>(sub->widget())) v->viewport()->update();
}

void MainFrame::setAlwaysOnTop(bool on) {
  ctx_->settings.alwaysOnTop = on ? 1 : 0;
  bool visible = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, on);
  if (visible) show();
  action(CMD_ALWAYS_ON_TOP)->setChecked(on);
}

void MainFrame::execute(int command) {
  int zoom;
  bool grid;
  if (GEOM_ZoomCommand(command, &zoom, &grid)) {
    PixelView* view = activePixelView();
    if (!view) return;
    auto* sub = qobject_cast<QMdiSubWindow*>(view->parentWidget());
    if (sub->isMaximized()) sub->showNormal();
    view->setZoom(zoom, grid);
    sub->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QSize content = view->zoomedContentSize() + decoration(sub);
    sub->resize(sub->size().boundedTo(content));  // shrinks, never enlarges
    limitSize(sub);
    return;
  }
  bool good = SHMEM_SignatureGood(&ctx_->shm);
  int count = ctx_->shm.displayCount;
  if (command >= CMD_VISIBLE_LAYER && command < CMD_VISIBLE_LAYER + 5) {
    if (MODE_LayerItemEnabled(good, count, command - CMD_VISIBLE_LAYER))
      openView(KIND_VISIBLE, command - CMD_VISIBLE_LAYER);
    return;
  }
  if (command >= CMD_VIRTUAL_LAYER && command < CMD_VIRTUAL_LAYER + 5) {
    if (MODE_LayerItemEnabled(good, count, command - CMD_VIRTUAL_LAYER))
      openView(KIND_VIRTUAL, command - CMD_VIRTUAL_LAYER);
    return;
  }
  if (command >= CMD_COLORS && command < CMD_COLORS + 5) {
    if (MODE_LayerItemEnabled(good, count, command - CMD_COLORS)) openView(KIND_COLOURS, command - CMD_COLORS);
    return;
  }
  switch (command) {
    case CMD_ABOUT: {
      AboutDialog about(this);
      about.exec();
      break;
    }
    case CMD_EXIT: close(); break;
    case CMD_COMPOSITE:
      if (MODE_CompositeEnabled(good, count, ctx_->settings)) {
        openView(KIND_COMPOSITE, -1);
        fitFrame();
      }
      break;
    case CMD_ALWAYS_ON_TOP: setAlwaysOnTop(!ctx_->settings.alwaysOnTop); break;
    case CMD_MULTI_MODE: {
      int choice = chooseMode(ctx_->settings.multiDisplay != 0);
      if (choice >= 0) applyMultiDisplay(choice == 1);
      break;
    }
    case CMD_GRID_COLOR: {
      uint32_t bgr = ctx_->settings.gridColor;
      if (chooseColour(&bgr)) setGridColour(bgr);
      break;
    }
    case CMD_COPY: copyActiveView(); break;
    case CMD_FIT:
      if (PixelView* view = activePixelView()) {
        auto* sub = qobject_cast<QMdiSubWindow*>(view->parentWidget());
        if (sub->isMaximized()) sub->showNormal();
        limitSize(sub);
        sub->resize(view->zoomedContentSize() + decoration(sub));
        sub->resize(view->zoomedContentSize() + decoration(sub));
      }
      break;
    case CMD_CASCADE: mdi_->cascadeSubWindows(); break;
    case CMD_TILE_HORIZONTAL: tile(true); break;
    case CMD_TILE_VERTICAL: tile(false); break;
    default: break;
  }
}

void MainFrame::closeEvent(QCloseEvent* event) {
  pollTimer_.stop();
  event->accept();
}
